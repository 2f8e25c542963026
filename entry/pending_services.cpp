// Services whose dialog workflows are not part of this build yet: they keep their place in the
// export table, honour ServiceBusy where they will, and answer their failure value.
#include "qzw9svb/services.h"
#include "service_guard.h"

namespace {

int RefuseBusyService()
{
    ServiceBusyScope busy;
    return 0;
}

} // namespace

extern "C" {

int QZ_CALL AlignPenService(char*, char*, int, HWND)
{
    return RefuseBusyService();
}

int QZ_CALL CleanPenService(char*, char*, int, HWND)
{
    return RefuseBusyService();
}

int QZ_CALL PrintSelfTest(char*, char*, int, HWND)
{
    return RefuseBusyService();
}

int QZ_CALL DisplayHardwareInfo(char*, char*, int, HWND)
{
    return RefuseBusyService();
}

int QZ_CALL DisplayCommTestResult(char*, char*, int, HWND)
{
    return 0;
}

int QZ_CALL CalibrateColor(char*, char*, int, HWND)
{
    return RefuseBusyService();
}

void QZ_CALL PrinterService(HWND, HINSTANCE, char*, int)
{
}

} // extern "C"
