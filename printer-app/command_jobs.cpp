// The cleaning level comes from the job's qz-clean-level, else the printer's default, as PAPPL
// merges vendor options into the print options.
#include "command_jobs.h"

#include <stdio.h>

#include "job_runs.h"
#include "maintenance/command_run.h"
#include "model_drivers.h"
#include "printer_model.h"

namespace {

class JobOutput final : public CommandOutput {
public:
    JobOutput(pappl_job_t* job, pappl_device_t* device) : job_(job), device_(device) {}

    bool Send(const char* command, const Stream& stream) override
    {
        if (papplDeviceWrite(device_, stream.data(), stream.size()) != static_cast<ssize_t>(stream.size())) {
            papplLogJob(job_, PAPPL_LOGLEVEL_ERROR, "The printer stopped taking the %s stream", command);
            return false;
        }
        papplDeviceFlush(device_);
        papplLogJob(job_, PAPPL_LOGLEVEL_INFO, "%s sent (%u bytes)", command, static_cast<unsigned>(stream.size()));
        return true;
    }

    // The job keeps the first problem as its message; the log keeps every one.
    void Refused(const std::string& problem) override
    {
        papplLogJob(job_, PAPPL_LOGLEVEL_ERROR, "%s", problem.c_str());
        if (!refused_)
            papplJobSetMessage(job_, "%s", problem.c_str());
        refused_ = true;
    }

private:
    pappl_job_t* job_;
    pappl_device_t* device_;
    bool refused_ = false;
};

CleaningLevel JobCleaningLevel(pappl_job_t* job)
{
    pappl_pr_options_t* options = papplJobCreatePrintOptions(job, 0, false);
    const CleaningLevel level = CleaningLevelFrom(cupsGetOption(kCleaningLevelOption, options->num_vendor, options->vendor));
    papplJobDeletePrintOptions(options);
    return level;
}

} // namespace

bool PrintCommandFile(pappl_job_t* job, pappl_device_t* device, void*)
{
    const JobRun run(job);
    if (!run.First())
        return true;
    ModelMaintenance model({});
    const ModelDriver* driver = PrinterModel(papplJobGetPrinter(job), &model);
    if (!driver) {
        papplJobSetMessage(job, "The printer's driver names no model this application knows");
        return false;
    }
    FILE* in = fopen(papplJobGetFilename(job), "rb");
    if (!in) {
        papplJobSetMessage(job, "Unable to open the command file");
        return false;
    }
    JobOutput out(job, device);
    const bool ok = RunCommandFile(in, model, driver->names.realname, JobCleaningLevel(job), out);
    fclose(in);
    return ok;
}
