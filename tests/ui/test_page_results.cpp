// Every page that uses the base behaviour, run through the real dialog runner: which user
// action ends it with which result, and the window slot of its init record on the way.
#include <gtest/gtest.h>

#include "platform/module_instance.h"
#include "resources/dialog_ids.h"
#include "ui/dialog_object_table.h"
#include "ui/dialog_runner.h"
#include "ui/dialogs/align_result.h"
#include "ui/dialogs/align_start.h"
#include "ui/dialogs/calibrate_start.h"
#include "ui/dialogs/clean_end.h"
#include "ui/dialogs/clean_level1.h"
#include "ui/dialogs/clean_level2.h"
#include "ui/dialogs/clean_start.h"
#include "ui/dialogs/self_test.h"
#include "ui/service_dialog.h"
#include "ui_test_support.h"

namespace {

struct PageCase {
    const char* label;
    USHORT templateId;
    DLGPROC procedure;
    const char* caption; // empty: the self-test title depends on the sibling module
    DialogStep action;
    USHORT expected;
};

const char kAlignHeads[] = "Juster skrivehodene";
const char kAlignCartridges[] = "Juster blekkpatroner";
const char kCleanHeads[] = "Rens skrivehodene";
const char kCleanCartridges[] = "Rens blekkpatroner";
const char kCalibrate[] = "Kalibrer fargene";

} // namespace

class PageResults : public DialogTest {};

