#pragma once

#include "season/BoxScore.h"

#include <QDialog>

class QPlainTextEdit;
struct WindowContext;

// One game's box score in a window of its own: read as aligned text, copied as it stands
// (for a message or a forum post), printed or written to a PDF file as a page. A game of
// the season book also opens in the scoresheet from here.
class BoxScoreWindow final : public QDialog
{
    Q_OBJECT

public:
    // Where the box score comes from: a game of the season book may be opened in the
    // scoresheet; a game already there may not.
    enum class Source { Season, Scoresheet };

    // gameFile: the game's file (full path, empty for a sheet never saved); a PDF is offered
    // beside it.
    BoxScoreWindow(const BoxScore &box, WindowContext &context, const QString &gameFile, Source source,
                   QWidget *parent);

    const BoxScore &box() const { return m_box; }

public Q_SLOTS:
    void copyText();
    void print();
    void exportPdf();

Q_SIGNALS:
    // The game is to be shown in the scoresheet (its full path).
    void gameChosen(const QString &path);

private:
    BoxScore m_box;
    WindowContext &m_context;
    QString m_gameFile;
    QPlainTextEdit *m_text;
};
