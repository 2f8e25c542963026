// The scripted spooler behind FakeSpooler; one instance at a time.
#include "fake_spooler.h"

#include <algorithm>
#include <cstring>

namespace {

FakeSpoolerScript g_script;
FakeSpoolerLog g_log;
HANDLE const kPrinter = reinterpret_cast<HANDLE>(static_cast<INT_PTR>(0x5150));

BOOL WINAPI Open(LPSTR, LPHANDLE printer, LPPRINTER_DEFAULTSA)
{
    ++g_log.opens;
    if (g_log.opens <= g_script.openFailures)
        return FALSE;
    ++g_log.openedQueues;
    *printer = kPrinter;
    return TRUE;
}

BOOL WINAPI Get(HANDLE, DWORD level, LPBYTE buffer, DWORD size, LPDWORD needed)
{
    ++g_log.getPrinters;
    if (level != 2 || !g_script.level2Readable) {
        *needed = 0;
        return FALSE;
    }
    const std::string& driver = g_script.driverName;
    DWORD total = static_cast<DWORD>(sizeof(PRINTER_INFO_2A) + driver.size() + 1);
    *needed = total;
    if (!buffer || size < total)
        return FALSE;
    auto* info = reinterpret_cast<PRINTER_INFO_2A*>(buffer);
    memset(info, 0, sizeof(*info));
    char* text = reinterpret_cast<char*>(buffer + sizeof(PRINTER_INFO_2A));
    memcpy(text, driver.c_str(), driver.size() + 1);
    info->pDriverName = text;
    return TRUE;
}

BOOL WINAPI Close(HANDLE)
{
    ++g_log.closes;
    return TRUE;
}

DWORD WINAPI StartDoc(HANDLE, DWORD level, LPBYTE info)
{
    ++g_log.startDocs;
    auto* document = reinterpret_cast<DOC_INFO_1A*>(info);
    if (level == 1 && document) {
        g_log.documentName = document->pDocName ? document->pDocName : "";
        g_log.dataType = document->pDatatype ? document->pDatatype : "<none>";
    }
    if (g_script.startDocFails)
        return 0;
    ++g_log.startedDocs;
    return 7;
}

BOOL WINAPI StartPage(HANDLE)
{
    ++g_log.startPages;
    if (g_script.startPageFails)
        return FALSE;
    ++g_log.startedPages;
    return TRUE;
}

BOOL WINAPI Write(HANDLE, LPVOID bytes, DWORD count, LPDWORD written)
{
    ++g_log.writes;
    if (g_log.writes == g_script.failingWrite) {
        *written = 0;
        return FALSE;
    }
    DWORD taken = std::min(count, g_script.bytesPerWrite);
    const auto* first = static_cast<const unsigned char*>(bytes);
    g_log.bytes.insert(g_log.bytes.end(), first, first + taken);
    *written = taken;
    return TRUE;
}

BOOL WINAPI EndPage(HANDLE)
{
    ++g_log.endPages;
    return TRUE;
}

BOOL WINAPI EndDoc(HANDLE)
{
    ++g_log.endDocs;
    return TRUE;
}

void WINAPI Pause(DWORD milliseconds)
{
    ++g_log.sleeps;
    g_log.sleptMs += milliseconds;
}

const SpoolerCalls kFakeCalls = {Open, Get, Close, StartDoc, StartPage, Write, EndPage, EndDoc, Pause};

} // namespace

FakeSpooler::FakeSpooler(const FakeSpoolerScript& script)
{
    g_script = script;
    g_log = FakeSpoolerLog();
    ReplaceSpoolerCalls(&kFakeCalls);
}

FakeSpooler::~FakeSpooler()
{
    ReplaceSpoolerCalls(nullptr);
}

const FakeSpoolerLog& FakeSpooler::Log() const
{
    return g_log;
}
