// CServiceDialog: message routing, start-up (font, centring, window slot), ending, control
// colours and the close box. The owner-drawn items are in picture_items.cpp.
#include "service_dialog.h"

#include "centre_window.h"
#include "dialog_object_table.h"

namespace {

// True when id is one of the entries of a zero-terminated id list; a null list holds nothing.
bool ListContains(const USHORT* list, USHORT id)
{
    for (; list && *list; ++list)
        if (*list == id)
            return true;
    return false;
}

// The dialog's own font at normal weight; null when the dialog has no font or it cannot be read.
HFONT MakeNormalFont(HWND window)
{
    HFONT dialogFont = reinterpret_cast<HFONT>(::SendMessageA(window, WM_GETFONT, 0, 0));
    LOGFONTA description;
    if (!dialogFont || !::GetObjectA(dialogFont, sizeof(description), &description))
        return nullptr;
    description.lfWeight = FW_NORMAL;
    return ::CreateFontIndirectA(&description);
}

// Gives every item of the list the font, without redrawing; an id without an item does nothing.
void ApplyFont(HWND window, const USHORT* ids, HFONT font)
{
    for (; ids && *ids; ++ids)
        ::SendDlgItemMessageA(window, *ids, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
}

} // namespace

CServiceDialog::CServiceDialog(USHORT pictureId, const USHORT* fontItems, const USHORT* endCommands)
    : initRecord(nullptr), normalFont(nullptr), pictureId(pictureId),
      fontItems(fontItems), endCommands(endCommands)
{
}

CServiceDialog::~CServiceDialog()
{
    if (normalFont)
        ::DeleteObject(normalFont);
}

INT_PTR CServiceDialog::InitDialog(HWND window, void* record)
{
    initRecord = static_cast<DialogInitRecord*>(record);
    if (initRecord)
        initRecord->windowSlot = HandleToLong(window);

    // Made once per object: later runs of its dialogs reuse the first run's font.
    if (!normalFont)
        normalFont = MakeNormalFont(window);
    if (normalFont && fontItems)
        ApplyFont(window, fontItems, normalFont);

    HWND reference = ::GetParent(window);
    if (!::IsWindow(reference))
        reference = ::GetDesktopWindow();
    CentreWindow(window, reference);
    ::SetForegroundWindow(window);
    return TRUE; // the platform gives the focus to the first control that takes it
}

INT_PTR CServiceDialog::Dispatch(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_INITDIALOG:
        return InitDialog(window, reinterpret_cast<void*>(lParam));
    case WM_COMMAND:
        // Only clicks command anything. Enter and Esc arrive as clicks too, and so does a close
        // command that SystemCommand leaves to the platform.
        return HIWORD(wParam) == BN_CLICKED ? HandleCommand(window, LOWORD(wParam)) : FALSE;
    case WM_SYSCOMMAND:
        // Unless the handler took the command, the platform's own handling follows.
        return SystemCommand(window, wParam);
    case WM_DRAWITEM:
        return DrawItem(reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC:
        return reinterpret_cast<INT_PTR>(ControlColor(reinterpret_cast<HDC>(wParam), message));
    default:
        return 0;
    }
}

INT_PTR CServiceDialog::HandleCommand(HWND window, USHORT commandId)
{
    if (!ListContains(endCommands, commandId))
        return FALSE;
    EndWith(window, commandId);
    return TRUE;
}

HBRUSH CServiceDialog::ControlColor(HDC dc, UINT message) const
{
    // Edit fields and lists keep the platform's colours; everything else shows the button face.
    if (message == WM_CTLCOLOREDIT || message == WM_CTLCOLORLISTBOX || !DialogObjects.ButtonFaceBrush())
        return nullptr;
    ::SetBkMode(dc, TRANSPARENT);
    return DialogObjects.ButtonFaceBrush();
}

INT_PTR CServiceDialog::SystemCommand(HWND window, WPARAM command)
{
    if (command != SC_CLOSE)
        return FALSE;
    EndWith(window, IDCANCEL);
    return TRUE;
}

void CServiceDialog::EndWith(HWND window, INT_PTR result, WindowSlotOnEnd slot)
{
    if (initRecord && slot == WindowSlotOnEnd::Cleared) {
        initRecord->windowSlot = 0;
        initRecord = nullptr;
    }
    ::EndDialog(window, result);
}
