// Renders the program's real windows to PNG files, for the README and for looking
// at a change: quorvel_screenshots <folder>. Runs headless with QT_QPA_PLATFORM=offscreen;
// QT_SCALE_FACTOR=2 gives the high-DPI pictures.

#include "app/StandInServices.h"
#include "roll/RandomSource.h"
#include "ui/Appearance.h"
#include "ui/RollBinding.h"
#include "ui/WindowContext.h"
#include "ui/frmMain.h"
#include "ui/frmRoller.h"
#include "ui/frmScoresheet.h"
#include "scoresheet/Scoresheet.h"

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


// Five innings of a game between two made-up clubs, typed in as a scorer would.
void fillGame(Scoresheet &sheet)
{
    sheet.write("txtTeamA", QStringLiteral("Harbor Cats"));
    sheet.write("txtTeamH", QStringLiteral("Mill Creek"));
    const char *awayHitters[] = {"Alvarez", "Brooks", "Chen", "Dubois", "Eriksen", "Fuller", "Garza", "Hale", "Ito"};
    const char *homeHitters[] = {"Kowal", "Lindqvist", "Mendes", "Novak", "Okafor", "Price", "Quinn", "Reyes", "Sato"};
    const int awayHits[] = {2, 1, 0, 1, 2, 0, 1, 0, 1};
    const int homeHits[] = {1, 0, 2, 1, 0, 1, 1, 0, 0};
    const int awayRbi[] = {0, 1, 0, 2, 1, 0, 0, 0, 0};
    const int homeRbi[] = {1, 0, 1, 0, 0, 1, 0, 0, 0};
    for (int i = 1; i <= 9; ++i) {
        sheet.write("txtHitterA", i, QString::fromLatin1(awayHitters[i - 1]));
        sheet.write("txtHitterH", i, QString::fromLatin1(homeHitters[i - 1]));
        if (awayHits[i - 1])
            sheet.write("txtHitA", i, QString::number(awayHits[i - 1]));
        if (homeHits[i - 1])
            sheet.write("txtHitH", i, QString::number(homeHits[i - 1]));
        if (awayRbi[i - 1])
            sheet.write("txtRBIA", i, QString::number(awayRbi[i - 1]));
        if (homeRbi[i - 1])
            sheet.write("txtRBIH", i, QString::number(homeRbi[i - 1]));
    }
    sheet.write("txt2bA", 1, QStringLiteral("1"));
    sheet.write("txtHRA", 4, QStringLiteral("1"));
    sheet.write("txt3bH", 3, QStringLiteral("1"));
    sheet.write("txtSBH", 1, QStringLiteral("1"));
    sheet.write("txtPitcherA", 1, QStringLiteral("Thornton"));
    sheet.write("txtPitcherH", 1, QStringLiteral("Varga"));
    sheet.write("txtPitcherA", 5, QStringLiteral("Webb"));
    const int awayRuns[] = {1, 0, 2, 0, 1}, awayInnHits[] = {2, 1, 3, 1, 1}, awayWalks[] = {1, 0, 1, 0, 0};
    const int homeRuns[] = {0, 2, 0, 1, 0}, homeInnHits[] = {1, 2, 1, 2, 0}, homeWalks[] = {0, 1, 0, 0, 1};
    for (int j = 1; j <= 5; ++j) {
        sheet.write("txtRA", j, QString::number(awayRuns[j - 1]));
        sheet.write("txtERA", j, QString::number(awayRuns[j - 1]));
        sheet.write("txtHitPA", j, QString::number(awayInnHits[j - 1]));
        sheet.write("txtKA", j, QString::number(j % 3));
        sheet.write("txtBBA", j, QString::number(awayWalks[j - 1]));
        sheet.write("txtRH", j, QString::number(homeRuns[j - 1]));
        sheet.write("txtERH", j, QString::number(homeRuns[j - 1]));
        sheet.write("txtHitPH", j, QString::number(homeInnHits[j - 1]));
        sheet.write("txtKH", j, QString::number((j + 1) % 3));
        sheet.write("txtBBH", j, QString::number(homeWalks[j - 1]));
    }
}

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

    StandInServices services;
    FixedDraws random;
    // The real random source is replaced by the fixed one, so the pictures do not change.
    WindowContext context{services.shared, random,          services.sound,  services.documents,
                          services.prompter, services.printer, services.timers, services.context.programDir};

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
    {
        frmScoresheet scoresheet(context);
        fillGame(scoresheet.sheet());
        ok &= save(&scoresheet, folder + QStringLiteral("/scoresheet.png"));
        scoresheet.findChild<QPushButton *>(QStringLiteral("cmdLinescore"))->click();
        ok &= save(&scoresheet, folder + QStringLiteral("/scoresheet-linescore.png"));
    }
    return ok ? 0 : 1;
}
