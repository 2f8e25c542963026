// CServiceDialog: the handler object behind the library's dialogs. A routing procedure hands
// every message to Dispatch, which maps it to the named operations below; derived classes
// replace the operations their dialogs need.
#pragma once
#include <windows.h>

// The first field of every dialog init record: the dialog's window while it is up, else 0.
// Window handles fit 32 bits on every Windows platform (HandleToLong / LongToHandle).
struct DialogInitRecord {
    LONG windowSlot;
};

class CServiceDialog {
public:
    // fontItems and endCommands are zero-terminated id lists held as constant data (not owned).
    CServiceDialog(USHORT pictureId, LONG keepNotTopmost, const USHORT* fontItems, const USHORT* endCommands);
    CServiceDialog(const CServiceDialog&) = delete;
    CServiceDialog& operator=(const CServiceDialog&) = delete;

    virtual ~CServiceDialog();
    virtual INT_PTR InitDialog(HWND window, HWND focus, void* initRecord);
    virtual INT_PTR Dispatch(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    virtual INT_PTR HandleCommand(HWND window, USHORT commandId, HWND control, UINT notification);
    virtual HBRUSH ControlColor(HWND window, HDC dc, HWND control, UINT message);
    virtual INT_PTR DrawItem(HWND window, const DRAWITEMSTRUCT* item);
    virtual INT_PTR DropTopmost(HWND window);
    virtual INT_PTR SystemCommand(HWND window, WPARAM command, SHORT x, SHORT y);
    virtual INT_PTR DrawItemIcon(HWND window, int itemId, HICON icon, HDC dc);
    virtual INT_PTR EndWith(HWND window, INT_PTR result);
    virtual HFONT MakeNormalFont(HWND window, LONG weight);
    virtual void ApplyFont(HWND window, const USHORT* ids, HFONT font);

protected:
    HFONT normalFont;
    HICON icon;
    DialogInitRecord* initRecord;
    LONG keepNotTopmost;
    HBITMAP picture;
    USHORT pictureId;
    const USHORT* fontItems;
    const USHORT* endCommands;
    HBITMAP logo;
};
