// The job report's account of PML settings: the library's run-time commands and the stored jobs'
// read alike, and values of any length are shown without overflowing.
#include <gtest/gtest.h>

#include <string>
#include <vector>
#include "printer/pml_encoder.h"
#include "job_report.h"
#include "pml_command.h"

namespace {

using qz_jobs::Bytes;

TEST(JobReport, PmlValuesOfEveryLength)
{
    struct Case { const char* label; Bytes value; std::string shown; };
    const std::vector<Case> cases = {
        {"empty", {}, "= 0 "},
        {"two bytes, negative", {0xFF, 0xFE}, "= -2 "},
        {"two bytes, positive", {0x01, 0x2C}, "= 300 "},
        {"widest number", Bytes(8, 0xFF), "= -1 "},
        {"smallest number", {0x80, 0, 0, 0, 0, 0, 0, 0}, "= -9223372036854775808 "},
        {"longer than a number", {0x80, 0, 0, 0, 0, 0, 0, 0, 0x01}, "= 0x800000000000000001 "},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        const std::string report = qz_jobs::ReportJob(qz_jobs::EncodePmlSet({{0x01, 0x02}, {0x04, c.value}}));
        EXPECT_NE(report.find("PML set 1.2 " + c.shown), std::string::npos) << report;
    }
}

TEST(JobReport, RunTimeCommandsReadLikeStoredOnes)
{
    unsigned char command[kMaxPmlCommand];
    const unsigned char id[7] = {1, 4, 1, 5, 3, 2, 5};
    const size_t length = WrapPmlCommand(command, BuildPmlSetInteger(command, id, -8));
    const std::string report = qz_jobs::ReportJob(Bytes(command, command + length));
    EXPECT_NE(report.find("PML set 1.4.1.5.3.2.5 = -8 (type 0x8)"), std::string::npos) << report;
}

} // namespace
