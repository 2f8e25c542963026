// CToolboxCap: reads the store's realnames and model names once, then answers queries keyed
// by realname (base id, data records, string records, MIB type, realname of a model).
#include "qzw9svb/toolbox_cap.h"

#include "located_records.h"
#include "os_services.h"
#include "platform/module_resource.h"
#include "realname_index.h"
#include "qzw9svb/cs_memutil.h"
#include "qzw9svb/cs_string.h"
#include "resources/resource_ids.h"
#include "service_type_record.h"

namespace {

// Resource ids are 16 bits: a record number that carries the id past them names no record
// (rather than wrapping around onto another one).
bool NamesRecord(int baseId, unsigned int record, unsigned int* id)
{
    if (record > kLargestResourceId || static_cast<ULONG>(baseId) + record > kLargestResourceId)
        return false;
    *id = static_cast<unsigned int>(baseId) + record;
    return true;
}

// What the queries build at their first use from the store and the instance's name lists, and
// forget when the store is read again. It lives beside the instance rather than in it: the
// class's layout is what hosts compile against.
struct StoreIndex {
    const CToolboxCap* owner = nullptr; // whose name lists the index was built from
    RealnameIndex realnames;
    LocatedRecords records;

    void Forget()
    {
        owner = nullptr;
        realnames.Clear();
        records.Clear();
    }
};

StoreIndex g_index;

// A name the caller hands in: present and readable at least up to its first byte.
bool Readable(const char* name)
{
    return name && cs_os::CanRead(name, 1);
}

} // namespace

CToolboxCap* CToolboxCap::_instance = nullptr;

void* CToolboxCap::operator new(size_t size) noexcept
{
    return cs_os::HeapAllocate(size);
}

void CToolboxCap::operator delete(void* object)
{
    if (object)
        cs_os::HeapRelease(object);
}

CToolboxCap* CToolboxCap::Instance()
{
    if (!_instance)
        _instance = new CToolboxCap; // class allocator: null when the heap refuses
    return _instance;
}

void CToolboxCap::ExitInstance()
{
    delete _instance;
    _instance = nullptr;
}

CToolboxCap::CToolboxCap() : m_baseIds(), m_initialised(0), m_count(0)
{
    m_initialised = Init();
}

CToolboxCap::~CToolboxCap()
{
    // The index points into the name lists, which go next (model names, then realnames).
    if (g_index.owner == this)
        g_index.Forget();
}

int CToolboxCap::Init()
{
    g_index.Forget();
    m_count = 0;
    char realname[CAP_NAME_CAPACITY] = {};
    char model[CAP_NAME_CAPACITY] = {};
    for (unsigned base = CAP_FIRST_BASE_ID; base <= CAP_LAST_BASE_ID; base += CAP_BLOCK_STEP) {
        for (unsigned i = 0; i < CAP_NAMES_PER_BLOCK; ++i) {
            if (LoadModuleString(base + i, realname, CAP_NAME_CAPACITY) <= 0 || realname[0] == '\0')
                break;
            m_realnames.Add(realname);
            m_baseIds[m_count++] = static_cast<LONG>(base);
            if (LoadModuleString(base + i + CAP_MODEL_NAME_OFFSET, model, CAP_NAME_CAPACITY) > 0)
                m_modelNames.Add(model);
        }
    }
    m_initialised = 1;
    return 1;
}

int CToolboxCap::GetAllSupportedRealnames(CISStringList* list)
{
    if (!m_initialised)
        Init();
    if (!list)
        return 0;
    for (LONG i = 1; i <= m_count; ++i)
        list->Add(m_realnames.Find(static_cast<unsigned char>(i)));
    return m_count;
}

int CToolboxCap::GetPrinterBaseID(const char* realname)
{
    if (!m_initialised)
        Init();
    if (!Readable(realname))
        return 0;
    if (g_index.owner != this) {
        g_index.realnames.Build(m_realnames, m_baseIds, m_count);
        g_index.owner = this;
    }
    return g_index.realnames.Find(realname);
}

int CToolboxCap::GetRealnameFromModel(char* realname, const char* model)
{
    if (!m_initialised)
        Init();
    if (!realname || !CSIsValidWritePtr(realname, 1) || !Readable(model))
        return 0;
    for (LONG i = 1; i <= m_count; ++i) {
        // A store whose model names ran short simply has no match past their end.
        const char* candidate = m_modelNames.Find(static_cast<unsigned char>(i));
        if (candidate && CSStrcmpi(model, candidate) == 0) {
            CSStrcpy(realname, m_realnames.Find(static_cast<unsigned char>(i)));
            return 1;
        }
    }
    return 0;
}

ULONG CToolboxCap::GetDataSize(const char* realname, unsigned int record)
{
    unsigned int id;
    if (!NamesRecord(GetPrinterBaseID(realname), record, &id))
        return 0;
    return g_index.records.Locate(id).size;
}

int CToolboxCap::GetData(const char* realname, unsigned int record, void* buffer, ULONG* size)
{
    unsigned int id;
    if (!NamesRecord(GetPrinterBaseID(realname), record, &id))
        return 0;
    const StoreRecord found = g_index.records.Locate(id);
    if (!found.found)
        return 0;
    // The probes themselves rather than their exported wrappers: the checks are most of what a
    // record read costs.
    if (size && cs_os::CanWrite(size, sizeof(*size)))
        *size = found.size; // reported before the buffer is looked at: a null buffer asks the size
    if (!buffer || !cs_os::CanWrite(buffer, found.size) || !found.bytes)
        return 0;
    CSCopyMemory(found.bytes, buffer, found.size);
    return 1;
}

int CToolboxCap::GetStrData(const char* realname, unsigned int record, void* buffer, ULONG* size)
{
    unsigned int id;
    if (size && CSIsValidReadPtr(size, sizeof(*size)) && *size <= 0x7FFFFFFF && CSIsValidWritePtr(buffer, *size) && NamesRecord(GetPrinterBaseID(realname), record, &id))
        LoadModuleString(id, static_cast<char*>(buffer), static_cast<int>(*size));
    return 0;
}

ULONG CToolboxCap::GetMibTypeFromSPC(const char* realname)
{
    ULONG size = GetDataSize(realname, CapRecordServiceType);
    // The word lies at the end of the 80-byte record; a record of another size is not read
    // into the fixed buffer, so a longer one cannot overrun it.
    if (size != kServiceTypeRecordSize)
        return 0;
    unsigned char record[kServiceTypeRecordSize];
    if (!GetData(realname, CapRecordServiceType, record, &size))
        return 0;
    ULONG mib;
    CSCopyMemory(record + kMibTypeOffset, &mib, sizeof(mib));
    return mib;
}

_EventDataInfo& _EventDataInfo::operator=(const _EventDataInfo& other)
{
    value = other.value;
    code = other.code;
    return *this;
}
