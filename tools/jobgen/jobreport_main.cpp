// jobreport: prints what each printer stream given on the command line carries.
#include <cstdio>
#include <fstream>
#include <iterator>

#include "job_report.h"

int main(int argc, char** argv)
{
    for (int i = 1; i < argc; ++i) {
        std::ifstream in(argv[i], std::ios::binary);
        if (!in) {
            std::fprintf(stderr, "jobreport: cannot read %s\n", argv[i]);
            return 1;
        }
        qz_jobs::Bytes job((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        std::printf("%s\n%s", argv[i], qz_jobs::ReportJob(job).c_str());
    }
    return 0;
}
