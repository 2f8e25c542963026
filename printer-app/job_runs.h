// PAPPL 1.3.1 can start one job twice: a job that arrives just as the printer finishes the one
// before is picked up both by its own arrival and by the finish. The job callbacks hold a JobRun
// while they work: a second run sends nothing, and waits until the first has sent everything and
// flushed the device, so that PAPPL's ending of the second run finds nothing left to write.
#pragma once
#include <pappl/pappl.h>

class JobRun {
public:
    explicit JobRun(pappl_job_t* job);
    ~JobRun(); // the first run is over: a second run of the job may end
    JobRun(const JobRun&) = delete;
    JobRun& operator=(const JobRun&) = delete;

    // False for a second run of the job, once the first has ended.
    bool First() const { return first_; }

private:
    pappl_job_t* job_;
    bool first_;
};
