// CSMemObject: the state word, signature and alignment of a movable memory handle, and the
// operations that drive its backing store through the seven virtual OS* members.
#include "cs_memimage.h"
#include "os_services.h"
#include "qzw9svb/cs_memobject.h"
#include "qzw9svb/cs_memutil.h"

namespace {
const unsigned short kAllocatedBit = 0x4000;
const unsigned short kZeroSizeBit = 0x8000;
const unsigned short kLockCountMask = 0x3FFF;
const unsigned short kFlagMask = kAllocatedBit | kZeroSizeBit;

bool IsKnownAlignment(CSMemOSAlign alignment)
{
    return alignment >= CSMemAlignDefault && alignment <= CSMemAlign64;
}
} // namespace

CSMemObject::CSMemObject(void* userPointer)
    : m_state(0), m_signature(kMemObjectSignature), m_userPointer(userPointer), m_alignment(CSMemAlignDefault)
{
}

CSMemObject::CSMemObject(const CSMemObject& other)
    : m_state(other.m_state), m_signature(other.m_signature), m_userPointer(other.m_userPointer),
      m_alignment(other.m_alignment)
{
}

CSMemObject& CSMemObject::operator=(const CSMemObject& other)
{
    m_state = other.m_state;
    m_signature = other.m_signature;
    m_userPointer = other.m_userPointer;
    m_alignment = other.m_alignment;
    return *this;
}

CSMemObject::~CSMemObject()
{
    // A stale pointer to a destroyed handle then fails the validity rule. The optimiser drops
    // stores to an object whose life is ending; volatile stores it must keep.
    *static_cast<volatile unsigned short*>(&m_state) = 0;
    *static_cast<volatile unsigned short*>(&m_signature) = 0;
    *static_cast<void* volatile*>(&m_userPointer) = nullptr;
    *static_cast<volatile CSMemOSAlign*>(&m_alignment) = CSMemAlignDefault;
}

void* CSMemObject::operator new(size_t size) noexcept
{
    return cs_os::HeapAllocate(size);
}

void CSMemObject::operator delete(void* object)
{
    if (object != nullptr)
        cs_os::HeapRelease(object);
}

void* CSMemObject::ScalarDeletingDestructor(unsigned int flags) noexcept
{
    // MSVC's vector bit (2) never comes here: no handle class of the library has the default
    // constructor an array would need.
    if (flags & 1)
        delete this;
    else
        this->~CSMemObject();
    return this;
}

LONG CSMemObject::Allocate(ULONG size, CSMemOSAlign alignment)
{
    if (!IsDataValid())
        return CSMemErrInvalid;
    if (IsAllocated() || IsZero())
        return CSMemErrAllocated;
    if (!IsKnownAlignment(alignment))
        return CSMemErrBadAlign;
    if (size == 0) {
        m_alignment = alignment;
        SetZero(1);
        return 0;
    }
    // OSAllocate lays the block out by the alignment, so it must be in place first.
    CSMemOSAlign previous = m_alignment;
    m_alignment = alignment;
    LONG status = OSAllocate(size);
    if (status != 0) {
        m_alignment = previous;
        return status;
    }
    SetAllocated(1);
    return 0;
}

LONG CSMemObject::ReAllocate(ULONG size, CSMemOSAlign alignment)
{
    if (!IsDataValid())
        return CSMemErrInvalid;
    if (alignment == CSMemAlignDefault)
        alignment = m_alignment;
    if (GetLockCount() != 0)
        return CSMemErrLocked;
    if (!IsKnownAlignment(alignment))
        return CSMemErrBadAlign;
    if (IsAllocated()) {
        if (alignment != m_alignment)
            return CSMemErrAlignChange;
        if (size > 0)
            return OSReAllocate(size);
        LONG status = OSDispose();
        if (status != 0)
            return status;
        SetAllocated(0);
        SetZero(1);
        return 0;
    }
    CSMemOSAlign previous = m_alignment;
    m_alignment = alignment;
    if (size > 0) {
        LONG status = OSAllocate(size);
        if (status != 0) {
            m_alignment = previous;
            return status;
        }
        SetAllocated(1);
        SetZero(0);
        return 0;
    }
    SetZero(1);
    return 0;
}

LONG CSMemObject::Dispose()
{
    if (!IsDataValid())
        return CSMemErrInvalid;
    if (GetLockCount() != 0)
        return CSMemErrLocked;
    if (IsZero()) {
        SetZero(0);
        return 0;
    }
    if (!IsAllocated())
        return CSMemErrNotAllocated;
    LONG status = OSDispose();
    if (status == 0)
        SetAllocated(0);
    return status;
}

