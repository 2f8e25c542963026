// The dialog runner and the base handler: results of runs that show nothing, the 16-bit cut,
// reuse of the handler between runs, placement over the owner, control colours, and GDI
// objects across repeated paints.
#include <gtest/gtest.h>

#include "harness/gdi_count.h"
#include "platform/module_instance.h"
#include "resources/dialog_ids.h"
#include "ui/dialog_object_table.h"
#include "ui/dialog_runner.h"
#include "ui/dialogs/align_start.h"
#include "ui/dialogs/calibrate_choice.h"
#include "ui/dialogs/clean_start.h"
#include "ui/service_dialog.h"
#include "ui_test_support.h"

namespace {

constexpr USHORT kNoSuchTemplate = 9999;
constexpr USHORT kNoDialog = 0xFFFF;
constexpr INT_PTR kWideResult = 0x12345;
constexpr int kRepaints = 100;
const char kAlignHeads[] = "Juster skrivehodene";

INT_PTR CALLBACK EndAtOnceWithWideResult(HWND window, UINT message, WPARAM, LPARAM) noexcept
{
    if (message == WM_INITDIALOG)
        ::EndDialog(window, kWideResult);
    return FALSE;
}

// A plain pop-up window to own dialogs, destroyed with the object.
class OwnerWindow {
public:
    explicit OwnerWindow(const RECT& at)
        : m_window(::CreateWindowExA(0, "STATIC", "owner", WS_POPUP | WS_VISIBLE, at.left, at.top,
                                     at.right - at.left, at.bottom - at.top, nullptr, nullptr, nullptr, nullptr))
    {
    }
    ~OwnerWindow() { ::DestroyWindow(m_window); }
    HWND window() const { return m_window; }

private:
    HWND m_window;
};

} // namespace

class DialogRunner : public DialogTest {};

TEST_F(DialogRunner, MissingTemplateOrProcedureShowsNothing)
{
    DialogInitRecord record = {0x5A5A};
    DialogScript script(FailTest());
    EXPECT_EQ(RunDialog(ModuleInstance, nullptr, kNoSuchTemplate, AlignStartProc, &record), kNoDialog);
    EXPECT_EQ(RunDialog(ModuleInstance, nullptr, IDD_ALIGN_START, nullptr, &record), kNoDialog);
    EXPECT_EQ(script.DialogsSeen(), 0u);
    EXPECT_EQ(record.windowSlot, 0x5A5A);
    EXPECT_EQ(DialogObjects.Slot(SlotAlignStart), nullptr);
}

TEST_F(DialogRunner, ResultIsCutToSixteenBits)
{
    EXPECT_EQ(RunDialog(ModuleInstance, nullptr, IDD_ALIGN_START, EndAtOnceWithWideResult, nullptr),
              static_cast<USHORT>(kWideResult & 0xFFFF));
}

TEST_F(DialogRunner, TemplateComesFromTheLibraryWhateverInstanceIsGiven)
{
    DialogScript script(FailTest());
    script.Expect(kAlignHeads, {Click(IDCANCEL)});
    EXPECT_EQ(RunDialog(::GetModuleHandleA(nullptr), nullptr, IDD_ALIGN_START, AlignStartProc, nullptr), IDCANCEL);
}

TEST_F(DialogRunner, SecondRunReusesTheHandlerAndItsFont)
{
    HFONT fonts[2] = {};
    LONG weights[2] = {};
    CServiceDialog* handlers[2] = {};
    for (int run = 0; run < 2; ++run) {
        SCOPED_TRACE(::testing::Message() << "run " << run + 1);
        DialogInitRecord record = {};
        bool slotWritten = false;
        DialogScript script(FailTest());
        script.Expect(kAlignHeads, {[&](DialogDriver& dialog) {
                                        fonts[run] = dialog.Font(IDC_ALIGN_TEXT1);
                                        weights[run] = dialog.FontWeight(IDC_ALIGN_TEXT3);
                                        slotWritten = record.windowSlot == HandleToLong(dialog.Window());
                                    },
                                    Click(IDC_ALIGN)});
        EXPECT_EQ(RunDialog(ModuleInstance, nullptr, IDD_ALIGN_START, AlignStartProc, &record), IDC_ALIGN);
        handlers[run] = DialogObjects.Slot(SlotAlignStart);
        EXPECT_TRUE(slotWritten);
    }
    ASSERT_NE(handlers[0], nullptr);
    EXPECT_EQ(handlers[1], handlers[0]);
    ASSERT_NE(fonts[0], nullptr);
    EXPECT_EQ(fonts[1], fonts[0]);
    EXPECT_EQ(weights[0], FW_NORMAL);
    EXPECT_EQ(weights[1], FW_NORMAL);
}