TEST_F(PageResults, EachActionEndsWithItsResultAndClearsTheWindowSlot)
{
    const PageCase cases[] = {
        {"align start: Juster", IDD_ALIGN_START, AlignStartProc, kAlignHeads, Click(IDC_ALIGN), IDC_ALIGN},
        {"align start: Enter", IDD_ALIGN_START, AlignStartProc, kAlignHeads, PressEnter(), IDC_ALIGN},
        {"align start: Avbryt", IDD_ALIGN_START, AlignStartProc, kAlignHeads, Click(IDCANCEL), IDCANCEL},
        {"align start: close box", IDD_ALIGN_START, AlignStartProc, kAlignHeads, CloseBox(), IDCANCEL},
        {"align start auto: Juster", IDD_ALIGN_START_AUTO, AlignStartProc, kAlignCartridges, Click(IDC_ALIGN),
         IDC_ALIGN},
        {"align start auto: Esc", IDD_ALIGN_START_AUTO, AlignStartProc, kAlignCartridges, PressEscape(), IDCANCEL},
        {"align result: OK", IDD_ALIGN_RESULT, AlignResultProc, kAlignHeads, Click(IDOK), IDOK},
        {"align result: close box", IDD_ALIGN_RESULT, AlignResultProc, kAlignHeads, CloseBox(), IDCANCEL},
        {"align result auto: Enter", IDD_ALIGN_RESULT_AUTO, AlignResultProc, kAlignCartridges, PressEnter(), IDOK},
        {"clean start: Rens", IDD_CLEAN_START, CleanStartProc, kCleanHeads, Click(IDC_CLEAN), IDC_CLEAN},
        {"clean start: Avslutt", IDD_CLEAN_START, CleanStartProc, kCleanHeads, Click(IDCANCEL), IDCANCEL},
        {"clean start: close box", IDD_CLEAN_START, CleanStartProc, kCleanHeads, CloseBox(), IDCANCEL},
        {"clean start: Enter", IDD_CLEAN_START, CleanStartProc, kCleanHeads, PressEnter(), IDC_CLEAN},
        {"clean start cartridge: level 1", IDD_CLEAN_START_CARTRIDGE, CleanStartProc, kCleanCartridges,
         Click(IDC_CLEAN), IDC_CLEAN},
        {"level 1: Enter stops", IDD_CLEAN_LEVEL1, CleanLevel1Proc, kCleanHeads, PressEnter(), IDCANCEL},
        {"level 1: level 2", IDD_CLEAN_LEVEL1, CleanLevel1Proc, kCleanHeads, Click(IDC_CLEAN_LEVEL2),
         IDC_CLEAN_LEVEL2},
        {"level 1 cartridge: Enter stops", IDD_CLEAN_LEVEL1_CARTRIDGE, CleanLevel1Proc, kCleanCartridges,
         PressEnter(), IDCANCEL},
        {"level 1 cartridge: level 2", IDD_CLEAN_LEVEL1_CARTRIDGE, CleanLevel1Proc, kCleanCartridges,
         Click(IDC_CLEAN_LEVEL2), IDC_CLEAN_LEVEL2},
        {"level 2: Enter stops", IDD_CLEAN_LEVEL2, CleanLevel2Proc, kCleanHeads, PressEnter(), IDCANCEL},
        {"level 2: level 3", IDD_CLEAN_LEVEL2, CleanLevel2Proc, kCleanHeads, Click(IDC_CLEAN_LEVEL3),
         IDC_CLEAN_LEVEL3},
        {"level 2 cartridge: level 3", IDD_CLEAN_LEVEL2_CARTRIDGE, CleanLevel2Proc, kCleanCartridges,
         Click(IDC_CLEAN_LEVEL3), IDC_CLEAN_LEVEL3},
        {"clean end: Avslutt", IDD_CLEAN_END, CleanEndProc, kCleanHeads, Click(IDCANCEL), IDCANCEL},
        {"clean end cartridge: Enter", IDD_CLEAN_END_CARTRIDGE, CleanEndProc, kCleanCartridges, PressEnter(),
         IDCANCEL},
        {"calibrate: Kalibrer", IDD_CALIBRATE_START, CalibrateStartProc, kCalibrate, Click(IDC_CALIBRATE),
         IDC_CALIBRATE},
        {"calibrate: defaults", IDD_CALIBRATE_START, CalibrateStartProc, kCalibrate, Click(IDC_USE_DEFAULTS),
         IDC_USE_DEFAULTS},
        {"calibrate: close box", IDD_CALIBRATE_START, CalibrateStartProc, kCalibrate, CloseBox(), IDCANCEL},
        {"self-test: print", IDD_SELF_TEST, SelfTestProc, "", Click(IDOK), IDOK},
        {"self-test: close box", IDD_SELF_TEST, SelfTestProc, "", CloseBox(), IDCANCEL},
        {"self-test cartridge: Avbryt", IDD_SELF_TEST_CARTRIDGE, SelfTestProc, "", Click(IDCANCEL), IDCANCEL},
    };
    for (const PageCase& page : cases) {
        SCOPED_TRACE(page.label);
        DialogInitRecord record = {};
        bool slotHeldWindow = false;
        {
            DialogScript script(FailTest());
            script.Expect(page.caption, {[&](DialogDriver& dialog) {
                                             slotHeldWindow = record.windowSlot == HandleToLong(dialog.Window());
                                         },
                                         page.action});
            EXPECT_EQ(RunDialog(ModuleInstance, nullptr, page.templateId, page.procedure, &record), page.expected);
        }
        EXPECT_TRUE(slotHeldWindow);
        EXPECT_EQ(record.windowSlot, 0);
    }
}

TEST_F(PageResults, ButtonsOutsideTheEndListLeaveThePageOpen)
{
    DialogInitRecord record = {};
    DialogScript script(FailTest());
    script.Expect(kAlignHeads, {Click(IDC_LOGO), Click(IDC_PICTURE),
                                [](DialogDriver& dialog) { EXPECT_TRUE(::IsWindowVisible(dialog.Window())); },
                                Click(IDCANCEL)});
    EXPECT_EQ(RunDialog(ModuleInstance, nullptr, IDD_ALIGN_START, AlignStartProc, &record), IDCANCEL);
}

TEST_F(PageResults, BothCleaningStartPagesShareOneHandler)
{
    DialogInitRecord record = {};
    DialogScript script(FailTest());
    script.Expect(kCleanHeads, {Click(IDCANCEL)}).Expect(kCleanCartridges, {Click(IDCANCEL)});
    RunDialog(ModuleInstance, nullptr, IDD_CLEAN_START, CleanStartProc, &record);
    CServiceDialog* first = DialogObjects.Slot(SlotCleanStart);
    RunDialog(ModuleInstance, nullptr, IDD_CLEAN_START_CARTRIDGE, CleanStartProc, &record);
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(DialogObjects.Slot(SlotCleanStart), first);
    EXPECT_EQ(script.DialogsSeen(), 2u);
}
