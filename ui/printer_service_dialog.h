// CPrinterServiceDialog: the small printer service menu. It stays open while the services it
// starts run their own dialogs, owned by the menu.
#pragma once
#include "qzw9svb/cs_platform.h"
#include "service_dialog.h"

// A service the menu starts: the queue name, its port name, 0, and the menu as owner.
using MenuService = int(QZ_CALL*)(char* queue, char* portName, int unused, HWND owner);

// The services behind the menu's buttons.
struct MenuServices {
    MenuService align;
    MenuService clean;
    MenuService calibrate;
};

// Hands the menu the services its buttons start; until then (or with null) they start nothing.
void UseMenuServices(const MenuServices* services);

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
