// A doubly linked list of untyped data pointers, changed only through an iterator that also
// tracks the ordinal position of its node. Each node lives in a locked movable memory handle.
//
// Misuse is answered, never followed:
//   - an iterator of another list (or of none) is refused with no change: Insert and Append
//     answer CSListErrNoMemory, Delete does nothing, Get and Peek give null;
//   - an iterator on no node of a non-empty list: Insert puts the new node at the head and
//     Append at the tail, leaving the iterator on no node; Delete does nothing, Get and Peek
//     give null; GetNext and GetPrev leave it on no node;
//   - operator[] with an index below 0 (other than one step back) stands on the head with
//     ordinal 0, and one at or past the count leaves the iterator on no node, ordinal -1.
// An iterator whose node another iterator deleted must not be used again.
#pragma once
#include "cs_abi.h"
#include "cs_status.h"

#ifdef __cplusplus // the list and blocks are C++ classes
class CSMemObject;
class CSListIterator;

struct CSListNode {
    CSMemObject* handle; // holds this node, locked for the node's whole life
    void* data;          // the caller's pointer, never dereferenced
    CSListNode* previous;
    CSListNode* next;
};

class QZ_EXPORT CSList {
public:
    CSList();
    CSList(const CSList&) = delete; // nodes have one owner
    CSList& operator=(const CSList&) = delete;
    ~CSList();

    LONG Insert(CSListIterator& iterator, void* data);
    LONG Append(CSListIterator& iterator, void* data);
    void Delete(CSListIterator& iterator);
    void* Get(CSListIterator& iterator);
    void* Peek(CSListIterator& iterator);
    int IsEmpty();
    LONG Count();

private:
    friend class CSListIterator;
    CSListNode* m_head;
    CSListNode* m_tail;
    LONG m_count;
};

class QZ_EXPORT CSListIterator {
public:
    CSListIterator();
    explicit CSListIterator(CSList& list);
    CSListIterator(const CSListIterator& other);
    CSListIterator& operator=(const CSListIterator& other);
    ~CSListIterator();

    void Initialize(CSList& list);
    CSListIterator& Head();
    CSListIterator& Tail();
    void GetNext();
    void GetPrev();
    CSListIterator& operator[](LONG index);
    int IsValid();
    int IsHead();
    int IsTail();
    LONG Ord();

private:
    friend class CSList;
    CSList* m_list;
    CSListNode* m_node;
    LONG m_ordinal; // -1 while the iterator is on no node
};
#endif
