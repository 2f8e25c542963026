// The information page: a text and a title, partly loaded from the sibling string module,
// shown in dialog 180 with a picture of the printer.
#pragma once
#include <windows.h>

#include "ui/service_dialog.h"

// Shows the page with the given text and the title loaded by id from the sibling module; shows
// nothing when that module cannot be loaded. Without a procedure the plain page procedure runs.
void ShowInfoDialog(HWND parent, const char* text, UINT titleId, DialogInitRecord* windowRecord, DLGPROC procedure);

// The same with the text, too, loaded by id from the sibling module.
void ShowSiblingInfoDialog(HWND parent, USHORT textId, UINT titleId, DialogInitRecord* windowRecord);
