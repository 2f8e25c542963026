// Running one of the library's dialog templates as a modal dialog.
#pragma once
#include <windows.h>

// Shows template templateId of the library's module (whatever instance is given) as a modal
// dialog owned by owner, with procedure and initRecord as its creation parameter. Returns the
// dialog's end result cut to 16 bits, or 0xFFFF when the template is missing, no procedure is
// given or the dialog cannot be made. Callers read it as a signed 16-bit value.
USHORT RunDialog(HINSTANCE instance, HWND owner, USHORT templateId, DLGPROC procedure, void* initRecord);
