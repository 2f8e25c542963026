// Which workflow each type value selects, and the documents that workflow sends, in order,
// joined into one stream.
#include "maintenance.h"

#include "capability/service_type_record.h"
#include "entry/lead_in_documents.h"
#include "platform/module_resource.h"
#include "qzw9svb/toolbox_cap.h"
#include "resources/resource_ids.h"

namespace {

const unsigned kLevelJobs[kCleaningLevels] = {JOB_CLEAN_LEVEL1, JOB_CLEAN_LEVEL2, JOB_CLEAN_LEVEL3};

// A stored job of the library (resource type 2830).
class StoredJob : public ModuleResource {
public:
    explicit StoredJob(unsigned id) : ModuleResource(NumberedResourceType(RT_STORED_JOB), id) {}
};

bool Carries(unsigned job)
{
    return StoredJob(job).Bytes() != nullptr;
}

void Append(Stream& stream, const unsigned char* bytes, size_t size)
{
    stream.insert(stream.end(), bytes, bytes + size);
}

void AppendJob(Stream& stream, unsigned job)
{
    const StoredJob stored(job);
    if (stored.Bytes())
        Append(stream, static_cast<const unsigned char*>(stored.Bytes()), stored.Size());
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

bool ModelMaintenance::HasCleaningLevels() const
{
    return m_type.cleaning != CleaningLeadIn;
}

bool ModelMaintenance::Offers(Command command) const
{
    switch (command) {
    case Command::Clean:
        if (!HasCleaningLevels())
            return Carries(JOB_CLEAN_LEVEL2);
        return Carries(JOB_CLEAN_LEVEL1) && Carries(JOB_CLEAN_LEVEL2) && Carries(JOB_CLEAN_LEVEL3) &&
               (m_type.cleaning != CleaningCartridge || Carries(JOB_TEST_PAGE));
    case Command::PrintSelfTestPage:
        return m_type.selfTest == SelfTestBuiltPage || (m_type.selfTest == SelfTestStoredJob && Carries(JOB_SELF_TEST));
    case Command::PrintAlignmentPage:
        if (m_type.alignment == AlignmentAutomatic)
            return Carries(JOB_ALIGNMENT);
        return Offers(Command::SetAlignment);
    case Command::SetAlignment:
        // The pattern page and the check page after the settings belong together.
        return AlignsWithPatternPages(m_type.alignment) && Carries(JOB_ALIGN_PATTERN_A) && Carries(JOB_ALIGN_PATTERN_B);
    }
    return false;
}

Stream ModelMaintenance::Clean(int level) const
{
    Stream stream;
    if (!Offers(Command::Clean) || level < 1 || level > kCleaningLevels)
        return stream;
    if (!HasCleaningLevels()) {
        // One cleaning whatever the level: level 2's job behind the lead-in, as one document.
        const StoredJob job(JOB_CLEAN_LEVEL2);
        stream.resize(kLeadInSize + job.Size());
        BuildLeadInDocument(stream.data(), job.Bytes(), job.Size());
        return stream;
    }
    AppendJob(stream, kLevelJobs[level - 1]);
    if (m_type.cleaning == CleaningCartridge)
        AppendJob(stream, JOB_TEST_PAGE);
    return stream;
}

Stream ModelMaintenance::SelfTest() const
{
    Stream stream;
    if (!Offers(Command::PrintSelfTestPage))
        return stream;
    if (m_type.selfTest == SelfTestStoredJob) {
        AppendJob(stream, JOB_SELF_TEST);
    } else {
        unsigned char document[kSelfTestDocumentSize];
        BuildSelfTestDocument(document);
        Append(stream, document, sizeof(document));
    }
    return stream;
}

Stream ModelMaintenance::AlignmentPage() const
{
    Stream stream;
    if (Offers(Command::PrintAlignmentPage))
        AppendJob(stream, m_type.alignment == AlignmentAutomatic ? JOB_ALIGNMENT : JOB_ALIGN_PATTERN_A);
    return stream;
}

Stream ModelMaintenance::SetAlignment(const AlignmentPatterns& patterns) const
{
    Stream stream;
    if (!Offers(Command::SetAlignment))
        return stream;
    // As after the choice dialog: the settings as a job of fixed size, then the check page.
    unsigned char job[kAlignmentJobSize] = {};
    if (BuildAlignmentCommands(job, sizeof(job), AlignmentValuesOf(patterns)))
        Append(stream, job, sizeof(job));
    AppendJob(stream, JOB_ALIGN_PATTERN_B);
    return stream;
}
