#include "app/Navigator.h"

#include "ui/LauncherWindow.h"
#include "ui/roll/RollWindow.h"
#include "ui/roll/RollerWindow.h"
#include "ui/scoresheet/GameKeeper.h"
#include "ui/scoresheet/ScoresheetWindow.h"

Navigator::Navigator(WindowContext &context, std::function<void()> endProgram)
    : m_context(context)
    , m_endProgram(std::move(endProgram))
{
}

Navigator::~Navigator()
{
    // Ending the program runs no window's unload handling.
    if (m_current) {
        m_current->disconnect(this);
        delete m_current.data();
    }
}

void Navigator::start(const QString &gameFile)
{
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
    connect(scoresheet, &RollWindow::closed, this, &Navigator::showLauncher);
    m_current = scoresheet;
    scoresheet->show();
}

void Navigator::showLauncher()
{
    auto *launcher = new LauncherWindow;
    connect(launcher, &LauncherWindow::rollerRequested, this, &Navigator::show<RollerWindow>);
    connect(launcher, &LauncherWindow::scoresheetRequested, this, &Navigator::show<ScoresheetWindow>);
    connect(launcher, &LauncherWindow::exitRequested, this, &Navigator::endProgram);
    connect(launcher, &LauncherWindow::closed, this, &Navigator::endProgram);
    m_current = launcher;
    launcher->show();
}

void Navigator::unloadLauncher()
{
    // The click that asked for this is still being delivered by one of the
    // launcher's buttons: the launcher goes when that click is done.
    if (m_current) {
        m_current->disconnect(this);
        m_current->hide();
        m_current->deleteLater();
        m_current = nullptr;
    }
}

template <typename Window> void Navigator::show()
{
    unloadLauncher();
    auto *window = new Window(m_context);
    connect(window, &RollWindow::closed, this, &Navigator::showLauncher);
    m_current = window;
    window->show();
}

void Navigator::endProgram()
{
    if (m_endProgram)
        m_endProgram();
}
