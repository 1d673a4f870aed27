#include "roll/RollSequencer.h"
#include "services/DeferredSoundPlayer.h"
#include "support/TestContext.h"
#include "ui/roll/RollBinding.h"
#include "ui/roll/RollPanel.h"
#include "ui/roll/RollerWindow.h"

#include <QFile>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtEndian>
#include <QtTest>

#include <cmath>
#include <memory>
#include <optional>
#include <vector>

namespace {
constexpr int Rate = 44100;
constexpr int Rolls = 20;

// The 16-bit mono samples of a wave file's data chunk, or of raw s16le bytes.
std::vector<float> samplesOf(const QByteArray &bytes)
{
    std::vector<float> out(static_cast<size_t>(bytes.size() / 2));
    for (size_t i = 0; i < out.size(); ++i)
        out[i] = qFromLittleEndian<qint16>(bytes.constData() + 2 * i);
    return out;
}

QByteArray waveData(const QByteArray &file)
{
    qsizetype at = 12;
    while (at + 8 <= file.size()) {
        const auto size = static_cast<qsizetype>(qFromLittleEndian<quint32>(file.constData() + at + 4));
        if (file.mid(at, 4) == "data")
            return file.mid(at + 8, size);
        at += 8 + size + (size & 1);
    }
    return {};
}

// How many times the recording plays the sound from its beginning: places that match a
// stretch of the sound 100 ms after its start (normalised correlation), one count per
// place. That stretch is loud and no other part of the rattle resembles it; the quiet
// opening itself is not used, as a sound server mixes it with the last milliseconds of
// the play it cuts short. A play that stays silent, or starts anywhere but at the
// beginning, does not count.
int playsIn(const std::vector<float> &recording, const std::vector<float> &sound)
{
    const size_t from = Rate / 10;
    const size_t n = 1024;
    if (sound.size() < from + n || recording.size() < n)
        return 0;
    const float *head = sound.data() + from;
    double headEnergy = 0;
    for (size_t k = 0; k < n; ++k)
        headEnergy += double(head[k]) * head[k];
    double windowEnergy = 0;
    for (size_t k = 0; k < n; ++k)
        windowEnergy += double(recording[k]) * recording[k];
    int plays = 0;
    std::optional<size_t> lastMatch;
    for (size_t i = 0; i + n <= recording.size(); ++i) {
        if (i > 0) {
            const double gone = recording[i - 1];
            const double come = recording[i + n - 1];
            windowEnergy = std::max(0.0, windowEnergy - gone * gone + come * come);
        }
        if (windowEnergy < headEnergy * 0.05)
            continue;
        float dot = 0;
        for (size_t k = 0; k < n; ++k)
            dot += head[k] * recording[i + k];
        if (dot / std::sqrt(headEnergy * windowEnergy) > 0.9) {
            if (!lastMatch || i - *lastMatch > Rate / 10)
                ++plays;
            lastMatch = i;
        }
    }
    return plays;
}
} // namespace

// The dice sound through the real player into a private PulseAudio server whose only
// output is a null sink; parec records that sink's monitor. Nothing outside the test's
// temporary folder is touched: the server has its own runtime, state and config folders,
// no network module, and ends with the test (or by itself when idle, should the test die).
class TestDiceSound : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    // Every one of twenty rolls through the roller window is heard from the sound's beginning.
    void everyRollIsHeard();

private:
    QProcessEnvironment clientEnvironment() const;

    QTemporaryDir m_dir;
    QProcess m_server;
};

QProcessEnvironment TestDiceSound::clientEnvironment() const
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("HOME"), m_dir.path());
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), m_dir.filePath(QStringLiteral("run")));
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), m_dir.filePath(QStringLiteral("config")));
    env.insert(QStringLiteral("PULSE_RUNTIME_PATH"), m_dir.filePath(QStringLiteral("run/pulse")));
    env.insert(QStringLiteral("PULSE_STATE_PATH"), m_dir.filePath(QStringLiteral("state")));
    env.insert(QStringLiteral("PULSE_COOKIE"), m_dir.filePath(QStringLiteral("cookie")));
    env.insert(QStringLiteral("PULSE_CLIENTCONFIG"), m_dir.filePath(QStringLiteral("client.conf")));
    env.insert(QStringLiteral("PULSE_SERVER"), QStringLiteral("unix:") + m_dir.filePath(QStringLiteral("native")));
    return env;
}

