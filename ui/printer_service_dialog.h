// CPrinterServiceDialog: the small printer service menu. It stays open while the services it
// starts run their own dialogs, owned by the menu.
#pragma once
#include "service_dialog.h"

class CPrinterServiceDialog : public CServiceDialog {
public:
    static constexpr size_t kNameCapacity = 256;

    CPrinterServiceDialog();

    // The init record is the caller's 256-byte buffer holding the queue name; once the name is
    // copied out, its first four bytes serve as the window slot.
    INT_PTR InitDialog(HWND window, HWND focus, void* initRecord) override;
    INT_PTR HandleCommand(HWND window, USHORT commandId, HWND control, UINT notification) override;

private:
    void HideCalibrationWithoutSupport(HWND window) const;

    char printerName[kNameCapacity];
    char portName[kNameCapacity];
};
