// Renders the program's real windows to PNG files, for the README and for looking
// at a change: quorvel_screenshots <folder>. Runs headless with QT_QPA_PLATFORM=offscreen;
// QT_SCALE_FACTOR=2 gives the high-DPI pictures.

#include "app/ModGeneral.h"
#include "roll/RandomSource.h"
#include "roll/RollSequencer.h"
#include "roll/Timer.h"
#include "services/DocumentOpener.h"
#include "services/Printer.h"
#include "services/Prompter.h"
#include "services/SoundPlayer.h"
#include "ui/Appearance.h"
#include "ui/RollBinding.h"
#include "ui/WindowContext.h"
#include "ui/frmMain.h"
#include "ui/frmRoller.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QPushButton>
#include <QScreen>
#include <QTextStream>

namespace {
// A fixed, pleasant roll, so the pictures do not change from one run to the next.
class FixedDraws final : public RandomSource
{
public:
    void Reseed() override { m_next = 0; }
    float NextDraw() override
    {
        static const float draws[] = {0.83f, 0.4f, 0.62f, 0.07f, 0.71f, 0.5f, 0.3f, 0.6f, 0.9f, 0.1f, 0.55f, 0.25f};
        return draws[m_next++ % 12];
    }

private:
    int m_next = 0;
};

class Silent final : public SoundPlayer
{
public:
    void preload(const QString &) override {}
    void play(const QString &) override {}
};

class NoDocuments final : public DocumentOpener
{
public:
    bool open(const QString &, const QString &) override { return false; }
};

class Yes final : public Prompter
{
public:
    bool askYesNo(QWidget *, const QString &) override { return true; }
    void inform(QWidget *, const QString &) override {}
};

class NoPrinter final : public Printer
{
public:
    bool printImage(const QImage &, QString *) override { return false; }
};

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

    ModGeneral shared;
    FixedDraws random;
    Silent sound;
    NoDocuments documents;
    Yes prompter;
    NoPrinter printer;
    QtTimerFactory timers;
    WindowContext context{shared, random, sound, documents, prompter, printer, timers, QCoreApplication::applicationDirPath()};

    bool ok = true;
    {
        frmMain launcher;
        ok &= save(&launcher, folder + QStringLiteral("/launcher.png"));
    }
    {
        frmRoller roller(context);
        roller.roll().mnuOff()->trigger();
        roller.findChild<QPushButton *>(QStringLiteral("cmdRoll"))->click();
        ok &= save(&roller, folder + QStringLiteral("/roller.png"));
    }
    return ok ? 0 : 1;
}
