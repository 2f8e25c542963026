// The colour calibration start page (template 184): calibrate, restore the factory settings,
// or cancel.
// The base handler with fixed arguments.
#pragma once
#include "resources/dialog_ids.h"
#include "ui/dialog_procedures.h"

inline constexpr DLGPROC CalibrateStartProc = RoutedProcedure<SlotCalibrateStart>;
inline constexpr USHORT kCalibrateStartFonts[] = {IDC_CALIBRATE_TEXT1, IDC_CALIBRATE_TEXT2, IDC_CALIBRATE_TEXT3, 0};
inline constexpr USHORT kCalibrateStartEnds[] = {IDC_CALIBRATE, IDC_USE_DEFAULTS, IDCANCEL, 0};
inline constexpr DialogPage kCalibrateStartPage = {IDB_CALIBRATE, kCalibrateStartFonts, kCalibrateStartEnds};
