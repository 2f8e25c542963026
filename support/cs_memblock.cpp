// CSMemBlock: a sized block of memory held through a movable memory handle, with zero-filling,
// alignment flags, optional membership in a collection and the way back from its data address.
#include <stdarg.h>

#include "cs_classalloc.h"
#include "qzw9svb/cs_memblock.h"
#include "qzw9svb/cs_memutil.h"

namespace {
const ULONG kAlignmentFlags = CSMemBlockAlign2 | CSMemBlockAlign4 | CSMemBlockAlign8 | CSMemBlockAlign64;

LONG AllocateHandle(CSMemObject* handle, ULONG size, CSMemOSAlign alignment)
{
    return handle != nullptr ? handle->Allocate(size, alignment) : CSMemErrInvalid;
}
} // namespace

CSMemBlock::CSMemBlock() : m_handle(CSMemObjectFactory(this)), m_collection(nullptr), m_size(0), m_flags(0)
{
}

CSMemBlock::CSMemBlock(ULONG size, ULONG flags) : CSMemBlock()
{
    Allocate(size, flags, nullptr, 0);
}

CSMemBlock::CSMemBlock(ULONG size, CSMemCollection* collection, ULONG flags, char* file, ULONG line)
    : m_handle(CSMemObjectFactory(this)), m_collection(collection), m_size(0), m_flags(0)
{
    if (m_collection != nullptr)
        m_collection->AddBlockToList(this);
    Allocate(size, flags, file, line);
}

CSMemBlock::~CSMemBlock()
{
    ReleaseOwned();
}

// A copy starts as a block that owns nothing, so the assignment has nothing to release.
CSMemBlock::CSMemBlock(const CSMemBlock& other) : m_handle(nullptr), m_collection(nullptr), m_size(0), m_flags(0)
{
    *this = other;
}

CSMemBlock& CSMemBlock::operator=(const CSMemBlock& other)
{
    if (this == &other)
        return *this;
    ReleaseOwned();
    m_handle = other.m_handle;
    m_collection = other.m_collection;
    m_size = other.m_size;
    m_flags = other.m_flags;
    return *this;
}

void CSMemBlock::ReleaseOwned()
{
    // The handle names its block as user pointer; a copy sees another block's handle and is
    // a mere view that has nothing to give back (and is linked into no collection).
    if (m_handle != nullptr && m_handle->GetUserPointer() != this)
        return;
    if (m_size != 0)
        Free();
    if (m_collection != nullptr)
        m_collection->RemoveBlockFromList(this);
    // Also takes the memory of a block that is still locked.
    CSDisposeMemory(m_handle);
    m_handle = nullptr;
    m_collection = nullptr;
    m_size = 0;
}

void* CSMemBlock::operator new(size_t size) noexcept
{
    return cs_classalloc::AllocateTagged(size, cs_classalloc::kBlockLiveTag);
}

void CSMemBlock::operator delete(void* object)
{
    cs_classalloc::FreeTagged(object, cs_classalloc::kBlockFreedTag);
}

LONG CSMemBlock::Allocate(ULONG size, ULONG flags, char*, ULONG)
{
    m_flags = flags;
    if (size == 0 || m_size != 0)
        return CSBlockErrAlloc;
    if (m_collection != nullptr) {
        LONG status = m_collection->IncAllocation(size);
        if (status != 0)
            return status;
    }
    if (AllocateHandle(m_handle, size, GetOSAlignOpt(flags)) != 0) {
        if (m_collection != nullptr)
            m_collection->DecAllocation(size);
        return CSBlockErrAlloc;
    }
    m_size = size;
    if (flags & CSMemBlockZeroInit)
        CSMemBlock::Set(0);
    return 0;
}

LONG CSMemBlock::Free()
{
    if (m_size == 0)
        return CSBlockErrEmpty;
    if (CSIsLocked(m_handle) != 0)
        return CSBlockErrLocked;
    m_handle->Dispose();
    if (m_collection != nullptr)
        m_collection->DecAllocation(m_size);
    m_size = 0;
    return 0;
}

