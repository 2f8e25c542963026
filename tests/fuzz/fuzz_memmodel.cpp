// Model-based fuzz target for handles, block collections and the list: every answer is compared
// with a plain reference model kept here, heap refusals are injected, and any mismatch aborts.
#include <stdint.h>
#include <stdlib.h>
#include <string.h>

#include <algorithm>
#include <vector>

#include "os_services.h"
#include "qzw9svb/cs_list.h"
#include "qzw9svb/cs_memblock.h"

// The destructors are not virtual by design; every delete here names the exact type.
#pragma GCC diagnostic ignored "-Wdelete-non-virtual-dtor"

namespace {

const int kUnknown = -1; // a byte whose value the model does not know
using Bytes = std::vector<int>;

void Check(bool condition)
{
    if (!condition)
        abort();
}

struct Input {
    const uint8_t* data;
    size_t size;
    size_t pos;
    bool Empty() const { return pos >= size; }
    uint8_t Byte() { return pos < size ? data[pos++] : 0; }
    // Mostly small sizes, now and then a few thousand bytes.
    ULONG Size()
    {
        uint8_t pick = Byte();
        return pick < 224 ? pick % 80 : (pick - 224) * 170u;
    }
};

// Heap refusal: while armed, an operation that needs memory may answer its no-memory code, and
// then must have changed nothing.
struct Heap {
    bool armed = false;
    void Arm(long granted)
    {
        cs_os::FailHeapAfter(granted);
        armed = true;
    }
    void Disarm()
    {
        cs_os::FailHeapAfter(-1);
        armed = false;
    }
    // True when the operation went through as expected; false when a refused heap explains
    // the answer (the caller then leaves its model unchanged).
    bool Expect(LONG actual, LONG expected, LONG noMemory) const
    {
        if (armed && actual == noMemory && expected == 0)
            return false;
        Check(actual == expected);
        return true;
    }
};

void CheckBytes(const unsigned char* data, const Bytes& model)
{
    for (size_t i = 0; i < model.size(); ++i)
        Check(model[i] == kUnknown || data[i] == model[i]);
}

void Resize(Bytes& bytes, ULONG size, int fill)
{
    bytes.resize(size, fill);
}

void WriteSome(Input& in, unsigned char* data, Bytes& model)
{
    if (model.empty())
        return;
    size_t offset = in.Byte() % model.size();
    size_t length = std::min<size_t>(in.Byte() % 16 + 1, model.size() - offset);
    uint8_t value = in.Byte();
    for (size_t i = 0; i < length; ++i) {
        data[offset + i] = static_cast<unsigned char>(value + i);
        model[offset + i] = static_cast<unsigned char>(value + i);
    }
}

// ---------------------------------------------------------------- handles

enum class HandleState { Empty, Allocated, ZeroSize };

struct HandleModel {
    CSMemObject* real = nullptr;
    HandleState state = HandleState::Empty;
    unsigned locks = 0;
    LONG alignment = 0;
    ULONG size = 0;
    Bytes bytes;
    unsigned char* address = nullptr; // while locked
    int owner = 0;                    // its address is the user pointer
};

unsigned AlignmentBytes(LONG alignment)
{
    static const unsigned kBytes[] = {1, 1, 2, 4, 8, 64};
    return alignment >= 0 && alignment <= 5 ? kBytes[alignment] : 1;
}

LONG PickAlignment(Input& in)
{
    return in.Byte() % 7; // 6 is out of range
}

struct Handles {
    HandleModel slot[3];
    Heap& heap;

    void Step(Input& in)
    {
        HandleModel& h = slot[in.Byte() % 3];
        switch (in.Byte() % 11) {
        case 0: Create(in, h); break;
        case 1: Dispose(h); break;
        case 2: Lock(h); break;
        case 3: Unlock(h); break;
        case 4: ReAllocate(in, h); break;
        case 5:
            if (h.address != nullptr && h.state == HandleState::Allocated)
                WriteSome(in, h.address, h.bytes);
            break;
        case 6: Size(h); break;
        case 7: MemberDispose(h); break;
        case 8: MemberAllocate(in, h); break;
        case 9: Copy(h, slot[in.Byte() % 3]); break;
        default: Probe(h); break;
        }
    }

