// Shared ground of the dialog tests: a display (without one they skip), the built library's
// resources, an empty dialog object table for every test, and dialog scripts whose problems
// become test failures.
#pragma once
#include <gtest/gtest.h>

#include "harness/built_modules.h"
#include "harness/dialog_script.h"

// Reports script problems as non-fatal failures of the running test.
ScriptFailure FailTest();

class DialogTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Destroys every handler object, as a fresh load of the library would have none.
    static void EmptyDialogObjects();

    LibraryResources resources;
};