LONG CSMemObject::Lock(unsigned char** address)
{
    if (!IsDataValid())
        return CSMemErrInvalid;
    // Without a place to put the address a lock could never be given back knowingly.
    if (address == nullptr)
        return CSMemErrLockFailed;
    *address = nullptr;
    if (!IsAllocated() && !IsZero())
        return CSMemErrNotAllocated;
    // The lock count has 14 bits: one more lock would spill into the allocated flag.
    if (GetLockCount() == kLockCountMask)
        return CSMemErrLockFailed;
    unsigned char* data;
    if (IsZero()) {
        // Zero bytes may be touched here; the signature is the spot where a stray write
        // shows up as an invalid handle rather than as damage elsewhere.
        data = reinterpret_cast<unsigned char*>(&m_signature);
    } else {
        data = OSLock();
        if (data == nullptr)
            return CSMemErrLockFailed;
    }
    SetLockCount(static_cast<unsigned short>(GetLockCount() + 1));
    *address = data;
    return 0;
}

LONG CSMemObject::Unlock()
{
    if (!IsDataValid())
        return CSMemErrInvalid;
    if ((!IsAllocated() && !IsZero()) || GetLockCount() == 0)
        return CSMemErrNotLocked;
    SetLockCount(static_cast<unsigned short>(GetLockCount() - 1));
    OSUnlock();
    return 0;
}

LONG CSMemObject::IsLocked()
{
    if (!IsDataValid())
        return CSMemErrInvalid;
    return GetLockCount() != 0 ? LONG(CSMemErrLocked) : 0;
}

LONG CSMemObject::GetSize(ULONG* size)
{
    if (!IsDataValid())
        return CSMemErrInvalid;
    ULONG discarded;
    if (size == nullptr)
        size = &discarded;
    if (IsZero()) {
        *size = 0;
        return 0;
    }
    if (!IsAllocated())
        return CSMemErrNotAllocated;
    return OSGetSize(size);
}

LONG CSMemObject::Valid()
{
    if (!IsDataValid())
        return CSMemErrInvalid;
    return IsAllocated() ? OSValid() : 0;
}

LONG CSMemObject::Copy(CSMemObject* source)
{
    if (!IsDataValid() || source == nullptr)
        return CSMemErrInvalid;
    ULONG sourceSize = 0;
    ULONG ownSize = 0;
    LONG status = source->GetSize(&sourceSize);
    if (status == 0)
        status = GetSize(&ownSize);
    if (status != 0)
        return status;
    ULONG count = sourceSize < ownSize ? sourceSize : ownSize;
    // A handle copied onto itself already holds the result.
    if (count == 0 || source == this)
        return 0;
    unsigned char* destination;
    status = Lock(&destination);
    if (status != 0)
        return status;
    unsigned char* from;
    status = source->Lock(&from);
    if (status != 0) {
        Unlock();
        return status;
    }
    CSCopyMemory(from, destination, count);
    source->Unlock();
    Unlock();
    return 0;
}

void* CSMemObject::GetUserPointer() const
{
    return m_userPointer;
}

void CSMemObject::SetLockCount(unsigned short count)
{
    m_state = static_cast<unsigned short>((count & kLockCountMask) | (m_state & kFlagMask));
}

unsigned short CSMemObject::GetLockCount() const
{
    return static_cast<unsigned short>(m_state & kLockCountMask);
}

void CSMemObject::SetAllocated(int flag)
{
    m_state = static_cast<unsigned short>(flag ? (m_state | kAllocatedBit) : (m_state & ~kAllocatedBit));
}

int CSMemObject::IsAllocated() const
{
    return (m_state & kAllocatedBit) != 0;
}

void CSMemObject::SetZero(int flag)
{
    m_state = static_cast<unsigned short>(flag ? (m_state | kZeroSizeBit) : (m_state & ~kZeroSizeBit));
}

int CSMemObject::IsZero() const
{
    return (m_state & kZeroSizeBit) != 0;
}

int CSMemObject::IsDataValid() const
{
    if (m_signature != kMemObjectSignature)
        return 0;
    if ((m_state & kFlagMask) == kFlagMask)
        return 0;
    // An Empty handle cannot be locked.
    return (m_state & kFlagMask) != 0 || GetLockCount() == 0;
}

void CSMemObject::SetPointer(void* userPointer)
{
    m_userPointer = userPointer;
}

CSMemOSAlign CSMemObject::GetAlignVal() const
{
    return m_alignment;
}

unsigned short CSMemObject::GetAlignNum() const
{
    static const unsigned short kBytes[] = {0, 1, 2, 4, 8, 64};
    return IsKnownAlignment(m_alignment) ? kBytes[m_alignment] : 0;
}

void CSMemObject::MoveMembers(CSMemObject* other)
{
    if (other == nullptr || other == this)
        return;
    *this = *other;
    // The other handle keeps its signature and so stays a valid Empty handle.
    other->m_state = 0;
    other->m_userPointer = nullptr;
    other->m_alignment = CSMemAlignDefault;
}
