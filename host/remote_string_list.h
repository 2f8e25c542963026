// A CISStringList made and read through the library's exported class members, found by their
// names like every other export.
#pragma once
#include "library.h"

class RemoteStringList {
public:
    // Room for the list object, larger than it is on every target.
    static constexpr unsigned kStorageSize = 512;

    explicit RemoteStringList(const Library& library);
    ~RemoteStringList();
    RemoteStringList(const RemoteStringList&) = delete;
    RemoteStringList& operator=(const RemoteStringList&) = delete;

    bool Usable() const { return m_constructed; }
    void* Object() { return m_storage; }
    unsigned Count();
    const char* Find(unsigned char index);

private:
#ifdef __i386__
#define QZ_MEMBER_CALL __attribute__((thiscall))
#else
#define QZ_MEMBER_CALL
#endif
    using Construct = void QZ_MEMBER_CALL(void*);
    using Destroy = void QZ_MEMBER_CALL(void*);
    using CountEntries = unsigned char QZ_MEMBER_CALL(void*);
    using FindEntry = const char* QZ_MEMBER_CALL(void*, unsigned char);

    alignas(16) unsigned char m_storage[kStorageSize];
    bool m_constructed;
    Destroy* m_destroy;
    CountEntries* m_count;
    FindEntry* m_find;
};
