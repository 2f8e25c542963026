// The alignment result pages (templates 182 and 190): what the printed page shows; "&OK" ends
// the alignment.
// The base handler with fixed arguments.
#pragma once
#include "resources/dialog_ids.h"
#include "ui/dialog_procedures.h"

inline constexpr DLGPROC AlignResultProc = RoutedProcedure<SlotAlignResult>;
inline constexpr USHORT kAlignResultFonts[] = {IDC_ALIGN_RESULT_TEXT1, IDC_ALIGN_RESULT_TEXT2, 0};
inline constexpr USHORT kAlignResultEnds[] = {IDOK, 0};
inline constexpr DialogPage kAlignResultPage = {IDB_ALIGN_RESULT, kAlignResultFonts, kAlignResultEnds};
