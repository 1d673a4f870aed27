// The program as users start it, measured from outside: from the moment the process is
// started until its first window has been painted (the program reports that moment when
// QUORVEL_TRACE_PAINTS is set), and the resident memory a second later. Two starts:
// plain (the launcher) and with a played nine-inning game named on the command line (the
// scoresheet, open and full). Every start has a fresh process and the same private home,
// with no lock left behind, as a user's second and later starts have. Runs on the X
// server of DISPLAY (bench/on-x-server gives a private one) or offscreen without one.
#include "BenchMain.h"
#include "scoresheet/GameFile.h"
#include "scoresheet/Scoresheet.h"
#include "services/AtomicFile.h"
#include "support/NineInnings.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <chrono>
#include <optional>
#include <string>

namespace {

constexpr int SettleMs = 1000;

QTemporaryDir &home()
{
    static QTemporaryDir dir;
    return dir;
}

QProcessEnvironment environment()
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    const QString root = home().path();
    env.insert(QStringLiteral("QUORVEL_TRACE_PAINTS"), QStringLiteral("1"));
    env.insert(QStringLiteral("HOME"), root);
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), root + QStringLiteral("/config"));
    env.insert(QStringLiteral("XDG_DATA_HOME"), root + QStringLiteral("/data"));
    env.insert(QStringLiteral("XDG_CACHE_HOME"), root + QStringLiteral("/cache"));
    if (!env.contains(QStringLiteral("DISPLAY")) && !env.contains(QStringLiteral("QT_QPA_PLATFORM")))
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    return env;
}

// Resident memory of a process in MB (Linux), or nothing where /proc cannot tell.
std::optional<double> residentMegabytes(qint64 pid)
{
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly))
        return std::nullopt;
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').constFirst().toDouble() / 1024.0;
    return std::nullopt;
}

// A killed program leaves its autosave lock; a user's next start finds none.
void removeLocks()
{
    QDirIterator it(home().path(), {QStringLiteral("*.lock")}, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext())
        QFile::remove(it.next());
}

struct Start
{
    double millisecondsToPaint = 0;
    std::optional<double> residentMb;
    std::string error;
};

// Starts the program with arguments and waits until window has been painted.
Start startUntilPainted(const QStringList &arguments, const QByteArray &window)
{
    Start result;
    QProcess program;
    program.setProcessEnvironment(environment());
    program.setProgram(QStringLiteral(QUORVEL_PROGRAM));
    program.setArguments(arguments);
    program.setReadChannel(QProcess::StandardError);
    const auto started = std::chrono::steady_clock::now();
    program.start();
    QByteArray errors;
    const QByteArray marker = "quorvel: painted " + window + ' ';
    while (true) {
        if (!program.waitForReadyRead(10000)) {
            result.error = "the program never painted " + window.toStdString() + ": " + errors.toStdString();
            break;
        }
        errors += program.readAllStandardError();
        const qsizetype at = errors.indexOf(marker);
        const qsizetype end = at < 0 ? -1 : errors.indexOf('\n', at);
        if (end > at) {
            const qint64 painted = errors.mid(at + marker.size(), end - at - marker.size()).toLongLong();
            const qint64 from =
                std::chrono::duration_cast<std::chrono::nanoseconds>(started.time_since_epoch()).count();
            result.millisecondsToPaint = double(painted - from) / 1e6;
            // Memory is read once the window has settled: what it loads in the background
            // while it opens (the sound module) counts.
            program.waitForFinished(SettleMs);
            result.residentMb = residentMegabytes(program.processId());
            break;
        }
    }
    program.kill();
    program.waitForFinished();
    removeLocks();
    return result;
}

void runStarts(benchmark::State &state, const QStringList &arguments, const QByteArray &window)
{
    // The first start of a series fills the system's file caches; it is not counted.
    if (const Start first = startUntilPainted(arguments, window); !first.error.empty()) {
        state.SkipWithError(first.error.c_str());
        return;
    }
    double resident = 0;
    int measured = 0;
    for (auto _ : state) {
        const Start start = startUntilPainted(arguments, window);
        if (!start.error.empty()) {
            state.SkipWithError(start.error.c_str());
            return;
        }
        state.SetIterationTime(start.millisecondsToPaint / 1000.0);
        if (start.residentMb) {
            resident += *start.residentMb;
            ++measured;
        }
    }
    if (measured > 0)
        state.counters["resident_MB"] = resident / measured;
}

void BM_StartToLauncher(benchmark::State &state)
{
    runStarts(state, {}, "frmMain");
}

// A played game, saved once for all starts.
QString gameFile()
{
    static const QString path = [] {
        Scoresheet sheet;
        NineInnings().type(sheet);
        const QString file = home().filePath(QStringLiteral("nine innings.quorvel"));
        QString error;
        writeFileAtomically(file,
                            GameFile::serialize(GameSnapshot::capture(sheet), QStringLiteral("bench"),
                                                QDateTime::currentDateTime()),
                            &error);
        return file;
    }();
    return path;
}

void BM_StartWithGameToScoresheet(benchmark::State &state)
{
    runStarts(state, {gameFile()}, "frmScoresheet");
}

BENCHMARK(BM_StartToLauncher)->UseManualTime()->Iterations(1)->Repetitions(15)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StartWithGameToScoresheet)->UseManualTime()->Iterations(1)->Repetitions(15)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    benchmark::AddCustomContext("display",
                                qEnvironmentVariable("DISPLAY", QStringLiteral("(offscreen)")).toStdString());
    return runBenchmarks(argc, argv);
}