    void Create(Input& in, HandleModel& h)
    {
        if (h.real != nullptr)
            return;
        ULONG size = in.Size();
        LONG alignment = PickAlignment(in);
        CSMemObject* created = nullptr;
        LONG status = CSAllocMemory(size, static_cast<CSMemOSAlign>(alignment), &created, &h.owner);
        if (created == nullptr) {
            Check(heap.armed && status == CSMemErrNoMemory);
            return;
        }
        h = HandleModel{created, HandleState::Empty, 0, 0, 0, {}, nullptr, 0};
        if (alignment > 5) {
            Check(status == CSMemErrBadAlign);
        } else if (size == 0) {
            Check(status == 0);
            Become(h, HandleState::ZeroSize, alignment, 0);
        } else if (heap.Expect(status, 0, CSMemErrNoMemory)) {
            Become(h, HandleState::Allocated, alignment, size);
        }
    }

    static bool Expect0(LONG status)
    {
        Check(status == 0);
        return true;
    }

    void Become(HandleModel& h, HandleState state, LONG alignment, ULONG size)
    {
        h.state = state;
        h.alignment = alignment;
        h.size = size;
        h.bytes.assign(size, kUnknown);
    }

    void Dispose(HandleModel& h)
    {
        if (h.real == nullptr)
            return;
        LONG expected = h.locks != 0 ? CSMemErrLocked : h.state == HandleState::Empty ? CSMemErrNotAllocated : 0;
        Check(CSDisposeMemory(h.real) == expected);
        h = HandleModel{};
    }

    void Lock(HandleModel& h)
    {
        if (h.real == nullptr)
            return;
        unsigned char* data = nullptr;
        LONG status = CSLockMemory(h.real, &data);
        if (h.state == HandleState::Empty) {
            Check(status == CSMemErrNotAllocated && data == nullptr);
            return;
        }
        Check(status == 0 && data != nullptr);
        Check(h.address == nullptr || h.address == data);
        if (h.state == HandleState::Allocated) {
            Check(reinterpret_cast<uintptr_t>(data) % AlignmentBytes(h.alignment) == 0);
            CSMemObject* back;
            memcpy(&back, data - sizeof(back), sizeof(back));
            Check(back == h.real);
            CheckBytes(data, h.bytes);
        }
        h.address = data;
        ++h.locks;
    }

    void Unlock(HandleModel& h)
    {
        if (h.real == nullptr)
            return;
        LONG status = CSUnlockMemory(h.real);
        if (h.locks == 0) {
            Check(status == CSMemErrNotLocked);
            return;
        }
        Check(status == 0);
        if (--h.locks == 0)
            h.address = nullptr;
    }

    void ReAllocate(Input& in, HandleModel& h)
    {
        if (h.real == nullptr)
            return;
        ULONG size = in.Size();
        LONG requested = PickAlignment(in);
        LONG status = CSReAllocMemory(size, static_cast<CSMemOSAlign>(requested), &h.real);
        LONG alignment = requested == 0 ? h.alignment : requested;
        if (h.locks != 0) {
            Check(status == CSMemErrLocked);
        } else if (alignment > 5) {
            Check(status == CSMemErrBadAlign);
        } else if (h.state == HandleState::Allocated && alignment != h.alignment) {
            Check(status == CSMemErrAlignChange);
        } else if (size == 0) {
            Check(status == 0);
            Become(h, HandleState::ZeroSize, alignment, 0);
        } else if (heap.Expect(status, 0, CSMemErrNoMemory)) {
            Bytes kept = h.bytes;
            Become(h, HandleState::Allocated, alignment, size);
            for (size_t i = 0; i < kept.size() && i < size; ++i)
                h.bytes[i] = kept[i];
        }
    }

    void Size(HandleModel& h)
    {
        if (h.real == nullptr)
            return;
        ULONG size = 12345;
        LONG status = CSSizeMemory(h.real, &size);
        if (h.state == HandleState::Empty)
            Check(status == CSMemErrNotAllocated);
        else if (h.state == HandleState::ZeroSize)
            Check(status == 0 && size == 0);
        else
            Check(status == 0 && size >= h.size);
    }

