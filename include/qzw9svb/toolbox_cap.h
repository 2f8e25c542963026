// The capability store: per-model names and numbered data records carried in the library's
// resources, reached through the CToolboxCap singleton and the exported queries below.
#pragma once
#include "cs_abi.h"
#include "cis_string_list.h"

// Record numbers of a model's data records (type-555 resource id = model base id + number).
enum CapabilityRecord {
    CapRecordDirectory = 21,
    CapRecordEventTable = 22,
    CapRecordServiceType = 23,
    CapRecordHardwarePictures = 25
};

#ifdef __cplusplus
// One element of an event-data exchange with hosts; the library only copies it.
struct QZ_EXPORT _EventDataInfo {
    ULONG value;
    USHORT code;
    _EventDataInfo& operator=(const _EventDataInfo& other);
};

class QZ_EXPORT CToolboxCap {
public:
    static CToolboxCap* Instance();
    static void ExitInstance();

    CToolboxCap();
    CToolboxCap(const CToolboxCap&) = delete;
    CToolboxCap& operator=(const CToolboxCap&) = delete;
    ~CToolboxCap();

    int Init();
    int GetAllSupportedRealnames(CISStringList* list);
    int GetPrinterBaseID(const char* realname);
    int GetRealnameFromModel(char* realname, const char* model);
    ULONG GetDataSize(const char* realname, unsigned int record);
    int GetData(const char* realname, unsigned int record, void* buffer, ULONG* size);
    int GetStrData(const char* realname, unsigned int record, void* buffer, ULONG* size);
    ULONG GetMibTypeFromSPC(const char* realname);

protected:
    // Only Instance creates the shared object on the heap.
    static void* operator new(size_t size) noexcept; // null when the heap refuses
    static void operator delete(void* object);

private:
    static CToolboxCap* _instance;

    LONG m_baseIds[255]; // entry k: base id of realname k + 1
    CISStringList m_realnames;
    CISStringList m_modelNames; // position k belongs with realname k
    LONG m_initialised;
    LONG m_count;
};

#endif

#ifdef __cplusplus
extern "C" {
#endif
// Each query answers 0 when the shared instance cannot be created.
QZ_EXPORT int QZ_CALL GetAllSupportedRealnames(CISStringList* list);
QZ_EXPORT ULONG QZ_CALL GetDataSize(char* realname, unsigned int record);
QZ_EXPORT int QZ_CALL GetDataFromSPC(char* realname, unsigned int record, void* buffer, ULONG* size);
QZ_EXPORT int QZ_CALL GetStrDataFromSPC(char* realname, unsigned int record, void* buffer, ULONG* size);
QZ_EXPORT int QZ_CALL LoadEventTableFromSPC(char* realname, void* buffer, ULONG* size);
QZ_EXPORT ULONG QZ_CALL GetMibTypeFromSPC(char* realname);
QZ_EXPORT int QZ_CALL GetRealnameFromModel(char* realname, char* model);
#ifdef __cplusplus
}
#endif
