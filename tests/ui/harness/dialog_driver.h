// Acting on one open dialog as a user would (clicks, keys, the close box) and reading back what
// the user would see: texts, caption, placement, visibility, fonts and pixels.
#pragma once
#include <windows.h>

#include <functional>
#include <string>

#include "window_capture.h"

// Receives every problem found while acting on dialogs (a test turns them into failures).
using ScriptFailure = std::function<void(const std::string&)>;

class DialogDriver {
public:
    explicit DialogDriver(HWND dialog, ScriptFailure onFailure = nullptr)
        : m_dialog(dialog), m_onFailure(std::move(onFailure))
    {
    }

    HWND Window() const { return m_dialog; }
    HWND Item(int id) const { return ::GetDlgItem(m_dialog, id); }
    bool IsOpen() const { return ::IsWindow(m_dialog) != FALSE; }

    // A mouse click on the control (BM_CLICK): automatic buttons check themselves, then the
    // dialog hears BN_CLICKED. A control the dialog does not have is reported.
    bool Click(int id) const;
    // The WM_COMMAND a click of control id sends, for ids the template does not hold.
    void Command(int id) const;
    // Keys go through the dialog's own message loop, like typed ones: they take effect before
    // the next step of a script runs.
    void PressEnter() const;
    void PressEscape() const;
    // The close box of the caption (WM_SYSCOMMAND with SC_CLOSE).
    void CloseBox() const;
    // Ends the dialog from outside, whatever its buttons do.
    void End(INT_PTR result) const;

    std::string Caption() const;
    std::string Text(int id) const;
    RECT WindowRect() const;
    // The item's rectangle in the dialog's client coordinates.
    RECT ItemRect(int id) const;
    bool IsItemVisible(int id) const;
    bool IsChecked(int id) const;
    HFONT Font(int id) const;
    LONG FontWeight(int id) const;
    // The dialog's client area (or one item) as painted now, after a synchronous repaint.
    Image CaptureClient() const;
    Image CaptureItem(int id) const;
    // The whole window with its caption and frame.
    Image CaptureWindow() const;

private:
    void PostKey(WPARAM key) const;

    HWND m_dialog;
    ScriptFailure m_onFailure;
};