    void MemberDispose(HandleModel& h)
    {
        if (h.real == nullptr)
            return;
        LONG status = h.real->Dispose();
        if (h.locks != 0) {
            Check(status == CSMemErrLocked);
        } else if (h.state == HandleState::Empty) {
            Check(status == CSMemErrNotAllocated);
        } else {
            Check(status == 0);
            Become(h, HandleState::Empty, h.alignment, 0);
        }
    }

    void MemberAllocate(Input& in, HandleModel& h)
    {
        if (h.real == nullptr)
            return;
        ULONG size = in.Size();
        LONG alignment = PickAlignment(in);
        LONG status = h.real->Allocate(size, static_cast<CSMemOSAlign>(alignment));
        if (h.state != HandleState::Empty)
            Check(status == CSMemErrAllocated);
        else if (alignment > 5)
            Check(status == CSMemErrBadAlign);
        else if (size == 0 && Expect0(status))
            Become(h, HandleState::ZeroSize, alignment, 0);
        else if (size != 0 && heap.Expect(status, 0, CSMemErrNoMemory))
            Become(h, HandleState::Allocated, alignment, size);
    }

    void Copy(HandleModel& target, HandleModel& source)
    {
        if (target.real == nullptr || source.real == nullptr)
            return;
        LONG status = target.real->Copy(source.real);
        if (source.state == HandleState::Empty || target.state == HandleState::Empty) {
            Check(status == CSMemErrNotAllocated);
            return;
        }
        Check(status == 0);
        if (&target == &source || source.state == HandleState::ZeroSize || target.state == HandleState::ZeroSize)
            return;
        size_t common = std::min(source.size, target.size);
        for (size_t i = 0; i < target.size; ++i)
            target.bytes[i] = i < common ? source.bytes[i] : kUnknown; // the heap's slack may follow
    }

    void Probe(HandleModel& h)
    {
        if (h.real == nullptr)
            return;
        Check(CSIsLocked(h.real) == (h.locks != 0 ? CSMemErrLocked : 0));
        Check(CSValidMemory(h.real) == 0);
        Check(h.real->GetUserPointer() == &h.owner);
        if (h.address != nullptr && h.state == HandleState::Allocated) {
            void* user = nullptr;
            Check(CSGetUserPointer(h.address, &user) == 0 && user == &h.owner);
        }
    }

    void CleanUp()
    {
        for (HandleModel& h : slot) {
            if (h.real != nullptr)
                CSDisposeMemory(h.real);
            h = HandleModel{};
        }
    }
};

// ---------------------------------------------------------------- blocks and collections

const int kDetached = -1;

struct BlockModel {
    CSMemBlock* real;
    int collection; // index into Blocks::collection, or kDetached
    ULONG size;
    ULONG flags;
    unsigned locks;
    Bytes bytes;
    unsigned char* address; // while locked
};

struct CollectionModel {
    CSMemCollection* real = nullptr;
    bool limited = false;
    ULONG limit = 0;
    ULONG amount = 0;
};

unsigned BlockAlignment(ULONG flags)
{
    switch (flags & 0x4E) {
    case 0x02: return 2;
    case 0x04: return 4;
    case 0x08: return 8;
    case 0x40: return 64;
    default: return 1;
    }
}

ULONG PickFlags(Input& in)
{
    static const ULONG kFlags[] = {0x00, 0x01, 0x02, 0x04, 0x08, 0x09, 0x40, 0x41, 0x06, 0x4F};
    return kFlags[in.Byte() % 10];
}

struct Blocks {
    CollectionModel collection[2]; // limited, unlimited
    std::vector<BlockModel> blocks; // every live block, in the order made
    Heap& heap;

    void Start(Input& in)
    {
        collection[0].limited = true;
        collection[0].limit = in.Byte() * 4u;
        Recreate(0);
        Recreate(1);
    }

    void Recreate(int c)
    {
        CollectionModel& m = collection[c];
        m.real = m.limited ? new CSMemCollection(m.limit) : new CSMemCollection;
        Check(m.real != nullptr || heap.armed);
        m.amount = 0;
    }

