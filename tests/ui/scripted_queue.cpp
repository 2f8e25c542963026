// ScriptedQueue: the spooler seam's open, read and close answered from QueueAnswers; writing
// calls are the real ones and never reached by the dialogs.
#include "scripted_queue.h"

#include <windows.h>

#include <cstring>

#include "platform/spooler.h"

namespace {

QueueAnswers g_answers;
std::string g_openedName;
int g_openCount = 0;
HANDLE const kQueueHandle = reinterpret_cast<HANDLE>(static_cast<INT_PTR>(0x0DD5));
constexpr DWORD kDriverLevel = 2;
constexpr DWORD kPortLevel = 5;

BOOL WINAPI Open(LPSTR name, LPHANDLE printer, LPPRINTER_DEFAULTSA)
{
    g_openedName = name ? name : "<null>";
    if (!g_answers.opens)
        return FALSE;
    ++g_openCount;
    *printer = kQueueHandle;
    return TRUE;
}

// Fills the level's structure with one string behind it, as the spooler lays them out.
template <typename Info>
BOOL Answer(const std::string& text, char* Info::*field, LPBYTE buffer, DWORD size, LPDWORD needed)
{
    const DWORD total = static_cast<DWORD>(sizeof(Info) + text.size() + 1);
    *needed = total;
    if (!buffer || size < total)
        return FALSE;
    auto* info = reinterpret_cast<Info*>(buffer);
    std::memset(info, 0, sizeof(Info));
    char* copy = reinterpret_cast<char*>(buffer + sizeof(Info));
    std::memcpy(copy, text.c_str(), text.size() + 1);
    info->*field = copy;
    return TRUE;
}

BOOL WINAPI Get(HANDLE printer, DWORD level, LPBYTE buffer, DWORD size, LPDWORD needed)
{
    *needed = 0;
    if (printer != kQueueHandle)
        return FALSE;
    if (level == kDriverLevel)
        return Answer(g_answers.driver, &PRINTER_INFO_2A::pDriverName, buffer, size, needed);
    if (level == kPortLevel && g_answers.portReadable)
        return Answer(g_answers.port, &PRINTER_INFO_5A::pPortName, buffer, size, needed);
    return FALSE;
}

BOOL WINAPI Close(HANDLE printer)
{
    if (printer == kQueueHandle)
        --g_openCount;
    return TRUE;
}

} // namespace

ScriptedQueue::ScriptedQueue(const QueueAnswers& answers)
{
    g_answers = answers;
    g_openedName.clear();
    g_openCount = 0;
    static SpoolerCalls calls;
    calls = Spooler();
    calls.openPrinter = Open;
    calls.getPrinter = Get;
    calls.closePrinter = Close;
    ReplaceSpoolerCalls(&calls);
}

ScriptedQueue::~ScriptedQueue()
{
    ReplaceSpoolerCalls(nullptr);
}

const std::string& ScriptedQueue::OpenedName() const
{
    return g_openedName;
}

bool ScriptedQueue::AllClosed() const
{
    return g_openCount == 0;
}
