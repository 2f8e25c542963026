// Shared ground of the end-to-end tests: the services of the test variant of the library,
// driven through its exports with dialog scripts, printing to queues that keep every document.
#pragma once
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/environment.h"
#include "document_queue.h"
#include "harness/dialog_script.h"
#include "harness/display_probe.h"
#include "qzw9svb.h"
#include "resource_ids.h"
#include "dialog_ids.h"

// Driver names of the models in the test variant's store.
constexpr char kShippedModel[] = "QZ Kestrel 410 Printer"; // types 0, 7, 10
constexpr char kModelAlign1[] = "QZ Test Align1";          // types 1, 0, 8; calibration; pictures
constexpr char kModelAlign2[] = "QZ Test Align2";          // types 2, 6, 9
constexpr char kModelAlign3[] = "QZ Test Align3";          // types 3, 7, 10
constexpr char kModelAlign4[] = "QZ Test Align4";          // types 4, 0, 0
constexpr char kModelUnknown[] = "QZ Test Unsupported";    // types 5, 1, 11

// Every end-to-end test runs the services' dialogs, so each suite is this fixture under its
// own name: without a display a test skips.
class ServiceTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!DisplayAvailable())
            GTEST_SKIP() << kNoDisplay;
    }
};

// Reports script problems as failures of the running test.
ScriptFailure FailTest();

// A step that checks the dialog holds the item, so a script knows which template opened.
DialogStep HasItem(int id);
// A step that checks an item's text.
DialogStep TextIs(int id, const std::string& text);

// The bytes of a job the test variant carries.
Document CarriedJob(unsigned id);

// The name of a queue that does not exist.
extern char kMissingQueue[];
