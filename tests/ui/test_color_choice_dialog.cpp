// The colour calibration choice: Fullført only after a pick in the handler's life, and Esc as
// the only way out besides the buttons.
#include <gtest/gtest.h>

#include "platform/module_instance.h"
#include "resources/dialog_ids.h"
#include "ui/dialog_object_table.h"
#include "ui/dialog_runner.h"
#include "ui/dialogs/calibrate_choice.h"
#include "ui/service_dialog.h"
#include "ui_test_support.h"

namespace {

const char kCaption[] = "Kalibrer fargene";

} // namespace

class ColorChoiceDialog : public DialogTest {
protected:
    DialogInitRecord record = {};
    LONG window = 0;
    bool openAfterDone = false;

    USHORT Run(std::vector<DialogStep> steps)
    {
        steps.insert(steps.begin(), [this](DialogDriver& dialog) { window = HandleToLong(dialog.Window()); });
        DialogScript script(FailTest());
        script.Expect(kCaption, std::move(steps));
        return RunDialog(ModuleInstance, nullptr, IDD_CALIBRATE_CHOICE, ColorChoiceProc, &record);
    }
    DialogStep NoteWhetherOpen()
    {
        return [this](DialogDriver& dialog) { openAfterDone = ::IsWindowVisible(dialog.Window()) != FALSE; };
    }
};

TEST_F(ColorChoiceDialog, DoneWaitsForAPickThenEndsKeepingTheSlot)
{
    bool pickChecked = false;
    const USHORT result = Run({Click(IDC_CALIBRATE_DONE), NoteWhetherOpen(), Click(IDC_PAIR_E),
                               [&](DialogDriver& dialog) { pickChecked = dialog.IsChecked(IDC_PAIR_E); },
                               Click(IDC_CALIBRATE_DONE)});
    EXPECT_TRUE(openAfterDone);
    EXPECT_TRUE(pickChecked);
    EXPECT_EQ(result, IDC_CALIBRATE_DONE);
    EXPECT_NE(window, 0);
    EXPECT_EQ(record.windowSlot, window);
}

TEST_F(ColorChoiceDialog, APickIsRememberedByLaterRuns)
{
    Run({Click(IDC_PAIR_A), Click(IDCANCEL)});
    EXPECT_EQ(Run({Click(IDC_CALIBRATE_DONE)}), IDC_CALIBRATE_DONE);

    // A handler made afresh (the library loaded again) has no pick.
    DialogObjects.Install(SlotColorChoice, nullptr);
    EXPECT_EQ(Run({Click(IDC_CALIBRATE_DONE), NoteWhetherOpen(), Click(IDCANCEL)}), IDCANCEL);
    EXPECT_TRUE(openAfterDone);
}

TEST_F(ColorChoiceDialog, NoCloseBoxAndEscCancels)
{
    LONG style = 0;
    EXPECT_EQ(Run({[&](DialogDriver& dialog) { style = ::GetWindowLongA(dialog.Window(), GWL_STYLE); },
                   PressEscape()}),
              IDCANCEL);
    EXPECT_EQ(style & WS_SYSMENU, 0);
    EXPECT_EQ(record.windowSlot, 0);
}
