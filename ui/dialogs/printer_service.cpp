// The printer service menu: learns the queue's port and whether its model calibrates colour,
// and starts the cartridge services with itself as owner.
#include "printer_service.h"

#include <cstring>

#include "capability/service_type.h"
#include "platform/queue_info.h"
#include "resources/dialog_ids.h"

namespace {

const USHORT kNoFontItems[] = {0};
const USHORT kEndCommands[] = {IDOK, 0};

const MenuServices* g_services = nullptr;

} // namespace

void UseMenuServices(const MenuServices* services)
{
    g_services = services;
}

int QueryPrinterPort(const char* queue, char* portName)
{
    std::unique_ptr<BYTE[]> info = ReadQueueInfo(queue, QueueInfoPort);
    if (!info)
        return 0;
    const char* port = reinterpret_cast<const PRINTER_INFO_5A*>(info.get())->pPortName;
    if (!port)
        port = "";
    // A longer name than the buffer holds is cut, still terminated.
    strncpy(portName, port, kTextFieldSize - 1);
    portName[kTextFieldSize - 1] = '\0';
    return 1;
}

CPrinterServiceDialog::CPrinterServiceDialog()
    : CServiceDialog(0, kNoFontItems, kEndCommands), printerName(), portName()
{
}

INT_PTR CPrinterServiceDialog::InitDialog(HWND window, void* record)
{
    // A name that fills the whole buffer has no room for its terminator and opens no queue.
    printerName[0] = '\0';
    if (const char* name = static_cast<const char*>(record))
        if (FitsTextField(name))
            strcpy(printerName, name);

    portName[0] = '\0';
    QueryPrinterPort(printerName, portName);
    HideCalibrationWithoutSupport(window);
    return CServiceDialog::InitDialog(window, record);
}

void CPrinterServiceDialog::HideCalibrationWithoutSupport(HWND window) const
{
    // A queue that cannot be read hides nothing; a model whose record cannot be read counts as
    // one that cannot calibrate: the menu offers nothing the library cannot vouch for.
    const ServiceType type = ReadServiceType(printerName);
    if (type.fromQueue && !type.calibratesColour) {
        ::ShowWindow(::GetDlgItem(window, IDC_SERVICE_CALIBRATE), SW_HIDE);
        ::ShowWindow(::GetDlgItem(window, IDC_SERVICE_CALIBRATE_LABEL), SW_HIDE);
    }
}

// The library's own template carries the cleaning button alone; the alignment and calibration
// items answer a template that has them, and a host that sends their commands.
INT_PTR CPrinterServiceDialog::HandleCommand(HWND window, USHORT commandId)
{
    MenuService MenuServices::*service = nullptr;
    switch (commandId) {
    case IDC_SERVICE_ALIGN:
        service = &MenuServices::align;
        break;
    case IDC_SERVICE_CLEAN:
        service = &MenuServices::clean;
        break;
    case IDC_SERVICE_CALIBRATE:
        service = &MenuServices::calibrate;
        break;
    default:
        return CServiceDialog::HandleCommand(window, commandId);
    }
    // The service runs its dialogs nested in this one and returns here; its result is not looked at.
    if (g_services && g_services->*service)
        (g_services->*service)(printerName, portName, 0, window);
    return TRUE;
}
