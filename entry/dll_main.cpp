// Library entry: remembers the module handle that every resource lookup uses, and at unload
// gives back the module it kept loaded.
#include "platform/module_instance.h"
#include "ui/sibling_strings.h"

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID reserved)
{
    if (reason == DLL_PROCESS_ATTACH)
        ModuleInstance = instance;
    // At process exit (reserved set) the modules go by themselves and must not be freed here.
    if (reason == DLL_PROCESS_DETACH && !reserved)
        ReleaseSiblingModule();
    return TRUE;
}
