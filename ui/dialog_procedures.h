// The dialog procedures: one thunk per slot of the dialog object table, routing every message of
// its dialogs to the handler object in that slot. Each dialog names its procedure in its own
// header under dialogs/; dialog_table.h says how each procedure's object is built.
#pragma once
#include <windows.h>

#include "dialog_object_table.h"

// Hands the message to the object in slot, building the object first when the slot is empty and
// the dialog table has a factory for it. While there is no object the message is left to the
// platform (0); a refused allocation is tried again with the next message.
INT_PTR RouteDialogMessage(DialogSlot slot, HWND window, UINT message, WPARAM wParam, LPARAM lParam) noexcept;

template <DialogSlot slot>
INT_PTR CALLBACK RoutedProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) noexcept
{
    return RouteDialogMessage(slot, window, message, wParam, lParam);
}

// A page whose whole behaviour is the base handler's, by its fixed arguments: its picture (0:
// none), the texts that get the normal font and the buttons that end it with their own id (both
// zero-terminated lists).
struct DialogPage {
    USHORT pictureId;
    const USHORT* fontItems;
    const USHORT* endCommands;
};