void TestDiceSound::initTestCase()
{
    const QString daemon = QStandardPaths::findExecutable(QStringLiteral("pulseaudio"));
    const QString recorder = QStandardPaths::findExecutable(QStringLiteral("parec"));
    if (daemon.isEmpty() || recorder.isEmpty())
        QSKIP("no PulseAudio here: scripts/install-deps installs pulseaudio and pulseaudio-utils");
    QVERIFY(m_dir.isValid());
    QVERIFY(QDir(m_dir.path()).mkpath(QStringLiteral("run")));
    QFile conf(m_dir.filePath(QStringLiteral("client.conf")));
    QVERIFY(conf.open(QIODevice::WriteOnly));
    conf.write("autospawn = no\n");
    conf.close();

    const QProcessEnvironment env = clientEnvironment();
    m_server.setProcessEnvironment(env);
    m_server.setProcessChannelMode(QProcess::MergedChannels);
    m_server.start(daemon,
                   {QStringLiteral("-n"), QStringLiteral("--daemonize=no"), QStringLiteral("--use-pid-file=no"),
                    QStringLiteral("--exit-idle-time=10"), QStringLiteral("--disable-shm=yes"),
                    QStringLiteral("--log-target=stderr"),
                    QStringLiteral("--load=module-native-protocol-unix auth-anonymous=1 socket=")
                        + m_dir.filePath(QStringLiteral("native")),
                    QStringLiteral("--load=module-null-sink sink_name=quorvel_test rate=%1 channels=1").arg(Rate)});
    const QString socket = m_dir.filePath(QStringLiteral("native"));
    for (int waited = 0; waited < 5000 && !QFile::exists(socket) && m_server.state() != QProcess::NotRunning;
         waited += 50)
        QTest::qWait(50);
    if (!QFile::exists(socket))
        QSKIP(qPrintable(QStringLiteral("the private sound server did not start: ")
                         + QString::fromLocal8Bit(m_server.readAll()).trimmed()));

    // This process talks to the private server only, and starts no other.
    for (const QString &key : env.keys())
        qputenv(qPrintable(key), env.value(key).toLocal8Bit());
}

void TestDiceSound::cleanupTestCase()
{
    if (m_server.state() == QProcess::NotRunning)
        return;
    m_server.terminate();
    if (!m_server.waitForFinished(3000))
        m_server.kill();
}

void TestDiceSound::everyRollIsHeard()
{
    QFile wave(QCoreApplication::applicationDirPath() + QStringLiteral("/dice.wav"));
    QVERIFY2(wave.open(QIODevice::ReadOnly), qPrintable(wave.fileName()));
    const std::vector<float> sound = samplesOf(waveData(wave.readAll()));
    QVERIFY(sound.size() > size_t(Rate));

    QProcess recorder;
    recorder.setProcessEnvironment(clientEnvironment());
    recorder.start(QStringLiteral("parec"),
                   {QStringLiteral("--device=quorvel_test.monitor"), QStringLiteral("--format=s16le"),
                    QStringLiteral("--rate=%1").arg(Rate), QStringLiteral("--channels=1"), QStringLiteral("--raw"),
                    QStringLiteral("--latency-msec=20")});
    QVERIFY(recorder.waitForStarted(3000));
    // Recording has begun once the first (silent) bytes arrive.
    QTRY_VERIFY_WITH_TIMEOUT(recorder.bytesAvailable() > 0, 5000);

    TestContext parts;
    // The program's own player: on Linux the module it loads at the first sound.
    const std::unique_ptr<SoundPlayer> player = createProgramSoundPlayer();
    WindowContext context = parts.with(parts.printer, *player);
    context.places.dataFolders = {QCoreApplication::applicationDirPath()};
    // Gone before the player and the context it uses, whatever check fails.
    auto window = std::make_unique<RollerWindow>(context);
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    QVERIFY(parts.soundSetting.isOn());

    // The shuffle runs on the test's timers, so each roll is as long as the test lets the
    // sound play: 300 ms of real time, enough for the sound's opening to reach the sink,
    // after which the stop tick ends the roll and the next press cuts the sound short, as
    // a player pressing again would. Twenty rolls take about six seconds.
    auto *roll = window->findChild<QPushButton *>(QStringLiteral("cmdRoll"));
    QVERIFY(roll);
    for (int i = 0; i < Rolls; ++i) {
        QTest::mouseClick(roll, Qt::LeftButton);
        QTest::qWait(300);
        QVERIFY(parts.timers.latest(QStringLiteral("Timer1"))->fire());
        QVERIFY(!window->rollBinding().sequencer().isShuffling());
    }
    QTest::qWait(500);
    window->setAttribute(Qt::WA_DeleteOnClose, false);
    window->close();
    window.reset();

    QByteArray recorded = recorder.readAllStandardOutput();
    recorder.terminate();
    QVERIFY(recorder.waitForFinished(3000));
    recorded += recorder.readAllStandardOutput();
    QCOMPARE(playsIn(samplesOf(recorded), sound), Rolls);
}

QTEST_MAIN(TestDiceSound)
#include "tst_dicesound.moc"
