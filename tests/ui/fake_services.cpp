// The fake cartridge services: linked in place of the library's exports.
#include "fake_services.h"

#include "qzw9svb/services.h"

namespace {

std::vector<ServiceCall> g_calls;
std::function<void(HWND)> g_action;

int Record(const char* service, const char* printer, const char* port, int third, HWND owner)
{
    g_calls.push_back(ServiceCall{service, printer ? printer : "<null>", port ? port : "<null>", third, owner,
                                  ::IsWindowVisible(owner) != FALSE});
    if (g_action)
        g_action(owner);
    return 1;
}

} // namespace

std::vector<ServiceCall>& ServiceCalls()
{
    return g_calls;
}

void ResetFakeServices()
{
    g_calls.clear();
    g_action = nullptr;
}

void WhenServiceCalled(std::function<void(HWND owner)> action)
{
    g_action = std::move(action);
}

int QZ_CALL AlignPenService(char* queue, char* portName, int unused, HWND parent)
{
    return Record("AlignPenService", queue, portName, unused, parent);
}

int QZ_CALL CleanPenService(char* queue, char* portName, int option, HWND parent)
{
    return Record("CleanPenService", queue, portName, option, parent);
}

int QZ_CALL CalibrateColor(char* queue, char* portName, int unused, HWND parent)
{
    return Record("CalibrateColor", queue, portName, unused, parent);
}
