// The exported classes as a host program uses them, built by clang in MSVC mode against
// QZW9SVB.lib and, from the same source, by MinGW g++ against libQZW9SVB.dll.a: objects on the
// stack and from the host's new, virtual calls both ways, statics, CToolboxCap filling a
// CISStringList, memory handles deleted through their base and one derived in the host. In MSVC
// mode every imported constructor must also hand back `this`, which MSVC callers rely on.
#include <stddef.h>
#include <windows.h>

#include "host_runtime.h"
#include "qzw9svb.h"

namespace {

char kRealname[] = "QZ Kestrel 410 Printer";

bool Same(const char* a, const char* b)
{
    return a != nullptr && b != nullptr && CSStrcmp(a, b) == 0;
}

// Whether the process heap holds a live block at this address (taken as a number, so that a
// released object's address can still be asked about).
bool HeapHolds(ULONG_PTR block)
{
    return HeapValidate(GetProcessHeap(), 0, reinterpret_cast<const void*>(block)) != 0;
}

ULONG_PTR AddressOf(const void* p)
{
    return reinterpret_cast<ULONG_PTR>(p);
}

void StringLists()
{
    CISStringList list;
    Check(list.IsListInvariant() == 1 && list.Count() == 0 && list.Find(1) == nullptr, "a new list is empty");
    Check(list.Add("ab") == CISStrErrNone && list.Add("cde") == CISStrErrNone, "Add");
    Check(list.Count() == 2 && list.Length() == 5, "Count and Length");
    Check(Same(list.Find(1), "ab") && Same(list.Find(2), "cde") && Same(list.Find(0), "cde"), "Find");
    Check(list.Replace("f") == CISStrErrNone && Same(list.Find(2), "f"), "Replace of the last entry");
    Check(list.Replace(nullptr) == CISStrErrNone && list.Count() == 1 && list.IsListInvariant() == 1, "Replace(null) removes it");
    CISStringList* heap = new CISStringList;
    Check(heap->Add(nullptr) == CISStrErrBadString && heap->Count() == 0, "a list from the host's new refuses a null text");
    delete heap;
}

void ToolboxCapability()
{
    CToolboxCap* cap = CToolboxCap::Instance();
    Check(cap != nullptr && CToolboxCap::Instance() == cap, "Instance keeps one shared object");
    if (cap == nullptr)
        return;
    CISStringList names;
    Check(cap->GetAllSupportedRealnames(&names) == 1 && Same(names.Find(1), kRealname), "GetAllSupportedRealnames fills the host's list");
    Check(cap->GetPrinterBaseID(kRealname) == 10900 && cap->GetPrinterBaseID("QZ Kestrel 410") == 0, "GetPrinterBaseID");
    unsigned char record[80];
    ULONG size = 0;
    Check(cap->GetDataSize(kRealname, CapRecordServiceType) == 80 && cap->GetData(kRealname, CapRecordServiceType, record, &size) == 1 &&
              size == 80 && record[60] == 7,
          "GetDataSize and GetData of the service-type record");
    Check(cap->GetMibTypeFromSPC(kRealname) == 1024, "GetMibTypeFromSPC");
    char text[64];
    Check(cap->GetRealnameFromModel(text, "kestrel 410") == 1 && Same(text, kRealname), "GetRealnameFromModel");
    size = sizeof(text);
    Check(cap->GetStrData(kRealname, 11, text, &size) == 0 && Same(text, "Kestrel 410"), "GetStrData of the model name");
    CToolboxCap::ExitInstance();
    Check(CToolboxCap::Instance() != nullptr, "Instance after ExitInstance makes a new one");
}

void EventData()
{
    _EventDataInfo source = {0x12345678, 0xBEEF};
    _EventDataInfo target = {0, 0};
    Check(&(target = source) == &target && target.value == 0x12345678 && target.code == 0xBEEF, "operator= copies both fields");
}

void Lists()
{
    int a = 1, b = 2, c = 3;
    CSList list;
    CSListIterator it(list);
    Check(list.IsEmpty() == 1 && it.Ord() == -1 && it.IsHead() == 1 && it.IsTail() == 1, "a new list and its iterator");
    Check(list.Append(it, &a) == 0 && list.Append(it.Tail(), &b) == 0 && list.Insert(it.Head(), &c) == 0, "Append and Insert");
    Check(list.Count() == 3 && list.Peek(it.Head()) == &c && list.Peek(it[2]) == &b && it.Ord() == 2, "the order is c, a, b");
    CSListIterator copy(it);
    CSListIterator assigned;
    assigned = it;
    copy.GetPrev();
    assigned.Initialize(list);
    Check(list.Peek(copy) == &a && copy.Ord() == 1 && assigned.IsHead() == 1 && it.IsTail() == 1, "copies move on their own");
    Check(list.Get(it) == &b && list.Count() == 2 && it.Ord() == 1, "Get takes the tail");
    list.Delete(it.Head());
    Check(list.Count() == 1 && list.Peek(it) == &a, "Delete of the head");
    it.GetNext();
    Check(it.IsValid() == 0 && it.Ord() == -1, "GetNext runs off the tail");
    CSList* heap = new CSList;
    CSListIterator onHeap(*heap);
    Check(heap->Append(onHeap, &a) == 0 && heap->Count() == 1, "a list from the host's new");
    delete heap;
}

void BlocksAndCollections()
{
    CSMemCollection* collection = new CSMemCollection(100);
    unsigned char* data = nullptr;
    Check(collection != nullptr && collection->NewBlockPtrA(60, CSMemBlockZeroInit | CSMemBlockAlign8, &data, nullptr, 0) == 0,
          "the class-level new, then NewBlockPtrA");
    if (data == nullptr)
        return;
    Check(AddressOf(data) % 8 == 0 && data[0] == 0 && data[59] == 0, "zero-filled data on 8 bytes");
    CSMemBlock* refused = nullptr;
    Check(collection->NewBlockA(50, 0, &refused, nullptr, 0) == CSBlockErrLimit && refused == nullptr, "the limit holds");
    Check(collection->GetAmountAllocated() == 60 && collection->GetAmountFree() == 40 && collection->GetTotalAmount() == 100, "the amounts");
    CSMemBlock* owner = CSMemBlock::GetMemBlockObjPtr(data);
    Check(owner != nullptr && owner->GetCollectionPtr() == collection && owner->GetSize() == 60, "GetMemBlockObjPtr finds the block");
    Check(collection->DeleteBlockPtr(data) == 0 && collection->GetAmountAllocated() == 0, "DeleteBlockPtr");
    delete collection;

    CSMemBlock* block = new CSMemBlock(16, CSMemBlockZeroInit);
    block->Set(0x5A);
    unsigned char *base, *first, *second;
    block->LockInChunks(&base, 4, &first, 8, &second, 0);
    Check(base != nullptr && first == base && second == base + 4 && base[15] == 0x5A, "Set, then LockInChunks (variadic)");
    Check(block->Unlock() == 1 && block->Valid() == 1, "Unlock and Valid");
    Check(block->ReAllocate(32, 0) == 0 && block->GetSize() == 32 && block->Free() == 0 && block->Allocate(8, 0, nullptr, 0) == 0,
          "ReAllocate, Free and Allocate");
    Check(CSMemBlock::GetOSAlignOpt(CSMemBlockAlign64) == CSMemAlign64 && CSMemBlock::GetOSAlignOpt(0x0A) == CSMemAlign1, "GetOSAlignOpt");
    {
        CSMemBlock view(*block);
        CSMemBlock assigned;
        assigned = view;
        unsigned char* memory = block->Lock();
        Check(memory != nullptr && assigned.Lock() == memory && view.GetSize() == 8, "copies are views of the same memory");
        assigned.Unlock();
        block->Unlock();
    }
    delete block;
}

void HandlesDeletedThroughTheBase()
{
    int owner = 0;
    unsigned char* data = nullptr;
    void* user = nullptr;
    // With the default alignment the heap block starts one pointer before the data.
    CSMemObject* made = CSMemObjectFactory(&owner);
    Check(made != nullptr && made->Allocate(32, CSMemAlignDefault) == 0 && made->Lock(&data) == 0, "a handle from CSMemObjectFactory");
    if (made == nullptr || data == nullptr)
        return;
    Check(CSGetUserPointer(data, &user) == 0 && user == &owner && made->Unlock() == 0, "its data leads back to the user pointer");
    ULONG_PTR handle = AddressOf(made), block = AddressOf(data - sizeof(void*));
    Check(HeapHolds(handle) && HeapHolds(block), "handle and memory live in the process heap");
    delete made;
    Check(!HeapHolds(handle) && !HeapHolds(block), "delete through CSMemObject* releases the handle and its memory");

    CSMemObject* fromNew = new CSHeapMemObject(&owner);
    Check(fromNew->Allocate(8, CSMemAlign64) == 0 && fromNew->Lock(&data) == 0 && AddressOf(data) % 64 == 0 && fromNew->Unlock() == 0,
          "a handle from the host's new");
    handle = AddressOf(fromNew);
    delete fromNew;
    Check(!HeapHolds(handle), "delete releases a handle from the host's new");

    {
        CSHeapMemObject local(&owner);
        ULONG size = 0;
        Check(local.Allocate(10, CSMemAlign1) == 0 && local.ReAllocate(20, CSMemAlignDefault) == 0 && local.GetSize(&size) == 0 &&
                  size >= 20,
              "a handle on the stack grows");
        Check(local.Lock(&data) == 0 && local.IsLocked() == CSMemErrLocked && local.Unlock() == 0 && local.Valid() == 0,
              "Lock, IsLocked, Unlock and Valid");
        block = AddressOf(data - sizeof(void*));
    }
    Check(!HeapHolds(block), "its memory goes with it at the end of its scope");
    Check(CSValidHeap() == 0, "the heap is intact");
}

// A handle whose backing store is the host's own: a buffer in the object, with a count of every
// call the library makes into it.
class HostHandle : public CSMemObject {
public:
    explicit HostHandle(int* destroyed) : CSMemObject(destroyed), m_destroyed(destroyed) {}
    ~HostHandle() override { ++*m_destroyed; }
    const unsigned char* Store() const { return m_store; }

