// The cleaning start pages (templates 164 and 1660): "&Rens" or "Nivå &1-rens" starts level 1.
// The base handler with fixed arguments.
#pragma once
#include "resources/dialog_ids.h"
#include "ui/dialog_procedures.h"

inline constexpr DLGPROC CleanStartProc = RoutedProcedure<SlotCleanStart>;
inline constexpr USHORT kCleanStartFonts[] = {IDC_CLEAN_START_TEXT1, IDC_CLEAN_START_TEXT2, 0};
inline constexpr USHORT kCleanStartEnds[] = {IDC_CLEAN, IDCANCEL, 0};
inline constexpr DialogPage kCleanStartPage = {IDB_CLEAN_START, kCleanStartFonts, kCleanStartEnds};
