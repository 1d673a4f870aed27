#include "app/SeasonCommand.h"

#include "season/SeasonCalculator.h"
#include "season/SeasonCsv.h"
#include "season/SeasonReader.h"
#include "season/SeasonReport.h"
#include "services/QtPrinter.h"
#include "ui/season/print/SeasonPrintBook.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QProcess>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("SeasonCommand", text);
}

void printError(const QString &text)
{
    std::fputs(qPrintable(QStringLiteral("quorvel: %1\n").arg(text)), stderr);
}

// Set in the environment of the program run again for the PDF book, so that it never runs itself once more.
const char *const OffscreenRun = "QUORVEL_SEASON_OFFSCREEN";

// Runs this command line again on the offscreen platform, its output going where ours
// goes; returns its exit code.
int runOffscreen()
{
    QProcess again;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    // A graphical platform wants a private runtime folder; without a desktop session there is none.
    QTemporaryDir runtime;
    if (!environment.contains(QStringLiteral("XDG_RUNTIME_DIR")) && runtime.isValid()
        && QFile::setPermissions(runtime.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner))
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime.path());
    environment.insert(QString::fromLatin1(OffscreenRun), QStringLiteral("1"));
    again.setProcessEnvironment(environment);
    again.setProcessChannelMode(QProcess::ForwardedChannels);
    again.setInputChannelMode(QProcess::ForwardedInputChannel);
    again.start(QCoreApplication::applicationFilePath(), QCoreApplication::arguments().mid(1));
    if (!again.waitForStarted(-1) || !again.waitForFinished(-1) || again.exitStatus() != QProcess::NormalExit) {
        printError(tr("The PDF book could not be written: the program could not run on the offscreen platform."));
        return 1;
    }
    return again.exitCode();
}

} // namespace

SeasonCommand::SeasonCommand(QCommandLineParser &options)
    : m_season(QStringLiteral("season"),
               tr("Opens the season book on the games in the folder DIR, or, with an export, writes its files."),
               QStringLiteral("DIR"))
    , m_export(QStringLiteral("export-csv"),
               tr("Writes the season's standings, statistics, games and checks as CSV files into OUTDIR."),
               QStringLiteral("OUTDIR"))
    , m_html(QStringLiteral("export-html"),
             tr("Writes the season's report for the league into OUTDIR: index.html, a page a team and a page a "
                "game, readable from the disk."),
             QStringLiteral("OUTDIR"))
    , m_pdf(QStringLiteral("export-pdf"),
            tr("Writes the season's printable book (standings, leaders, team pages, box scores) as a PDF file."),
            QStringLiteral("FILE"))
    , m_type(QStringLiteral("type"),
             tr("The kind of game counted: regular (the default), postseason, exhibition or all."),
             QStringLiteral("TYPE"), QStringLiteral("regular"))
{
    options.addOption(m_season);
    options.addOption(m_export);
    options.addOption(m_html);
    options.addOption(m_pdf);
    options.addOption(m_type);
}

QString SeasonCommand::folderToShow(const QCommandLineParser &options) const
{
    const bool exports = options.isSet(m_export) || options.isSet(m_html) || options.isSet(m_pdf);
    return options.isSet(m_season) && !exports ? options.value(m_season) : QString();
}

std::optional<int> SeasonCommand::runIfAsked(const QCommandLineParser &options) const
{
    const bool exports = options.isSet(m_export) || options.isSet(m_html) || options.isSet(m_pdf);
    if (!exports)
        return std::nullopt;
    if (!options.isSet(m_season)) {
        printError(tr("An export (--export-csv, --export-html or --export-pdf) needs the season's folder: "
                      "--season DIR.\nTry 'quorvel --help'."));
        return 2;
    }
    const QString typeName = options.value(m_type);
    const std::optional<GameType> type = gameTypeFromName(typeName);
    if (!type && typeName != QStringLiteral("all")) {
        printError(tr("--type is one of regular, postseason, exhibition and all.\nTry 'quorvel --help'."));
        return 2;
    }
    if (options.isSet(m_pdf) && !qobject_cast<QGuiApplication *>(QCoreApplication::instance())) {
        if (qEnvironmentVariableIsSet(OffscreenRun)) {
            printError(tr("The PDF book could not be written: no graphical platform could be started."));
            return 1;
        }
        return runOffscreen();
    }

    SeasonState start;
    start.folder = QFileInfo(options.value(m_season)).absoluteFilePath();
    const SeasonState state = SeasonState::update(start);
    if (!state.problem.isEmpty()) {
        printError(state.problem);
        return 1;
    }
    SeasonCalculator::Games games = state.records();
    const SeasonFigures figures = SeasonCalculator::compute(games, state.config, state.configProblem, type);
    // The files skipped, in the order of their names.
    std::sort(games.begin(), games.end(), [](const auto &a, const auto &b) { return a->file < b->file; });
    for (const auto &game : games)
        if (game->refused())
            printError(tr("skipped %1: %2").arg(game->file, game->refusal));

    QString written;
    if (options.isSet(m_export))
        written = SeasonCsv::write(figures, options.value(m_export));
    if (written.isEmpty() && options.isSet(m_html)) {
        const SeasonReport report(figures);
        const QStringList others = report.othersIn(options.value(m_html));
        // Nothing of the user's own is replaced: an earlier report's files are.
        written = others.isEmpty() ? report.write(options.value(m_html))
                                   : tr("%1 holds %2, which is no season report's: choose an empty folder, or the "
                                        "folder of an earlier report.")
                                         .arg(QDir::toNativeSeparators(options.value(m_html)), others.first());
    }
    if (written.isEmpty() && options.isSet(m_pdf)) {
        QtPrinter printer;
        SeasonPrintBook(figures).writePdf(printer, options.value(m_pdf), &written);
    }
    if (!written.isEmpty()) {
        printError(written);
        return 1;
    }
    return 0;
}