    int allocations = 0, reallocations = 0, locks = 0, unlocks = 0, disposals = 0;

protected:
    LONG OSAllocate(ULONG size) override { return Resize(size, &allocations); }
    LONG OSReAllocate(ULONG size) override { return Resize(size, &reallocations); }
    unsigned char* OSLock() override { return ++locks, m_store; }
    void OSUnlock() override { ++unlocks; }
    LONG OSDispose() override { return Resize(0, &disposals); }
    LONG OSValid() override { return 0; }
    LONG OSGetSize(ULONG* size) override { return *size = m_size, 0; }

private:
    LONG Resize(ULONG size, int* calls)
    {
        ++*calls;
        if (size > sizeof(m_store))
            return CSMemErrNoMemory;
        m_size = size;
        return 0;
    }

    int* m_destroyed;
    ULONG m_size = 0;
    unsigned char m_store[48];
};

void HandleDerivedInTheHost()
{
    int destroyed = 0;
    {
        HostHandle handle(&destroyed);
        unsigned char* data = nullptr;
        Check(handle.Allocate(16, CSMemAlign4) == 0 && handle.allocations == 1, "Allocate calls the host's OSAllocate");
        Check(handle.ReAllocate(64, CSMemAlignDefault) == CSMemErrNoMemory && handle.ReAllocate(40, CSMemAlignDefault) == 0 &&
                  handle.reallocations == 2,
              "ReAllocate calls OSReAllocate and hands on its refusal");
        Check(handle.Lock(&data) == 0 && data == handle.Store() && handle.locks == 1, "Lock answers OSLock's address");
        Check(handle.Dispose() == CSMemErrLocked && handle.Unlock() == 0 && handle.unlocks == 1, "no Dispose while locked; Unlock calls OSUnlock");
        ULONG size = 0;
        Check(handle.GetSize(&size) == 0 && size == 40 && handle.Valid() == 0, "GetSize and Valid ask the host");
        CSMemObject* library = nullptr;
        unsigned char* source = nullptr;
        Check(CSAllocMemory(8, CSMemAlignDefault, &library, nullptr) == 0 && library->Lock(&source) == 0, "a library handle");
        if (source != nullptr) {
            CSStrcpy(reinterpret_cast<char*>(source), "1234567");
            Check(library->Unlock() == 0 && handle.Copy(library) == 0 && Same(reinterpret_cast<const char*>(handle.Store()), "1234567"),
                  "Copy from a library handle into the host's");
        }
        CSDisposeMemory(library);
        Check(handle.Dispose() == 0 && handle.disposals == 1 && handle.Lock(&data) == CSMemErrNotAllocated, "Dispose calls OSDispose");
    }
    Check(destroyed == 1, "the host's destructor runs at the end of the scope");
    HostHandle* onHeap = new HostHandle(&destroyed);
    ULONG_PTR address = AddressOf(onHeap);
    Check(HeapHolds(address) && onHeap->Allocate(0, CSMemAlignDefault) == 0, "a host handle from the class-level new");
    Check(CSDisposeMemory(onHeap) == 0 && destroyed == 2 && !HeapHolds(address),
          "CSDisposeMemory destroys it with the host's destructor and releases it");
    CSMemObject* base = new HostHandle(&destroyed);
    delete base;
    Check(destroyed == 3, "delete through CSMemObject* runs the host's destructor");
}

void ServicesAndQueries()
{
    char longQueue[300];
    CSSetMemory(longQueue, sizeof(longQueue) - 1, 'q');
    longQueue[sizeof(longQueue) - 1] = '\0';
    Check(PrintSelfTest(longQueue, nullptr, 0, nullptr) == 0, "PrintSelfTest refuses a queue name of 300 characters");
    Check(PrintInkGauge(kRealname, nullptr, 0, nullptr) == 1 && DoCableTest(nullptr, nullptr, nullptr, nullptr, nullptr) == 1,
          "PrintInkGauge and DoCableTest");
    Check(GetMibTypeFromSPC(kRealname) == 1024 && GetDataSize(kRealname, CapRecordEventTable) == 580, "GetMibTypeFromSPC and GetDataSize");
    CISStringList list;
    char realname[64];
    Check(GetAllSupportedRealnames(&list) == 1 && Same(list.Find(1), kRealname), "GetAllSupportedRealnames");
    Check(GetRealnameFromModel(realname, const_cast<char*>("Kestrel 410")) == 1 && Same(realname, kRealname), "GetRealnameFromModel");
}

#ifdef _MSC_VER
#ifdef _M_IX86
#define QZ_THISCALL __thiscall
#define QZ_DECORATED(x86, x64) x86
#else
#define QZ_THISCALL
#define QZ_DECORATED(x86, x64) x64
#endif

// Objects the copying and list-taking constructors are given.
struct Sources {
    CSHeapMemObject handle{nullptr};
    CSList list;
    CSListIterator iterator;
    CSMemBlock block;
    CSMemCollection collection;
};

// References travel as pointers in both ABIs.
typedef void*(QZ_THISCALL* Construct)(void* self);
typedef void*(QZ_THISCALL* ConstructFrom)(void* self, const void* argument);
typedef void*(QZ_THISCALL* ConstructSized)(void* self, ULONG size);
typedef void*(QZ_THISCALL* ConstructSizedFlags)(void* self, ULONG size, ULONG flags);
typedef void*(QZ_THISCALL* ConstructInCollection)(void* self, ULONG size, CSMemCollection* collection, ULONG flags, char* file, ULONG line);

template <class T> void Destroy(void* object)
{
    static_cast<T*>(object)->T::~T();
}

struct ConstructorRow {
    const char* name;
    void* (*construct)(FARPROC constructor, void* self, Sources& sources);
    void (*destroy)(void* self);
};

const ConstructorRow kConstructors[] = {
    {QZ_DECORATED("??0CSMemObject@@QAE@PAX@Z", "??0CSMemObject@@QEAA@PEAX@Z"),
     [](FARPROC f, void* self, Sources&) { return ConstructFrom(f)(self, nullptr); }, Destroy<CSMemObject>},
    {QZ_DECORATED("??0CSMemObject@@QAE@ABV0@@Z", "??0CSMemObject@@QEAA@AEBV0@@Z"),
     [](FARPROC f, void* self, Sources& s) { return ConstructFrom(f)(self, &s.handle); }, Destroy<CSMemObject>},
    {QZ_DECORATED("??0CSHeapMemObject@@QAE@PAX@Z", "??0CSHeapMemObject@@QEAA@PEAX@Z"),
     [](FARPROC f, void* self, Sources&) { return ConstructFrom(f)(self, nullptr); }, Destroy<CSHeapMemObject>},
    {QZ_DECORATED("??0CSList@@QAE@XZ", "??0CSList@@QEAA@XZ"),
     [](FARPROC f, void* self, Sources&) { return Construct(f)(self); }, Destroy<CSList>},
    {QZ_DECORATED("??0CSListIterator@@QAE@XZ", "??0CSListIterator@@QEAA@XZ"),
     [](FARPROC f, void* self, Sources&) { return Construct(f)(self); }, Destroy<CSListIterator>},
    {QZ_DECORATED("??0CSListIterator@@QAE@AAVCSList@@@Z", "??0CSListIterator@@QEAA@AEAVCSList@@@Z"),
     [](FARPROC f, void* self, Sources& s) { return ConstructFrom(f)(self, &s.list); }, Destroy<CSListIterator>},
    {QZ_DECORATED("??0CSListIterator@@QAE@ABV0@@Z", "??0CSListIterator@@QEAA@AEBV0@@Z"),
     [](FARPROC f, void* self, Sources& s) { return ConstructFrom(f)(self, &s.iterator); }, Destroy<CSListIterator>},
    {QZ_DECORATED("??0CSMemBlock@@QAE@XZ", "??0CSMemBlock@@QEAA@XZ"),
     [](FARPROC f, void* self, Sources&) { return Construct(f)(self); }, Destroy<CSMemBlock>},
    {QZ_DECORATED("??0CSMemBlock@@QAE@KK@Z", "??0CSMemBlock@@QEAA@KK@Z"),
     [](FARPROC f, void* self, Sources&) { return ConstructSizedFlags(f)(self, 8, 0); }, Destroy<CSMemBlock>},
    {QZ_DECORATED("??0CSMemBlock@@QAE@KPAVCSMemCollection@@KPADK@Z", "??0CSMemBlock@@QEAA@KPEAVCSMemCollection@@KPEADK@Z"),
     [](FARPROC f, void* self, Sources& s) { return ConstructInCollection(f)(self, 8, &s.collection, 0, nullptr, 0); }, Destroy<CSMemBlock>},
    {QZ_DECORATED("??0CSMemBlock@@QAE@ABV0@@Z", "??0CSMemBlock@@QEAA@AEBV0@@Z"),
     [](FARPROC f, void* self, Sources& s) { return ConstructFrom(f)(self, &s.block); }, Destroy<CSMemBlock>},
    {QZ_DECORATED("??0CSMemCollection@@QAE@XZ", "??0CSMemCollection@@QEAA@XZ"),
     [](FARPROC f, void* self, Sources&) { return Construct(f)(self); }, Destroy<CSMemCollection>},
    {QZ_DECORATED("??0CSMemCollection@@QAE@K@Z", "??0CSMemCollection@@QEAA@K@Z"),
     [](FARPROC f, void* self, Sources&) { return ConstructSized(f)(self, 64); }, Destroy<CSMemCollection>},
    {QZ_DECORATED("??0CISStringList@@QAE@XZ", "??0CISStringList@@QEAA@XZ"),
     [](FARPROC f, void* self, Sources&) { return Construct(f)(self); }, Destroy<CISStringList>},
    {QZ_DECORATED("??0CToolboxCap@@QAE@XZ", "??0CToolboxCap@@QEAA@XZ"),
     [](FARPROC f, void* self, Sources&) { return Construct(f)(self); }, Destroy<CToolboxCap>},
};

// How many names the module exports that start with prefix, read from its export directory.
int CountExports(HMODULE module, const char* prefix)
{
    const unsigned char* image = reinterpret_cast<const unsigned char*>(module);
    const unsigned char* headers = image + *reinterpret_cast<const LONG*>(image + 0x3C);
    // The export directory is the first data directory of the optional header.
    DWORD directoryRva = *reinterpret_cast<const DWORD*>(headers + (sizeof(void*) == 8 ? 0x88 : 0x78));
    const unsigned char* directory = image + directoryRva;
    DWORD count = *reinterpret_cast<const DWORD*>(directory + 0x18);
    const DWORD* names = reinterpret_cast<const DWORD*>(image + *reinterpret_cast<const DWORD*>(directory + 0x20));
    int found = 0;
    for (DWORD i = 0; i < count; ++i)
        found += CSStrncmp(reinterpret_cast<const char*>(image + names[i]), prefix, CSStrlen(prefix)) == 0;
    return found;
}

void ConstructorsReturnThis()
{
    HMODULE library = GetModuleHandleA("QZW9SVB.dll");
    Check(CountExports(library, "??0") == sizeof(kConstructors) / sizeof(kConstructors[0]), "every exported constructor has a row here");
    Sources sources;
    alignas(16) unsigned char storage[1536];
    static_assert(sizeof(CToolboxCap) <= sizeof(storage), "the largest class fits the storage");
    for (const ConstructorRow& row : kConstructors) {
        FARPROC constructor = GetProcAddress(library, row.name);
        Check(constructor != nullptr && row.construct(constructor, storage, sources) == storage, row.name);
        if (constructor != nullptr)
            row.destroy(storage);
    }
}
#endif

} // namespace

void HostChecks()
{
    const char* constructors = "every imported constructor hands back this";
#ifdef _MSC_VER
    RunGroup(constructors, ConstructorsReturnThis);
#else
    SkipGroup(constructors, "g++ callers do not use it");
#endif
    const struct {
        const char* name;
        void (*run)();
    } groups[] = {
        {"CISStringList on the stack and from new", StringLists},
        {"CToolboxCap and its statics, filling a CISStringList", ToolboxCapability},
        {"_EventDataInfo assignment", EventData},
        {"CSList and CSListIterator", Lists},
        {"CSMemBlock and CSMemCollection: class-level new and delete, virtual members", BlocksAndCollections},
        {"CSMemObject handles deleted through the base", HandlesDeletedThroughTheBase},
        {"a CSMemObject derived in the host", HandleDerivedInTheHost},
        {"services and queries by __stdcall", ServicesAndQueries},
    };
    for (const auto& group : groups)
        RunGroup(group.name, group.run);
}