    void Step(Input& in)
    {
        int c = in.Byte() % 2;
        switch (in.Byte() % 13) {
        case 0: New(in, c, false); break;
        case 1: New(in, c, true); break;
        case 2: Delete(in, c); break;
        case 3: DeletePtr(in, c); break;
        case 4: ReAllocate(in); break;
        case 5: Lock(in); break;
        case 6: Unlock(in); break;
        case 7: Free(in); break;
        case 8: Write(in); break;
        case 9: DeleteAll(c); break;
        case 10: Reset(in, c); break;
        case 11: LockInChunks(in); break;
        default: Probe(in, c); break;
        }
    }

    BlockModel* Pick(Input& in)
    {
        uint8_t pick = in.Byte();
        return blocks.empty() ? nullptr : &blocks[pick % blocks.size()];
    }

    void CheckAmounts(int c)
    {
        const CollectionModel& m = collection[c];
        if (m.real == nullptr)
            return;
        Check(m.real->GetAmountAllocated() == m.amount);
        if (m.limited) {
            Check(m.real->GetAmountFree() == m.limit - m.amount);
            Check(m.real->GetTotalAmount() == m.limit);
        }
    }

    void New(Input& in, int c, bool byPointer)
    {
        CollectionModel& m = collection[c];
        if (m.real == nullptr)
            return;
        ULONG size = in.Size();
        ULONG flags = PickFlags(in);
        CSMemBlock* block = nullptr;
        unsigned char* data = nullptr;
        LONG status = byPointer ? m.real->NewBlockPtrA(size, flags, &data, nullptr, 0)
                                : m.real->NewBlockA(size, flags, &block, nullptr, 0);
        LONG expected = size == 0 ? CSBlockErrAlloc : m.limited && m.amount + size > m.limit ? CSBlockErrLimit : 0;
        if (!heap.Expect(status, expected, CSBlockErrAlloc) || status != 0) {
            Check(block == nullptr && data == nullptr);
            return;
        }
        if (byPointer) {
            Check(data != nullptr);
            block = CSMemBlock::GetMemBlockObjPtr(data);
            Check(block != nullptr);
        }
        Check(block->GetSize() == size && block->GetCollectionPtr() == m.real);
        m.amount += size;
        blocks.push_back(BlockModel{block, c, size, flags, 0, Bytes(size, flags & 1 ? 0 : kUnknown), nullptr});
        if (byPointer)
            Locked(blocks.back(), data);
    }

    void Locked(BlockModel& b, unsigned char* data)
    {
        Check(data != nullptr && (b.address == nullptr || b.address == data));
        Check(reinterpret_cast<uintptr_t>(data) % BlockAlignment(b.flags) == 0);
        Check(CSMemBlock::GetMemBlockObjPtr(data) == b.real);
        CheckBytes(data, b.bytes);
        b.address = data;
        ++b.locks;
    }

    void Forget(BlockModel& b)
    {
        if (b.collection != kDetached)
            collection[b.collection].amount -= b.size;
        blocks.erase(blocks.begin() + (&b - blocks.data()));
    }

    void Delete(Input& in, int c)
    {
        BlockModel* b = Pick(in);
        if (b == nullptr || collection[c].real == nullptr)
            return;
        LONG status = collection[c].real->DeleteBlock(b->real);
        if (b->collection != c)
            Check(status == CSBlockErrNotFound);
        else if (b->locks != 0)
            Check(status == CSBlockErrLocked);
        else {
            Check(status == 0);
            Forget(*b);
        }
        CheckAmounts(c);
    }

    void DeletePtr(Input& in, int c)
    {
        BlockModel* b = Pick(in);
        if (collection[c].real == nullptr)
            return;
        if (b == nullptr || b->address == nullptr) {
            unsigned char buffer[64] = {};
            Check(collection[c].real->DeleteBlockPtr(buffer + 32) == CSBlockErrNotFound);
            return;
        }
        LONG status = collection[c].real->DeleteBlockPtr(b->address);
        if (b->collection != c) {
            Check(status == CSBlockErrNotFound);
        } else if (b->locks > 1) {
            Check(status == CSBlockErrLocked);
        } else {
            Check(status == 0);
            Forget(*b);
        }
        CheckAmounts(c);
    }

