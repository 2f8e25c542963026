// The alignment workflows and AlignPenService, which picks one by the model's alignment type.
#include "pen_alignment.h"

#include "alignment_job.h"
#include "capability/service_type.h"
#include "job_output.h"
#include "qzw9svb/cs_string.h"
#include "qzw9svb/services.h"
#include "resources/dialog_ids.h"
#include "resources/resource_ids.h"
#include "ui/dialog_table.h"

int BuildAlignmentJob(unsigned char* destination, ULONG capacity, const AlignmentChoices& choices)
{
    AlignmentJobValues job = {{choices.groupA, choices.groupC, choices.averageAC, choices.groupB, choices.groupD,
                               choices.averageBD, choices.groupE, choices.spare0, choices.spare1, choices.spare2}};
    return BuildAlignmentCommands(destination, capacity, job);
}

CPenAlignment::CPenAlignment(const char* queue, HWND parent) : choices(), queueName(), parentWindow(parent)
{
    CSStrcpy(queueName, queue ? queue : ""); // the callers have checked that the name fits
}

int CPenAlignment::AlignWithPatternPages()
{
    if (ShowDialog(parentWindow, IDD_ALIGN_START, &choices) != IDC_ALIGN)
        return 0;
    if (!SendStoredJob(queueName, JOB_ALIGN_PATTERN_A))
        return 0;
    if (ShowDialog(parentWindow, IDD_ALIGN_GROUPS, &choices) != IDC_CONTINUE)
        return 0;
    unsigned char job[kAlignmentJobSize] = {};
    if (BuildAlignmentJob(job, sizeof(job), choices))
        SendJobBuffer(queueName, job, sizeof(job)); // a lost result job does not stop the workflow
    if (!SendStoredJob(queueName, JOB_ALIGN_PATTERN_B))
        return 0;
    ShowDialog(parentWindow, IDD_ALIGN_RESULT, &choices);
    return 1;
}

int CPenAlignment::AlignAutomatically()
{
    if (ShowDialog(parentWindow, IDD_ALIGN_START_AUTO, &choices) != IDC_ALIGN)
        return 0;
    if (!SendStoredJob(queueName, JOB_ALIGNMENT))
        return 0;
    ShowDialog(parentWindow, IDD_ALIGN_RESULT_AUTO, &choices);
    return 1;
}

// The text (the menu passes the queue's port name) and the number are taken for the callers'
// sake; no alignment step needs them.
extern "C" int QZ_CALL AlignPenService(char* queue, char* text, int /*unused*/, HWND parent)
{
    return RunAdmitted(queue, text, [&] {
        CPenAlignment alignment(queue, parent);
        ServiceType type = ReadServiceType(queue);
        int result = type.fromQueue ? 1 : 0;
        if (AlignsWithPatternPages(type.alignment))
            alignment.AlignWithPatternPages();
        else if (type.alignment == AlignmentAutomatic)
            alignment.AlignAutomatically();
        else
            result = 0;
        return result;
    });
}
