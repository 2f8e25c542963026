// DialogDriver: user actions on a dialog and read-back of its state.
#include "dialog_driver.h"

namespace {

constexpr int kTextCapacity = 1024;

std::string WindowText(HWND window)
{
    char text[kTextCapacity] = {};
    ::GetWindowTextA(window, text, kTextCapacity);
    return text;
}

} // namespace

bool DialogDriver::Click(int id) const
{
    HWND control = Item(id);
    if (!control) {
        if (m_onFailure)
            m_onFailure("dialog \"" + Caption() + "\" has no control " + std::to_string(id) + " to click");
        return false;
    }
    ::SendMessageA(control, BM_CLICK, 0, 0);
    return true;
}

void DialogDriver::Command(int id) const
{
    ::SendMessageA(m_dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(Item(id)));
}

void DialogDriver::PostKey(WPARAM key) const
{
    HWND focus = ::GetFocus();
    if (!focus || (focus != m_dialog && !::IsChild(m_dialog, focus)))
        focus = m_dialog;
    ::PostMessageA(focus, WM_KEYDOWN, key, 1);
    ::PostMessageA(focus, WM_KEYUP, key, 1 | (1u << 30) | (1u << 31));
}

void DialogDriver::PressEnter() const
{
    PostKey(VK_RETURN);
}

void DialogDriver::PressEscape() const
{
    PostKey(VK_ESCAPE);
}

void DialogDriver::CloseBox() const
{
    ::SendMessageA(m_dialog, WM_SYSCOMMAND, SC_CLOSE, 0);
}

void DialogDriver::End(INT_PTR result) const
{
    ::EndDialog(m_dialog, result);
}

std::string DialogDriver::Caption() const
{
    return WindowText(m_dialog);
}

std::string DialogDriver::Text(int id) const
{
    HWND item = Item(id);
    return item ? WindowText(item) : std::string();
}

RECT DialogDriver::WindowRect() const
{
    RECT rect = {};
    ::GetWindowRect(m_dialog, &rect);
    return rect;
}

RECT DialogDriver::ItemRect(int id) const
{
    RECT rect = {};
    HWND item = Item(id);
    if (item) {
        ::GetWindowRect(item, &rect);
        ::MapWindowPoints(nullptr, m_dialog, reinterpret_cast<POINT*>(&rect), 2);
    }
    return rect;
}

bool DialogDriver::IsItemVisible(int id) const
{
    HWND item = Item(id);
    return item && ::IsWindowVisible(item);
}

bool DialogDriver::IsChecked(int id) const
{
    return ::IsDlgButtonChecked(m_dialog, id) == BST_CHECKED;
}

HFONT DialogDriver::Font(int id) const
{
    return reinterpret_cast<HFONT>(::SendDlgItemMessageA(m_dialog, id, WM_GETFONT, 0, 0));
}

LONG DialogDriver::FontWeight(int id) const
{
    LOGFONTA description = {};
    HFONT font = Font(id);
    return font && ::GetObjectA(font, sizeof(description), &description) ? description.lfWeight : 0;
}

Image DialogDriver::CaptureClient() const
{
    return CaptureClientArea(m_dialog);
}

Image DialogDriver::CaptureItem(int id) const
{
    return CaptureClientArea(Item(id));
}

Image DialogDriver::CaptureWindow() const
{
    return CaptureWholeWindow(m_dialog);
}
