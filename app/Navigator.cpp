#include "app/Navigator.h"

#include "season/SeasonBook.h"
#include "ui/LauncherWindow.h"
#include "ui/roll/RollWindow.h"
#include "ui/roll/RollerWindow.h"
#include "ui/scoresheet/GameKeeper.h"
#include "ui/scoresheet/ScoresheetWindow.h"
#include "ui/season/BoxScoreWindow.h"
#include "ui/season/SeasonWindow.h"

#include <QFileInfo>

Navigator::Navigator(WindowContext &context, std::function<void()> endProgram)
    : m_context(context)
    , m_endProgram(std::move(endProgram))
{
}

Navigator::~Navigator()
{
    // Ending the program runs no window's unload handling.
    for (QWidget *window : {static_cast<QWidget *>(m_launcher), static_cast<QWidget *>(m_roller),
                            static_cast<QWidget *>(m_scoresheet), static_cast<QWidget *>(m_season)}) {
        if (window) {
            window->disconnect(this);
            delete window;
        }
    }
}

ScoresheetWindow *Navigator::scoresheet() const
{
    return m_scoresheet;
}

SeasonWindow *Navigator::season() const
{
    return m_season;
}

void Navigator::start(const QString &gameFile, const QString &seasonFolder)
{
    if (!seasonFolder.isEmpty()) {
        showSeason(seasonFolder);
        return;
    }
    if (gameFile.isEmpty()) {
        showLauncher();
        return;
    }
    // A game named on the command line opens in the scoresheet; one that cannot be
    // opened is explained (by the scoresheet) and the launcher comes instead.
    auto *scoresheet = new ScoresheetWindow(m_context);
    if (!scoresheet->gameKeeper().openFile(gameFile)) {
        delete scoresheet;
        showLauncher();
        return;
    }
    m_scoresheet = scoresheet;
    connect(scoresheet, &RollWindow::closed, this, &Navigator::windowClosed);
    connect(scoresheet, &ScoresheetWindow::seasonRequested, this, [this] { showSeason(); });
    bringUp(scoresheet);
}

void Navigator::bringUp(QWidget *window)
{
    m_current = window;
    window->show();
    window->raise();
    window->activateWindow();
}

void Navigator::showLauncher()
{
    auto *launcher = new LauncherWindow;
    m_launcher = launcher;
    connect(launcher, &LauncherWindow::rollerRequested, this, &Navigator::showRoller);
    connect(launcher, &LauncherWindow::scoresheetRequested, this, [this] { showScoresheet(); });
    connect(launcher, &LauncherWindow::seasonRequested, this, [this] { showSeason(); });
    connect(launcher, &LauncherWindow::exitRequested, this, &Navigator::endProgram);
    connect(launcher, &LauncherWindow::closed, this, &Navigator::endProgram);
    bringUp(launcher);
}

void Navigator::unloadLauncher()
{
    // The click that asked for this is still being delivered by one of the
    // launcher's buttons: the launcher goes when that click is done.
    if (m_launcher) {
        m_launcher->disconnect(this);
        m_launcher->hide();
        m_launcher->deleteLater();
        m_launcher = nullptr;
    }
}

void Navigator::showRoller()
{
    unloadLauncher();
    auto *roller = new RollerWindow(m_context);
    m_roller = roller;
    connect(roller, &RollWindow::closed, this, &Navigator::windowClosed);
    bringUp(roller);
}

ScoresheetWindow *Navigator::showScoresheet(const QString &gameFile)
{
    unloadLauncher();
    if (!m_scoresheet) {
        auto *scoresheet = new ScoresheetWindow(m_context);
        m_scoresheet = scoresheet;
        connect(scoresheet, &RollWindow::closed, this, &Navigator::windowClosed);
        connect(scoresheet, &ScoresheetWindow::seasonRequested, this, [this] { showSeason(); });
        connect(scoresheet, &ScoresheetWindow::boxScoreRequested, this, [this, scoresheet] {
            // The game as it stands, read as the season book reads a saved one.
            const QString path = scoresheet->filePath();
            const GameRecord record = GameRecord::read(scoresheet->currentGame(), QFileInfo(path).fileName());
            auto *box = new BoxScoreWindow(BoxScore::fromRecord(record), m_context, path,
                                           BoxScoreWindow::Source::Scoresheet, scoresheet);
            box->show();
        });
        connect(&scoresheet->gameKeeper(), &GameKeeper::gameSaved, this, [this](const QString &path) {
            // The season book sees the saved game at once, without waiting for its watcher.
            if (m_season)
                m_season->book().noteChange(QFileInfo(path).absolutePath());
        });
    }
    bringUp(m_scoresheet);
    if (!gameFile.isEmpty())
        m_scoresheet->gameKeeper().openFile(gameFile);
    return m_scoresheet;
}

void Navigator::showSeason(const QString &folder)
{
    unloadLauncher();
    const bool made = !m_season;
    if (made) {
        auto *season = new SeasonWindow(m_context);
        m_season = season;
        connect(season, &SeasonWindow::closed, this, &Navigator::windowClosed);
        connect(season, &SeasonWindow::gameChosen, this, [this](const QString &path) { showScoresheet(path); });
    }
    bringUp(m_season);
    if (!folder.isEmpty())
        m_season->openFolder(folder);
    else if (made)
        m_season->openRememberedFolder();
}

void Navigator::windowClosed()
{
    // The window that closed is still there while it tells of it.
    const auto open = [this](QWidget *window) { return window && window != sender() && window->isVisible(); };
    if (open(m_roller) || open(m_scoresheet) || open(m_season)) {
        for (QWidget *window : {static_cast<QWidget *>(m_scoresheet), static_cast<QWidget *>(m_season)})
            if (open(window))
                m_current = window;
        return;
    }
    showLauncher();
}

void Navigator::endProgram()
{
    if (m_endProgram)
        m_endProgram();
}
