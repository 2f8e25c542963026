// Routing a dialog message to the handler object of its procedure's slot.
#include "dialog_procedures.h"

#include "centre_window.h"
#include "dialog_table.h"
#include "service_dialog.h"

INT_PTR RouteDialogMessage(DialogSlot slot, HWND window, UINT message, WPARAM wParam, LPARAM lParam) noexcept
{
    const DialogBinding* binding = BindingOfSlot(slot);
    if (binding && binding->centredOnDesktop && message == WM_INITDIALOG)
        CentreOnDesktop(window); // whatever else happens to its object
    // The object is built by whatever message comes first, which need not be WM_INITDIALOG.
    if (!DialogObjects.Slot(slot) && binding && binding->build)
        DialogObjects.Install(slot, binding->build());
    CServiceDialog* object = DialogObjects.Slot(slot);
    return object ? object->Dispatch(window, message, wParam, lParam) : 0;
}
