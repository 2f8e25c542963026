// The services that need no dialog: the ink gauge page, the web address, and the two that
// only keep their place in the export table.
#include <windows.h>

#include <shellapi.h>

#include "resources/resource_ids.h"
#include "job_output.h"
#include "qzw9svb/services.h"
#include "service_guard.h"

namespace {

constexpr INT_PTR kShellFailureLimit = 32; // ShellExecuteA results up to this are errors

} // namespace

extern "C" {

int QZ_CALL PrintInkGauge(char* queue, char* /*unused1*/, int /*unused2*/, HWND /*unused3*/)
{
    return RunAdmitted(queue, nullptr, [&] {
        SendStoredJob(queue, JOB_INK_GAUGE); // not carried by this library: nothing is sent
        return 1;
    });
}

int QZ_CALL LaunchUrlBrowser(char* target)
{
    HINSTANCE shell = ::ShellExecuteA(nullptr, "open", target, nullptr, nullptr, SW_SHOWNORMAL);
    return reinterpret_cast<INT_PTR>(shell) > kShellFailureLimit ? 1 : 0;
}

void QZ_CALL LaunchToolbox(void* /*unused1*/, void* /*unused2*/, void* /*unused3*/, void* /*unused4*/)
{
}

int QZ_CALL DoCableTest(void* /*unused1*/, void* /*unused2*/, void* /*unused3*/, void* /*unused4*/, void* /*unused5*/)
{
    return 1;
}

} // extern "C"
