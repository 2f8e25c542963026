// Reads the capability store from the module's resources.
#include "store_resources.h"

#include "../entry/module_state.h"
#include "../resources/resource_ids.h"

namespace store {

int LoadText(unsigned int id, char* buffer, int capacity)
{
    if (!buffer || capacity <= 0) // a capacity of 0 would ask for a read-only pointer instead
        return 0;
    return ::LoadStringA(ModuleInstance, id & 0xFFFF, buffer, capacity);
}

Record FindRecord(unsigned int id)
{
    Record record = {nullptr, 0, false};
    HRSRC info = ::FindResourceA(ModuleInstance, MAKEINTRESOURCEA(id & 0xFFFF), MAKEINTRESOURCEA(RT_CAPABILITY_RECORD));
    if (!info)
        return record;
    record.found = true;
    record.size = ::SizeofResource(ModuleInstance, info);
    HGLOBAL loaded = ::LoadResource(ModuleInstance, info);
    if (loaded)
        record.bytes = ::LockResource(loaded);
    return record;
}

} // namespace store
