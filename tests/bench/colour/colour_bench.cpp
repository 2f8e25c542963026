// Throughput of the colour pipeline on A4 pages at 600 dpi, one core: the pipeline as shipped on
// the photo-like and the text page, each halftoning method on the photo page, and libcupsfilters'
// separation alone for scale. Closes with pages per second against the budget.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>

#include "bench_pages.h"
#include "colour_pipeline.h"
#include "cups_driver.h"
#include "halftone_methods.h"
#include "separation_solver.h"

namespace {

const SourcePage& Photo()
{
    static const SourcePage page = PhotoLikePage();
    return page;
}

const SourcePage& Text()
{
    static const SourcePage page = TextPage();
    return page;
}

void PrintPages(benchmark::State& state, ColourPipeline& pipeline, const SourcePage& page)
{
    size_t inked = 0;
    for (auto _ : state) {
        pipeline.StartPage();
        for (unsigned y = 0; y < page.height; ++y)
            if (pipeline.PutRow(page.Row(y)))
                inked += !pipeline.GroupIsBlank();
        if (pipeline.Flush())
            inked += !pipeline.GroupIsBlank();
        benchmark::DoNotOptimize(inked);
    }
    state.counters["pages/s"] = benchmark::Counter(double(state.iterations()), benchmark::Counter::kIsRate);
}

void Shipped(benchmark::State& state, const SourcePage& (*page)(), ColourMode mode)
{
    ColourPipeline pipeline(page().width, PixelFormat::Srgb8, mode);
    PrintPages(state, pipeline, page());
}

void Method(benchmark::State& state, const HalftoneMethod& method)
{
    ColourPipeline pipeline(Photo().width, PixelFormat::Srgb8, ColourMode::Colour, method.make(Photo().width));
    PrintPages(state, pipeline, Photo());
}

void CupsSeparation(benchmark::State& state)
{
    cups_cmyk_t* cmyk = cupsCMYKNew(4);
    cupsCMYKSetBlack(cmyk, 0.0f, 0.0f);
    cupsCMYKSetInkLimit(cmyk, static_cast<float>(kInkLimit));
    std::vector<short> out(size_t{Photo().width} * 4);
    for (auto _ : state) {
        for (unsigned y = 0; y < Photo().height; ++y)
            cupsCMYKDoRGB(cmyk, Photo().Row(y), out.data(), static_cast<int>(Photo().width));
        benchmark::DoNotOptimize(out.data());
    }
    cupsCMYKDelete(cmyk);
    state.counters["pages/s"] = benchmark::Counter(double(state.iterations()), benchmark::Counter::kIsRate);
}

class PagesReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        // One figure a benchmark: its median when it was repeated.
        for (const Run& run : runs) {
            auto counter = run.counters.find("pages/s");
            if (counter == run.counters.end() || (run.run_type == Run::RT_Aggregate && run.aggregate_name != "median"))
                continue;
            pages_[run.run_name.str()] = counter->second.value;
        }
    }

    void Finalize() override
    {
        ConsoleReporter::Finalize();
        std::printf("\n%-44s %10s %12s\n", "A4 at 600 dpi, one core", "pages/s", "s per page");
        for (const auto& [name, rate] : pages_)
            std::printf("%-44s %10.1f %12.3f\n", name.c_str(), rate, rate > 0 ? 1.0 / rate : 0.0);
        std::printf("Budget for the pipeline: photo-like 0.2 s (5 pages/s), text 0.05 s (20 pages/s).\n");
    }

private:
    std::map<std::string, double> pages_;
};

} // namespace

int main(int argc, char** argv)
{
    benchmark::RegisterBenchmark("Pipeline/photo", Shipped, &Photo, ColourMode::Colour)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("Pipeline/text", Shipped, &Text, ColourMode::Colour)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("Pipeline/photo-greyscale", Shipped, &Photo, ColourMode::Greyscale)->Unit(benchmark::kMillisecond);
    for (const HalftoneMethod& method : HalftoneMethods())
        benchmark::RegisterBenchmark(("Halftoning/photo/" + std::string(method.key)).c_str(), Method, method)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("CupsCMYKDoRGB/photo", CupsSeparation)->Unit(benchmark::kMillisecond);
    benchmark::Initialize(&argc, argv);
    PagesReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
