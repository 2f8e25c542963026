// DialogTest and the failure sink of dialog scripts.
#include "ui_test_support.h"

#include "harness/display_probe.h"
#include "ui/dialog_object_table.h"

ScriptFailure FailTest()
{
    return [](const std::string& problem) { ADD_FAILURE() << problem; };
}

void DialogTest::SetUp()
{
    if (!DisplayAvailable())
        GTEST_SKIP() << kNoDisplay;
    ASSERT_TRUE(resources.Loaded()) << "the built library was not found next to the test program";
    EmptyDialogObjects();
}

void DialogTest::TearDown()
{
    EmptyDialogObjects();
}

void DialogTest::EmptyDialogObjects()
{
    for (int slot = 0; slot < CDialogObjectTable::kSlotCount; ++slot)
        DialogObjects.Install(slot, nullptr);
}
