#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <QWidget>

#include <functional>

class LauncherWindow;
class RollerWindow;
class ScoresheetWindow;
class SeasonWindow;
struct WindowContext;

// Moves the user between the windows. The launcher stands alone; the roller stands alone;
// the season book may stay open beside one scoresheet. Each window is made afresh when
// shown and destroyed when it closes; closing the last of them brings the launcher back,
// and "Exit" or the close box on the launcher ends the program.
class Navigator final : public QObject
{
    Q_OBJECT

public:
    Navigator(WindowContext &context, std::function<void()> endProgram);
    ~Navigator() override;

    // Start-up: the launcher, the scoresheet with gameFile opened in it, or the season book
    // on seasonFolder.
    void start(const QString &gameFile = {}, const QString &seasonFolder = {});

    // The window shown last (null once the program has ended).
    QWidget *current() const { return m_current; }
    ScoresheetWindow *scoresheet() const;
    SeasonWindow *season() const;

private:
    void showLauncher();
    void showRoller();
    // The scoresheet, made when there is none; with gameFile, the game opened in it.
    ScoresheetWindow *showScoresheet(const QString &gameFile = {});
    // The season book, made when there is none; with folder, on that season.
    void showSeason(const QString &folder = {});
    void unloadLauncher();
    // A window has closed: the launcher comes back when it was the last.
    void windowClosed();
    void bringUp(QWidget *window);
    void endProgram();

    WindowContext &m_context;
    std::function<void()> m_endProgram;
    QPointer<QWidget> m_current;
    QPointer<LauncherWindow> m_launcher;
    QPointer<RollerWindow> m_roller;
    QPointer<ScoresheetWindow> m_scoresheet;
    QPointer<SeasonWindow> m_season;
};
