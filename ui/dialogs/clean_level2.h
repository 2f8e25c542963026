// The pages after cleaning level 2 (templates 166 and 1662): stop, or go on to level 3.
// The base handler with fixed arguments.
#pragma once
#include "resources/dialog_ids.h"
#include "ui/dialog_procedures.h"

inline constexpr DLGPROC CleanLevel2Proc = RoutedProcedure<SlotCleanLevel2>;
inline constexpr USHORT kCleanLevel2Fonts[] = {IDC_CLEAN_LEVEL2_TEXT1, IDC_CLEAN_LEVEL2_TEXT2, IDC_CLEAN_LEVEL2_TEXT3, IDC_CLEAN_LEVEL2_TEXT4, 0};
inline constexpr USHORT kCleanLevel2Ends[] = {IDC_CLEAN_LEVEL3, IDCANCEL, 0};
inline constexpr DialogPage kCleanLevel2Page = {IDB_CLEAN_LEVELS, kCleanLevel2Fonts, kCleanLevel2Ends};
