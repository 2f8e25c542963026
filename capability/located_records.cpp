// Located records: a miss looks the record up as every query once did; only a definite answer
// (absent, or present with its bytes) is kept, so a load that failed is tried again.
#include "located_records.h"

#include "platform/module_resource.h"

namespace {

StoreRecord LookUp(unsigned int id)
{
    // The bytes of a module's resource stay where they are while the module is loaded, also
    // after the lookup object released its handle (which releases nothing on Windows).
    ModuleResource found(NumberedResourceType(RT_CAPABILITY_RECORD), id);
    return {found.Found(), found.Size(), found.Bytes()};
}

} // namespace

void LocatedRecords::Clear()
{
    for (Slot& slot : m_slots)
        slot.known = false;
    m_module = nullptr;
}

StoreRecord LocatedRecords::Locate(unsigned int id)
{
    if (id - kFirstId >= kIdCount)
        return LookUp(id);
    if (m_module != ResourceModule()) {
        Clear();
        m_module = ResourceModule();
    }
    Slot& slot = m_slots[id - kFirstId];
    if (!slot.known) {
        slot.record = LookUp(id);
        slot.known = !slot.record.found || slot.record.bytes;
    }
    return slot.record;
}
