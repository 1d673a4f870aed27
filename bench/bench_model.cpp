// What the scoresheet model costs on a sheet filled as after a nine-inning game:
// one keystroke in an inning R field and in a batting H field, each with its whole
// cascade, and a confirmed reset. The heap the model holds is counted through the
// allocator of this binary and reported in the benchmark context.
#include "BenchMain.h"
#include "scoresheet/Scoresheet.h"
#include "support/NineInnings.h"

#include <QString>

#include <benchmark/benchmark.h>

#include <malloc.h>

#include <atomic>
#include <cerrno>
#include <cstdlib>
#include <string>

// Heap accounting for the whole binary. Qt takes its string blocks from malloc and
// the standard library's operator new ends there too, so counting at malloc sees
// everything the model holds. glibc lets a program replace these four (plus the
// aligned ones) and still reach its own through the __libc_ names.
extern "C" {
void *__libc_malloc(std::size_t size);
void *__libc_calloc(std::size_t count, std::size_t size);
void *__libc_realloc(void *block, std::size_t size);
void *__libc_memalign(std::size_t alignment, std::size_t size);
void __libc_free(void *block);
}

namespace {

std::atomic<long long> g_liveBytes{0};
std::atomic<long long> g_allocations{0};

void *counted(void *block)
{
    if (block) {
        g_liveBytes.fetch_add(static_cast<long long>(malloc_usable_size(block)), std::memory_order_relaxed);
        g_allocations.fetch_add(1, std::memory_order_relaxed);
    }
    return block;
}

void uncount(void *block)
{
    if (block)
        g_liveBytes.fetch_sub(static_cast<long long>(malloc_usable_size(block)), std::memory_order_relaxed);
}

} // namespace

extern "C" {

void *malloc(std::size_t size)
{
    return counted(__libc_malloc(size));
}

void *calloc(std::size_t count, std::size_t size)
{
    return counted(__libc_calloc(count, size));
}

void *realloc(void *block, std::size_t size)
{
    uncount(block);
    void *moved = __libc_realloc(block, size);
    if (!moved && size != 0 && block) {
        // realloc failed and left the old block in place.
        counted(block);
        g_allocations.fetch_sub(1, std::memory_order_relaxed);
        return nullptr;
    }
    return counted(moved);
}

void free(void *block)
{
    uncount(block);
    __libc_free(block);
}

void *memalign(std::size_t alignment, std::size_t size)
{
    return counted(__libc_memalign(alignment, size));
}

void *aligned_alloc(std::size_t alignment, std::size_t size)
{
    return counted(__libc_memalign(alignment, size));
}

int posix_memalign(void **result, std::size_t alignment, std::size_t size)
{
    void *block = counted(__libc_memalign(alignment, size));
    if (!block)
        return ENOMEM;
    *result = block;
    return 0;
}

} // extern "C"

namespace {

void BM_RunsKeystroke(benchmark::State &state)
{
    Scoresheet sheet;
    NineInnings().type(sheet);
    Field &runs = sheet.field("txtRA", 5); // mid-column, carrying the pitcher from the row above
    const QString texts[2] = {QStringLiteral("2"), QStringLiteral("3")};
    int turn = 0;
    const long long allocationsBefore = g_allocations.load();
    for (auto _ : state)
        runs.write(texts[turn ^= 1]);
    state.counters["allocs/op"] = benchmark::Counter(double(g_allocations.load() - allocationsBefore),
                                                     benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_RunsKeystroke)->Repetitions(9)->ReportAggregatesOnly(true);

void BM_HitKeystroke(benchmark::State &state)
{
    Scoresheet sheet;
    NineInnings().type(sheet);
    Field &hit = sheet.field("txtHitH", 4);
    const QString texts[2] = {QStringLiteral("4"), QStringLiteral("5")};
    int turn = 0;
    const long long allocationsBefore = g_allocations.load();
    for (auto _ : state)
        hit.write(texts[turn ^= 1]);
    state.counters["allocs/op"] = benchmark::Counter(double(g_allocations.load() - allocationsBefore),
                                                     benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_HitKeystroke)->Repetitions(9)->ReportAggregatesOnly(true);

void BM_Reset(benchmark::State &state)
{
    Scoresheet sheet;
    const auto yes = [] { return true; };
    for (auto _ : state) {
        state.PauseTiming();
        NineInnings().type(sheet);
        state.ResumeTiming();
        sheet.reset(yes);
    }
}
BENCHMARK(BM_Reset)->Repetitions(5)->ReportAggregatesOnly(true)->Unit(benchmark::kMicrosecond);

// The heap a window's model holds: a new sheet, and the same sheet after a game.
void reportHeap()
{
    const long long before = g_liveBytes.load();
    auto *sheet = new Scoresheet;
    const long long empty = g_liveBytes.load() - before;
    NineInnings().type(*sheet);
    const long long filled = g_liveBytes.load() - before;
    delete sheet;
    benchmark::AddCustomContext("model_heap_new_sheet_bytes", std::to_string(empty));
    benchmark::AddCustomContext("model_heap_after_nine_innings_bytes", std::to_string(filled));
    benchmark::AddCustomContext("model_heap_limit_bytes", std::to_string(256 * 1024));
}

} // namespace

int main(int argc, char **argv)
{
    return runBenchmarks(argc, argv, reportHeap);
}
