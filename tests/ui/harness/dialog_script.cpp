// DialogScript: a CBT hook notices each dialog when it is first activated (after WM_INITDIALOG,
// once it is shown); thread timers then run its steps from inside its modal loop, so the steps
// of a nested dialog run while a step of the outer one is still waiting on a button.
#include "dialog_script.h"

#include <sstream>

DialogScript* DialogScript::s_current = nullptr;

namespace {

constexpr char kDialogClass[] = "#32770";
constexpr UINT kAtOnce = USER_TIMER_MINIMUM;

// Only this thread's dialogs: under Wine the hook also hears of other processes' windows taking
// the focus while tests run side by side on one display.
bool IsOwnDialog(HWND window)
{
    if (::GetWindowThreadProcessId(window, nullptr) != ::GetCurrentThreadId())
        return false;
    char className[16] = {};
    ::GetClassNameA(window, className, sizeof(className));
    return std::string(className) == kDialogClass;
}

std::string Describe(const DialogDriver& dialog)
{
    return "dialog \"" + dialog.Caption() + "\"";
}

} // namespace

DialogStep Click(int id)
{
    return [id](DialogDriver& dialog) { dialog.Click(id); };
}

DialogStep Command(int id)
{
    return [id](DialogDriver& dialog) { dialog.Command(id); };
}

DialogStep PressEnter()
{
    return [](DialogDriver& dialog) { dialog.PressEnter(); };
}

DialogStep PressEscape()
{
    return [](DialogDriver& dialog) { dialog.PressEscape(); };
}

DialogStep CloseBox()
{
    return [](DialogDriver& dialog) { dialog.CloseBox(); };
}

DialogStep EndWithResult(INT_PTR result)
{
    return [result](DialogDriver& dialog) { dialog.End(result); };
}

DialogScript::DialogScript(ScriptFailure onFailure, std::chrono::milliseconds watchdog)
    : m_onFailure(std::move(onFailure)), m_hook(nullptr), m_watchdog(0), m_watchdogPeriod(0), m_seen(0)
{
    if (s_current) {
        m_onFailure("a dialog script is already active on this thread");
        return;
    }
    s_current = this;
    m_hook = ::SetWindowsHookExA(WH_CBT, CbtHook, nullptr, ::GetCurrentThreadId());
    if (!m_hook)
        m_onFailure("the CBT hook could not be installed");
    m_watchdogPeriod = static_cast<UINT>(watchdog.count());
    m_watchdog = ::SetTimer(nullptr, 0, m_watchdogPeriod, WatchdogTimer);
}

DialogScript::~DialogScript()
{
    if (s_current != this)
        return;
    for (const auto& stepTimer : m_stepTimers)
        ::KillTimer(nullptr, stepTimer.first);
    if (m_watchdog)
        ::KillTimer(nullptr, m_watchdog);
    if (m_hook)
        ::UnhookWindowsHookEx(m_hook);
    s_current = nullptr;
    for (const Expected& never : m_expected)
        m_onFailure("expected dialog \"" + never.caption + "\" never appeared");
}

DialogScript& DialogScript::Expect(const std::string& caption, std::vector<DialogStep> steps)
{
    m_expected.push_back(Expected{caption, std::move(steps)});
    return *this;
}

