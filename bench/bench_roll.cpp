// What one shuffle frame costs: a clock-reseeded roll drawn and written into fourteen
// captions. It runs on every tick of the 5 ms shuffle timer.
#include "BenchMain.h"
#include "roll/ClockRandomSource.h"
#include "roll/Roll.h"

#include <QString>

#include <benchmark/benchmark.h>

#include <array>

namespace {
class CaptionStore final : public RollLabels
{
public:
    void setCaption(int label, const QString &text) override { m_captions[static_cast<size_t>(label)] = text; }

private:
    std::array<QString, Roll::FieldCount> m_captions;
};

void BM_DrawRoll(benchmark::State &state)
{
    SystemClock clock;
    ClockRandomSource source(clock);
    for (auto _ : state)
        benchmark::DoNotOptimize(drawRoll(source));
}
BENCHMARK(BM_DrawRoll);

void BM_ShuffleFrame(benchmark::State &state)
{
    SystemClock clock;
    ClockRandomSource source(clock);
    CaptionStore labels;
    for (auto _ : state)
        showRoll(drawRoll(source), labels);
}
BENCHMARK(BM_ShuffleFrame);
} // namespace

int main(int argc, char **argv)
{
    return runBenchmarks(argc, argv);
}
