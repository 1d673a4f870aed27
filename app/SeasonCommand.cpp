#include "app/SeasonCommand.h"

#include "season/SeasonCalculator.h"
#include "season/SeasonCsv.h"
#include "season/SeasonReader.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

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

} // namespace

SeasonCommand::SeasonCommand(QCommandLineParser &options)
    : m_season(QStringLiteral("season"),
               tr("Opens the season book on the games in the folder DIR, or, with --export-csv, writes its files."),
               QStringLiteral("DIR"))
    , m_export(QStringLiteral("export-csv"),
               tr("Writes the season's standings, statistics, games and checks as CSV files into OUTDIR."),
               QStringLiteral("OUTDIR"))
    , m_type(QStringLiteral("type"),
             tr("The kind of game counted: regular (the default), postseason, exhibition or all."),
             QStringLiteral("TYPE"), QStringLiteral("regular"))
{
    options.addOption(m_season);
    options.addOption(m_export);
    options.addOption(m_type);
}

QString SeasonCommand::folderToShow(const QCommandLineParser &options) const
{
    return options.isSet(m_season) && !options.isSet(m_export) ? options.value(m_season) : QString();
}

std::optional<int> SeasonCommand::runIfAsked(const QCommandLineParser &options) const
{
    if (!options.isSet(m_export))
        return std::nullopt;
    if (!options.isSet(m_season)) {
        printError(tr("--export-csv needs the season's folder: --season DIR.\nTry 'quorvel --help'."));
        return 2;
    }
    const QString typeName = options.value(m_type);
    const std::optional<GameType> type = gameTypeFromName(typeName);
    if (!type && typeName != QStringLiteral("all")) {
        printError(tr("--type is one of regular, postseason, exhibition and all.\nTry 'quorvel --help'."));
        return 2;
    }

    SeasonState start;
    start.folder = QFileInfo(options.value(m_season)).absoluteFilePath();
    const SeasonState state = SeasonState::update(start);
    if (!state.problem.isEmpty()) {
        printError(state.problem);
        return 1;
    }
    SeasonCalculator::Games games;
    for (const SeasonState::Entry &entry : state.games)
        games.push_back(entry.record);
    const SeasonFigures figures = SeasonCalculator::compute(games, state.config, state.configProblem, type);
    for (const auto &game : games)
        if (game->refused())
            printError(tr("skipped %1: %2").arg(game->file, game->refusal));
    const QString written = SeasonCsv::write(figures, options.value(m_export));
    if (!written.isEmpty()) {
        printError(written);
        return 1;
    }
    return 0;
}