LRESULT CALLBACK DialogScript::CbtHook(int code, WPARAM wParam, LPARAM lParam)
{
    if (s_current) {
        HWND window = reinterpret_cast<HWND>(wParam);
        if (code == HCBT_ACTIVATE && IsOwnDialog(window))
            s_current->Activated(window);
        else if (code == HCBT_DESTROYWND)
            s_current->Destroyed(window);
    }
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

DialogScript::Open* DialogScript::Find(HWND window)
{
    for (auto& open : m_open)
        if (open->window == window)
            return open.get();
    return nullptr;
}

void DialogScript::Activated(HWND window)
{
    // An outer dialog is activated again when a nested one closes: it is no new dialog.
    if (Find(window))
        return;
    ++m_seen;
    DialogDriver dialog(window);
    auto open = std::make_unique<Open>(Open{window, Expected{}, 0, 0});
    if (m_expected.empty()) {
        m_onFailure("unexpected " + Describe(dialog));
        open->script.steps.push_back(EndWithResult(kEndedByScript));
    } else {
        open->script = std::move(m_expected.front());
        m_expected.pop_front();
        if (!open->script.caption.empty() && open->script.caption != dialog.Caption()) {
            m_onFailure("expected dialog \"" + open->script.caption + "\", got " + Describe(dialog));
            open->script.steps.assign(1, EndWithResult(kEndedByScript));
        }
    }
    m_open.push_back(std::move(open));
    RearmWatchdog();
    ScheduleNextStep(*m_open.back());
}

void DialogScript::Destroyed(HWND window)
{
    for (auto it = m_open.begin(); it != m_open.end(); ++it)
        if ((*it)->window == window) {
            Open& dialog = **it;
            if (dialog.timer) {
                ::KillTimer(nullptr, dialog.timer);
                m_stepTimers.erase(dialog.timer);
            }
            const size_t untaken = dialog.script.steps.size() - dialog.nextStep;
            if (untaken)
                m_onFailure(Describe(DialogDriver(window)) + " closed with " + std::to_string(untaken) +
                            " step(s) not taken");
            m_open.erase(it);
            return;
        }
}

void DialogScript::ScheduleNextStep(Open& dialog)
{
    dialog.timer = 0;
    if (dialog.nextStep >= dialog.script.steps.size())
        return;
    // A thread timer's WM_TIMER comes after the posted messages and paints before it, so
    // what the previous step posted has been handled when the next one runs.
    dialog.timer = ::SetTimer(nullptr, 0, kAtOnce, StepTimer);
    if (dialog.timer)
        m_stepTimers[dialog.timer] = dialog.window;
    else
        m_onFailure("no timer for the next step of " + Describe(DialogDriver(dialog.window)));
}

void CALLBACK DialogScript::StepTimer(HWND, UINT, UINT_PTR timer, DWORD)
{
    ::KillTimer(nullptr, timer);
    if (s_current)
        s_current->RunStep(timer);
}

void DialogScript::RunStep(UINT_PTR timer)
{
    auto found = m_stepTimers.find(timer);
    if (found == m_stepTimers.end())
        return;
    HWND window = found->second;
    m_stepTimers.erase(found);
    Open* dialog = Find(window);
    if (!dialog)
        return;
    dialog->timer = 0;
    // A dialog made without the visible style is shown by its modal loop once the queue is
    // empty, which may be after this timer: the first step waits for it.
    if (!::IsWindowVisible(window) && dialog->nextStep == 0) {
        ScheduleNextStep(*dialog);
        return;
    }
    RearmWatchdog();
    const size_t step = dialog->nextStep++;
    DialogStep action = dialog->script.steps[step]; // the step may open and close other dialogs
    DialogDriver driver(window, m_onFailure);
    action(driver);

    // The step may have ended the dialog; were steps left, Destroyed reports them.
    if (Open* stillOpen = Find(window))
        ScheduleNextStep(*stillOpen);
}

void DialogScript::RearmWatchdog()
{
    // The watchdog counts from the latest sign of progress: a dialog opening or a step running.
    m_watchdog = ::SetTimer(nullptr, m_watchdog, m_watchdogPeriod, WatchdogTimer);
}

void CALLBACK DialogScript::WatchdogTimer(HWND, UINT, UINT_PTR, DWORD)
{
    if (s_current)
        s_current->EndStrays();
}

void DialogScript::EndStrays()
{
    if (m_open.empty())
        return;
    std::ostringstream open;
    for (const auto& dialog : m_open)
        open << " \"" << DialogDriver(dialog->window).Caption() << "\"";
    m_onFailure("watchdog: dialogs still open:" + open.str());
    for (auto it = m_open.rbegin(); it != m_open.rend(); ++it) {
        (*it)->script.steps.resize((*it)->nextStep); // ended on purpose: no steps to report
        ::EndDialog((*it)->window, kEndedByScript);
    }
}