    void ReAllocate(Input& in)
    {
        BlockModel* b = Pick(in);
        if (b == nullptr)
            return;
        ULONG size = in.Size();
        ULONG flags = PickFlags(in);
        LONG status = b->real->ReAllocate(size, flags);
        CollectionModel* m = b->collection != kDetached ? &collection[b->collection] : nullptr;
        bool fresh = b->size == 0;
        if (size != 0 && fresh)
            b->flags = flags; // Allocate keeps the flags before any test
        if (size == 0) {
            Check(status == CSBlockErrAlloc);
        } else if (!fresh && b->locks != 0) {
            Check(status == CSBlockErrLocked);
        } else if (m != nullptr && m->limited && m->amount - b->size + size > m->limit) {
            Check(status == CSBlockErrLimit);
        } else if (heap.Expect(status, 0, CSBlockErrAlloc)) {
            if (m != nullptr)
                m->amount += size - b->size;
            Resize(b->bytes, size, b->flags & 1 ? 0 : kUnknown);
            b->size = size;
        }
        Check(b->real->GetSize() == b->size);
        if (m != nullptr)
            CheckAmounts(b->collection);
    }

    void Lock(Input& in)
    {
        BlockModel* b = Pick(in);
        if (b == nullptr)
            return;
        unsigned char* data = b->real->Lock();
        if (b->size == 0)
            Check(data == nullptr);
        else
            Locked(*b, data);
    }

    void Unlock(Input& in)
    {
        BlockModel* b = Pick(in);
        if (b == nullptr)
            return;
        int answer = b->real->Unlock();
        if (b->size == 0 || b->locks == 0) {
            Check(answer == 1);
            return;
        }
        --b->locks;
        Check(answer == (b->locks == 0 ? 1 : 0));
        if (b->locks == 0)
            b->address = nullptr;
    }

    void Free(Input& in)
    {
        BlockModel* b = Pick(in);
        if (b == nullptr)
            return;
        LONG status = b->real->Free();
        if (b->size == 0) {
            Check(status == CSBlockErrEmpty);
        } else if (b->locks != 0) {
            Check(status == CSBlockErrLocked);
        } else {
            Check(status == 0);
            if (b->collection != kDetached)
                collection[b->collection].amount -= b->size;
            b->size = 0;
            b->bytes.clear();
        }
        Check(b->real->GetSize() == b->size && b->real->Valid() == (b->size != 0));
    }

    void Write(Input& in)
    {
        BlockModel* b = Pick(in);
        if (b == nullptr)
            return;
        if (b->address != nullptr) {
            WriteSome(in, b->address, b->bytes);
        } else {
            uint8_t value = in.Byte();
            b->real->Set(value);
            std::fill(b->bytes.begin(), b->bytes.end(), value);
        }
    }

    void DeleteAll(int c)
    {
        if (collection[c].real == nullptr)
            return;
        LONG status = collection[c].real->DeleteAllBlocks();
        bool anyLocked = false;
        for (size_t i = blocks.size(); i-- > 0;) {
            if (blocks[i].collection != c)
                continue;
            if (blocks[i].locks != 0)
                anyLocked = true;
            else
                Forget(blocks[i]);
        }
        Check(status == (anyLocked ? CSBlockErrLocked : 0));
        CheckAmounts(c);
    }

    // Destroys the collection: its locked blocks stay, detached, the others go with it.
    void Destroy(int c)
    {
        CollectionModel& m = collection[c];
        if (m.real == nullptr)
            return;
        delete m.real;
        m.real = nullptr;
        for (size_t i = blocks.size(); i-- > 0;) {
            if (blocks[i].collection != c)
                continue;
            if (blocks[i].locks == 0) {
                blocks.erase(blocks.begin() + i);
                continue;
            }
            blocks[i].collection = kDetached;
            Check(blocks[i].real->GetCollectionPtr() == nullptr);
        }
    }

