// The dialog runner: every dialog of the library comes from a template of its own module.
#include "dialog_runner.h"

#include "platform/module_resource.h"

namespace {

constexpr INT_PTR kNoDialog = -1;

} // namespace

USHORT RunDialog(HINSTANCE instance, HWND owner, USHORT templateId, DLGPROC procedure, void* initRecord)
{
    ModuleResource dialogTemplate(RT_DIALOG, templateId);
    if (!dialogTemplate.Bytes())
        return static_cast<USHORT>(kNoDialog);

    INT_PTR result = kNoDialog;
    if (procedure)
        result = ::DialogBoxIndirectParamA(instance, static_cast<LPCDLGTEMPLATEA>(dialogTemplate.Bytes()), owner,
                                           procedure, reinterpret_cast<LPARAM>(initRecord));
    // Repaint the owner at once where the dialog was.
    if (owner && ::IsWindow(owner))
        ::UpdateWindow(owner);
    return static_cast<USHORT>(result);
}
