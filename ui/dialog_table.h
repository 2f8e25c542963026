// The one table of the library's dialogs: for every dialog procedure the templates it serves,
// the slot of its handler object, and how that object is built.
#pragma once
#include <windows.h>

#include "dialog_object_table.h"

struct DialogBinding {
    DialogSlot slot;
    DLGPROC procedure;
    USHORT templates[2];                 // a procedure serving one template has 0 second
    CServiceDialog* (*build)() noexcept; // null where a service installs the object for the run
    bool centredOnDesktop;               // the procedure places the dialog before its object runs
};

// The binding of a slot; null for the slots no procedure uses.
const DialogBinding* BindingOfSlot(DialogSlot slot);

// Shows the library's template with the first procedure that serves it, owned by owner; the
// result as RunDialog gives it (0xFFFF also for a template that no procedure serves).
USHORT ShowDialog(HWND owner, USHORT templateId, void* initRecord);
