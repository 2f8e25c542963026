// The colour calibration choice: picks, the finish button and the colour squares.
#include "calibrate_choice.h"

#include "platform/module_instance.h"
#include "resources/dialog_ids.h"
#include "ui/bitmap_drawing.h"

namespace {

const USHORT kFontItems[] = {IDC_CALIBRATE_CHOICE_TEXT, 0};
const USHORT kEndCommands[] = {IDC_CALIBRATE_DONE, IDCANCEL, 0};

} // namespace

CColorChoiceDialog::CColorChoiceDialog() : CServiceDialog(0, 0, kFontItems, kEndCommands)
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

INT_PTR CColorChoiceDialog::DrawItem(HWND window, const DRAWITEMSTRUCT* item)
{
    if (!item || item->CtlID < IDC_SQUARE_FIRST || item->CtlID > IDC_SQUARE_LAST)
        return CServiceDialog::DrawItem(window, item);
    // The library carries no square bitmap: the squares stay blank and the printed page shows
    // the colours.
    HBITMAP square = ::LoadBitmapA(ModuleInstance, MAKEINTRESOURCEA(IDB_COLOR_SQUARE));
    if (square) {
        DrawBitmapFitted(square, item);
        ::DeleteObject(square);
    }
    return TRUE;
}
