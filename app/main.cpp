#include "app/Navigator.h"
#include "roll/ClockRandomSource.h"
#include "roll/RollHistory.h"
#include "roll/SoundSetting.h"
#include "roll/Timer.h"
#include "services/AutosaveStore.h"
#include "services/QtDocumentOpener.h"
#include "services/QtFileDialogs.h"
#include "services/QtPrinter.h"
#include "services/QtPrompter.h"
#include "services/QtSoundPlayer.h"
#include "ui/Appearance.h"
#include "ui/WindowContext.h"

#include <QApplication>
#include <QCommandLineParser>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("Quorvel"));
    QCoreApplication::setApplicationName(QStringLiteral("quorvel"));
    QCoreApplication::setApplicationVersion(QStringLiteral(QUORVEL_VERSION));
    applyAppearance(app);
    // The navigation decides when the program ends, not the last window to close.
    QApplication::setQuitOnLastWindowClosed(false);

    QCommandLineParser options;
    options.setApplicationDescription(QCoreApplication::translate("main", "Dice and scoresheet for Quorvel."));
    options.addHelpOption();
    options.addVersionOption();
    options.addPositionalArgument(QStringLiteral("game"),
                                  QCoreApplication::translate("main", "A saved game (.quorvel) to open."),
                                  QStringLiteral("[game]"));
    options.process(app);

    SoundSetting soundSetting;
    // The roller's rolls, kept while the program runs, however often the roller closes.
    RollHistory rollerHistory;
    SystemClock clock;
    ClockRandomSource random(clock);
    QtSoundPlayer sound;
    QtDocumentOpener documents;
    QtPrompter prompter;
    QtPrinter printer;
    QtFileDialogs dialogs;
    QtTimerFactory timers;
    AutosaveStore autosave(AutosaveStore::defaultFolder());
    // Without a slot the scoresheet says so when it opens; the program runs on.
    autosave.claim(nullptr);
    WindowContext context{soundSetting, random,        sound,
                          documents,    prompter,      printer,
                          dialogs,      timers,        QCoreApplication::applicationDirPath(),
                          &autosave,    &rollerHistory};

    Navigator navigator(context, [] { QCoreApplication::quit(); });
    const QStringList games = options.positionalArguments();
    navigator.start(games.isEmpty() ? QString() : games.constFirst());
    return QApplication::exec();
}
