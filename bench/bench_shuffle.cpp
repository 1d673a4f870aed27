// A whole two-second shuffle in the roller window, as the user sees it: the real Qt
// timers, the clock-driven random source, the window shown (offscreen unless a
// platform is chosen) and its repaints delivered by the event loop, with a silent
// player or the program's own (real_sound: Qt Multimedia, on whatever sound server
// there is). Per shuffle it reports the shuffle ticks, the complete rolls actually
// painted ("frames"), the label paint events, the process CPU time and wall time from
// the press until the final roll is on screen, and under bench/on-x-server the X
// server's CPU time over the same span ("x_server_cpu_s").
#include "BenchMain.h"
#include "roll/Roll.h"
#include "services/QtSoundPlayer.h"
#include "support/TestContext.h"
#include "ui/Appearance.h"
#include "ui/roll/Dice.h"
#include "ui/roll/RollerWindow.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QEventLoop>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QWindow>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <ctime>
#include <functional>
#include <optional>
#include <string_view>
#include <vector>

namespace {

double processCpuSeconds()
{
    // std::clock() is the processor time of the whole process, every thread included.
    return double(std::clock()) / CLOCKS_PER_SEC;
}

// Counts the rolls that reached the screen. After every roll the labels whose caption
// changed owe a paint; the roll counts as a frame once each of them has been painted
// with its new caption before the next roll replaced it. A label whose value happened
// to repeat owes nothing, since the screen already shows it. One drop a shuffle is
// expected: the last shuffle tick and the stop timer fall due together at 2000 ms, and
// the final roll replaces that tick's roll within the same pass of the event loop.
class FrameCounter final : public QObject
{
public:
    explicit FrameCounter(QWidget *window)
    {
        for (const Die &d : dice()) {
            QLabel *label = window->findChild<QLabel *>(d.labelName());
            m_labels.push_back(label);
            label->installEventFilter(this);
        }
        m_painted.resize(m_labels.size());
        settle();
    }

    // What the labels show now is taken as painted (the window has just been exposed).
    void settle()
    {
        for (size_t i = 0; i < m_labels.size(); ++i)
            m_painted[i] = m_labels[i]->text();
        m_pending = false;
    }

    // A roll has just been written into the captions.
    void rolled()
    {
        if (m_pending)
            ++dropped; // the previous roll was replaced before it was completely painted
        m_pending = !allPainted();
    }

    bool pending() const { return m_pending; }

    int frames = 0;
    int dropped = 0;
    int paints = 0;
    std::function<void()> onFrame;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint) {
            ++paints;
            const auto at = std::find(m_labels.begin(), m_labels.end(), watched);
            if (at != m_labels.end())
                m_painted[size_t(at - m_labels.begin())] = (*at)->text();
            if (m_pending && allPainted()) {
                m_pending = false;
                ++frames;
                if (onFrame)
                    onFrame();
            }
        }
        return false;
    }

private:
    bool allPainted() const
    {
        for (size_t i = 0; i < m_labels.size(); ++i)
            if (m_painted[i] != m_labels[i]->text())
                return false;
        return true;
    }

    std::vector<QLabel *> m_labels;
    std::vector<QString> m_painted;
    bool m_pending = false;
};

bool waitExposed(QWidget *window)
{
    QElapsedTimer waited;
    waited.start();
    while (!(window->windowHandle() && window->windowHandle()->isExposed())) {
        if (waited.elapsed() > 5000)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    }
    // Deliver the first paint of the exposed window.
    QCoreApplication::processEvents();
    return true;
}

