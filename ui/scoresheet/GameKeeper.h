#pragma once

#include <QObject>
#include <QString>

#include <memory>

class AutosaveStore;
class QUndoStack;
class RollHistory;
class QWidget;
class Scoresheet;
class Timer;
struct GameSnapshot;
struct OpenedGame;
struct WindowContext;

// Keeps a scoresheet window's game: opening and saving game files, the autosave about
// a second after the last change and when the window closes, recovering the last
// closed sheet, and the question about a sheet an earlier run left open. Opened and
// recovered sheets are steps of the window's undo history.
class GameKeeper final : public QObject
{
    Q_OBJECT

public:
    static constexpr int AutosaveDelayMs = 1000;

    GameKeeper(WindowContext &context, Scoresheet &sheet, QUndoStack &history, RollHistory &rolls, QWidget *window);
    ~GameKeeper() override;

    // The file the sheet was last opened from or saved to; empty for a new sheet.
    const QString &filePath() const { return m_filePath; }

    void openGame();
    // Opens path without asking for a file (the command line); false when it was refused.
    bool openFile(const QString &path);
    bool save();
    bool saveAs();
    void recoverLastSheet();

    // The window has just been shown for the first time: offers back a sheet an earlier
    // run left open, then marks this sheet open until the window closes.
    void windowShown();
    // Every real change to the sheet: the autosave timer starts again.
    void sheetChanged();
    // The window closes, by any path: the sheet is kept as the last closed one.
    void windowClosing();

Q_SIGNALS:
    // The file behind the sheet changed (opened, saved under a name).
    void filePathChanged(const QString &path);

private:
    void offerUnfinishedSheet(AutosaveStore &store);
    // Reads and checks a game file, its rolls too.
    OpenedGame load(const QString &path) const;
    void autosave();
    QByteArray currentGame() const;
    bool unsavedEditsMayGo(const QString &question);
    // Puts an opened game on the sheet as one step named text, and its rolls in the history.
    void apply(const OpenedGame &game, const QString &text);
    bool writeTo(const QString &path);
    void setFilePath(const QString &path);
    void tellAutosaveFailure(const QString &reason);

    WindowContext &m_context;
    Scoresheet &m_sheet;
    QUndoStack &m_history;
    RollHistory &m_rolls;
    QWidget *m_window;
    std::unique_ptr<Timer> m_autosaveTimer;
    QString m_filePath;
    bool m_autosaveFailureTold = false;
    bool m_shown = false;
};
