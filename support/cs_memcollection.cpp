// CSMemCollection: a list of memory blocks, newest first, with an account of the bytes they hold
// against an optional limit; blocks are made on request and deleted by block or data address.
#include "cs_classalloc.h"
#include "qzw9svb/cs_memblock.h"
#include "qzw9svb/cs_memutil.h"

namespace {
// Stands the iterator on the first entry that holds the block; false when there is none.
bool FindBlock(CSList& blocks, CSMemBlock* block, CSListIterator& at)
{
    for (at.Initialize(blocks); at.IsValid(); at.GetNext()) {
        if (blocks.Peek(at) == block)
            return true;
    }
    return false;
}

// The destructor is not virtual: a collection's blocks are plain CSMemBlock objects made by
// CSMemBlock's operator new. The destructor unlinks the block.
void DestroyBlock(CSMemBlock* block)
{
    block->CSMemBlock::~CSMemBlock();
    CSMemBlock::operator delete(block);
}

// True when adding n bytes to amount would pass limit. Written so that nothing wraps: a request
// near 2^32 must not slip under the limit by overflowing the sum.
bool PassesLimit(ULONG limit, ULONG amount, ULONG n)
{
    return amount > limit || n > limit - amount;
}

// Frees and destroys a block of the collection; a locked block stays as it is.
LONG DeleteListedBlock(CSMemBlock* block)
{
    LONG status = block->GetSize() != 0 ? block->Free() : 0;
    if (status == 0)
        DestroyBlock(block);
    return status;
}
} // namespace

CSMemCollection::CSMemCollection() : m_unlimited(1), m_limit(0), m_amount(0)
{
}

CSMemCollection::CSMemCollection(ULONG limit) : m_unlimited(0), m_limit(limit), m_amount(0)
{
}

CSMemCollection::~CSMemCollection()
{
    DeleteAllBlocks();
    // Blocks still locked outlive the collection as free-standing blocks, so that their own
    // destruction later never reaches back into this one.
    for (CSListIterator at(m_blocks); at.IsValid(); at.GetNext())
        static_cast<CSMemBlock*>(m_blocks.Peek(at))->m_collection = nullptr;
}

void* CSMemCollection::operator new(size_t size) noexcept
{
    return cs_classalloc::AllocateTagged(size, cs_classalloc::kCollectionLiveTag);
}

void CSMemCollection::operator delete(void* object)
{
    cs_classalloc::FreeTagged(object, cs_classalloc::kCollectionFreedTag);
}

LONG CSMemCollection::DeleteAllBlocks()
{
    LONG status = 0;
    CSListIterator at(m_blocks);
    while (at.IsValid()) {
        CSMemBlock* block = static_cast<CSMemBlock*>(m_blocks.Peek(at));
        // Step past the entry first: deleting the block removes it from under the iterator.
        at.GetNext();
        LONG blockStatus = DeleteListedBlock(block);
        if (blockStatus != 0)
            status = blockStatus;
    }
    return status;
}

LONG CSMemCollection::DeleteBlock(CSMemBlock* block)
{
    CSListIterator at;
    if (block == nullptr || !FindBlock(m_blocks, block, at))
        return CSBlockErrNotFound;
    return DeleteListedBlock(block);
}

LONG CSMemCollection::DeleteBlockPtr(unsigned char* data)
{
    // Only a block listed here is touched: the data of another owner's handle leads to that
    // owner's user pointer, which may be anything.
    CSMemBlock* block = CSMemBlock::GetMemBlockObjPtr(data);
    CSListIterator at;
    if (block == nullptr || !FindBlock(m_blocks, block, at))
        return CSBlockErrNotFound;
    // Give back the lock NewBlockPtrA took; with others left the block stays as it was.
    if (block->Unlock() == 0) {
        block->Lock();
        return CSBlockErrLocked;
    }
    return DeleteListedBlock(block);
}

ULONG CSMemCollection::GetAmountAllocated() const
{
    return m_amount;
}

ULONG CSMemCollection::GetAmountFree() const
{
    return m_unlimited ? CSGetFreeMemory() : m_limit - m_amount;
}

ULONG CSMemCollection::GetTotalAmount() const
{
    return m_unlimited ? CSGetFreeMemory() + m_amount : m_limit;
}

LONG CSMemCollection::NewBlockA(ULONG size, ULONG flags, CSMemBlock** block, char* file, ULONG line)
{
    if (block == nullptr)
        return CSBlockErrAlloc;
    *block = nullptr;
    if (size == 0)
        return CSBlockErrAlloc;
    if (!m_unlimited && PassesLimit(m_limit, m_amount, size))
        return CSBlockErrLimit;
    // The constructor links the block at the head of the list and allocates its memory.
    CSMemBlock* created = new CSMemBlock(size, this, flags, file, line);
    if (created == nullptr)
        return CSBlockErrAlloc;
    // A block that got no list node could never be found again by the collection: it would be
    // lost with its memory, so it counts as a failed request.
    CSListIterator head(m_blocks);
    if (created->GetSize() != size || m_blocks.IsEmpty() || m_blocks.Peek(head) != created) {
        DestroyBlock(created);
        return CSBlockErrAlloc;
    }
    *block = created;
    return 0;
}

LONG CSMemCollection::NewBlockPtrA(ULONG size, ULONG flags, unsigned char** data, char* file, ULONG line)
{
    if (data == nullptr)
        return CSBlockErrAlloc;
    *data = nullptr;
    CSMemBlock* block = nullptr;
    LONG status = NewBlockA(size, flags, &block, file, line);
    if (status != 0)
        return status;
    // The block stays locked while its data address is in use; DeleteBlockPtr gives it back.
    *data = block->Lock();
    if (*data != nullptr)
        return 0;
    DeleteBlock(block);
    return CSBlockErrAlloc;
}

LONG CSMemCollection::IncAllocation(ULONG n)
{
    if (!m_unlimited && PassesLimit(m_limit, m_amount, n))
        return CSBlockErrLimit;
    m_amount += n;
    return 0;
}

void CSMemCollection::DecAllocation(ULONG n)
{
    m_amount -= n;
}

void CSMemCollection::AddBlockToList(CSMemBlock* block)
{
    // Newest first. A node that cannot be made leaves the block working but unlisted.
    CSListIterator head(m_blocks);
    m_blocks.Insert(head, block);
}

void CSMemCollection::RemoveBlockFromList(CSMemBlock* block)
{
    CSListIterator at;
    if (FindBlock(m_blocks, block, at))
        m_blocks.Delete(at);
}
