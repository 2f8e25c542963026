// The pages after cleaning level 1 (templates 165 and 1661): stop, or go on to level 2.
// The base handler with fixed arguments.
#pragma once
#include "resources/dialog_ids.h"
#include "ui/dialog_procedures.h"

inline constexpr DLGPROC CleanLevel1Proc = RoutedProcedure<SlotCleanLevel1>;
inline constexpr USHORT kCleanLevel1Fonts[] = {IDC_CLEAN_LEVEL1_TEXT1, IDC_CLEAN_LEVEL1_TEXT2, IDC_CLEAN_LEVEL1_TEXT3, 0};
inline constexpr USHORT kCleanLevel1Ends[] = {IDC_CLEAN_LEVEL2, IDCANCEL, 0};
inline constexpr DialogPage kCleanLevel1Page = {IDB_CLEAN_LEVELS, kCleanLevel1Fonts, kCleanLevel1Ends};
