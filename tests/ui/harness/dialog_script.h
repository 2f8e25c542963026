// Scripted answers to modal dialogs: a queue of the dialogs a test expects, in the order they
// open (a dialog opened from a button of another comes next in the queue), each with the steps
// a user takes in it. A watchdog ends dialogs that stay open and reports them.
#pragma once
#include <windows.h>

#include <chrono>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "dialog_driver.h"

using DialogStep = std::function<void(DialogDriver&)>;

// Steps for the common user actions.
DialogStep Click(int id);
DialogStep Command(int id);
DialogStep PressEnter();
DialogStep PressEscape();
DialogStep CloseBox();
DialogStep EndWithResult(INT_PTR result);

class DialogScript {
public:
    // The result a dialog gets when the script ends it: unexpected, or still open when the
    // watchdog fires, a full period after the last dialog opened or step ran.
    static constexpr INT_PTR kEndedByScript = 0x7E57;
    static constexpr std::chrono::milliseconds kDefaultWatchdog{10000};

    // Hooks dialogs on this thread until destroyed; one script at a time.
    explicit DialogScript(ScriptFailure onFailure, std::chrono::milliseconds watchdog = kDefaultWatchdog);
    ~DialogScript(); // reports expected dialogs that never appeared
    DialogScript(const DialogScript&) = delete;
    DialogScript& operator=(const DialogScript&) = delete;

    // The next dialog to open, recognised by its caption (any caption when empty). Its steps run
    // one at a time from its own message loop once it is shown, each after the dialog has
    // handled what the step before posted.
    DialogScript& Expect(const std::string& caption, std::vector<DialogStep> steps);

    size_t DialogsSeen() const { return m_seen; }

private:
    struct Expected {
        std::string caption;
        std::vector<DialogStep> steps;
    };
    struct Open {
        HWND window;
        Expected script;
        size_t nextStep;
        UINT_PTR timer;
    };

    static LRESULT CALLBACK CbtHook(int code, WPARAM wParam, LPARAM lParam);
    static void CALLBACK StepTimer(HWND, UINT, UINT_PTR timer, DWORD);
    static void CALLBACK WatchdogTimer(HWND, UINT, UINT_PTR, DWORD);

    void Activated(HWND window);
    void Destroyed(HWND window);
    void ScheduleNextStep(Open& dialog);
    void RunStep(UINT_PTR timer);
    void EndStrays();
    void RearmWatchdog();
    Open* Find(HWND window);

    ScriptFailure m_onFailure;
    HHOOK m_hook;
    UINT_PTR m_watchdog;
    UINT m_watchdogPeriod;
    std::deque<Expected> m_expected;
    std::vector<std::unique_ptr<Open>> m_open; // innermost last
    std::map<UINT_PTR, HWND> m_stepTimers;
    size_t m_seen;

    static DialogScript* s_current;
};
