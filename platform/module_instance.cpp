// The module handle, empty until the library entry stores it.
#include "module_instance.h"

HINSTANCE ModuleInstance = nullptr;
