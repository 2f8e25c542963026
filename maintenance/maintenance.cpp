// Each request is a step of the model's workflow from the printer layer's table; its
// documents are joined into one stream.
#include "maintenance.h"

#include "capability/service_type_record.h"
#include "platform/module_resource.h"
#include "printer/lead_in_documents.h"
#include "printer/workflow_documents.h"
#include "qzw9svb/toolbox_cap.h"
#include "resources/resource_ids.h"

namespace {

// A stored job of the library (resource type 2830).
class StoredJob : public ModuleResource {
public:
    explicit StoredJob(unsigned id) : ModuleResource(NumberedResourceType(RT_STORED_JOB), id) {}
};

bool Carries(unsigned job)
{
    return StoredJob(job).Bytes() != nullptr;
}

// The documents of a step, one after the other.
class JoinedDocuments final : public DocumentSink {
public:
    bool SendStored(unsigned jobId) override
    {
        const StoredJob job(jobId);
        return job.Bytes() && SendBuilt(static_cast<const unsigned char*>(job.Bytes()), job.Size());
    }

    bool SendStoredAfterLeadIn(unsigned jobId) override
    {
        const StoredJob job(jobId);
        if (!job.Bytes())
            return false;
        const size_t at = stream.size();
        stream.resize(at + kLeadInSize + job.Size());
        BuildLeadInDocument(stream.data() + at, job.Bytes(), job.Size());
        return true;
    }

    bool SendBuilt(const unsigned char* bytes, size_t size) override
    {
        stream.insert(stream.end(), bytes, bytes + size);
        return true;
    }

    Stream stream;
};

MaintenanceService ServiceOf(Command command)
{
    switch (command) {
    case Command::Clean: return MaintenanceService::Cleaning;
    case Command::PrintSelfTestPage: return MaintenanceService::SelfTest;
    case Command::PrintAlignmentPage:
    case Command::SetAlignment: return MaintenanceService::Alignment;
    }
    return MaintenanceService::Cleaning;
}

// The step a command sends, of the steps the model's workflow has.
size_t StepOf(Command command)
{
    return command == Command::SetAlignment ? kAlignmentSettingsStep : 0;
}

} // namespace

const char* CommandWord(Command command)
{
    switch (command) {
    case Command::Clean: return "Clean";
    case Command::PrintSelfTestPage: return "PrintSelfTestPage";
    case Command::PrintAlignmentPage: return "PrintAlignmentPage";
    case Command::SetAlignment: return "SetAlignment";
    }
    return "";
}

const std::vector<Command>& AllCommands()
{
    static const std::vector<Command> commands = {Command::Clean, Command::PrintSelfTestPage,
                                                  Command::PrintAlignmentPage, Command::SetAlignment};
    return commands;
}

bool ModelMaintenance::ForModel(const char* realname, ModelMaintenance* model)
{
    CToolboxCap* store = CToolboxCap::Instance();
    unsigned char record[kServiceTypeRecordSize] = {};
    ULONG size = sizeof(record);
    if (!store || store->GetDataSize(realname, CapRecordServiceType) != sizeof(record) ||
        !store->GetData(realname, CapRecordServiceType, record, &size))
        return false;
    *model = ModelMaintenance(DecodeServiceType(record));
    return true;
}

WorkflowSteps ModelMaintenance::StepsFor(Command command) const
{
    switch (ServiceOf(command)) {
    case MaintenanceService::Cleaning: return StepsOf(MaintenanceService::Cleaning, m_type.cleaning);
    case MaintenanceService::SelfTest: return StepsOf(MaintenanceService::SelfTest, m_type.selfTest);
    case MaintenanceService::Alignment: return StepsOf(MaintenanceService::Alignment, m_type.alignment);
    }
    return {nullptr, 0};
}

bool ModelMaintenance::HasCleaningLevels() const
{
    return StepsFor(Command::Clean).count > 1;
}

// A command is offered when its step exists and the library carries every stored job of the
// whole workflow: an alignment page is no use without the check page that follows the settings.
bool ModelMaintenance::Offers(Command command) const
{
    const WorkflowSteps steps = StepsFor(command);
    if (StepOf(command) >= steps.count)
        return false;
    for (size_t step = 0; step < steps.count; ++step)
        for (size_t i = 0; i < steps.steps[step].count; ++i) {
            const WorkflowDocument& document = steps.steps[step].documents[i];
            const bool stored = document.kind == DocumentKind::StoredJob ||
                                document.kind == DocumentKind::StoredJobAfterLeadIn;
            if (stored && !Carries(document.jobId))
                return false;
        }
    return true;
}

// The whole step goes out, or nothing does.
Stream ModelMaintenance::StreamOf(Command command, size_t step, const AlignmentJobValues* settings) const
{
    if (!Offers(command))
        return {};
    JoinedDocuments documents;
    return SendStep(StepsFor(command).steps[step], documents, settings) ? documents.stream : Stream();
}

// A cleaning without levels cleans once, whatever the level.
Stream ModelMaintenance::Clean(int level) const
{
    if (level < 1 || level > kCleaningLevels)
        return {};
    return StreamOf(Command::Clean, HasCleaningLevels() ? static_cast<size_t>(level - 1) : 0, nullptr);
}

Stream ModelMaintenance::SelfTest() const
{
    return StreamOf(Command::PrintSelfTestPage, 0, nullptr);
}

Stream ModelMaintenance::AlignmentPage() const
{
    return StreamOf(Command::PrintAlignmentPage, kAlignmentPageStep, nullptr);
}

Stream ModelMaintenance::SetAlignment(const AlignmentPatterns& patterns) const
{
    const AlignmentJobValues settings = AlignmentValuesOf(patterns);
    return StreamOf(Command::SetAlignment, kAlignmentSettingsStep, &settings);
}
