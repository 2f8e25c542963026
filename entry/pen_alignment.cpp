// The alignment workflows and AlignPenService, which picks one by the model's alignment type.
#include "pen_alignment.h"

#include "capability/service_type.h"
#include "queue_documents.h"
#include "qzw9svb/cs_string.h"
#include "qzw9svb/services.h"
#include "resources/dialog_ids.h"
#include "ui/dialog_table.h"

namespace {

// The values of the result job, in command order.
AlignmentJobValues JobValuesOf(const AlignmentChoices& choices)
{
    return {{choices.groupA, choices.groupC, choices.averageAC, choices.groupB, choices.groupD, choices.averageBD,
             choices.groupE, choices.spare0, choices.spare1, choices.spare2}};
}

} // namespace

CPenAlignment::CPenAlignment(const char* queue, HWND parent, AlignmentType type)
    : choices(), queueName(), parentWindow(parent), steps(StepsOf(MaintenanceService::Alignment, type))
{
    CSStrcpy(queueName, queue ? queue : ""); // the callers have checked that the name fits
}

bool CPenAlignment::Send(size_t step)
{
    if (step >= steps.count)
        return false;
    QueueDocuments queue(queueName);
    const AlignmentJobValues values = JobValuesOf(choices);
    return SendStep(steps.steps[step], queue, &values);
}

bool CPenAlignment::StartAndPrintPage(USHORT startDialog)
{
    return ShowDialog(parentWindow, startDialog, &choices) == IDC_ALIGN && Send(kAlignmentPageStep);
}

int CPenAlignment::AlignWithPatternPages()
{
    if (!StartAndPrintPage(IDD_ALIGN_START))
        return 0;
    if (ShowDialog(parentWindow, IDD_ALIGN_GROUPS, &choices) != IDC_CONTINUE)
        return 0;
    if (!Send(kAlignmentSettingsStep))
        return 0;
    ShowDialog(parentWindow, IDD_ALIGN_RESULT, &choices);
    return 1;
}

int CPenAlignment::AlignAutomatically()
{
    if (!StartAndPrintPage(IDD_ALIGN_START_AUTO))
        return 0;
    ShowDialog(parentWindow, IDD_ALIGN_RESULT_AUTO, &choices);
    return 1;
}

// The text (the menu passes the queue's port name) and the number are taken for the callers'
// sake; no alignment step needs them.
extern "C" int QZ_CALL AlignPenService(char* queue, char* text, int /*unused*/, HWND parent)
{
    return RunAdmitted(queue, text, [&] {
        ServiceType type = ReadServiceType(queue);
        CPenAlignment alignment(queue, parent, type.alignment);
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