    void Reset(Input& in, int c)
    {
        Destroy(c);
        if (collection[c].limited)
            collection[c].limit = in.Byte() * 4u;
        Recreate(c);
    }

    void LockInChunks(Input& in)
    {
        BlockModel* b = Pick(in);
        if (b == nullptr)
            return;
        unsigned short size0 = in.Byte() % 8, size1 = in.Byte() % 8 + 1;
        unsigned char *base = nullptr, *chunk0 = nullptr, *chunk1 = nullptr;
        b->real->LockInChunks(&base, size0, &chunk0, size1, &chunk1, 0);
        if (b->size == 0) {
            Check(base == nullptr && chunk0 == nullptr && chunk1 == nullptr);
            return;
        }
        Check(chunk0 == base && chunk1 == base + size0);
        Locked(*b, base);
    }

    void Probe(Input& in, int c)
    {
        CheckAmounts(c);
        BlockModel* b = Pick(in);
        if (b == nullptr)
            return;
        Check(b->real->GetSize() == b->size);
        Check(b->real->Valid() == (b->size != 0));
        CSMemCollection* owner = b->collection != kDetached ? collection[b->collection].real : nullptr;
        Check(b->real->GetCollectionPtr() == owner);
    }

    void CleanUp()
    {
        Destroy(0);
        Destroy(1);
        // What is left is detached: its owner deletes it, locked or not.
        for (BlockModel& b : blocks) {
            Check(b.collection == kDetached && b.real->GetCollectionPtr() == nullptr);
            delete b.real;
        }
        blocks.clear();
    }
};

// ---------------------------------------------------------------- list

const int kNoNode = -1;

struct CursorModel {
    int node = kNoNode; // node identity
    LONG ordinal = -1;
    bool dangling = false; // its node was deleted through the other iterator
};

struct ListModel {
    CSList real;
    CSListIterator cursor[2];
    CursorModel model[2];
    std::vector<int> nodes; // identities, head first
    std::vector<void*> data; // by identity
    int items[16] = {};
    Heap& heap;

    explicit ListModel(Heap& h) : heap(h)
    {
        cursor[0].Initialize(real);
        cursor[1].Initialize(real);
    }

    size_t PositionOf(int node) const
    {
        return static_cast<size_t>(std::find(nodes.begin(), nodes.end(), node) - nodes.begin());
    }

    void Step(Input& in)
    {
        int k = in.Byte() % 2;
        CSListIterator& it = cursor[k];
        CursorModel& m = model[k];
        uint8_t op = in.Byte() % 13;
        // A dangling iterator may only be placed anew.
        if (m.dangling && op != 5 && op != 6 && op != 11)
            return;
        switch (op) {
        case 0: Insert(in, k, false); break;
        case 1: Insert(in, k, true); break;
        case 2: Delete(k, false); break;
        case 3: Delete(k, true); break;
        case 4: Check(real.Peek(it) == (m.node == kNoNode ? nullptr : data[m.node])); break;
        case 5: it.Head(); Place(m, nodes.empty() ? kNoNode : nodes.front(), nodes.empty() ? -1 : 0); break;
        case 6:
            it.Tail();
            Place(m, nodes.empty() ? kNoNode : nodes.back(), static_cast<LONG>(nodes.size()) - 1);
            break;
        case 7: it.GetNext(); Move(m, +1); break;
        case 8: it.GetPrev(); Move(m, -1); break;
        case 9: Index(k, static_cast<LONG>(in.Byte() % 24) - 3); break;
        case 10: Foreign(); break;
        case 11:
            if (!model[1 - k].dangling) {
                it = cursor[1 - k];
                m = model[1 - k];
            }
            break;
        default: break;
        }
        Verify(k);
    }

    void Place(CursorModel& m, int node, LONG ordinal)
    {
        m.node = node;
        m.ordinal = node == kNoNode ? -1 : ordinal;
        m.dangling = false;
    }

    void Move(CursorModel& m, int direction)
    {
        if (m.node == kNoNode)
            return;
        size_t at = PositionOf(m.node) + direction;
        if (at >= nodes.size())
            Place(m, kNoNode, -1);
        else
            Place(m, nodes[at], m.ordinal + direction);
    }

