// The cleaning workflows and CleanPenService, which picks one by the model's cleaning type.
#include "pen_cleaning.h"

#include "capability/service_type.h"
#include "queue_documents.h"
#include "qzw9svb/cs_string.h"
#include "qzw9svb/services.h"
#include "resources/dialog_ids.h"
#include "ui/dialog_table.h"

namespace {

const int kLevels[] = {kCleaningLevel1, kCleaningLevel2, kCleaningLevel3};

} // namespace

CPenCleaning::CPenCleaning(const char* queue, HWND parent, CleaningType type)
    : dialog(), queueName(), parentWindow(parent), steps(StepsOf(MaintenanceService::Cleaning, type))
{
    CSStrcpy(queueName, queue ? queue : ""); // the callers have checked that the name fits
}

int CPenCleaning::SendCleaningLevel(int level)
{
    for (size_t step = 0; step < steps.count && step < sizeof(kLevels) / sizeof(kLevels[0]); ++step) {
        if (kLevels[step] != level)
            continue;
        QueueDocuments queue(queueName);
        SendStep(steps.steps[step], queue, nullptr); // a level whose job failed still offers the next one
        return 1;
    }
    return 0;
}

void CPenCleaning::Escalate(const Dialogs& dialogs)
{
    const struct {
        USHORT templateId;
        USHORT goOn;
        int level;
    } steps[] = {
        {dialogs.start, IDC_CLEAN, kCleaningLevel1},
        {dialogs.level1, IDC_CLEAN_LEVEL2, kCleaningLevel2},
        {dialogs.level2, IDC_CLEAN_LEVEL3, kCleaningLevel3},
    };
    for (const auto& step : steps) {
        if (ShowDialog(parentWindow, step.templateId, &dialog) != step.goOn)
            return; // the user stopped the escalation: no closing page
        SendCleaningLevel(step.level);
    }
    ShowDialog(parentWindow, dialogs.end, &dialog);
}

int CPenCleaning::CleanStandard()
{
    Escalate({IDD_CLEAN_START, IDD_CLEAN_LEVEL1, IDD_CLEAN_LEVEL2, IDD_CLEAN_END});
    return 1;
}

int CPenCleaning::CleanCartridge()
{
    Escalate({IDD_CLEAN_START_CARTRIDGE, IDD_CLEAN_LEVEL1_CARTRIDGE, IDD_CLEAN_LEVEL2_CARTRIDGE, IDD_CLEAN_END_CARTRIDGE});
    return 1;
}

// One cleaning, the level-1 step of its workflow; a job that cannot be sent still shows the end.
int CPenCleaning::CleanWithLeadIn()
{
    if (ShowDialog(parentWindow, IDD_CLEAN_START, &dialog) != IDC_CLEAN)
        return 0;
    SendCleaningLevel(kCleaningLevel1);
    ShowDialog(parentWindow, IDD_CLEAN_END, &dialog);
    return 0;
}

// The text (the menu passes the queue's port name) and the number are taken for the callers'
// sake; no cleaning step needs them.
extern "C" int QZ_CALL CleanPenService(char* queue, char* text, int /*unused*/, HWND parent)
{
    return RunAdmitted(queue, text, [&] {
        const CleaningType type = ReadServiceType(queue).cleaning;
        CPenCleaning cleaning(queue, parent, type);
        switch (type) {
        case CleaningCartridge:
            return cleaning.CleanCartridge();
        case CleaningLeadIn:
            return cleaning.CleanWithLeadIn();
        default:
            return cleaning.CleanStandard();
        }
    });
}
