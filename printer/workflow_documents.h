// What each maintenance workflow sends, step by step: the one account of it, read by the
// library's dialog workflows and by the drivers that serve the same requests without dialogs.
// A step is what goes out after one answer of the user; each of its documents is one spooler
// document in the library (a driver without dialogs joins them into one stream).
#pragma once
#include <stddef.h>

#include "alignment_job.h"
#include "workflow_types.h"

enum class MaintenanceService { Cleaning, SelfTest, Alignment };

enum class DocumentKind {
    StoredJob,             // a stored job, as stored
    StoredJobAfterLeadIn,  // a stored job behind the lead-in, as one document
    SelfTestPage,          // the self-test document built at run time
    AlignmentSettings,     // the alignment result job built from the user's choices
};

struct WorkflowDocument {
    DocumentKind kind;
    unsigned jobId;  // of the stored jobs; 0 for the built documents
    bool required;   // the workflow ends when this document could not be sent
};

struct WorkflowStep {
    const WorkflowDocument* documents;
    size_t count;
};

// The steps of a service's workflow for the model's type value, in the order the user reaches
// them (the cleaning levels, the alignment page and then its settings); count 0 when the type
// offers the service nothing to send.
struct WorkflowSteps {
    const WorkflowStep* steps;
    size_t count;
};
WorkflowSteps StepsOf(MaintenanceService service, LONG type);

// The alignment workflows' steps by name: the page first, the settings after the user's choices.
constexpr size_t kAlignmentPageStep = 0;
constexpr size_t kAlignmentSettingsStep = 1;

// Where a workflow's documents go: the library's spooler, or a driver's stream.
class DocumentSink {
public:
    // Each answers whether the document went out whole; a stored job that is not carried is not.
    virtual bool SendStored(unsigned jobId) = 0;
    virtual bool SendStoredAfterLeadIn(unsigned jobId) = 0;
    virtual bool SendBuilt(const unsigned char* bytes, size_t size) = 0;

protected:
    ~DocumentSink() = default;
};

// Sends the step's documents in order; the alignment settings are built from settings (null:
// they cannot be built, and are not sent). True when every document went out or was not
// required; false when a required one failed, or the step has nothing to send.
bool SendStep(const WorkflowStep& step, DocumentSink& sink, const AlignmentJobValues* settings);
