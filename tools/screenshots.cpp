// Renders the program's real windows to PNG files, for the README and for looking
// at a change: quorvel_screenshots <folder>. Runs headless with QT_QPA_PLATFORM=offscreen;
// QT_SCALE_FACTOR=2 gives the high-DPI pictures.

#include "support/NineInnings.h"
#include "support/TestContext.h"
#include "ui/Appearance.h"
#include "ui/LauncherWindow.h"
#include "ui/roll/RollBinding.h"
#include "ui/roll/RollerWindow.h"
#include "ui/scoresheet/ScoresheetWindow.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QPushButton>
#include <QScreen>
#include <QTextStream>

namespace {
bool save(QWidget *window, const QString &path)
{
    window->show();
    QCoreApplication::processEvents();
    const bool ok = window->grab().save(path);
    QTextStream(stdout) << (ok ? "wrote " : "could not write ") << path << '\n';
    return ok;
}
} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    applyAppearance(app);
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    QDir().mkpath(folder);

    // A fixed, pleasant roll, so the pictures do not change from one run to the next.
    TestContext services;
    services.random.feed({0.83f, 0.4f, 0.62f, 0.07f, 0.71f, 0.5f, 0.3f, 0.6f, 0.9f, 0.1f, 0.55f, 0.25f});
    WindowContext &context = services.context;

    bool ok = true;
    {
        LauncherWindow launcher;
        ok &= save(&launcher, folder + QStringLiteral("/launcher.png"));
    }
    {
        RollerWindow roller(context);
        roller.rollBinding().mnuOff()->trigger();
        roller.findChild<QPushButton *>(QStringLiteral("cmdRoll"))->click();
        ok &= save(&roller, folder + QStringLiteral("/roller.png"));
        // A few more rolls, with the history open beside the dice.
        services.random.feed({0.2f, 0.9f, 0.35f, 0.5f, 0.15f, 0.8f, 0.45f, 0.05f, 0.65f, 0.3f, 0.95f, 0.7f});
        roller.findChild<QPushButton *>(QStringLiteral("cmdRoll"))->click();
        roller.findChild<QPushButton *>(QStringLiteral("cmdRoll"))->click();
        roller.findChild<QAction *>(QStringLiteral("mnuHistory"))->trigger();
        roller.show();
        ok &= save(&roller, folder + QStringLiteral("/roller-history.png"));
    }
    {
        ScoresheetWindow scoresheet(context);
        NineInnings().type(scoresheet.sheet());
        ok &= save(&scoresheet, folder + QStringLiteral("/scoresheet.png"));
        scoresheet.findChild<QPushButton *>(QStringLiteral("cmdLinescore"))->click();
        ok &= save(&scoresheet, folder + QStringLiteral("/scoresheet-linescore.png"));
    }
    return ok ? 0 : 1;
}
