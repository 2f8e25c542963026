// CISStringList: an ordered list of up to 255 texts addressed by a 1-based 8-bit index.
// Entries are appended at the end; only the last can be replaced or removed singly. Walking
// the list in order (Find(1), Find(2), ...) costs one step per entry.
#pragma once
#include "cs_abi.h"
#include "cs_memblock.h"

QZ_ENUM(CISStrErr) {
    CISStrErrNone = 0,
    CISStrErrInvalid = -730,   // the list is not valid, or Replace was given an unreadable text
    CISStrErrBadString = -731, // Add was given a null or unreadable text
    CISStrErrNoRoom = -732     // 255 entries already, or no block for the new entry
};

#ifdef __cplusplus

class QZ_EXPORT CISStringList {
public:
    CISStringList();
    CISStringList(const CISStringList&) = delete; // entries live in the list's own collection
    CISStringList& operator=(const CISStringList&) = delete;
    ~CISStringList();

    CISStrErr Add(const char* text);
    CISStrErr Replace(const char* text);
    const char* Find(unsigned char index);
    unsigned char Count();
    ULONG Length();
    int IsListInvariant();

private:
    CISStrErr CreateStrEntry(ULONG length);
    void DeleteFirstEntry();
    void DeleteLastEntry();
    void ResetCursor();
    bool IsValid() const;

    ULONG m_marker; // 50 while the list lives
    CSMemCollection m_collection;
    CSMemBlock* m_head;
    CSMemBlock* m_tail; // meaningful only while m_head is set
    CSMemBlock* m_cursor;
    unsigned char m_count;
    unsigned char m_cursorIndex;
};
#else
// C hosts hold lists as opaque pointers.
typedef struct CISStringList CISStringList;
#endif
