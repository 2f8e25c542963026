// The colour calibration choice (template 183), CColorChoiceDialog: nine pairs of colour squares
// with a radio button each. It only lets the user finish once a pair has been picked in the
// object's life.
#pragma once
#include "ui/dialog_procedures.h"
#include "ui/service_dialog.h"

inline constexpr DLGPROC ColorChoiceProc = RoutedProcedure<SlotColorChoice>;

class CColorChoiceDialog : public CServiceDialog {
public:
    CColorChoiceDialog();

    INT_PTR HandleCommand(HWND window, USHORT commandId) override;
    INT_PTR DrawItem(const DRAWITEMSTRUCT* item) override;

private:
    // Set by the first pick and kept for every later run: the choice itself is printed, not stored.
    LONG choiceMade = 0;
};
