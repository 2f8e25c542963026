// The alignment start pages (templates 171 and 1659): the heads picture beside three texts;
// "&Juster" prints the patterns.
// The base handler with fixed arguments.
#pragma once
#include "resources/dialog_ids.h"
#include "ui/dialog_procedures.h"

inline constexpr DLGPROC AlignStartProc = RoutedProcedure<SlotAlignStart>;
inline constexpr USHORT kAlignStartFonts[] = {IDC_ALIGN_TEXT1, IDC_ALIGN_TEXT2, IDC_ALIGN_TEXT3, 0};
inline constexpr USHORT kAlignStartEnds[] = {IDC_ALIGN, IDCANCEL, 0};
inline constexpr DialogPage kAlignStartPage = {IDB_ALIGN_HEADS, kAlignStartFonts, kAlignStartEnds};
