// The routing procedures and the fixed arguments of the handler objects they build.
#include "dialog_procedures.h"

#include <new>

#include "clean_intro_dialog.h"
#include "color_choice_dialog.h"
#include "dialog_object_table.h"
#include "group_align_dialog.h"
#include "printer_service_dialog.h"
#include "resources/dialog_ids.h"
#include "self_test_dialog.h"
#include "sibling_strings.h"

namespace {

constexpr USHORT kNoPicture = 0;
constexpr LONG kMayStayTopmost = 0;

const USHORT kAlignStartFonts[] = {IDC_ALIGN_TEXT1, IDC_ALIGN_TEXT2, IDC_ALIGN_TEXT3, 0};
const USHORT kAlignStartEnds[] = {IDC_ALIGN, IDCANCEL, 0};
const USHORT kGroupAlignFonts[] = {IDC_ALIGN_GROUPS_TEXT1, IDC_ALIGN_GROUPS_TEXT2, IDC_ALIGN_GROUPS_TEXT3,
                                   IDC_ALIGN_GROUPS_TEXT4, 0};
const USHORT kAlignResultFonts[] = {IDC_ALIGN_RESULT_TEXT1, IDC_ALIGN_RESULT_TEXT2, 0};
const USHORT kOkEnds[] = {IDOK, 0};
const USHORT kCleanStartFonts[] = {IDC_CLEAN_START_TEXT1, IDC_CLEAN_START_TEXT2, 0};
const USHORT kCleanStartEnds[] = {IDC_CLEAN, IDCANCEL, 0};
const USHORT kCleanLevel1Fonts[] = {IDC_CLEAN_LEVEL1_TEXT1, IDC_CLEAN_LEVEL1_TEXT2, IDC_CLEAN_LEVEL1_TEXT3, 0};
const USHORT kCleanLevel1Ends[] = {IDC_CLEAN_LEVEL2, IDCANCEL, 0};
const USHORT kCleanLevel2Fonts[] = {IDC_CLEAN_LEVEL2_TEXT1, IDC_CLEAN_LEVEL2_TEXT2, IDC_CLEAN_LEVEL2_TEXT3,
                                    IDC_CLEAN_LEVEL2_TEXT4, 0};
const USHORT kCleanLevel2Ends[] = {IDC_CLEAN_LEVEL3, IDCANCEL, 0};
const USHORT kCleanEndFonts[] = {IDC_CLEAN_END_TEXT1, IDC_CLEAN_END_TEXT2, 0};
const USHORT kCancelEnds[] = {IDCANCEL, 0};
const USHORT kCalibrateStartFonts[] = {IDC_CALIBRATE_TEXT1, IDC_CALIBRATE_TEXT2, IDC_CALIBRATE_TEXT3, 0};
const USHORT kCalibrateStartEnds[] = {IDC_CALIBRATE, IDC_USE_DEFAULTS, IDCANCEL, 0};
const USHORT kColorChoiceFonts[] = {IDC_CALIBRATE_CHOICE_TEXT, 0};
const USHORT kColorChoiceEnds[] = {IDC_CALIBRATE_DONE, IDCANCEL, 0};

// The handler objects the procedures build, with their fixed arguments; null when the heap refuses.
using BuildObject = CServiceDialog* (*)() noexcept;

CServiceDialog* BasePage(USHORT pictureId, const USHORT* fontItems, const USHORT* endCommands) noexcept
{
    return new (std::nothrow) CServiceDialog(pictureId, kMayStayTopmost, fontItems, endCommands);
}

CServiceDialog* BuildAlignStart() noexcept
{
    return BasePage(IDB_ALIGN_HEADS, kAlignStartFonts, kAlignStartEnds);
}

CServiceDialog* BuildGroupAlign() noexcept
{
    return new (std::nothrow) CGroupAlignDialog(kNoPicture, kMayStayTopmost, kGroupAlignFonts, nullptr);
}

CServiceDialog* BuildAlignResult() noexcept
{
    return BasePage(IDB_ALIGN_RESULT, kAlignResultFonts, kOkEnds);
}

CServiceDialog* BuildCleanStart() noexcept
{
    return new (std::nothrow) CCleanIntroDialog(IDB_CLEAN_START, kMayStayTopmost, kCleanStartFonts, kCleanStartEnds);
}

CServiceDialog* BuildCleanLevel1() noexcept
{
    return BasePage(IDB_CLEAN_LEVELS, kCleanLevel1Fonts, kCleanLevel1Ends);
}

CServiceDialog* BuildCleanLevel2() noexcept
{
    return BasePage(IDB_CLEAN_LEVELS, kCleanLevel2Fonts, kCleanLevel2Ends);
}

CServiceDialog* BuildCleanEnd() noexcept
{
    return BasePage(IDB_CLEAN_LEVELS, kCleanEndFonts, kCancelEnds);
}

CServiceDialog* BuildSelfTest() noexcept
{
    return new (std::nothrow) CSelfTestDialog(IDS_SELF_TEST_TITLE, IDS_SELF_TEST_TEXT, IDS_SELF_TEST_PRINT_BUTTON);
}

CServiceDialog* BuildCalibrateStart() noexcept
{
    return BasePage(IDB_CALIBRATE, kCalibrateStartFonts, kCalibrateStartEnds);
}

CServiceDialog* BuildColorChoice() noexcept
{
    return new (std::nothrow) CColorChoiceDialog(kNoPicture, kMayStayTopmost, kColorChoiceFonts, kColorChoiceEnds);
}

CServiceDialog* BuildPrinterService() noexcept
{
    return new (std::nothrow) CPrinterServiceDialog();
}

// Builds the slot's object on whatever message comes first (unless build is null: the object is
// then a service's to install); a refused allocation leaves the message to the platform and is
// tried again with the next one.
INT_PTR Route(DialogSlot slot, BuildObject build, HWND window, UINT message, WPARAM wParam, LPARAM lParam) noexcept
{
    CServiceDialog*& object = DialogObjects.slots[slot];
    if (!object && build)
        object = build();
    return object ? object->Dispatch(window, message, wParam, lParam) : 0;
}

// The menu opens in the middle of the desktop, whatever else happens to its object.
void CentreOnDesktop(HWND window)
{
    RECT desktop = {};
    RECT own = {};
    ::GetWindowRect(::GetDesktopWindow(), &desktop);
    ::GetWindowRect(window, &own);
    int x = (desktop.right - desktop.left - (own.right - own.left)) / 2;
    int y = (desktop.bottom - desktop.top - (own.bottom - own.top)) / 2;
    if (x < 0 || y < 0)
        x = y = 0;
    ::SetWindowPos(window, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    ::UpdateWindow(window);
}

} // namespace

INT_PTR CALLBACK AlignStartProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) noexcept
{
    return Route(SlotAlignStart, BuildAlignStart, window, message, wParam, lParam);
}

