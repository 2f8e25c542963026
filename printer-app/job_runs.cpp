// Both runs start within moments of each other, so the jobs started last are enough to remember.
#include "job_runs.h"

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <deque>
#include <mutex>

namespace {

constexpr size_t kRemembered = 256;
constexpr auto kLongestRun = std::chrono::minutes(10);

struct Run {
    int printer, job;
    bool over;
};

std::mutex g_runs;
std::condition_variable g_runOver;
std::deque<Run> g_started;

std::deque<Run>::iterator Find(int printer, int job)
{
    return std::find_if(g_started.begin(), g_started.end(),
                        [&](const Run& run) { return run.printer == printer && run.job == job; });
}

} // namespace

JobRun::JobRun(pappl_job_t* job) : job_(job), first_(true)
{
    const int printer = papplPrinterGetID(papplJobGetPrinter(job)), id = papplJobGetID(job);
    std::unique_lock<std::mutex> runs(g_runs);
    if (Find(printer, id) == g_started.end()) {
        g_started.push_back({printer, id, false});
        if (g_started.size() > kRemembered)
            g_started.pop_front();
        return;
    }
    first_ = false;
    papplLogJob(job, PAPPL_LOGLEVEL_WARN, "Started a second time: this run sends nothing.");
    g_runOver.wait_for(runs, kLongestRun, [&] {
        const auto run = Find(printer, id);
        return run == g_started.end() || run->over;
    });
}

JobRun::~JobRun()
{
    if (!first_)
        return;
    const std::lock_guard<std::mutex> runs(g_runs);
    const auto run = Find(papplPrinterGetID(papplJobGetPrinter(job_)), papplJobGetID(job_));
    if (run != g_started.end())
        run->over = true;
    g_runOver.notify_all();
}
