// PrintSelfTest: after the user confirms the self-test page, the printer gets its test job,
// chosen by the model's self-test type.
#include "capability/service_type.h"
#include "queue_documents.h"
#include "qzw9svb/services.h"
#include "resources/dialog_ids.h"
#include "service_guard.h"
#include "ui/dialog_table.h"
#include "ui/dialogs/self_test.h"
#include "ui/sibling_strings.h"

namespace {

struct SelfTestVariant {
    SelfTestType type;
    USHORT templateId;
    USHORT titleId;
    USHORT textId;
};

const SelfTestVariant kVariants[] = {
    {SelfTestConfirmOnly, IDD_SELF_TEST, IDS_SELF_TEST_TITLE, IDS_SELF_TEST_TEXT},
    {SelfTestStoredJob, IDD_SELF_TEST_CARTRIDGE, IDS_SELF_TEST_INK_TITLE, IDS_SELF_TEST_INK_TEXT},
    {SelfTestBuiltPage, IDD_SELF_TEST_CARTRIDGE, IDS_SELF_TEST_INK_TITLE, IDS_SELF_TEST_INK_TEXT},
};

// 1 when the type's page went out; the confirmed-only page has nothing to send.
int SendTestPage(const char* queue, SelfTestType type)
{
    const WorkflowSteps steps = StepsOf(MaintenanceService::SelfTest, type);
    QueueDocuments documents(queue);
    return steps.count != 0 && SendStep(steps.steps[0], documents, nullptr) ? 1 : 0;
}

} // namespace

extern "C" int QZ_CALL PrintSelfTest(char* queue, char* /*unused1*/, int /*unused2*/, HWND parent)
{
    return RunAdmitted(queue, nullptr, [&] {
        SelfTestType type = ReadServiceType(queue).selfTest;
        for (const SelfTestVariant& variant : kVariants) {
            if (variant.type != type)
                continue;
            InstallSelfTestDialog(variant.titleId, variant.textId);
            DialogInitRecord record = {};
            if (ShowDialog(parent, variant.templateId, &record) != IDOK)
                return 0;
            return SendTestPage(queue, type);
        }
        return 0;
    });
}
