// CColorChoiceDialog: the colour calibration choice, nine pairs of colour squares with a radio
// button each. It only lets the user finish once a pair has been picked in the object's life.
#pragma once
#include "service_dialog.h"

class CColorChoiceDialog : public CServiceDialog {
public:
    using CServiceDialog::CServiceDialog;

    INT_PTR HandleCommand(HWND window, USHORT commandId, HWND control, UINT notification) override;
    INT_PTR DrawItem(HWND window, const DRAWITEMSTRUCT* item) override;

private:
    // Set by the first pick and kept for every later run: the choice itself is printed, not stored.
    LONG choiceMade = 0;
};
