// The exported capability queries: each obtains the shared CToolboxCap and forwards to it,
// answering 0 when the instance cannot be created.
#include "qzw9svb/toolbox_cap.h"

extern "C" {

int QZ_CALL GetAllSupportedRealnames(CISStringList* list)
{
    CToolboxCap* cap = CToolboxCap::Instance();
    return cap ? cap->GetAllSupportedRealnames(list) : 0;
}

ULONG QZ_CALL GetDataSize(char* realname, unsigned int record)
{
    CToolboxCap* cap = CToolboxCap::Instance();
    return cap ? cap->GetDataSize(realname, record) : 0;
}

int QZ_CALL GetDataFromSPC(char* realname, unsigned int record, void* buffer, ULONG* size)
{
    CToolboxCap* cap = CToolboxCap::Instance();
    return cap ? cap->GetData(realname, record, buffer, size) : 0;
}

int QZ_CALL GetStrDataFromSPC(char* realname, unsigned int record, void* buffer, ULONG* size)
{
    CToolboxCap* cap = CToolboxCap::Instance();
    return cap ? cap->GetStrData(realname, record, buffer, size) : 0;
}

int QZ_CALL LoadEventTableFromSPC(char* realname, void* buffer, ULONG* size)
{
    CToolboxCap* cap = CToolboxCap::Instance();
    return cap ? cap->GetData(realname, CapRecordEventTable, buffer, size) : 0;
}

ULONG QZ_CALL GetMibTypeFromSPC(char* realname)
{
    CToolboxCap* cap = CToolboxCap::Instance();
    return cap ? cap->GetMibTypeFromSPC(realname) : 0;
}

int QZ_CALL GetRealnameFromModel(char* realname, char* model)
{
    CToolboxCap* cap = CToolboxCap::Instance();
    return cap ? cap->GetRealnameFromModel(realname, model) : 0;
}

} // extern "C"
