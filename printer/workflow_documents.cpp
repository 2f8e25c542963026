// The table of what each workflow sends, and the one way its documents are made and sent.
#include "workflow_documents.h"

#include "lead_in_documents.h"
#include "resources/resource_ids.h"

namespace {

// Every type value of a service not named in the table.
constexpr LONG kAnyOtherType = -1;

constexpr WorkflowDocument Stored(unsigned jobId, bool required = false)
{
    return {DocumentKind::StoredJob, jobId, required};
}

const WorkflowDocument kLevel1[] = {Stored(JOB_CLEAN_LEVEL1)};
const WorkflowDocument kLevel2[] = {Stored(JOB_CLEAN_LEVEL2)};
const WorkflowDocument kLevel3[] = {Stored(JOB_CLEAN_LEVEL3)};
// The cartridge cleaning prints the test page after every level.
const WorkflowDocument kCartridgeLevel1[] = {Stored(JOB_CLEAN_LEVEL1), Stored(JOB_TEST_PAGE)};
const WorkflowDocument kCartridgeLevel2[] = {Stored(JOB_CLEAN_LEVEL2), Stored(JOB_TEST_PAGE)};
const WorkflowDocument kCartridgeLevel3[] = {Stored(JOB_CLEAN_LEVEL3), Stored(JOB_TEST_PAGE)};
const WorkflowDocument kLeadInCleaning[] = {{DocumentKind::StoredJobAfterLeadIn, JOB_CLEAN_LEVEL2, false}};

const WorkflowDocument kStoredSelfTest[] = {Stored(JOB_SELF_TEST, true)};
const WorkflowDocument kBuiltSelfTest[] = {{DocumentKind::SelfTestPage, 0, true}};

const WorkflowDocument kPatternPage[] = {Stored(JOB_ALIGN_PATTERN_A, true)};
// A result job that cannot be built or sent is passed over; the check page is not.
const WorkflowDocument kPatternSettings[] = {{DocumentKind::AlignmentSettings, 0, false},
                                             Stored(JOB_ALIGN_PATTERN_B, true)};
const WorkflowDocument kAutomaticAlignment[] = {Stored(JOB_ALIGNMENT, true)};

template <size_t N> constexpr WorkflowStep Step(const WorkflowDocument (&documents)[N])
{
    return {documents, N};
}

const WorkflowStep kStandardCleaning[] = {Step(kLevel1), Step(kLevel2), Step(kLevel3)};
const WorkflowStep kCartridgeCleaning[] = {Step(kCartridgeLevel1), Step(kCartridgeLevel2), Step(kCartridgeLevel3)};
const WorkflowStep kLeadInCleaningSteps[] = {Step(kLeadInCleaning)};
const WorkflowStep kStoredSelfTestSteps[] = {Step(kStoredSelfTest)};
const WorkflowStep kBuiltSelfTestSteps[] = {Step(kBuiltSelfTest)};
const WorkflowStep kPatternAlignment[] = {Step(kPatternPage), Step(kPatternSettings)};
const WorkflowStep kAutomaticAlignmentSteps[] = {Step(kAutomaticAlignment)};

template <size_t N> constexpr WorkflowSteps Steps(const WorkflowStep (&steps)[N])
{
    return {steps, N};
}

const struct {
    MaintenanceService service;
    LONG type;
    WorkflowSteps steps;
} kWorkflows[] = {
    {MaintenanceService::Cleaning, CleaningCartridge, Steps(kCartridgeCleaning)},
    {MaintenanceService::Cleaning, CleaningLeadIn, Steps(kLeadInCleaningSteps)},
    {MaintenanceService::Cleaning, kAnyOtherType, Steps(kStandardCleaning)},
    {MaintenanceService::SelfTest, SelfTestConfirmOnly, {nullptr, 0}},
    {MaintenanceService::SelfTest, SelfTestStoredJob, Steps(kStoredSelfTestSteps)},
    {MaintenanceService::SelfTest, SelfTestBuiltPage, Steps(kBuiltSelfTestSteps)},
    {MaintenanceService::Alignment, AlignmentPatternsFamily1, Steps(kPatternAlignment)},
    {MaintenanceService::Alignment, AlignmentAutomatic, Steps(kAutomaticAlignmentSteps)},
    {MaintenanceService::Alignment, AlignmentPatternsFamily3, Steps(kPatternAlignment)},
    {MaintenanceService::Alignment, AlignmentPatternsFamily4, Steps(kPatternAlignment)},
};

bool SendDocument(const WorkflowDocument& document, DocumentSink& sink, const AlignmentJobValues* settings)
{
    switch (document.kind) {
    case DocumentKind::StoredJob:
        return sink.SendStored(document.jobId);
    case DocumentKind::StoredJobAfterLeadIn:
        return sink.SendStoredAfterLeadIn(document.jobId);
    case DocumentKind::SelfTestPage: {
        unsigned char page[kSelfTestDocumentSize];
        BuildSelfTestDocument(page);
        return sink.SendBuilt(page, sizeof(page));
    }
    case DocumentKind::AlignmentSettings: {
        // The job always goes out at its full size: the commands, then zeros.
        unsigned char job[kAlignmentJobSize] = {};
        return settings && BuildAlignmentCommands(job, sizeof(job), *settings) && sink.SendBuilt(job, sizeof(job));
    }
    }
    return false;
}

} // namespace

WorkflowSteps StepsOf(MaintenanceService service, LONG type)
{
    for (const auto& workflow : kWorkflows)
        if (workflow.service == service && workflow.type == type)
            return workflow.steps;
    for (const auto& workflow : kWorkflows)
        if (workflow.service == service && workflow.type == kAnyOtherType)
            return workflow.steps;
    return {nullptr, 0};
}

bool SendStep(const WorkflowStep& step, DocumentSink& sink, const AlignmentJobValues* settings)
{
    for (size_t i = 0; i < step.count; ++i)
        if (!SendDocument(step.documents[i], sink, settings) && step.documents[i].required)
            return false;
    return step.count != 0;
}
