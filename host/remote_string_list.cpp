// The exported members of CISStringList under their C++ names.
#include "remote_string_list.h"

RemoteStringList::RemoteStringList(const Library& library)
    : m_storage(), m_constructed(false),
      m_destroy(library.Find<Destroy>("_ZN13CISStringListD1Ev")),
      m_count(library.Find<CountEntries>("_ZN13CISStringList5CountEv")),
      m_find(library.Find<FindEntry>("_ZN13CISStringList4FindEh"))
{
    Construct* construct = library.Find<Construct>("_ZN13CISStringListC1Ev");
    if (construct && m_destroy && m_count && m_find) {
        construct(m_storage);
        m_constructed = true;
    }
}

RemoteStringList::~RemoteStringList()
{
    if (m_constructed)
        m_destroy(m_storage);
}

unsigned RemoteStringList::Count()
{
    return m_constructed ? m_count(m_storage) : 0;
}

const char* RemoteStringList::Find(unsigned char index)
{
    return m_constructed ? m_find(m_storage, index) : nullptr;
}

#define QZ_STATIC // only the layout is used here; nothing is linked
#include "qzw9svb/cis_string_list.h"
static_assert(sizeof(CISStringList) <= RemoteStringList::kStorageSize, "storage too small for the list object");
