// The alignment workflows and AlignPenService, which picks one by the model's alignment type.
#include "pen_alignment.h"

#include "alignment_job.h"
#include "capability/model_record.h"
#include "capability/service_type.h"
#include "job_output.h"
#include "platform/module_instance.h"
#include "qzw9svb/cs_memutil.h"
#include "qzw9svb/cs_string.h"
#include "qzw9svb/services.h"
#include "qzw9svb/toolbox_cap.h"
#include "resources/dialog_ids.h"
#include "resources/resource_ids.h"
#include "ui/dialog_procedures.h"
#include "ui/dialog_runner.h"

namespace {

constexpr ULONG kResultJobSize = 2048; // the commands, then zeros to the end

} // namespace

int BuildAlignmentJob(unsigned char* destination, ULONG capacity, const AlignmentChoices& choices)
{
    AlignmentJobValues job = {{choices.groupA, choices.groupC, choices.averageAC, choices.groupB, choices.groupD,
                               choices.averageBD, choices.groupE, choices.spare0, choices.spare1, choices.spare2}};
    return BuildAlignmentCommands(destination, capacity, job);
}

CPenAlignment::CPenAlignment(const char* queue, const char* secondText, int /*value*/, HWND parent, HINSTANCE /*module*/)
    : choices(), queueName(), text(), parentWindow(parent)
{
    // The callers have checked that both texts fit their fields.
    CSStrcpy(queueName, queue ? queue : "");
    CSStrcpy(text, secondText ? secondText : "");
}

CPenAlignment::~CPenAlignment() = default;

USHORT CPenAlignment::Show(USHORT templateId, DLGPROC procedure)
{
    return RunDialog(ModuleInstance, parentWindow, templateId, procedure, &choices);
}

int CPenAlignment::AlignWithPatternPages()
{
    if (Show(IDD_ALIGN_START, AlignStartProc) != IDC_ALIGN)
        return 0;
    if (!SendStoredJob(queueName, JOB_ALIGN_PATTERN_A))
        return 0;
    if (Show(IDD_ALIGN_GROUPS, GroupAlignProc) != IDC_CONTINUE)
        return 0;
    unsigned char job[kResultJobSize] = {};
    if (BuildAlignmentJob(job, sizeof(job), choices))
        SendJobBuffer(queueName, job, sizeof(job)); // a lost result job does not stop the workflow
    if (!SendStoredJob(queueName, JOB_ALIGN_PATTERN_B))
        return 0;
    Show(IDD_ALIGN_RESULT, AlignResultProc);
    return 1;
}

int CPenAlignment::AlignAutomatically()
{
    if (Show(IDD_ALIGN_START_AUTO, AlignStartProc) != IDC_ALIGN)
        return 0;
    if (!SendStoredJob(queueName, JOB_ALIGNMENT))
        return 0;
    Show(IDD_ALIGN_RESULT_AUTO, AlignResultProc);
    return 1;
}

extern "C" int QZ_CALL AlignPenService(char* queue, char* text, int value, HWND parent)
{
    ServiceBusyScope busy;
    if (!busy.Acquired() || !AcceptsQueueAndText(queue, text))
        return 0;
    CPenAlignment alignment(queue, text, value, parent, ModuleInstance);
    ServiceType type = ReadServiceType(queue);
    int result = type.fromQueue ? 1 : 0;
    switch (type.alignment) {
    case AlignmentPatternsFamily1:
    case AlignmentPatternsFamily3:
    case AlignmentPatternsFamily4:
        alignment.AlignWithPatternPages();
        break;
    case AlignmentAutomatic:
        alignment.AlignAutomatically();
        break;
    default:
        result = 0;
        break;
    }
    return result;
}
