// The alignment choice dialog: pattern clicks become group values and check marks, Continue
// waits for every group, Cancel and the close box always cancel.
#include <gtest/gtest.h>

#include <vector>

#include "platform/module_instance.h"
#include "resources/dialog_ids.h"
#include "ui/dialog_runner.h"
#include "ui/dialogs/align_groups.h"
#include "ui/dialogs/alignment_choices.h"
#include "ui_test_support.h"

namespace {

const char kCaption[] = "Juster skrivehodene";
constexpr LONG kUntouched = 12345;

// Pattern ids by group letter and position 1-5.
USHORT A(int n) { return static_cast<USHORT>(IDC_GROUP_A_FIRST + n - 1); }
USHORT B(int n) { return static_cast<USHORT>(IDC_GROUP_B_FIRST + n - 1); }
USHORT C(int n) { return static_cast<USHORT>(IDC_GROUP_C_FIRST + n - 1); }
USHORT D(int n) { return static_cast<USHORT>(IDC_GROUP_D_FIRST + n - 1); }
USHORT E(int n) { return static_cast<USHORT>(IDC_GROUP_E_FIRST + n - 1); }

std::vector<DialogStep> Clicks(std::initializer_list<USHORT> ids)
{
    std::vector<DialogStep> steps;
    for (USHORT id : ids)
        steps.push_back(Click(id));
    return steps;
}

std::vector<DialogStep> Then(std::vector<DialogStep> steps, std::initializer_list<DialogStep> more)
{
    steps.insert(steps.end(), more.begin(), more.end());
    return steps;
}

} // namespace

class GroupAlignDialog : public DialogTest {
protected:
    // A record as the workflow leaves it between runs: leftovers everywhere but the window slot.
    AlignmentChoices choices = {{0}, kUntouched, 0, 0, 0, kUntouched, kUntouched, kUntouched,
                                kUntouched, kUntouched, kUntouched};

    USHORT Run(std::vector<DialogStep> steps, void* record)
    {
        DialogScript script(FailTest());
        script.Expect(kCaption, std::move(steps));
        return RunDialog(ModuleInstance, nullptr, IDD_ALIGN_GROUPS, GroupAlignProc, record);
    }
    USHORT Run(std::vector<DialogStep> steps) { return Run(std::move(steps), &choices); }
};

TEST_F(GroupAlignDialog, OpensWithEveryGroupUnsetAndNothingChecked)
{
    AlignmentChoices seen = {};
    bool anyChecked = true;
    Run({[&](DialogDriver& dialog) {
             seen = choices;
             anyChecked = false;
             for (USHORT id = IDC_GROUP_A_FIRST; id <= IDC_GROUP_E_LAST; ++id)
                 anyChecked = anyChecked || dialog.IsChecked(id);
         },
         Click(IDCANCEL)});
    EXPECT_EQ(seen.groupA, kUnsetNarrowGroup);
    EXPECT_EQ(seen.groupC, kUnsetNarrowGroup);
    EXPECT_EQ(seen.groupB, kUnsetWideGroup);
    EXPECT_EQ(seen.groupD, kUnsetWideGroup);
    EXPECT_EQ(seen.groupE, kUnsetGroupE);
    EXPECT_EQ(seen.averageAC, kUntouched);
    EXPECT_FALSE(anyChecked);
}

TEST_F(GroupAlignDialog, ChoicesAndAveragesOnContinue)
{
    struct ChoiceCase {
        const char* label;
        USHORT a, b, c, d, e;
        LONG groupA, groupB, groupC, groupD, groupE, averageAC, averageBD;
    };
    const ChoiceCase cases[] = {
        {"A2 B5 C3 D1 E4", A(2), B(5), C(3), D(1), E(4), -1, 8, 0, -8, 4, 0, 0},
        {"A1 B4 C2 D2 E1", A(1), B(4), C(2), D(2), E(1), -2, 4, -1, -4, -8, -1, 0},
        {"A5 B5 C4 D4 E5", A(5), B(5), C(4), D(4), E(5), 2, 8, 1, 4, 8, 1, 6},
        {"middles", A(3), B(3), C(3), D(3), E(3), 0, 0, 0, 0, 0, 0, 0},
    };
    for (const ChoiceCase& c : cases) {
        SCOPED_TRACE(c.label);
        LONG slotWhileUp = 0;
        LONG window = 0;
        const USHORT result = Run(Then(Clicks({c.a, c.b, c.c, c.d, c.e}),
                                       {[&](DialogDriver& dialog) {
                                            window = HandleToLong(dialog.Window());
                                            slotWhileUp = choices.dialog.windowSlot;
                                            for (USHORT id : {c.a, c.b, c.c, c.d, c.e})
                                                EXPECT_TRUE(dialog.IsChecked(id)) << id;
                                        },
                                        Click(IDC_CONTINUE)}));
        EXPECT_EQ(result, IDC_CONTINUE);
        EXPECT_EQ(choices.groupA, c.groupA);
        EXPECT_EQ(choices.groupB, c.groupB);
        EXPECT_EQ(choices.groupC, c.groupC);
        EXPECT_EQ(choices.groupD, c.groupD);
        EXPECT_EQ(choices.groupE, c.groupE);
        EXPECT_EQ(choices.averageAC, c.averageAC);
        EXPECT_EQ(choices.averageBD, c.averageBD);
        EXPECT_EQ(choices.spare0, 0);
        // Continue ends the dialog without clearing the slot.
        EXPECT_NE(window, 0);
        EXPECT_EQ(slotWhileUp, window);
        EXPECT_EQ(choices.dialog.windowSlot, window);
    }
}

