#pragma once

#include "scoresheet/GameDetails.h"

#include <QJsonArray>
#include <QObject>
#include <QString>

#include <memory>
#include <optional>

class QWidget;
class RollHistory;
class Scoresheet;
class SheetHistory;
class Timer;
struct GameSnapshot;
struct KeptSheet;
struct OpenedGame;
struct WindowContext;

// Keeps a scoresheet window's game: the file the sheet belongs to, opening and saving game
// files, a new game in the same window, and the sheets kept safe. A sheet belongs to a file
// only by Open, Save and Save As; nothing else ever gives the window's file other contents.
// Whenever a sheet with changes not saved to a file leaves the window (a new game, another
// sheet opened over it, a reset, the window closing, a crash) it is kept, and File, Recover
// brings it back. Opened, recovered and reset sheets are steps of the window's history,
// and undoing one brings back the sheet's file too.
class GameKeeper final : public QObject
{
    Q_OBJECT

public:
    static constexpr int AutosaveDelayMs = 1000;

    GameKeeper(WindowContext &context, Scoresheet &sheet, SheetHistory &history, RollHistory &rolls, QWidget *window);
    ~GameKeeper() override;

    // The file the sheet belongs to; empty for a sheet never saved.
    const QString &filePath() const { return m_binding.file; }
    // The kept sheet the window's sheet is (it was kept or recovered); empty when none.
    const QString &keptId() const { return m_binding.keptId; }
    // Whether leaving the window now would lose something a file does not have.
    bool hasUnsavedChanges() const;
    // What the game file says about the game besides the sheet: its date, number, kind,
    // whether it is over, the decisions and a note.
    const GameDetails &details() const { return m_details; }
    // Changes the details as one step of the history; nothing happens when they are the same.
    void setDetails(const GameDetails &details);
    // The pitchers' names on the sheet, both teams', in the order they stand, each once.
    QStringList pitcherNames() const;
    // Where a game is opened from and saved to: the folder of the last game opened or
    // saved, else the documents folder.
    QString gamesFolder() const;
    // Where the sheet is offered to be saved ("<away> at <home> <date><extension>" in the
    // games folder): dated by the game's details, else today.
    QString suggestedPath(const QString &extension) const;

    void openGame();
    // Opens path without asking for a file (the command line); false when it was refused.
    bool openFile(const QString &path);
    bool save();
    bool saveAs();
    void newGame();
    // A new game with the same team names and the same hitters.
    void newGameWithLineups();
    // Asks first; a reset sheet belongs to no file.
    void resetSheet();
    // The newest kept sheet, without a question.
    void recoverLastSheet();
    // A kept sheet, chosen by the user.
    void recoverSheet(const KeptSheet &kept);

    // The window has just been shown for the first time: offers back a sheet a run left
    // open when it ended.
    void windowShown();
    // The window closes, by any path.
    void windowClosing();

Q_SIGNALS:
    // The file behind the sheet changed (opened, saved under a name, a new sheet).
    void filePathChanged(const QString &path);
    // The game was written to its file.
    void gameSaved(const QString &path);

private:
    // The file a sheet belongs to, and the kept sheet it is (when it was kept or recovered).
    struct Binding
    {
        QString file;
        QString keptId;
        bool operator==(const Binding &) const = default;
    };

    void sheetChanged();
    void autosave();
    QByteArray currentGame() const;
    // The sheet in the window is about to leave it: kept when it has unsaved changes.
    void keepLeavingSheet();
    // Reads and checks a game file, its rolls too.
    OpenedGame load(const QString &path) const;
    // The game's details, dated by when the game was first saved where they have no date.
    static GameDetails datedDetails(const OpenedGame &game);
    // Puts a game on the sheet as one step called text, bound as given; undoing it brings
    // back the sheet, its binding and its rolls as they were.
    void apply(const GameSnapshot &snapshot, const QJsonArray &rolls, const GameDetails &details, const QString &text,
               const Binding &binding);
    void startAfresh(const GameSnapshot &snapshot);
    bool writeTo(const QString &path);
    void bind(const Binding &binding);
    void rememberFolder(const QString &path);
    void tellKeepingFailure(const QString &reason);

    WindowContext &m_context;
    Scoresheet &m_sheet;
    SheetHistory &m_history;
    RollHistory &m_rolls;
    QWidget *m_window;
    std::unique_ptr<Timer> m_autosaveTimer;
    Binding m_binding;
    GameDetails m_details;
    bool m_rollsChanged = false; // rolls not yet in the sheet's file
    bool m_keepingFailureTold = false;
    bool m_shown = false;
};
