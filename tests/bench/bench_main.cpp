// Runs the benchmarks and closes with a table of ratios: each "CS" case against its "ref" twin
// of the same operation and size (a ratio of 1.00 means as fast as the C library).
#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>

namespace {

class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            // Names look like "Copy/CS/4096" and "Copy/ref/4096".
            std::string name = run.benchmark_name();
            size_t first = name.find('/');
            size_t second = name.find('/', first + 1);
            if (first == std::string::npos || second == std::string::npos)
                continue;
            std::string key = name.substr(0, first) + name.substr(second);
            std::string side = name.substr(first + 1, second - first - 1);
            times_[key][side] = run.GetAdjustedCPUTime();
        }
    }

    void Finalize() override
    {
        ConsoleReporter::Finalize();
        std::printf("\n%-28s %12s %12s %8s\n", "operation/size", "CS ns", "ref ns", "ratio");
        for (const auto& [key, sides] : times_) {
            auto cs = sides.find("CS");
            auto ref = sides.find("ref");
            if (cs == sides.end() || ref == sides.end() || ref->second <= 0)
                continue;
            std::printf("%-28s %12.1f %12.1f %8.2f\n", key.c_str(), cs->second, ref->second, cs->second / ref->second);
        }
    }

private:
    std::map<std::string, std::map<std::string, double>> times_;
};

} // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