TEST_F(GroupAlignDialog, ContinueWithAGroupUnchosenIsIgnored)
{
    bool openAfterContinue = false;
    const USHORT result = Run(Then(Clicks({A(2), B(5), C(3), D(1), IDC_CONTINUE}),
                                   {[&](DialogDriver& dialog) { openAfterContinue = ::IsWindowVisible(dialog.Window()); },
                                    Click(IDCANCEL)}));
    EXPECT_TRUE(openAfterContinue);
    EXPECT_EQ(result, IDCANCEL);
    EXPECT_EQ(choices.groupA, -1);
    EXPECT_EQ(choices.groupB, 8);
    EXPECT_EQ(choices.groupC, 0);
    EXPECT_EQ(choices.groupD, -8);
    EXPECT_EQ(choices.groupE, kUnsetGroupE);
    EXPECT_EQ(choices.averageAC, kUntouched);
    EXPECT_EQ(choices.averageBD, kUntouched);
}

TEST_F(GroupAlignDialog, SecondClickInAGroupReplacesTheFirst)
{
    bool firstChecked = true;
    bool secondChecked = false;
    Run(Then(Clicks({A(1), A(5)}), {[&](DialogDriver& dialog) {
                                        firstChecked = dialog.IsChecked(A(1));
                                        secondChecked = dialog.IsChecked(A(5));
                                    },
                                    Click(IDCANCEL)}));
    EXPECT_FALSE(firstChecked);
    EXPECT_TRUE(secondChecked);
    EXPECT_EQ(choices.groupA, 2);
}

TEST_F(GroupAlignDialog, CancelAndCloseBoxAlwaysCancel)
{
    struct CancelCase {
        const char* label;
        std::vector<DialogStep> steps;
        bool slotCleared; // only the close box of a completed record ends through the slot-clearing path
    };
    const std::vector<DialogStep> allChosen = Clicks({A(1), B(1), C(1), D(1), E(1)});
    const CancelCase cases[] = {
        {"Avbryt, nothing chosen", {Click(IDCANCEL)}, false},
        {"Avbryt, all chosen", Then(allChosen, {Click(IDCANCEL)}), false},
        {"Esc, all chosen", Then(allChosen, {PressEscape()}), false},
        {"close box, nothing chosen", {CloseBox()}, false},
        {"close box, all chosen", Then(allChosen, {CloseBox()}), true},
    };
    for (const CancelCase& c : cases) {
        SCOPED_TRACE(c.label);
        choices.dialog.windowSlot = 0;
        LONG window = 0;
        std::vector<DialogStep> steps = {[&](DialogDriver& dialog) { window = HandleToLong(dialog.Window()); }};
        steps.insert(steps.end(), c.steps.begin(), c.steps.end());
        EXPECT_EQ(Run(steps), IDCANCEL);
        EXPECT_EQ(choices.dialog.windowSlot, c.slotCleared ? 0 : window);
    }
}

TEST_F(GroupAlignDialog, WithoutARecordOnlyCancelEnds)
{
    bool checked = false;
    bool openAfterContinue = false;
    const USHORT result =
        Run(Then(Clicks({A(1), B(1), C(1), D(1), E(1), IDC_CONTINUE}), {[&](DialogDriver& dialog) {
                                                                             checked = dialog.IsChecked(E(1));
                                                                             openAfterContinue =
                                                                                 ::IsWindowVisible(dialog.Window());
                                                                         },
                                                                         CloseBox()}),
            nullptr);
    EXPECT_TRUE(checked);
    EXPECT_TRUE(openAfterContinue);
    EXPECT_EQ(result, IDCANCEL);
}
