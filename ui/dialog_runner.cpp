// The dialog runner: every dialog of the library comes from a template of its own module.
#include "dialog_runner.h"

#include "platform/module_instance.h"

namespace {

constexpr INT_PTR kNoDialog = -1;

} // namespace

HGLOBAL LoadDialogTemplate(USHORT templateId)
{
    HRSRC found = ::FindResourceA(ModuleInstance, MAKEINTRESOURCEA(templateId), RT_DIALOG);
    return found ? ::LoadResource(ModuleInstance, found) : nullptr;
}

USHORT RunDialog(HINSTANCE instance, HWND owner, USHORT templateId, DLGPROC procedure, void* initRecord)
{
    HGLOBAL loaded = LoadDialogTemplate(templateId);
    if (!loaded)
        return static_cast<USHORT>(kNoDialog);

    INT_PTR result = kNoDialog;
    auto* dialogTemplate = static_cast<LPCDLGTEMPLATEA>(::LockResource(loaded));
    if (procedure && dialogTemplate)
        result = ::DialogBoxIndirectParamA(instance, dialogTemplate, owner, procedure,
                                           reinterpret_cast<LPARAM>(initRecord));
    // Repaint the owner at once where the dialog was.
    if (owner && ::IsWindow(owner))
        ::UpdateWindow(owner);
    ::FreeResource(loaded);
    return static_cast<USHORT>(result);
}
