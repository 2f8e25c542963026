// The host's own runtime: entry point, heap operators and TAP output through kernel32 only, so
// that an MSVC-mode build needs neither Microsoft's C runtime nor its SDK. The exit status is
// the number of failed groups.
#include "host_runtime.h"

#include <stddef.h>
#include <windows.h>

#include "qzw9svb.h"

namespace {

int groups = 0;
int failedGroups = 0;
int failedChecks = 0; // of the running group

void Print(const char* text)
{
    DWORD written;
    WriteFile(GetStdHandle(STD_OUTPUT_HANDLE), text, CSStrlen(text), &written, nullptr);
}

void PrintNumber(LONG value)
{
    char digits[16];
    Print(CSInttotext(value, digits));
}

int Finish()
{
    Print("1..");
    PrintNumber(groups);
    Print("\n");
    return failedGroups;
}

} // namespace

void RunGroup(const char* name, void (*group)())
{
    failedChecks = 0;
    group();
    ++groups;
    if (failedChecks > 0)
        ++failedGroups;
    Print(failedChecks > 0 ? "not ok " : "ok ");
    PrintNumber(groups);
    Print(" - ");
    Print(name);
    Print("\n");
}

void SkipGroup(const char* name, const char* why)
{
    ++groups;
    Print("ok ");
    PrintNumber(groups);
    Print(" - ");
    Print(name);
    Print(" # SKIP ");
    Print(why);
    Print("\n");
}

void Check(bool condition, const char* what)
{
    if (condition)
        return;
    ++failedChecks;
    Print("# failed: ");
    Print(what);
    Print("\n");
}

void* operator new(size_t size)
{
    return HeapAlloc(GetProcessHeap(), 0, size);
}

void operator delete(void* block) noexcept
{
    if (block != nullptr)
        HeapFree(GetProcessHeap(), 0, block);
}

void operator delete(void* block, size_t) noexcept
{
    operator delete(block);
}

#ifdef _MSC_VER
extern "C" void start()
{
    HostChecks();
    ExitProcess(static_cast<unsigned int>(Finish()));
}
#else
int main()
{
    HostChecks();
    return Finish();
}
#endif
