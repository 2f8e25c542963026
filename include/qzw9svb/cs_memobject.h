// Movable memory objects: a handle that is locked to reach its memory and may be resized or
// freed only while unlocked. CSHeapMemObject keeps the memory in the process heap with the
// handle's address stored just ahead of the data.
//
// Virtual slots, the same for hosts built with g++ and with Microsoft's compiler: the seven
// backing-store members OSAllocate ... OSGetSize in slots 0 to 6, then the destructor. MSVC
// gives a virtual destructor one slot, its scalar deleting destructor, which `delete` calls with
// flags 1 (destroy, then release the storage). g++ gives it two, so for g++ the class declares
// ScalarDeletingDestructor as slot 7, doing what MSVC's does, ahead of its own two. Through
// slot 7 a handle of either compiler's making is destroyed by its own destructor and released
// by its own operator delete; the library destroys handles only through it.
// Handles live in the process heap (the class-level operator new and delete), whoever makes or
// deletes them; placing a handle in storage of one's own takes ::new.
#pragma once
#include <stddef.h>
#include "cs_abi.h"
#include "cs_status.h"

QZ_ENUM(CSMemOSAlign) {
    CSMemAlignDefault = 0, // no rounding: the data lies one pointer after the heap block's start
    CSMemAlign1 = 1,
    CSMemAlign2 = 2,
    CSMemAlign4 = 3,
    CSMemAlign8 = 4,
    CSMemAlign64 = 5
};

#ifdef __cplusplus

class QZ_EXPORT CSMemObject {
public:
    explicit CSMemObject(void* userPointer);
    CSMemObject(const CSMemObject& other);
    CSMemObject& operator=(const CSMemObject& other);

    static void* operator new(size_t size) noexcept; // null when the heap refuses
    static void operator delete(void* object);

    LONG Allocate(ULONG size, CSMemOSAlign alignment);
    LONG ReAllocate(ULONG size, CSMemOSAlign alignment);
    LONG Dispose();
    LONG Lock(unsigned char** address);
    LONG Unlock();
    LONG IsLocked();
    LONG GetSize(ULONG* size);
    LONG Valid();
    LONG Copy(CSMemObject* source);
    void* GetUserPointer() const;

protected:
    // The backing store, in slot order.
    virtual LONG OSAllocate(ULONG size) = 0;
    virtual LONG OSReAllocate(ULONG size) = 0;
    virtual unsigned char* OSLock() = 0;
    virtual void OSUnlock() = 0;
    virtual LONG OSDispose() = 0;
    virtual LONG OSValid() = 0;
    virtual LONG OSGetSize(ULONG* size) = 0;

public:
#ifndef _MSC_VER
    // Slot 7, MSVC's scalar deleting destructor: destroys the handle and, with bit 0 of flags,
    // releases its storage; answers the handle's address.
    virtual void* ScalarDeletingDestructor(unsigned int flags) noexcept;
#endif
    virtual ~CSMemObject();

protected:
    void SetLockCount(unsigned short count);
    unsigned short GetLockCount() const;
    void SetAllocated(int flag);
    int IsAllocated() const;
    void SetZero(int flag);
    int IsZero() const;
    int IsDataValid() const;
    void SetPointer(void* userPointer);
    CSMemOSAlign GetAlignVal() const;
    unsigned short GetAlignNum() const;
    void MoveMembers(CSMemObject* other);

private:
    unsigned short m_state;     // bits 0-13 lock count, 0x4000 allocated, 0x8000 zero-size
    unsigned short m_signature; // 0xABCD while the handle lives
    void* m_userPointer;
    CSMemOSAlign m_alignment;
};

class QZ_EXPORT CSHeapMemObject : public CSMemObject {
public:
    explicit CSHeapMemObject(void* userPointer);
    CSHeapMemObject(const CSHeapMemObject&) = delete;            // a heap block has one owner
    CSHeapMemObject& operator=(const CSHeapMemObject&) = delete;
    ~CSHeapMemObject() override;

protected:
    LONG OSAllocate(ULONG size) override;
    LONG OSReAllocate(ULONG size) override;
    unsigned char* OSLock() override;
    void OSUnlock() override;
    LONG OSDispose() override;
    LONG OSValid() override;
    LONG OSGetSize(ULONG* size) override;

private:
    unsigned char* m_block; // start of the heap block, null while none is held
};

#else
// C hosts hold handles as opaque pointers.
typedef enum CSMemOSAlign CSMemOSAlign;
typedef struct CSMemObject CSMemObject;
#endif

#ifdef __cplusplus
extern "C" {
#endif
QZ_EXPORT CSMemObject* CS_CALL CSMemObjectFactory(void* userPointer);
QZ_EXPORT LONG CS_CALL CSAllocMemory(ULONG size, CSMemOSAlign alignment, CSMemObject** handle, void* userPointer);
QZ_EXPORT LONG CS_CALL CSReAllocMemory(ULONG size, CSMemOSAlign alignment, CSMemObject** handle);
QZ_EXPORT LONG CS_CALL CSDisposeMemory(CSMemObject* handle);
QZ_EXPORT LONG CS_CALL CSLockMemory(CSMemObject* handle, unsigned char** address);
QZ_EXPORT LONG CS_CALL CSUnlockMemory(CSMemObject* handle);
QZ_EXPORT LONG CS_CALL CSValidMemory(CSMemObject* handle);
QZ_EXPORT LONG CS_CALL CSIsLocked(CSMemObject* handle);
QZ_EXPORT LONG CS_CALL CSSizeMemory(CSMemObject* handle, ULONG* size);
QZ_EXPORT LONG CS_CALL CSGetUserPointer(unsigned char* data, void** userPointer);
#ifdef __cplusplus
}
#endif