INT_PTR CALLBACK GroupAlignProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) noexcept
{
    return Route(SlotGroupAlign, BuildGroupAlign, window, message, wParam, lParam);
}

INT_PTR CALLBACK AlignResultProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) noexcept
{
    return Route(SlotAlignResult, BuildAlignResult, window, message, wParam, lParam);
}

INT_PTR CALLBACK CleanStartProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) noexcept
{
    return Route(SlotCleanStart, BuildCleanStart, window, message, wParam, lParam);
}

INT_PTR CALLBACK CleanLevel1Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) noexcept
{
    return Route(SlotCleanLevel1, BuildCleanLevel1, window, message, wParam, lParam);
}

INT_PTR CALLBACK CleanLevel2Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) noexcept
{
    return Route(SlotCleanLevel2, BuildCleanLevel2, window, message, wParam, lParam);
}

INT_PTR CALLBACK CleanEndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) noexcept
{
    return Route(SlotCleanEnd, BuildCleanEnd, window, message, wParam, lParam);
}

INT_PTR CALLBACK TextPageProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) noexcept
{
    return Route(SlotTextPage, nullptr, window, message, wParam, lParam);
}

INT_PTR CALLBACK TitledTextPageProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) noexcept
{
    return Route(SlotTitledTextPage, nullptr, window, message, wParam, lParam);
}

INT_PTR CALLBACK SelfTestProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) noexcept
{
    return Route(SlotSelfTest, BuildSelfTest, window, message, wParam, lParam);
}

INT_PTR CALLBACK CalibrateStartProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) noexcept
{
    return Route(SlotCalibrateStart, BuildCalibrateStart, window, message, wParam, lParam);
}

INT_PTR CALLBACK ColorChoiceProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) noexcept
{
    return Route(SlotColorChoice, BuildColorChoice, window, message, wParam, lParam);
}

INT_PTR CALLBACK PrinterServiceProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) noexcept
{
    if (message == WM_INITDIALOG)
        CentreOnDesktop(window);
    return Route(SlotPrinterService, BuildPrinterService, window, message, wParam, lParam);
}
