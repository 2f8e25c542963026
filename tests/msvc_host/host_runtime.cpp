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

// "ok 3 - name", "not ok 3 - name" or "ok 3 - name # SKIP why" for the next group.
void Report(bool ok, const char* name, const char* skipped)
{
    Print(ok ? "ok " : "not ok ");
    PrintNumber(++groups);
    Print(" - ");
    Print(name);
    if (skipped != nullptr) {
        Print(" # SKIP ");
        Print(skipped);
    }
    Print("\n");
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
    failedGroups += failedChecks > 0;
    Report(failedChecks == 0, name, nullptr);
}

void SkipGroup(const char* name, const char* why)
{
    Report(true, name, why);
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
