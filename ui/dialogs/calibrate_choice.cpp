// The colour calibration choice: picks, the finish button and the colour squares.
#include "calibrate_choice.h"

#include "resources/dialog_ids.h"

namespace {

const USHORT kFontItems[] = {IDC_CALIBRATE_CHOICE_TEXT, 0};
const USHORT kEndCommands[] = {IDC_CALIBRATE_DONE, IDCANCEL, 0};

} // namespace

CColorChoiceDialog::CColorChoiceDialog() : CServiceDialog(0, kFontItems, kEndCommands)
{
}

INT_PTR CColorChoiceDialog::HandleCommand(HWND window, USHORT commandId)
{
    // The radio buttons check themselves; which one was picked is not kept.
    if (commandId >= IDC_PAIR_A && commandId <= IDC_PAIR_I) {
        choiceMade = 1;
        return TRUE;
    }
    if (commandId == IDC_CALIBRATE_DONE) {
        if (choiceMade)
            EndWith(window, IDC_CALIBRATE_DONE, WindowSlotOnEnd::Kept);
        return TRUE;
    }
    return CServiceDialog::HandleCommand(window, commandId);
}

INT_PTR CColorChoiceDialog::DrawItem(const DRAWITEMSTRUCT* item)
{
    // The squares stay blank: the printed page shows the colours.
    if (item && item->CtlID >= IDC_SQUARE_FIRST && item->CtlID <= IDC_SQUARE_LAST)
        return TRUE;
    return CServiceDialog::DrawItem(item);
}
