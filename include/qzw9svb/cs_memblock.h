// Memory blocks held through movable memory handles, and collections that own blocks and
// account for their bytes against an optional limit.
#pragma once
#include <stddef.h>
#include "cs_abi.h"
#include "cs_status.h"
#include "cs_memobject.h"
#include "cs_list.h"

#ifdef __cplusplus // the list and blocks are C++ classes
enum CSMemBlockFlags : ULONG {
    CSMemBlockZeroInit = 0x01,
    CSMemBlockAlign2 = 0x02,
    CSMemBlockAlign4 = 0x04,
    CSMemBlockAlign8 = 0x08,
    CSMemBlockAlign64 = 0x40
};

class CSMemCollection;

// A block owns the handle it made (the handle's user pointer is the block). A copy shares that
// handle as a view: it may read, lock and unlock the memory, but its destruction frees nothing
// and unlinks nothing, and it must not outlive the block it was copied from. Assigning to a
// block first gives back what that block owned, as its destructor would.
// operator new answers null when no storage is obtained; the object then is not constructed.
class QZ_EXPORT CSMemBlock {
public:
    CSMemBlock();
    CSMemBlock(ULONG size, ULONG flags);
    CSMemBlock(ULONG size, CSMemCollection* collection, ULONG flags, char* file, ULONG line);
    CSMemBlock(const CSMemBlock& other);
    CSMemBlock& operator=(const CSMemBlock& other);
    ~CSMemBlock();

    static void* operator new(size_t size) noexcept;
    static void operator delete(void* object);

    virtual LONG Allocate(ULONG size, ULONG flags, char* file, ULONG line);
    virtual LONG Free();
    virtual CSMemCollection* GetCollectionPtr();
    virtual ULONG GetSize() const;
    virtual unsigned char* Lock();
    virtual void LockInChunks(unsigned char** base, unsigned short size0, unsigned char** chunk0, ...);
    virtual LONG ReAllocate(ULONG size, ULONG flags);
    virtual void Set(unsigned char value);
    virtual int Unlock();
    virtual int Valid();

    // The block whose locked data address this is: the user pointer of the handle found just
    // before the data, or null when no valid handle is there. For the data of a handle that
    // is not a block's it answers that handle's user pointer.
    static CSMemBlock* GetMemBlockObjPtr(unsigned char* data);
    static CSMemOSAlign GetOSAlignOpt(ULONG flags);

private:
    friend class CSMemCollection; // detaches the blocks that outlive it
    void ReleaseOwned();

    CSMemObject* m_handle;
    CSMemCollection* m_collection;
    ULONG m_size;
    ULONG m_flags;
};

// Blocks given to a collection (NewBlockA or the collection-taking constructor) must come from
// operator new: the collection deletes them. Blocks still locked when the collection is
// destroyed are not deleted but detached: they become free-standing blocks whose owner deletes
// them later, and they never touch the dead collection.
class QZ_EXPORT CSMemCollection {
public:
    CSMemCollection();
    explicit CSMemCollection(ULONG limit);
    CSMemCollection(const CSMemCollection&) = delete; // blocks have one owner
    CSMemCollection& operator=(const CSMemCollection&) = delete;
    ~CSMemCollection();

    static void* operator new(size_t size) noexcept;
    static void operator delete(void* object);

    virtual LONG DeleteAllBlocks();
    virtual LONG DeleteBlock(CSMemBlock* block);
    virtual LONG DeleteBlockPtr(unsigned char* data);
    virtual ULONG GetAmountAllocated() const;
    virtual ULONG GetAmountFree() const;
    virtual ULONG GetTotalAmount() const;
    virtual LONG NewBlockA(ULONG size, ULONG flags, CSMemBlock** block, char* file, ULONG line);
    virtual LONG NewBlockPtrA(ULONG size, ULONG flags, unsigned char** data, char* file, ULONG line);

    LONG IncAllocation(ULONG n);
    void DecAllocation(ULONG n);
    void AddBlockToList(CSMemBlock* block);
    void RemoveBlockFromList(CSMemBlock* block);

private:
    int m_unlimited;
    CSList m_blocks; // newest first
    ULONG m_limit;
    ULONG m_amount;
};
#endif
