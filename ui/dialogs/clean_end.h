// The closing pages of the cleaning (templates 167 and 1663): "&Avslutt" only.
// The base handler with fixed arguments.
#pragma once
#include "resources/dialog_ids.h"
#include "ui/dialog_procedures.h"

inline constexpr DLGPROC CleanEndProc = RoutedProcedure<SlotCleanEnd>;
inline constexpr USHORT kCleanEndFonts[] = {IDC_CLEAN_END_TEXT1, IDC_CLEAN_END_TEXT2, 0};
inline constexpr USHORT kCleanEndEnds[] = {IDCANCEL, 0};
inline constexpr DialogPage kCleanEndPage = {IDB_CLEAN_LEVELS, kCleanEndFonts, kCleanEndEnds};
