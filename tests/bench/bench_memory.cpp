// Byte-block operations of the support library against memcpy, memset, memcmp and a plain loop.
#include <benchmark/benchmark.h>

#include <cstring>
#include <vector>

#include "qzw9svb/cs_memutil.h"

namespace {

const std::vector<long> kSizes = {64, 4096, 1 << 20};

void Sizes(benchmark::internal::Benchmark* b)
{
    for (long size : kSizes)
        b->Arg(size);
}

void CopyCS(benchmark::State& state)
{
    std::vector<unsigned char> src(state.range(0), 0x5A), dst(state.range(0));
    for (auto _ : state) {
        CSCopyMemory(src.data(), dst.data(), static_cast<ULONG>(src.size()));
        benchmark::DoNotOptimize(dst.data());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(state.iterations() * state.range(0));
}

void CopyRef(benchmark::State& state)
{
    std::vector<unsigned char> src(state.range(0), 0x5A), dst(state.range(0));
    for (auto _ : state) {
        std::memcpy(dst.data(), src.data(), src.size());
        benchmark::DoNotOptimize(dst.data());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(state.iterations() * state.range(0));
}

void SetCS(benchmark::State& state)
{
    std::vector<unsigned char> dst(state.range(0));
    for (auto _ : state) {
        CSSetMemory(dst.data(), static_cast<ULONG>(dst.size()), 0xA5);
        benchmark::DoNotOptimize(dst.data());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(state.iterations() * state.range(0));
}

void SetRef(benchmark::State& state)
{
    std::vector<unsigned char> dst(state.range(0));
    for (auto _ : state) {
        std::memset(dst.data(), 0xA5, dst.size());
        benchmark::DoNotOptimize(dst.data());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(state.iterations() * state.range(0));
}

// Equal blocks: the comparison has to look at every byte.
void CompareCS(benchmark::State& state)
{
    std::vector<unsigned char> a(state.range(0), 7), b(state.range(0), 7);
    for (auto _ : state)
        benchmark::DoNotOptimize(CSCompareMemory(a.data(), b.data(), static_cast<ULONG>(a.size())));
    state.SetBytesProcessed(state.iterations() * state.range(0));
}

void CompareRef(benchmark::State& state)
{
    std::vector<unsigned char> a(state.range(0), 7), b(state.range(0), 7);
    for (auto _ : state)
        benchmark::DoNotOptimize(std::memcmp(a.data(), b.data(), a.size()));
    state.SetBytesProcessed(state.iterations() * state.range(0));
}

// A block whose only nonzero byte is the first: the scan from the end covers it all.
void AllZerosCS(benchmark::State& state)
{
    std::vector<unsigned char> block(state.range(0), 0);
    block[0] = 1;
    for (auto _ : state)
        benchmark::DoNotOptimize(CSIsAllZeros(block.data(), static_cast<ULONG>(block.size())));
    state.SetBytesProcessed(state.iterations() * state.range(0));
}

void AllZerosRef(benchmark::State& state)
{
    std::vector<unsigned char> block(state.range(0), 0);
    block[0] = 1;
    for (auto _ : state) {
        const unsigned char* bytes = block.data();
        size_t end = block.size();
        while (end > 0 && bytes[end - 1] == 0)
            --end;
        benchmark::DoNotOptimize(end);
    }
    state.SetBytesProcessed(state.iterations() * state.range(0));
}

} // namespace

BENCHMARK(CopyCS)->Name("Copy/CS")->Apply(Sizes);
BENCHMARK(CopyRef)->Name("Copy/ref")->Apply(Sizes);
BENCHMARK(SetCS)->Name("Set/CS")->Apply(Sizes);
BENCHMARK(SetRef)->Name("Set/ref")->Apply(Sizes);
BENCHMARK(CompareCS)->Name("Compare/CS")->Apply(Sizes);
BENCHMARK(CompareRef)->Name("Compare/ref")->Apply(Sizes);
BENCHMARK(AllZerosCS)->Name("AllZeros/CS")->Apply(Sizes);
BENCHMARK(AllZerosRef)->Name("AllZeros/ref")->Apply(Sizes);