// Only a handled message is answered TRUE, and only a click commands: the page stays up through
// every other notification of its ending buttons.
TEST_F(DialogRunner, ProcedureAnswersWhatTheHandlerAnswersAndOnlyClicksCommand)
{
    struct Answer {
        const char* label;
        UINT message;
        WPARAM wParam;
        const DRAWITEMSTRUCT* item;
        INT_PTR expected;
    };
    DRAWITEMSTRUCT frame = {};
    frame.CtlID = IDC_PICTURE_FRAME;
    frame.itemAction = ODA_DRAWENTIRE;
    DRAWITEMSTRUCT undrawn = {};
    undrawn.CtlID = IDC_ALIGN_TEXT1;
    const Answer answers[] = {
        {"double click of an ending button", WM_COMMAND, MAKEWPARAM(IDC_ALIGN, BN_DOUBLECLICKED), nullptr, FALSE},
        {"focus on an ending button", WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_SETFOCUS), nullptr, FALSE},
        {"click of an item that ends nothing", WM_COMMAND, MAKEWPARAM(IDC_LOGO, BN_CLICKED), nullptr, FALSE},
        {"system command other than close", WM_SYSCOMMAND, SC_KEYMENU, nullptr, FALSE},
        {"owner-drawn frame", WM_DRAWITEM, IDC_PICTURE_FRAME, &frame, TRUE},
        {"item the page does not draw", WM_DRAWITEM, IDC_ALIGN_TEXT1, &undrawn, FALSE},
    };
    DialogInitRecord record = {};
    LONG slotAfterAnswers = 0;
    INT_PTR clickAnswer = FALSE;
    DialogScript script(FailTest());
    script.Expect(kAlignHeads, {[&](DialogDriver& dialog) {
                      for (const Answer& a : answers) {
                          SCOPED_TRACE(a.label);
                          EXPECT_EQ(AlignStartProc(dialog.Window(), a.message, a.wParam,
                                                   reinterpret_cast<LPARAM>(a.item)),
                                    a.expected);
                      }
                      slotAfterAnswers = record.windowSlot;
                      clickAnswer = AlignStartProc(dialog.Window(), WM_COMMAND, MAKEWPARAM(IDC_ALIGN, BN_CLICKED), 0);
                  }});
    EXPECT_EQ(RunDialog(ModuleInstance, nullptr, IDD_ALIGN_START, AlignStartProc, &record), IDC_ALIGN);
    EXPECT_NE(slotAfterAnswers, 0) << "a message other than a click ended the page";
    EXPECT_EQ(clickAnswer, TRUE);
    EXPECT_EQ(record.windowSlot, 0);
}

// A dialog is centred over what GetParent names: the owner of a pop-up dialog; a dialog without
// the pop-up style has no parent to the platform and is centred on the desktop even when owned.
TEST_F(DialogRunner, CentredOverTheReferenceAndClampedAtTheTopLeft)
{
    struct Placement {
        const char* label;
        USHORT templateId;
        DLGPROC procedure;
        bool hasOwner;
        RECT owner;
        bool overOwner;
        bool clampX;
        bool clampY;
    };
    const Placement cases[] = {
        {"pop-up, no owner", IDD_CALIBRATE_CHOICE, ColorChoiceProc, false, {}, false, false, false},
        {"pop-up, owner in the middle", IDD_CALIBRATE_CHOICE, ColorChoiceProc, true, {200, 150, 800, 650}, true,
         false, false},
        {"pop-up, owner in the corner", IDD_CALIBRATE_CHOICE, ColorChoiceProc, true, {0, 0, 100, 80}, true, true,
         true},
        {"pop-up, owner at the left edge", IDD_CALIBRATE_CHOICE, ColorChoiceProc, true, {0, 200, 100, 760}, true,
         true, false},
        {"pop-up, owner at the top edge", IDD_CALIBRATE_CHOICE, ColorChoiceProc, true, {300, 0, 1000, 50}, true,
         false, true},
        {"page, owner in the corner", IDD_ALIGN_START, AlignStartProc, true, {0, 0, 100, 80}, false, false, false},
    };
    RECT desktop = {};
    ::GetWindowRect(::GetDesktopWindow(), &desktop);
    for (const Placement& c : cases) {
        SCOPED_TRACE(c.label);
        OwnerWindow owner(c.owner);
        const RECT over = c.overOwner ? c.owner : desktop;
        RECT placed = {};
        DialogScript script(FailTest());
        script.Expect("", {[&](DialogDriver& dialog) { placed = dialog.WindowRect(); }, Click(IDCANCEL)});
        RunDialog(ModuleInstance, c.hasOwner ? owner.window() : nullptr, c.templateId, c.procedure, nullptr);

        const int width = placed.right - placed.left;
        const int height = placed.bottom - placed.top;
        const int x = over.left + (over.right - over.left - width) / 2;
        const int y = over.top + (over.bottom - over.top - height) / 2;
        ASSERT_EQ(c.clampX, x < 0);
        ASSERT_EQ(c.clampY, y < 0);
        EXPECT_EQ(placed.left, c.clampX ? 0 : x);
        EXPECT_EQ(placed.top, c.clampY ? 0 : y);
    }
}

