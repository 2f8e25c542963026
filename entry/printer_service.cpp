// PrinterService: the printer service menu, shaped for rundll32 ("QZW9SVB.dll,PrinterService
// QUEUE"). It takes no busy flag, so the services it starts can.
#include "qzw9svb/cs_string.h"
#include "qzw9svb/services.h"
#include "resources/dialog_ids.h"
#include "service_guard.h"
#include "ui/dialog_table.h"
#include "ui/dialogs/printer_service.h"

namespace {

// The services the menu's buttons start, nested in the menu while it stays open.
const MenuServices kMenuServices = {AlignPenService, CleanPenService, CalibrateColor};

// The menu's init record: the queue name, copied out by the dialog before it reuses the first
// bytes as its window slot, and a second field left empty.
struct PrinterServiceRecord {
    char queue[kTextFieldSize];
    char spare[kTextFieldSize];
};

} // namespace

extern "C" void QZ_CALL PrinterService(HWND parent, HINSTANCE /*unused1*/, char* commandLine, int /*unused2*/)
{
    if (!commandLine || !FitsTextField(commandLine))
        return;
    PrinterServiceRecord record = {};
    CSStrcpy(record.queue, commandLine);
    if (record.queue[0] == '\0')
        return;
    UseMenuServices(&kMenuServices);
    ShowDialog(parent, IDD_PRINTER_SERVICE, &record);
}