CSMemCollection* CSMemBlock::GetCollectionPtr()
{
    return m_collection;
}

ULONG CSMemBlock::GetSize() const
{
    return m_size;
}

unsigned char* CSMemBlock::Lock()
{
    unsigned char* data = nullptr;
    if (m_size == 0 || CSLockMemory(m_handle, &data) != 0)
        return nullptr;
    return data;
}

void CSMemBlock::LockInChunks(unsigned char** base, unsigned short size0, unsigned char** chunk0, ...)
{
    if (base != nullptr)
        *base = nullptr;
    if (chunk0 != nullptr)
        *chunk0 = nullptr;
    unsigned char* data = Lock();
    if (data == nullptr)
        return;
    if (base != nullptr)
        *base = data;
    if (chunk0 != nullptr)
        *chunk0 = data;
    ULONG offset = size0;
    va_list pairs;
    va_start(pairs, chunk0);
    // The 16-bit sizes arrive promoted to int; a size of 0 ends the list.
    for (;;) {
        unsigned short size = static_cast<unsigned short>(va_arg(pairs, int));
        if (size == 0)
            break;
        unsigned char** chunk = va_arg(pairs, unsigned char**);
        if (chunk != nullptr)
            *chunk = data + offset;
        offset += size;
    }
    va_end(pairs);
}

LONG CSMemBlock::ReAllocate(ULONG size, ULONG flags)
{
    if (size == 0)
        return CSBlockErrAlloc;
    if (m_size == 0)
        return Allocate(size, flags, nullptr, 0);
    if (CSIsLocked(m_handle) != 0)
        return CSBlockErrLocked;
    // A growing block asks its collection for the difference first; a shrinking one gives its
    // difference back once the memory is smaller. An unsigned "negative" difference would look
    // to the limit like a request near 4 GB.
    const bool grows = size > m_size;
    const ULONG added = grows ? size - m_size : 0;
    if (grows && m_collection != nullptr) {
        LONG status = m_collection->IncAllocation(added);
        if (status != 0)
            return status;
    }
    if (CSReAllocMemory(size, CSMemAlignDefault, &m_handle) != 0) {
        if (grows && m_collection != nullptr)
            m_collection->DecAllocation(added);
        return CSBlockErrAlloc;
    }
    if (!grows && m_collection != nullptr)
        m_collection->DecAllocation(m_size - size);
    if (grows && (m_flags & CSMemBlockZeroInit)) {
        unsigned char* data = nullptr;
        if (CSLockMemory(m_handle, &data) == 0) {
            CSZeroMemory(data + m_size, added);
            CSUnlockMemory(m_handle);
        }
    }
    m_size = size;
    return 0;
}

void CSMemBlock::Set(unsigned char value)
{
    unsigned char* data = Lock();
    if (data == nullptr)
        return;
    CSSetMemory(data, m_size, value);
    CSUnlockMemory(m_handle);
}

int CSMemBlock::Unlock()
{
    if (m_size == 0 || CSUnlockMemory(m_handle) != 0)
        return 1;
    return CSIsLocked(m_handle) != 0 ? 0 : 1;
}

int CSMemBlock::Valid()
{
    return m_size != 0 && CSValidMemory(m_handle) == 0;
}

CSMemBlock* CSMemBlock::GetMemBlockObjPtr(unsigned char* data)
{
    // CSGetUserPointer probes the back-pointer and the handle before it trusts either.
    void* userPointer = nullptr;
    if (CSGetUserPointer(data, &userPointer) != 0)
        return nullptr;
    return static_cast<CSMemBlock*>(userPointer);
}

CSMemOSAlign CSMemBlock::GetOSAlignOpt(ULONG flags)
{
    switch (flags & kAlignmentFlags) {
    case CSMemBlockAlign2:
        return CSMemAlign2;
    case CSMemBlockAlign4:
        return CSMemAlign4;
    case CSMemBlockAlign8:
        return CSMemAlign8;
    case CSMemBlockAlign64:
        return CSMemAlign64;
    default: // none, or more than one
        return CSMemAlign1;
    }
}