TEST_F(DialogRunner, StaticsAndButtonsGetTheFaceBrushEditsAndListsTheDefault)
{
    struct ColourCase {
        const char* label;
        UINT message;
        bool faceBrush;
    };
    const ColourCase cases[] = {
        {"static", WM_CTLCOLORSTATIC, true},  {"button", WM_CTLCOLORBTN, true},
        {"dialog", WM_CTLCOLORDLG, true},     {"message box", WM_CTLCOLORMSGBOX, true},
        {"scroll bar", WM_CTLCOLORSCROLLBAR, true}, {"edit", WM_CTLCOLOREDIT, false},
        {"list box", WM_CTLCOLORLISTBOX, false},
    };
    ASSERT_NE(DialogObjects.ButtonFaceBrush(), nullptr);
    DialogScript script(FailTest());
    script.Expect(kAlignHeads, {[&](DialogDriver& dialog) {
                                    HDC dc = ::GetDC(dialog.Window());
                                    for (const ColourCase& c : cases) {
                                        SCOPED_TRACE(c.label);
                                        ::SetBkMode(dc, OPAQUE);
                                        // The procedure's own answer: null leaves the colours to
                                        // the platform.
                                        const INT_PTR brush = AlignStartProc(
                                            dialog.Window(), c.message, reinterpret_cast<WPARAM>(dc),
                                            reinterpret_cast<LPARAM>(dialog.Item(IDC_ALIGN_TEXT1)));
                                        EXPECT_EQ(brush, c.faceBrush
                                                             ? reinterpret_cast<INT_PTR>(DialogObjects.ButtonFaceBrush())
                                                             : 0);
                                        EXPECT_EQ(::GetBkMode(dc), c.faceBrush ? TRANSPARENT : OPAQUE);
                                    }
                                    ::ReleaseDC(dialog.Window(), dc);
                                },
                                Click(IDCANCEL)});
    RunDialog(ModuleInstance, nullptr, IDD_ALIGN_START, AlignStartProc, nullptr);
}

TEST(GdiCount, CountsABrushAndAPenAsTwo)
{
    const int before = CountGdiObjects();
    HBRUSH brush = ::CreateSolidBrush(RGB(1, 2, 3));
    HPEN pen = ::CreatePen(PS_SOLID, 0, RGB(4, 5, 6));
    EXPECT_EQ(CountGdiObjects(), before + 2);
    ::DeleteObject(pen);
    ::DeleteObject(brush);
    EXPECT_EQ(CountGdiObjects(), before);
}

TEST_F(DialogRunner, HundredPaintsLeaveNoGdiObjectBehind)
{
    struct PaintCase {
        const char* label;
        USHORT templateId;
        DLGPROC procedure;
    };
    const PaintCase cases[] = {
        {"separator, frame, picture and logo", IDD_ALIGN_START, AlignStartProc},
        {"picture static and logo", IDD_CLEAN_START_CARTRIDGE, CleanStartProc},
    };
    for (const PaintCase& c : cases) {
        SCOPED_TRACE(c.label);
        int afterFirstPaint = 0;
        int afterHundred = 0;
        DialogScript script(FailTest());
        script.Expect("", {[&](DialogDriver& dialog) {
                               dialog.CaptureClient(); // the first paint loads the handler's bitmaps
                               afterFirstPaint = CountGdiObjects();
                               for (int i = 0; i < kRepaints; ++i)
                                   ::RedrawWindow(dialog.Window(), nullptr, nullptr,
                                                  RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
                               afterHundred = CountGdiObjects();
                           },
                           Command(IDCANCEL)});
        RunDialog(ModuleInstance, nullptr, c.templateId, c.procedure, nullptr);
        EXPECT_GT(afterFirstPaint, 0);
        EXPECT_EQ(afterHundred, afterFirstPaint);
    }
}
