// The narrow seam between the library and the print spooler: every spooler call and the sleep
// between opening attempts go through this table, which tests may replace.
#pragma once
#include <windows.h>

struct SpoolerCalls {
    BOOL(WINAPI* openPrinter)(LPSTR name, LPHANDLE printer, LPPRINTER_DEFAULTSA defaults);
    BOOL(WINAPI* getPrinter)(HANDLE printer, DWORD level, LPBYTE buffer, DWORD size, LPDWORD needed);
    BOOL(WINAPI* closePrinter)(HANDLE printer);
    DWORD(WINAPI* startDocPrinter)(HANDLE printer, DWORD level, LPBYTE docInfo);
    BOOL(WINAPI* startPagePrinter)(HANDLE printer);
    BOOL(WINAPI* writePrinter)(HANDLE printer, LPVOID bytes, DWORD count, LPDWORD written);
    BOOL(WINAPI* endPagePrinter)(HANDLE printer);
    BOOL(WINAPI* endDocPrinter)(HANDLE printer);
    void(WINAPI* sleep)(DWORD milliseconds);
};

// The calls in force: the winspool functions unless a test replaced them.
const SpoolerCalls& Spooler();

// Replaces the calls (null restores the winspool functions); for tests.
void ReplaceSpoolerCalls(const SpoolerCalls* calls);
