// CSHeapMemObject: movable memory in the process heap. Each heap block holds the handle's
// address (one pointer wide) just before the data, so a data address leads back to its handle.
#include <stdint.h>
#include <string.h>

#include "os_services.h"
#include "qzw9svb/cs_memobject.h"
#include "qzw9svb/cs_memutil.h"

namespace {
const size_t kBackPointerSize = sizeof(CSMemObject*);

// Bytes needed beyond the data: the back-pointer plus the worst rounding up to the alignment.
size_t HeaderSize(unsigned short alignment)
{
    return alignment > 0 ? alignment + kBackPointerSize - 1 : kBackPointerSize;
}

// Offset of the data from the block start: one back-pointer in, rounded up to the alignment.
size_t DataOffset(const unsigned char* block, unsigned short alignment)
{
    uintptr_t data = reinterpret_cast<uintptr_t>(block) + kBackPointerSize;
    if (alignment > 1)
        data = (data + alignment - 1) / alignment * alignment;
    return data - reinterpret_cast<uintptr_t>(block);
}

// size + header as a heap request; false when that does not fit in a size_t (32-bit builds).
bool BlockSize(ULONG size, unsigned short alignment, size_t* blockSize)
{
    size_t header = HeaderSize(alignment);
    if (size > SIZE_MAX - header)
        return false;
    *blockSize = size + header;
    return true;
}
} // namespace

CSHeapMemObject::CSHeapMemObject(void* userPointer) : CSMemObject(userPointer), m_block(nullptr)
{
}

CSHeapMemObject::~CSHeapMemObject()
{
    // Also releases a block that Dispose refused to release because it was locked.
    if (m_block != nullptr)
        cs_os::HeapRelease(m_block);
}

LONG CSHeapMemObject::OSAllocate(ULONG size)
{
    size_t blockSize;
    if (!BlockSize(size, GetAlignNum(), &blockSize))
        return CSMemErrNoMemory;
    unsigned char* block = static_cast<unsigned char*>(cs_os::HeapAllocate(blockSize));
    if (block == nullptr)
        return CSMemErrNoMemory;
    m_block = block;
    CSMemObject* self = this;
    memcpy(block + DataOffset(block, GetAlignNum()) - kBackPointerSize, &self, kBackPointerSize);
    return 0;
}

LONG CSHeapMemObject::OSReAllocate(ULONG size)
{
    size_t blockSize;
    if (!BlockSize(size, GetAlignNum(), &blockSize))
        return CSMemErrNoMemory;
    size_t oldOffset = DataOffset(m_block, GetAlignNum());
    unsigned char* block = static_cast<unsigned char*>(cs_os::HeapResize(m_block, blockSize));
    if (block == nullptr)
        return CSMemErrNoMemory;
    m_block = block;
    // The heap keeps the contents at the old offset; a new start may round differently.
    size_t newOffset = DataOffset(block, GetAlignNum());
    if (newOffset != oldOffset)
        CSMoveMemory(block + oldOffset - kBackPointerSize, block + newOffset - kBackPointerSize,
                     static_cast<ULONG>(size + kBackPointerSize));
    return 0;
}

unsigned char* CSHeapMemObject::OSLock()
{
    return m_block != nullptr ? m_block + DataOffset(m_block, GetAlignNum()) : nullptr;
}

void CSHeapMemObject::OSUnlock()
{
}

LONG CSHeapMemObject::OSDispose()
{
    cs_os::HeapRelease(m_block);
    m_block = nullptr;
    return 0;
}

LONG CSHeapMemObject::OSValid()
{
    if (m_block == nullptr)
        return 0;
    size_t usable = cs_os::HeapUsableSize(m_block);
    if (usable == 0 || !CSIsValidWritePtr(m_block, static_cast<ULONG>(usable)))
        return CSMemErrBadMemory;
    return 0;
}

LONG CSHeapMemObject::OSGetSize(ULONG* size)
{
    if (m_block == nullptr) {
        *size = 0;
        return 0;
    }
    size_t usable = cs_os::HeapUsableSize(m_block);
    size_t header = HeaderSize(GetAlignNum());
    *size = usable > header ? static_cast<ULONG>(usable - header) : 0;
    return 0;
}
