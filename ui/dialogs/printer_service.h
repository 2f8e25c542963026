// The printer service menu (template 189), CPrinterServiceDialog: it stays open while the
// services it starts run their own dialogs, owned by the menu.
#pragma once
#include "platform/text_field.h"
#include "qzw9svb/cs_abi.h"
#include "ui/dialog_procedures.h"
#include "ui/service_dialog.h"

// Also places the menu in the middle of the desktop before its object centres it on the owner.
inline constexpr DLGPROC PrinterServiceProc = RoutedProcedure<SlotPrinterService>;

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

// Copies the port name of queue into portName (a text field). Returns 1 when it was
// copied, 0 when the queue cannot be opened or read; portName is then left as it was.
int QueryPrinterPort(const char* queue, char* portName);

class CPrinterServiceDialog : public CServiceDialog {
public:
    CPrinterServiceDialog();

    // The init record is the caller's text field holding the queue name; once the name is
    // copied out, its first four bytes serve as the window slot.
    INT_PTR InitDialog(HWND window, void* initRecord) override;
    INT_PTR HandleCommand(HWND window, USHORT commandId) override;

private:
    void HideCalibrationWithoutSupport(HWND window) const;

    char printerName[kTextFieldSize];
    char portName[kTextFieldSize];
};
