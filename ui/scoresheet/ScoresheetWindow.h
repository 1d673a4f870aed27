#pragma once

#include "scoresheet/GameFile.h"
#include "ui/roll/RollWindow.h"

#include <QKeySequence>
#include <QList>

#include <memory>

class GameKeeper;
class Scoresheet;
class SheetHistory;
class SheetView;

// The electronic scoresheet of one game. The window builds its parts and connects them:
// the sheet (the Scoresheet model), its view with the roll panel, the history of edits,
// the keeper of its game file and of the sheets kept safe, and the menus of its commands.
class ScoresheetWindow final : public RollWindow
{
    Q_OBJECT

public:
    explicit ScoresheetWindow(WindowContext &context, QWidget *parent = nullptr);
    ~ScoresheetWindow() override;

    Scoresheet &sheet() { return *m_sheet; }
    SheetView &view() { return *m_view; }
    SheetHistory &history() { return *m_history; }
    GameKeeper &gameKeeper() { return *m_keeper; }
    // The game as it stands on the sheet now, with its details, as if read from its file.
    OpenedGame currentGame() const;
    // The game's file; empty for a sheet not saved yet.
    QString filePath() const;

Q_SIGNALS:
    // File, "Season Book...".
    void seasonRequested();
    // View, "Box Score": the game as it stands, as a box score.
    void boxScoreRequested();

public Q_SLOTS:
    void resetSheet();
    void printSheet();
    void exportPdf();
    // File, "Recover Unsaved Games...".
    void showKeptSheets();
    // File, "Game Details...".
    void showGameDetails();

protected:
    void exitChosen() override;
    bool canNarrow() const override { return true; }
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    // A File menu command, connected to its slot.
    template <typename Slot>
    QAction *command(const char *objectName, const QString &text, Slot slot, const QList<QKeySequence> &keys = {});
    void buildMenus();
    void showTitle();
    // Sizes and places the window inside the screen's available area; where the window is
    // smaller than the sheet (a small screen, the roll history beside it), the sheet scrolls.
    void fitIntoScreen();

    std::unique_ptr<Scoresheet> m_sheet;
    SheetHistory *m_history;
    SheetView *m_view;
    GameKeeper *m_keeper;
    bool m_shownOnce = false;
};
