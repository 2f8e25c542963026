// The harness's own failure paths: a dialog that stays open, one nobody expected, one that never
// appears, and steps a dialog closed before.
#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <vector>

#include "platform/module_instance.h"
#include "resources/dialog_ids.h"
#include "ui/dialog_runner.h"
#include "ui/dialogs/align_start.h"
#include "ui_test_support.h"

namespace {

constexpr std::chrono::milliseconds kShortWatchdog{300};
const char kAlignHeads[] = "Juster skrivehodene";

bool Mentions(const std::vector<std::string>& problems, const std::string& what)
{
    for (const std::string& problem : problems)
        if (problem.find(what) != std::string::npos)
            return true;
    return false;
}

} // namespace

class DialogScriptFailures : public DialogTest {
protected:
    std::vector<std::string> problems;

    ScriptFailure Collect()
    {
        return [this](const std::string& problem) { problems.push_back(problem); };
    }
    USHORT RunAlignStart()
    {
        return RunDialog(ModuleInstance, nullptr, IDD_ALIGN_START, AlignStartProc, nullptr);
    }
};

TEST_F(DialogScriptFailures, WatchdogEndsADialogThatStaysOpen)
{
    {
        DialogScript script(Collect(), kShortWatchdog);
        script.Expect(kAlignHeads, {Click(IDC_LOGO)});
        EXPECT_EQ(RunAlignStart(), DialogScript::kEndedByScript);
    }
    EXPECT_TRUE(Mentions(problems, "watchdog")) << ::testing::PrintToString(problems);
}

TEST_F(DialogScriptFailures, UnexpectedDialogIsEndedAndReported)
{
    {
        DialogScript script(Collect(), kShortWatchdog);
        EXPECT_EQ(RunAlignStart(), DialogScript::kEndedByScript);
    }
    EXPECT_TRUE(Mentions(problems, "unexpected dialog \"Juster skrivehodene\"")) << ::testing::PrintToString(problems);
}

TEST_F(DialogScriptFailures, WrongCaptionIsEndedAndReported)
{
    {
        DialogScript script(Collect(), kShortWatchdog);
        script.Expect("Rens skrivehodene", {Click(IDCANCEL)});
        EXPECT_EQ(RunAlignStart(), DialogScript::kEndedByScript);
    }
    EXPECT_TRUE(Mentions(problems, "expected dialog \"Rens skrivehodene\", got dialog \"Juster skrivehodene\""))
        << ::testing::PrintToString(problems);
}

TEST_F(DialogScriptFailures, DialogThatNeverAppearsIsReported)
{
    {
        DialogScript script(Collect(), kShortWatchdog);
        script.Expect(kAlignHeads, {Click(IDCANCEL)});
    }
    EXPECT_TRUE(Mentions(problems, "never appeared")) << ::testing::PrintToString(problems);
}

TEST_F(DialogScriptFailures, StepsLeftWhenTheDialogClosesAreReported)
{
    {
        DialogScript script(Collect(), kShortWatchdog);
        script.Expect(kAlignHeads, {Click(IDCANCEL), Click(IDC_ALIGN)});
        EXPECT_EQ(RunAlignStart(), IDCANCEL);
    }
    EXPECT_TRUE(Mentions(problems, "1 step(s) not taken")) << ::testing::PrintToString(problems);
}

TEST_F(DialogScriptFailures, ClickOnAMissingControlIsReported)
{
    {
        DialogScript script(Collect(), kShortWatchdog);
        script.Expect(kAlignHeads, {Click(IDC_SERVICE_CLEAN), Click(IDCANCEL)});
        EXPECT_EQ(RunAlignStart(), IDCANCEL);
    }
    EXPECT_TRUE(Mentions(problems, "no control 4010")) << ::testing::PrintToString(problems);
}
