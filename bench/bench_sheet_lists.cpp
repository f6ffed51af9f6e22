// Speed of the sparse lists that hold every cell, size and formatting value
// of a sheet: reads (sequential, random, the cached repeat), writes, the
// offset sums of the size lists, and shifting on insert and delete.
#include "sheet/TListSList.h"
#include "sheet/TObjectSList.h"
#include "sheet/TSList.h"
#include "sheet/TZeroSList.h"

#include <benchmark/benchmark.h>

#include <random>
#include <vector>

namespace {

std::vector<int> RandomIndices(int count, int range)
{
    std::mt19937 random(12345);
    std::uniform_int_distribution<int> pick(0, range - 1);
    std::vector<int> indices(count);
    for (int& i : indices)
        i = pick(random);
    return indices;
}

// Every index in 0..n-1 holds a value when dense, every 7th otherwise.
void Fill(TSList& list, int n, bool dense)
{
    for (int i = 0; i < n; i += dense ? 1 : 7)
        list.PutAt(i, i + 1);
}

void BM_TSListGetSequential(benchmark::State& state)
{
    const int n = static_cast<int>(state.range(0));
    TSList list;
    Fill(list, n, state.range(1) != 0);
    for (auto _ : state) {
        int64_t sum = 0;
        for (int i = 0; i < n; ++i)
            sum += list.GetAt(i);
        benchmark::DoNotOptimize(sum);
    }
    state.SetItemsProcessed(state.iterations() * n);
}
BENCHMARK(BM_TSListGetSequential)->Args({1000, 1})->Args({1000000, 1})->Args({1000000, 0});

void BM_TSListGetRandom(benchmark::State& state)
{
    const int n = static_cast<int>(state.range(0));
    TSList list;
    Fill(list, n, true);
    const std::vector<int> indices = RandomIndices(4096, n);
    for (auto _ : state) {
        int64_t sum = 0;
        for (int i : indices)
            sum += list.GetAt(i);
        benchmark::DoNotOptimize(sum);
    }
    state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(indices.size()));
}
BENCHMARK(BM_TSListGetRandom)->Arg(1000)->Arg(1000000);

void BM_TSListGetCachedRepeat(benchmark::State& state)
{
    TSList list;
    Fill(list, 1000, true);
    for (auto _ : state) {
        int64_t sum = 0;
        for (int k = 0; k < 1000; ++k)
            sum += list.GetAt(500);
        benchmark::DoNotOptimize(sum);
    }
    state.SetItemsProcessed(state.iterations() * 1000);
}
BENCHMARK(BM_TSListGetCachedRepeat);

void BM_TSListPutSequential(benchmark::State& state)
{
    const int n = static_cast<int>(state.range(0));
    for (auto _ : state) {
        TSList list;
        for (int i = 0; i < n; ++i)
            list.PutAt(i, i + 1);
        benchmark::DoNotOptimize(list.HighBound());
    }
    state.SetItemsProcessed(state.iterations() * n);
}
BENCHMARK(BM_TSListPutSequential)->Arg(1000)->Arg(100000);

void BM_TSListPutRandom(benchmark::State& state)
{
    const int n = static_cast<int>(state.range(0));
    const std::vector<int> indices = RandomIndices(4096, n);
    TSList list;
    Fill(list, n, false);
    int32_t value = 1;
    for (auto _ : state) {
        for (int i : indices)
            list.PutAt(i, ++value | 1);
    }
    state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(indices.size()));
}
BENCHMARK(BM_TSListPutRandom)->Arg(1000)->Arg(1000000);

// A size list of n rows of height 15 with every 10th row 30 high and every
// 50th hidden.
void FillSizes(TZeroSList& list, int n)
{
    list.SetZero(15);
    for (int i = 0; i < n; i += 10)
        list.SetInt(i, i % 50 == 0 ? 0 : 30);
}

void BM_TZeroSListSummTo(benchmark::State& state)
{
    const int n = static_cast<int>(state.range(0));
    TZeroSList list;
    FillSizes(list, n);
    const std::vector<int> counts = RandomIndices(256, n);
    for (auto _ : state) {
        int64_t sum = 0;
        for (int count : counts)
            sum += list.SummTo(count);
        benchmark::DoNotOptimize(sum);
    }
    state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(counts.size()));
}
BENCHMARK(BM_TZeroSListSummTo)->Arg(1000)->Arg(100000);

void BM_TZeroSListScanIndex(benchmark::State& state)
{
    const int n = static_cast<int>(state.range(0));
    TZeroSList list;
    FillSizes(list, n);
    const std::vector<int> offsets = RandomIndices(256, list.SummTo(n));
    for (auto _ : state) {
        int64_t sum = 0;
        for (int offset : offsets) {
            int pos = offset;
            sum += list.ScanIndex(pos) + pos;
        }
        benchmark::DoNotOptimize(sum);
    }
    state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(offsets.size()));
}
BENCHMARK(BM_TZeroSListScanIndex)->Arg(1000)->Arg(100000);

// One row inserted and deleted again in the middle of n filled slots.
void BM_TSListInsertDelete(benchmark::State& state)
{
    const int n = static_cast<int>(state.range(0));
    TSList list;
    Fill(list, n, true);
    for (auto _ : state) {
        list.Insert(n / 2, 7);
        list.Delete(n / 2);
    }
    state.SetItemsProcessed(state.iterations() * 2);
}
BENCHMARK(BM_TSListInsertDelete)->Arg(1000)->Arg(100000);

// Inserting and deleting 10 rows at once (Modify) in 10,000 filled slots.
void BM_TSListModify(benchmark::State& state)
{
    TSList list;
    Fill(list, 10000, true);
    for (auto _ : state) {
        list.Modify(5000, 10);
        list.Modify(5000, -10);
    }
    state.SetItemsProcessed(state.iterations() * 20);
}
BENCHMARK(BM_TSListModify);

struct TBenchCell {
    int Value;
};

// The sheet's two-level lookup: a row of a section, then a cell of the row.
void BM_TListSListCellLookup(benchmark::State& state)
{
    const int side = 300;
    TListSList<TObjectSList<TBenchCell>> rows;
    for (int r = 0; r < side; ++r)
        for (int c = 0; c < side; c += 3)
            rows.Ensure(r)->PutAt(c, std::make_unique<TBenchCell>(TBenchCell{r + c}));
    for (auto _ : state) {
        int64_t sum = 0;
        for (int r = 0; r < side; ++r)
            for (int c = 0; c < side; ++c)
                if (const TBenchCell* cell = rows.GetAt(r) ? rows.GetAt(r)->GetAt(c) : nullptr)
                    sum += cell->Value;
        benchmark::DoNotOptimize(sum);
    }
    state.SetItemsProcessed(state.iterations() * side * side);
}
BENCHMARK(BM_TListSListCellLookup);

} // namespace
