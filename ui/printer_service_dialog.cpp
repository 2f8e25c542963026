// The printer service menu: learns the queue's port and whether its model calibrates colour,
// and starts the cartridge services with itself as owner.
#include "printer_service_dialog.h"

#include <cstring>

#include "printer_info.h"
#include "printer_port.h"
#include "qzw9svb/services.h"
#include "qzw9svb/toolbox_cap.h"
#include "resources/dialog_ids.h"

namespace {

constexpr DWORD kDriverLevel = 2;
constexpr ULONG kServiceTypeSize = 80;
constexpr BYTE kCalibrationFlag = 0x10; // in the first byte of the service-type record
const USHORT kNoFontItems[] = {0};
const USHORT kEndCommands[] = {IDOK, 0};

// True when the model behind driver can calibrate colour. A model whose record cannot be read
// counts as one that cannot: the menu offers nothing the library cannot vouch for.
bool ModelCalibrates(char* driver)
{
    if (!driver || GetDataSize(driver, CapRecordServiceType) != kServiceTypeSize)
        return false;
    BYTE record[kServiceTypeSize] = {};
    ULONG size = kServiceTypeSize;
    return GetDataFromSPC(driver, CapRecordServiceType, record, &size) && (record[0] & kCalibrationFlag) != 0;
}

} // namespace

CPrinterServiceDialog::CPrinterServiceDialog()
    : CServiceDialog(0, 0, kNoFontItems, kEndCommands), printerName(), portName()
{
}

INT_PTR CPrinterServiceDialog::InitDialog(HWND window, HWND focus, void* record)
{
    // A name that fills the whole buffer has no room for its terminator and opens no queue.
    printerName[0] = '\0';
    if (const char* name = static_cast<const char*>(record))
        if (memchr(name, '\0', kNameCapacity))
            strcpy(printerName, name);

    portName[0] = '\0';
    QueryPrinterPort(printerName, portName);
    HideCalibrationWithoutSupport(window);
    return CServiceDialog::InitDialog(window, focus, record);
}

void CPrinterServiceDialog::HideCalibrationWithoutSupport(HWND window) const
{
    OpenQueue printer(printerName);
    if (!printer.IsOpen())
        return;
    std::unique_ptr<BYTE[]> info = printer.Read(kDriverLevel);
    if (!info)
        return;
    if (!ModelCalibrates(reinterpret_cast<PRINTER_INFO_2A*>(info.get())->pDriverName)) {
        ::ShowWindow(::GetDlgItem(window, IDC_SERVICE_CALIBRATE), SW_HIDE);
        ::ShowWindow(::GetDlgItem(window, IDC_SERVICE_CALIBRATE_LABEL), SW_HIDE);
    }
}

INT_PTR CPrinterServiceDialog::HandleCommand(HWND window, USHORT commandId, HWND control, UINT notification)
{
    // The services run their dialogs nested in this one and return here; their results are
    // not looked at.
    switch (commandId) {
    case IDC_SERVICE_ALIGN:
        AlignPenService(printerName, portName, 0, window);
        return TRUE;
    case IDC_SERVICE_CLEAN:
        CleanPenService(printerName, portName, 0, window);
        return TRUE;
    case IDC_SERVICE_CALIBRATE:
        CalibrateColor(printerName, portName, 0, window);
        return TRUE;
    default:
        return CServiceDialog::HandleCommand(window, commandId, control, notification);
    }
}
