// Time to dialog: a service call whose first dialog is cancelled once it is up, against opening
// the queue, reading its level-2 information, closing it and showing the same template with a
// procedure that does nothing but end it. Both are owned by a hidden window that cancels the
// dialog when its modal loop first runs out of messages, that is once everything is painted.
#include "bench_dialogs.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <vector>

#include "bench_timing.h"
#include "resources/dialog_ids.h"
#include "wine_queue.h"

namespace {

using Service = int __stdcall(char*, char*, int, HWND);

constexpr int kRounds = 31;
constexpr DWORD kDriverLevel = 2; // PRINTER_INFO_2A, as the services read it

LRESULT CALLBACK CancellingOwner(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_ENTERIDLE && wParam == MSGF_DIALOGBOX) {
        PostMessageA(reinterpret_cast<HWND>(lParam), WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

HWND MakeCancellingOwner()
{
    WNDCLASSA kind = {};
    kind.lpfnWndProc = CancellingOwner;
    kind.hInstance = GetModuleHandleA(nullptr);
    kind.lpszClassName = "QZBenchOwner";
    RegisterClassA(&kind);
    return CreateWindowExA(0, kind.lpszClassName, "", WS_POPUP, 0, 0, GetSystemMetrics(SM_CXSCREEN),
                           GetSystemMetrics(SM_CYSCREEN), nullptr, nullptr, kind.hInstance, nullptr);
}

INT_PTR CALLBACK BareProcedure(HWND window, UINT message, WPARAM wParam, LPARAM)
{
    if (message == WM_INITDIALOG)
        return TRUE;
    if (message == WM_COMMAND) {
        EndDialog(window, LOWORD(wParam));
        return TRUE;
    }
    return FALSE;
}

void ShowFloor(char* queue, HMODULE library, USHORT templateId, HWND owner)
{
    HANDLE printer = nullptr;
    if (OpenPrinterA(queue, &printer, nullptr)) {
        DWORD needed = 0;
        GetPrinterA(printer, kDriverLevel, nullptr, 0, &needed);
        std::vector<BYTE> info(needed ? needed : 1);
        GetPrinterA(printer, kDriverLevel, info.data(), needed, &needed);
        ClosePrinter(printer);
    }
    HRSRC found = FindResourceA(library, MAKEINTRESOURCEA(templateId), RT_DIALOG);
    auto* dialog = static_cast<LPCDLGTEMPLATEA>(LockResource(LoadResource(library, found)));
    DialogBoxIndirectParamA(library, dialog, owner, BareProcedure, 0);
}

template <typename Work> double Seconds(Work work)
{
    double start = Now();
    work();
    return Now() - start;
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// Service and floor in turn, after one run of each that makes what the later runs may keep.
void Compare(const char* label, Service* service, char* queue, HMODULE library, USHORT templateId, HWND owner)
{
    std::vector<double> serviceSeconds, floorSeconds;
    for (int round = 0; round <= kRounds; ++round) {
        double serviceTime = Seconds([&] { service(queue, nullptr, 0, owner); });
        double floorTime = Seconds([&] { ShowFloor(queue, library, templateId, owner); });
        if (round == 0)
            continue;
        serviceSeconds.push_back(serviceTime);
        floorSeconds.push_back(floorTime);
    }
    char floorLabel[64];
    std::snprintf(floorLabel, sizeof(floorLabel), "queue info + bare dialog %u", templateId);
    Ratio(label, Median(serviceSeconds) * 1e9, floorLabel, Median(floorSeconds) * 1e9);
}

} // namespace

void DialogsAgainstFloor(const std::string& spoolFile)
{
    WineQueue queue("QZ Bench Dialogs", "QZ Kestrel 410 Printer", spoolFile);
    HMODULE library = LoadLibraryA("QZW9SVB.dll");
    HWND owner = MakeCancellingOwner();
    auto* selfTest = reinterpret_cast<Service*>(reinterpret_cast<void*>(GetProcAddress(library, "PrintSelfTest")));
    auto* cleaning = reinterpret_cast<Service*>(reinterpret_cast<void*>(GetProcAddress(library, "CleanPenService")));
    if (!queue.Ready() || !library || !owner || !selfTest || !cleaning) {
        std::printf("time to dialog: no queue, library, owner window or service (%s)\n", queue.Problem().c_str());
    } else {
        Compare("PrintSelfTest to its dialog", selfTest, queue.MutableName(), library, IDD_SELF_TEST_CARTRIDGE, owner);
        Compare("CleanPenService to its first dialog", cleaning, queue.MutableName(), library, IDD_CLEAN_START, owner);
    }
    if (owner)
        DestroyWindow(owner);
    if (library)
        FreeLibrary(library);
}
