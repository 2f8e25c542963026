// Walking an indexed string list in order: the cursor makes each Find one step, so the cost per
// entry stays flat as the list grows. The reference indexes a plain vector of strings.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "qzw9svb/cis_string_list.h"

namespace {

std::vector<std::string> Names(long count)
{
    std::vector<std::string> names;
    for (long i = 0; i < count; ++i)
        names.push_back("QZ Model " + std::to_string(i));
    return names;
}

void WalkCS(benchmark::State& state)
{
    const long count = state.range(0);
    CISStringList list;
    for (const std::string& name : Names(count))
        list.Add(name.c_str());
    for (auto _ : state)
        for (long i = 1; i <= count; ++i)
            benchmark::DoNotOptimize(list.Find(static_cast<unsigned char>(i)));
    state.SetItemsProcessed(state.iterations() * count);
}

void WalkRef(benchmark::State& state)
{
    const long count = state.range(0);
    std::vector<std::string> names = Names(count);
    for (auto _ : state)
        for (long i = 1; i <= count; ++i)
            benchmark::DoNotOptimize(names[i - 1].c_str());
    state.SetItemsProcessed(state.iterations() * count);
}

} // namespace

BENCHMARK(WalkCS)->Name("FindInOrder/CS")->Arg(10)->Arg(100)->Arg(255);
BENCHMARK(WalkRef)->Name("FindInOrder/ref")->Arg(10)->Arg(100)->Arg(255);
