// PrinterService: the printer service menu, shaped for rundll32 ("QZW9SVB.dll,PrinterService
// QUEUE"). It takes no busy flag, so the services it starts can.
#include "../resources/dialog_ids.h"
#include "../ui/dialog_procedures.h"
#include "../ui/dialog_runner.h"
#include "qzw9svb/cs_string.h"
#include "qzw9svb/services.h"
#include "service_guard.h"

namespace {

// The menu's init record: the queue name, copied out by the dialog before it reuses the first
// bytes as its window slot, and a second field left empty.
struct PrinterServiceRecord {
    char queue[kNameFieldSize];
    char spare[kNameFieldSize];
};

} // namespace

extern "C" void QZ_CALL PrinterService(HWND parent, HINSTANCE /*unused1*/, char* commandLine, int /*unused2*/)
{
    if (!commandLine || !FitsNameField(commandLine))
        return;
    PrinterServiceRecord record = {};
    CSStrcpy(record.queue, commandLine);
    if (record.queue[0] == '\0')
        return;
    RunDialog(ModuleInstance, parent, IDD_PRINTER_SERVICE, PrinterServiceProc, &record);
}