    void Insert(Input& in, int k, bool append)
    {
        void* item = &items[in.Byte() % 16];
        LONG status = append ? real.Append(cursor[k], item) : real.Insert(cursor[k], item);
        if (!heap.Expect(status, 0, CSListErrNoMemory))
            return;
        CursorModel& m = model[k];
        int node = static_cast<int>(data.size());
        data.push_back(item);
        if (nodes.empty()) {
            nodes.push_back(node);
            Place(m, node, 0);
        } else if (m.node == kNoNode) {
            nodes.insert(append ? nodes.end() : nodes.begin(), node);
        } else {
            size_t at = PositionOf(m.node);
            nodes.insert(nodes.begin() + at + (append ? 1 : 0), node);
            if (!append)
                ++m.ordinal;
        }
    }

    void Delete(int k, bool get)
    {
        CursorModel& m = model[k];
        void* expected = m.node == kNoNode ? nullptr : data[m.node];
        if (get)
            Check(real.Get(cursor[k]) == expected);
        else
            real.Delete(cursor[k]);
        if (m.node == kNoNode)
            return;
        int gone = m.node;
        size_t at = PositionOf(gone);
        nodes.erase(nodes.begin() + at);
        if (at < nodes.size())
            m.node = nodes[at];
        else if (at > 0)
            Place(m, nodes[at - 1], m.ordinal - 1);
        else
            Place(m, kNoNode, -1);
        if (model[1 - k].node == gone)
            model[1 - k].dangling = true;
    }

    void Index(int k, LONG index)
    {
        CursorModel& m = model[k];
        cursor[k][index];
        if (m.node != kNoNode && index == m.ordinal + 1) {
            Move(m, +1);
        } else if (m.node != kNoNode && index == m.ordinal - 1) {
            Move(m, -1);
        } else if (index >= static_cast<LONG>(nodes.size()) || nodes.empty()) {
            Place(m, kNoNode, -1);
        } else {
            LONG at = std::max<LONG>(index, 0);
            Place(m, nodes[at], at);
        }
    }

    void Foreign()
    {
        CSListIterator unbound;
        Check(real.Insert(unbound, &items[0]) == CSListErrNoMemory);
        Check(real.Peek(unbound) == nullptr);
    }

    void Verify(int k)
    {
        Check(real.Count() == static_cast<LONG>(nodes.size()));
        Check(real.IsEmpty() == (nodes.empty() ? 1 : 0));
        const CursorModel& m = model[k];
        if (!m.dangling) {
            CSListIterator& it = cursor[k];
            Check(it.Ord() == m.ordinal);
            Check(it.IsValid() == (m.node != kNoNode ? 1 : 0));
            int head = nodes.empty() ? kNoNode : nodes.front();
            int tail = nodes.empty() ? kNoNode : nodes.back();
            Check(it.IsHead() == (m.node == head ? 1 : 0));
            Check(it.IsTail() == (m.node == tail ? 1 : 0));
        }
        // The whole order, both ways.
        CSListIterator walk(real);
        for (size_t i = 0; i < nodes.size(); ++i, walk.GetNext())
            Check(walk.Ord() == static_cast<LONG>(i) && real.Peek(walk) == data[nodes[i]]);
        Check(!walk.IsValid());
        walk.Tail();
        for (size_t i = nodes.size(); i-- > 0; walk.GetPrev())
            Check(real.Peek(walk) == data[nodes[i]]);
        Check(!walk.IsValid());
    }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    Input in{data, size, 0};
    Heap heap;
    Handles handles{{}, heap};
    Blocks blocks{{}, {}, heap};
    blocks.Start(in);
    {
        ListModel list(heap);
        while (!in.Empty()) {
            uint8_t op = in.Byte();
            if (op < 80)
                handles.Step(in);
            else if (op < 170)
                blocks.Step(in);
            else if (op < 250)
                list.Step(in);
            else if (op < 253)
                heap.Arm(in.Byte() % 8);
            else
                heap.Disarm();
        }
        heap.Disarm();
    }
    handles.CleanUp();
    blocks.CleanUp();
    return 0;
}
