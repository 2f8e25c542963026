// qzautopilot: answers dialogs of another program as a user would. Each step names a dialog by
// its caption and the control to click; the autopilot waits for that dialog, saves a screenshot
// of it, and clicks. Used by the demo to run the printer service menu without a person. Exits 0
// when every step was taken, 1 when a dialog did not appear, 2 on bad arguments, 3 without a display.
#include <windows.h>

#include <cstdio>
#include <string>

#include "harness/display_probe.h"
#include "harness/png_writer.h"
#include "harness/window_capture.h"

namespace {

constexpr DWORD kStepTimeoutMs = 30000;
constexpr DWORD kPollMs = 50;

struct Search {
    const std::string* caption;
    HWND exclude;
    HWND found;
};

// A dialog the user can act on now: visible, enabled (no nested dialog over it), the caption.
BOOL CALLBACK MatchWindow(HWND window, LPARAM parameter)
{
    auto* search = reinterpret_cast<Search*>(parameter);
    char caption[256] = "";
    GetWindowTextA(window, caption, sizeof(caption));
    if (window != search->exclude && IsWindowVisible(window) && IsWindowEnabled(window) && *search->caption == caption) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

HWND WaitForDialog(const std::string& caption, HWND previous)
{
    for (DWORD waited = 0; waited < kStepTimeoutMs; waited += kPollMs) {
        Search search = {&caption, previous, nullptr};
        EnumWindows(MatchWindow, reinterpret_cast<LPARAM>(&search));
        if (search.found)
            return search.found;
        Sleep(kPollMs); // another process owns the dialog: polling is the only way to see it
    }
    return nullptr;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: qzautopilot SCREENSHOT-FOLDER \"CAPTION=CONTROL-ID\"...\n");
        return 2;
    }
    if (!DisplayAvailable()) {
        std::fprintf(stderr, "qzautopilot: %s\n", kNoDisplay);
        return 3;
    }
    std::string folder = argv[1];
    HWND previous = nullptr;
    for (int i = 2; i < argc; ++i) {
        std::string step = argv[i];
        size_t equals = step.rfind('=');
        if (equals == std::string::npos) {
            std::fprintf(stderr, "qzautopilot: step '%s' is not CAPTION=CONTROL-ID\n", argv[i]);
            return 2;
        }
        std::string caption = step.substr(0, equals);
        int control = std::atoi(step.c_str() + equals + 1);
        HWND dialog = WaitForDialog(caption, previous);
        if (!dialog) {
            std::fprintf(stderr, "qzautopilot: no dialog '%s' appeared\n", caption.c_str());
            return 1;
        }
        Sleep(300); // let the dialog finish painting before the picture is taken
        char name[64];
        std::snprintf(name, sizeof(name), "\\dialog-%02d.png", i - 1);
        WritePng(CaptureWholeWindow(dialog), folder + name);
        HWND button = GetDlgItem(dialog, control);
        if (!button) {
            std::fprintf(stderr, "qzautopilot: dialog '%s' has no control %d\n", caption.c_str(), control);
            return 1;
        }
        std::printf("  %s: clicked %d (screenshot %s)\n", caption.c_str(), control, name + 1);
        std::fflush(stdout);
        PostMessageA(button, BM_CLICK, 0, 0);
        previous = dialog;
    }
    return 0;
}
