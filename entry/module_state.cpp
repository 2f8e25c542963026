// Definitions of the process-wide state declared in module_state.h.
#include "module_state.h"

HINSTANCE ModuleInstance = nullptr;
LONG ServiceBusy = 0;
