// CServiceDialog: the handler object behind the library's dialogs. A routing procedure hands
// every message to Dispatch, which maps it to the named operations below and answers the
// platform what they answer; derived classes replace the operations their dialogs need.
#pragma once
#include <windows.h>

// The first field of every dialog init record: the dialog's window while it is up, else 0.
// Window handles fit 32 bits on every Windows platform (HandleToLong / LongToHandle).
struct DialogInitRecord {
    LONG windowSlot;
};

// What ending a dialog does to its init record's window slot: cleared, so the record's owner sees
// that no dialog of its own is up, or kept holding the finished run's window (the alignment
// choice's and the colour choice's own buttons end their dialogs so).
enum class WindowSlotOnEnd { Cleared, Kept };

class CServiceDialog {
public:
    // pictureId names the bitmap of the picture item (0: none); fontItems and endCommands are
    // zero-terminated id lists held as constant data (not owned).
    CServiceDialog(USHORT pictureId, const USHORT* fontItems, const USHORT* endCommands);
    CServiceDialog(const CServiceDialog&) = delete;
    CServiceDialog& operator=(const CServiceDialog&) = delete;
    virtual ~CServiceDialog();

    // Never replaced: every handler answers through the operations below.
    INT_PTR Dispatch(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    // The operations a dialog may replace. Each answers the platform: TRUE when it handled the
    // message, FALSE to leave it to the platform's own handling.
    virtual INT_PTR InitDialog(HWND window, void* initRecord);
    // A click (BN_CLICKED) of the button or control commandId.
    virtual INT_PTR HandleCommand(HWND window, USHORT commandId);
    virtual INT_PTR DrawItem(const DRAWITEMSTRUCT* item);
    virtual INT_PTR SystemCommand(HWND window, WPARAM command);

protected:
    // The one way a dialog of the library ends: with result, its window slot as slot says.
    void EndWith(HWND window, INT_PTR result, WindowSlotOnEnd slot = WindowSlotOnEnd::Cleared);

    // The current run's init record; null outside a run and once EndWith cleared it.
    DialogInitRecord* initRecord;

private:
    HBRUSH ControlColor(HDC dc, UINT message) const;

    HFONT normalFont; // made at the first run and kept for the later ones
    USHORT pictureId;
    const USHORT* fontItems;
    const USHORT* endCommands;
};