void BM_Shuffle(benchmark::State &state, bool realSound)
{
    LiveContext services;
    services.prompter.fallback = false;
    QtSoundPlayer player;
    WindowContext withSound = services.with(services.printer, player);
    WindowContext &context = realSound ? withSound : services.context;

    auto *roller = new RollerWindow(context);
    roller->show();
    if (!waitExposed(roller)) {
        state.SkipWithError("the roller window was never exposed");
        delete roller;
        return;
    }

    auto *cmdRoll = roller->findChild<QPushButton *>(QStringLiteral("cmdRoll"));
    auto *stopTimer = roller->findChild<QTimer *>(QStringLiteral("Timer1"));
    auto *shuffleTimer = roller->findChild<QTimer *>(QStringLiteral("Timer2"));
    FrameCounter counter(roller);

    int ticks = 0;
    bool stopped = false;
    QEventLoop loop;
    // Connected after the window's own handlers, so the new captions are already set.
    QObject::connect(shuffleTimer, &QTimer::timeout, &loop, [&] {
        ++ticks;
        counter.rolled();
    });
    QObject::connect(stopTimer, &QTimer::timeout, &loop, [&] {
        stopped = true;
        counter.rolled();
        if (!counter.pending())
            loop.quit();
    });
    counter.onFrame = [&] {
        if (stopped)
            loop.quit();
    };
    // Should the final roll never be painted, give up well after the shuffle.
    QTimer giveUp;
    giveUp.setSingleShot(true);
    giveUp.setInterval(6000);
    QObject::connect(&giveUp, &QTimer::timeout, &loop, [&] { loop.exit(1); });

    long long totalFrames = 0, totalTicks = 0, totalPaints = 0, totalDropped = 0;
    double totalCpu = 0, totalServerCpu = 0;
    for (auto _ : state) {
        counter.settle();
        counter.frames = counter.dropped = counter.paints = 0;
        ticks = 0;
        stopped = false;

        const double cpuBefore = processCpuSeconds();
        const std::optional<double> serverBefore = xServerCpuSeconds();
        const auto wallBefore = std::chrono::steady_clock::now();
        giveUp.start();
        cmdRoll->click();
        const int failed = loop.exec();
        const auto wallAfter = std::chrono::steady_clock::now();
        const double cpuAfter = processCpuSeconds();
        const std::optional<double> serverAfter = xServerCpuSeconds();
        giveUp.stop();

        if (failed) {
            state.SkipWithError("the final roll was not painted within six seconds");
            break;
        }
        state.SetIterationTime(std::chrono::duration<double>(wallAfter - wallBefore).count());
        totalFrames += counter.frames;
        totalTicks += ticks;
        totalPaints += counter.paints;
        totalDropped += counter.dropped;
        totalCpu += cpuAfter - cpuBefore;
        if (serverBefore && serverAfter)
            totalServerCpu += *serverAfter - *serverBefore;
    }

    using benchmark::Counter;
    state.counters["frames"] = Counter(double(totalFrames), Counter::kAvgIterations);
    state.counters["ticks"] = Counter(double(totalTicks), Counter::kAvgIterations);
    state.counters["dropped"] = Counter(double(totalDropped), Counter::kAvgIterations);
    state.counters["label_paints"] = Counter(double(totalPaints), Counter::kAvgIterations);
    state.counters["cpu_s"] = Counter(totalCpu, Counter::kAvgIterations);
    if (xServerCpuSeconds())
        state.counters["x_server_cpu_s"] = Counter(totalServerCpu, Counter::kAvgIterations);
    delete roller;
}

double minimum(const std::vector<double> &values)
{
    return *std::min_element(values.begin(), values.end());
}

double maximum(const std::vector<double> &values)
{
    return *std::max_element(values.begin(), values.end());
}

// One shuffle an iteration; the repetitions give the median and the worst case.
void oneShuffleEach(benchmark::internal::Benchmark *shuffle)
{
    shuffle->Iterations(1)
        ->Repetitions(7)
        ->UseManualTime()
        ->Unit(benchmark::kMillisecond)
        ->ComputeStatistics("min", minimum)
        ->ComputeStatistics("max", maximum);
}
BENCHMARK_CAPTURE(BM_Shuffle, silent, false)->Apply(oneShuffleEach);
BENCHMARK_CAPTURE(BM_Shuffle, real_sound, true)->Apply(oneShuffleEach);

} // namespace

int main(int argc, char **argv)
{
    return runWindowBenchmarks(argc, argv);
}
