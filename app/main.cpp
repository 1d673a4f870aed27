#include "app/DisplayGuard.h"
#include "app/Navigator.h"
#include "app/PaintTrace.h"
#include "app/SeasonCommand.h"
#include "roll/ClockRandomSource.h"
#include "roll/RollHistory.h"
#include "roll/SoundSetting.h"
#include "roll/Timer.h"
#include "services/AutosaveStore.h"
#include "services/DataFiles.h"
#include "services/DeferredSoundPlayer.h"
#include "services/QtDocumentOpener.h"
#include "services/QtFileDialogs.h"
#include "services/QtPreferences.h"
#include "services/QtPrinter.h"
#include "services/QtPrompter.h"
#include "services/RulesDocument.h"
#include "ui/Appearance.h"
#include "ui/WindowContext.h"
#include "ui/season/ChartsModule.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include <cstdio>
#include <cstring>
#include <memory>

namespace {
const char *const ApplicationId = "org.quorvel.Companion";

// Without a display Qt would abort with advice to reinstall; the program says what is
// wrong instead. A platform chosen by the user (-platform, QT_QPA_PLATFORM) is theirs.
bool hasDisplay(int argc, char *argv[])
{
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    if (!qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") || !qEnvironmentVariableIsEmpty("DISPLAY")
        || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        return true;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "-platform") == 0 || std::strcmp(argv[i], "--platform") == 0)
            return true;
    }
    return false;
#else
    Q_UNUSED(argc);
    Q_UNUSED(argv);
    return true;
#endif
}

void printLine(FILE *stream, const QString &text)
{
    std::fputs(qPrintable(text + u'\n'), stream);
}
} // namespace

int main(int argc, char *argv[])
{
    const bool display = hasDisplay(argc, argv);
    // Without a display only --help and --version can be answered.
    DisplayGuard guard;
    std::unique_ptr<QCoreApplication> app = display ? std::make_unique<QApplication>(argc, argv)
                                                    : std::make_unique<QCoreApplication>(argc, argv);
    guard.connected();
    QCoreApplication::setOrganizationName(QStringLiteral("Quorvel"));
    QCoreApplication::setApplicationName(QStringLiteral("quorvel"));
    QCoreApplication::setApplicationVersion(QStringLiteral(QUORVEL_VERSION));
    QGuiApplication::setDesktopFileName(QLatin1String(ApplicationId));

    QCommandLineParser options;
    options.setApplicationDescription(
        QCoreApplication::translate("main", "Quorvel Companion: the dice and the scoresheet of Quorvel."));
    const QCommandLineOption help = options.addHelpOption();
    const QCommandLineOption version = options.addVersionOption();
    const QCommandLineOption where(QStringLiteral("data-paths"),
                                   QCoreApplication::translate("main", "Prints where the program finds its files."));
    options.addOption(where);
    const SeasonCommand season(options);
    options.addPositionalArgument(QStringLiteral("game"),
                                  QCoreApplication::translate("main", "A saved game (.quorvel) to open."),
                                  QStringLiteral("[game]"));
    if (!options.parse(QCoreApplication::arguments()) || options.positionalArguments().size() > 1) {
        const QString error = options.errorText().isEmpty()
                                  ? QCoreApplication::translate("main", "Only one game can be opened at a time.")
                                  : options.errorText();
        printLine(stderr, QStringLiteral("quorvel: %1\n%2")
                              .arg(error, QCoreApplication::translate("main", "Try 'quorvel --help'.")));
        return 2;
    }
    if (options.isSet(help))
        options.showHelp(0);
    if (options.isSet(version))
        options.showVersion();
    const QStringList folders = dataFolders(QCoreApplication::applicationDirPath());
    // From here on the program goes by the name its message boxes wear, which also names the
    // folder its sheets are kept in.
    QCoreApplication::setApplicationName(QStringLiteral("Quorvel"));
    if (options.isSet(where)) {
        for (const QString &folder : folders)
            printLine(stdout, QStringLiteral("folder: %1").arg(QDir::toNativeSeparators(folder)));
        for (const QString &file : {QStringLiteral("dice.wav"), rulesDocumentName()})
            printLine(stdout,
                      QStringLiteral("%1: %2").arg(file, QDir::toNativeSeparators(findDataFile(folders, file))));
        printLine(stdout, QStringLiteral("sound player: %1").arg(QDir::toNativeSeparators(soundPlayerLocation())));
        printLine(stdout, QStringLiteral("charts: %1").arg(QDir::toNativeSeparators(ChartsModule::location())));
        printLine(stdout,
                  QStringLiteral("kept sheets: %1").arg(QDir::toNativeSeparators(AutosaveStore::defaultFolder())));
        return 0;
    }
    if (const std::optional<int> exported = season.runIfAsked(options))
        return *exported;
    if (!display) {
        printLine(stderr, QCoreApplication::translate("main", "quorvel: no graphical display to open (neither DISPLAY "
                                                              "nor WAYLAND_DISPLAY is set)."));
        return 1;
    }

    PaintTrace::installIfAsked();
    applyAppearance(*qApp);
    // The navigation decides when the program ends, not the last window to close.
    QApplication::setQuitOnLastWindowClosed(false);

    SoundSetting soundSetting;
    // The roller's rolls, kept while the program runs, however often the roller closes.
    RollHistory rollerHistory;
    SystemClock clock;
    ClockRandomSource random(clock);
    const std::unique_ptr<SoundPlayer> sound = createProgramSoundPlayer();
    QtDocumentOpener documents;
    QtPrompter prompter;
    QtPrinter printer;
    QtFileDialogs dialogs;
    QtTimerFactory timers;
    QtPreferences preferences;
    // Without a slot the scoresheet says so when it opens; the program runs on.
    AutosaveStore sheets(AutosaveStore::defaultFolder(), clock);
    const QString documentsFolder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const Places places{folders, QFileInfo(documentsFolder).isDir() ? documentsFolder : QDir::homePath()};
    WindowContext context{soundSetting, random, clock,  *sound,      documents, prompter,      printer,
                          dialogs,      timers, sheets, preferences, places,    &rollerHistory};

    Navigator navigator(context, [] { QCoreApplication::quit(); });
    const QStringList games = options.positionalArguments();
    navigator.start(games.isEmpty() ? QString() : games.constFirst(), season.folderToShow(options));
    return QCoreApplication::exec();
}
