// Helpers of the end-to-end tests.
#include "service_test.h"

#include <windows.h>
#include "common/stored_job.h"

char kMissingQueue[] = "QZ No Such Queue";

ScriptFailure FailTest()
{
    return [](const std::string& problem) { ADD_FAILURE() << problem; };
}

DialogStep HasItem(int id)
{
    return [id](DialogDriver& dialog) {
        EXPECT_NE(dialog.Item(id), nullptr) << "dialog '" << dialog.Caption() << "' has no item " << id;
    };
}

DialogStep TextIs(int id, const std::string& text)
{
    return [id, text](DialogDriver& dialog) { EXPECT_EQ(dialog.Text(id), text) << "item " << id; };
}

Document CarriedJob(unsigned id)
{
    return StoredJobBytes(GetModuleHandleA("QZW9SVB.dll"), id);
}
