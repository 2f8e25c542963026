// The cleaning workflows and CleanPenService, which picks one by the model's cleaning type.
#include "pen_cleaning.h"

#include "capability/service_type.h"
#include "job_output.h"
#include "lead_in_documents.h"
#include "platform/module_resource.h"
#include "qzw9svb/cs_string.h"
#include "qzw9svb/services.h"
#include "resources/dialog_ids.h"
#include "resources/resource_ids.h"
#include "ui/dialog_table.h"

namespace {

// Sends stored job 130 behind the lead-in, as one document.
void SendLevel2WithLeadIn(const char* queue)
{
    ModuleResource job(NumberedResourceType(RT_STORED_JOB), JOB_CLEAN_LEVEL2);
    if (!job.Bytes())
        return;
    DWORD total = static_cast<DWORD>(kLeadInSize) + job.Size();
    auto* document = static_cast<unsigned char*>(::HeapAlloc(::GetProcessHeap(), 0, total));
    if (!document)
        return;
    BuildLeadInDocument(document, job.Bytes(), job.Size());
    SendJobBuffer(queue, document, total);
    ::HeapFree(::GetProcessHeap(), 0, document);
}

} // namespace

CPenCleaning::CPenCleaning(const char* queue, HWND parent) : dialog(), queueName(), parentWindow(parent)
{
    CSStrcpy(queueName, queue ? queue : ""); // the callers have checked that the name fits
}

int CPenCleaning::SendCleaningLevel(int level)
{
    unsigned job;
    switch (level) {
    case kCleaningLevel1: job = JOB_CLEAN_LEVEL1; break;
    case kCleaningLevel2: job = JOB_CLEAN_LEVEL2; break;
    case kCleaningLevel3: job = JOB_CLEAN_LEVEL3; break;
    default: return 0;
    }
    SendStoredJob(queueName, job); // a level whose job failed still offers the next one
    return 1;
}

void CPenCleaning::Escalate(const Dialogs& dialogs, bool withTestPage)
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
        if (withTestPage)
            SendStoredJob(queueName, JOB_TEST_PAGE);
    }
    ShowDialog(parentWindow, dialogs.end, &dialog);
}

int CPenCleaning::CleanStandard()
{
    Escalate({IDD_CLEAN_START, IDD_CLEAN_LEVEL1, IDD_CLEAN_LEVEL2, IDD_CLEAN_END}, false);
    return 1;
}

int CPenCleaning::CleanCartridge()
{
    Escalate({IDD_CLEAN_START_CARTRIDGE, IDD_CLEAN_LEVEL1_CARTRIDGE, IDD_CLEAN_LEVEL2_CARTRIDGE, IDD_CLEAN_END_CARTRIDGE},
             true);
    return 1;
}

int CPenCleaning::CleanWithLeadIn()
{
    if (ShowDialog(parentWindow, IDD_CLEAN_START, &dialog) != IDC_CLEAN)
        return 0;
    SendLevel2WithLeadIn(queueName);
    ShowDialog(parentWindow, IDD_CLEAN_END, &dialog);
    return 0;
}

// The text (the menu passes the queue's port name) and the number are taken for the callers'
// sake; no cleaning step needs them.
extern "C" int QZ_CALL CleanPenService(char* queue, char* text, int /*unused*/, HWND parent)
{
    return RunAdmitted(queue, text, [&] {
        CPenCleaning cleaning(queue, parent);
        switch (ReadServiceType(queue).cleaning) {
        case CleaningCartridge:
            return cleaning.CleanCartridge();
        case CleaningLeadIn:
            return cleaning.CleanWithLeadIn();
        default:
            return cleaning.CleanStandard();
        }
    });
}
