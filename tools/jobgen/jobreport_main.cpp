// jobreport: prints what each printer stream given on the command line carries.
#include <cstdio>
#include <exception>

#include "file_bytes.h"
#include "job_report.h"

int main(int argc, char** argv)
{
    for (int i = 1; i < argc; ++i) {
        try {
            const qz_jobs::Bytes job = qz_tools::ReadFileBytes(argv[i]);
            std::printf("%s\n%s", argv[i], qz_jobs::ReportJob(job).c_str());
        } catch (const std::exception& error) {
            std::fprintf(stderr, "jobreport: %s\n", error.what());
            return 1;
        }
    }
    return 0;
}
