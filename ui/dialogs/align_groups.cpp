// The alignment choice dialog: pattern clicks become group values, Continue computes the
// averages once every group is chosen, Cancel and the close box always cancel.
#include "align_groups.h"

#include "alignment_choices.h"
#include "printer/alignment_rule.h"
#include "resources/dialog_ids.h"

namespace {

const USHORT kFontItems[] = {IDC_ALIGN_GROUPS_TEXT1, IDC_ALIGN_GROUPS_TEXT2, 0};

// A group's radio buttons run from first to last, the middle one in between.
struct PatternGroup {
    USHORT first;
    USHORT middle;
    USHORT last;
    LONG step;
    LONG AlignmentChoices::*field;
    LONG unset;
};

const PatternGroup kGroups[] = {
    {IDC_GROUP_A_FIRST, IDC_GROUP_A_MIDDLE, IDC_GROUP_A_LAST, kNarrowGroupStep, &AlignmentChoices::groupA, kUnsetNarrowGroup},
    {IDC_GROUP_B_FIRST, IDC_GROUP_B_MIDDLE, IDC_GROUP_B_LAST, kWideGroupStep, &AlignmentChoices::groupB, kUnsetWideGroup},
    {IDC_GROUP_C_FIRST, IDC_GROUP_C_MIDDLE, IDC_GROUP_C_LAST, kNarrowGroupStep, &AlignmentChoices::groupC, kUnsetNarrowGroup},
    {IDC_GROUP_D_FIRST, IDC_GROUP_D_MIDDLE, IDC_GROUP_D_LAST, kWideGroupStep, &AlignmentChoices::groupD, kUnsetWideGroup},
    {IDC_GROUP_E_FIRST, IDC_GROUP_E_MIDDLE, IDC_GROUP_E_LAST, kWideGroupStep, &AlignmentChoices::groupE, kUnsetGroupE},
};

const PatternGroup* GroupOf(USHORT commandId)
{
    for (const PatternGroup& group : kGroups)
        if (commandId >= group.first && commandId <= group.last)
            return &group;
    return nullptr;
}

} // namespace

// No picture; the buttons end the dialog themselves, so no end commands.
CGroupAlignDialog::CGroupAlignDialog() : CServiceDialog(0, kFontItems, nullptr)
{
}

AlignmentChoices* CGroupAlignDialog::Choices() const
{
    // The record begins with its window slot, so the slot's address is the record's.
    return reinterpret_cast<AlignmentChoices*>(initRecord);
}

bool CGroupAlignDialog::AllGroupsChosen() const
{
    const AlignmentChoices* choices = Choices();
    if (!choices)
        return false;
    for (const PatternGroup& group : kGroups)
        if (choices->*group.field == group.unset)
            return false;
    return true;
}

INT_PTR CGroupAlignDialog::InitDialog(HWND window, void* record)
{
    const INT_PTR result = CServiceDialog::InitDialog(window, record);
    // Every run starts with no group chosen, whatever the record held before.
    if (AlignmentChoices* choices = Choices())
        for (const PatternGroup& group : kGroups)
            choices->*group.field = group.unset;
    return result;
}

INT_PTR CGroupAlignDialog::HandleCommand(HWND window, USHORT commandId)
{
    if (const PatternGroup* group = GroupOf(commandId)) {
        ::CheckRadioButton(window, group->first, group->last, commandId);
        if (AlignmentChoices* choices = Choices())
            choices->*group->field = PatternValue(static_cast<LONG>(commandId) - group->middle, group->step);
        return TRUE;
    }
    switch (commandId) {
    case IDC_CONTINUE:
        // With a group unchosen the click is ignored: the user picks every group or cancels.
        if (AllGroupsChosen()) {
            AlignmentChoices* choices = Choices();
            choices->averageAC = GroupAverage(choices->groupA, choices->groupC);
            choices->averageBD = GroupAverage(choices->groupB, choices->groupD);
            EndWith(window, IDC_CONTINUE, WindowSlotOnEnd::Kept);
        }
        return TRUE;
    case IDCANCEL:
        EndWith(window, IDCANCEL, WindowSlotOnEnd::Kept);
        return TRUE;
    default:
        return FALSE;
    }
}

INT_PTR CGroupAlignDialog::SystemCommand(HWND window, WPARAM command)
{
    // The close box always cancels: a completed record's dialog ends here with its window slot
    // cleared; otherwise the platform turns the close command into Cancel.
    if (command != SC_CLOSE || !AllGroupsChosen())
        return FALSE;
    EndWith(window, IDCANCEL);
    return TRUE;
}
