// Cost of creating and deleting N blocks in a collection: deletion searches the block list
// linearly from the newest block, so deleting oldest-first grows with N squared.
#include <benchmark/benchmark.h>

#include <vector>

#include "qzw9svb/cs_memblock.h"

namespace {

void NewDeleteBlocks(benchmark::State& state)
{
    const long count = state.range(0);
    std::vector<CSMemBlock*> blocks(count);
    for (auto _ : state) {
        CSMemCollection collection;
        for (long i = 0; i < count; ++i)
            collection.NewBlockA(32, 0, &blocks[i], nullptr, 0);
        for (long i = 0; i < count; ++i) // oldest first: each search walks the whole list
            collection.DeleteBlock(blocks[i]);
    }
    state.SetItemsProcessed(state.iterations() * count);
    state.counters["ns_per_block"] = benchmark::Counter(
        static_cast<double>(state.iterations() * count), benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

} // namespace

BENCHMARK(NewDeleteBlocks)->Name("Collection/NewDelete")->Arg(10)->Arg(100)->Arg(1000);
