#pragma once

#include <QObject>
#include <QString>

class QWidget;
class SeasonBook;
struct WindowContext;

// The season shared from the book's window: the HTML report for the league (File, "Export
// Season Report..."), and the printed book as a PDF file or on paper. Each tells why it
// could not, and writes over nothing of the user's own without asking.
class SeasonExports final : public QObject
{
    Q_OBJECT

public:
    SeasonExports(WindowContext &context, SeasonBook &book, QWidget *window);

public Q_SLOTS:
    void writeReport();
    void writeBook();
    void printBook();

private:
    // Tells why when no season is open yet.
    bool hasSeason();
    QString seasonName() const;
    // A path in the folder that holds the season's folder.
    QString besideSeason(const QString &name) const;
    void tell(const QString &problem);

    WindowContext &m_context;
    SeasonBook &m_book;
    QWidget *m_window;
};
