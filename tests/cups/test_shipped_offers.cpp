// What the shipped library offers a model of each type: it lacks the pattern pages (jobs 140 and
// 141), so no model can be offered the pattern alignment through it, and nothing of it is sent.
#include <gtest/gtest.h>

#include "maintenance/maintenance.h"
#include "ppd_file.h"

namespace {

std::string DeclaredCommands(const ServiceType& type)
{
    const std::string ppd = PpdText({"QZ Test", "Test", "commandtoqz", "rastertoqz"}, ModelMaintenance(type));
    const std::string key = "*cupsCommands: ";
    const size_t at = ppd.find(key);
    return at == std::string::npos ? "" : ppd.substr(at + key.size(), ppd.find('\n', at) - at - key.size());
}

} // namespace

TEST(ShippedLibrary, DeclaresOnlyCommandsWhoseJobsItCarries)
{
    const struct {
        ServiceType type; // fromQueue, calibratesColour, alignment, cleaning, selfTest
        const char* commands;
    } rows[] = {
        {{true, false, AlignmentPatternsFamily1, CleaningType(0), SelfTestType(0)}, "\"Clean\""},
        {{true, false, AlignmentPatternsFamily4, CleaningType(0), SelfTestConfirmOnly}, "\"Clean\""},
        {{true, false, AlignmentPatternsFamily3, CleaningLeadIn, SelfTestBuiltPage}, "\"Clean PrintSelfTestPage\""},
        {{true, false, AlignmentAutomatic, CleaningCartridge, SelfTestStoredJob}, "\"Clean PrintSelfTestPage PrintAlignmentPage\""},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.type.alignment);
        EXPECT_EQ(DeclaredCommands(row.type), row.commands);
    }
    const ModelMaintenance patterns({true, false, AlignmentPatternsFamily1, CleaningType(0), SelfTestType(0)});
    EXPECT_TRUE(patterns.AlignmentPage().empty());
    EXPECT_TRUE(patterns.SetAlignment({3, 3, 3, 3, 3}).empty()); // not the settings without their check page
}
