// quorvel-seasongen --games N --teams T --seed S OUTDIR: writes a made-up season of saved
// games, for benchmarks and for trying the season book on a full season.
#include "tools/seasongen/SeasonGenerator.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCommandLineParser options;
    options.setApplicationDescription(QStringLiteral("Writes a made-up season of Quorvel games into OUTDIR."));
    options.addHelpOption();
    const QCommandLineOption games(QStringLiteral("games"), QStringLiteral("How many games (2430)."),
                                   QStringLiteral("N"), QStringLiteral("2430"));
    const QCommandLineOption teams(QStringLiteral("teams"), QStringLiteral("How many teams (30)."), QStringLiteral("T"),
                                   QStringLiteral("30"));
    const QCommandLineOption seed(QStringLiteral("seed"),
                                  QStringLiteral("The seed: the same seed, the same files (1)."), QStringLiteral("S"),
                                  QStringLiteral("1"));
    options.addOptions({games, teams, seed});
    options.addPositionalArgument(QStringLiteral("OUTDIR"), QStringLiteral("The season's folder."));
    options.process(app);
    bool gamesOk = false, teamsOk = false, seedOk = false;
    const int gameCount = options.value(games).toInt(&gamesOk);
    const int teamCount = options.value(teams).toInt(&teamsOk);
    const quint64 seedValue = options.value(seed).toULongLong(&seedOk);
    if (options.positionalArguments().size() != 1 || !gamesOk || !teamsOk || !seedOk || gameCount < 0 || teamCount < 2
        || teamCount > 1000) {
        std::fputs("quorvel-seasongen: give --games N (0 or more), --teams T (2 to 1000), --seed S and one OUTDIR.\n",
                   stderr);
        return 2;
    }
    const QString problem =
        SeasonGenerator(gameCount, teamCount, seedValue).write(options.positionalArguments().first());
    if (!problem.isEmpty()) {
        std::fputs(qPrintable(QStringLiteral("quorvel-seasongen: %1\n").arg(problem)), stderr);
        return 1;
    }
    return 0;
}
