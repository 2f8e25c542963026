// CSList: node storage in locked movable memory handles, and insertion and removal at an
// iterator, which the list keeps on a sensible node as it goes.
#include <new>

#include "cs_classalloc.h"
#include "qzw9svb/cs_list.h"

namespace {
// A node in its own locked handle; null when the handle cannot be made or locked.
CSListNode* CreateNode(void* data)
{
    CSMemObject* handle = nullptr;
    unsigned char* storage = cs_classalloc::AllocateLocked(sizeof(CSListNode), &handle);
    return storage != nullptr ? new (storage) CSListNode{handle, data, nullptr, nullptr} : nullptr;
}

void DestroyNode(CSListNode* node)
{
    cs_classalloc::ReleaseHandle(node->handle);
}
} // namespace

CSList::CSList() : m_head(nullptr), m_tail(nullptr), m_count(0)
{
}

CSList::~CSList()
{
    // The data pointers belong to the caller and are left alone.
    CSListNode* node = m_head;
    while (node != nullptr) {
        CSListNode* next = node->next;
        DestroyNode(node);
        node = next;
    }
}

LONG CSList::Insert(CSListIterator& iterator, void* data)
{
    if (iterator.m_list != this)
        return CSListErrNoMemory;
    CSListNode* node = CreateNode(data);
    if (node == nullptr)
        return CSListErrNoMemory;
    if (m_head == nullptr) {
        m_head = m_tail = node;
        iterator.m_node = node;
        iterator.m_ordinal = 0;
    } else {
        CSListNode* before = iterator.m_node != nullptr ? iterator.m_node : m_head;
        node->previous = before->previous;
        node->next = before;
        if (before->previous != nullptr)
            before->previous->next = node;
        else
            m_head = node;
        before->previous = node;
        if (iterator.m_node != nullptr)
            ++iterator.m_ordinal;
    }
    ++m_count;
    return 0;
}

LONG CSList::Append(CSListIterator& iterator, void* data)
{
    // Insert refuses another list's iterator, and an empty list takes the node either way.
    if (iterator.m_list != this || m_head == nullptr)
        return Insert(iterator, data);
    // After a node with a successor is before that successor; the caller's iterator stays.
    CSListNode* after = iterator.m_node != nullptr ? iterator.m_node : m_tail;
    if (after->next != nullptr) {
        CSListIterator successor(iterator);
        successor.m_node = after->next;
        return Insert(successor, data);
    }
    CSListNode* node = CreateNode(data);
    if (node == nullptr)
        return CSListErrNoMemory;
    node->previous = m_tail;
    m_tail->next = node;
    m_tail = node;
    ++m_count;
    return 0;
}

void CSList::Delete(CSListIterator& iterator)
{
    CSListNode* node = iterator.m_node;
    if (iterator.m_list != this || node == nullptr)
        return;
    if (node->previous != nullptr)
        node->previous->next = node->next;
    else
        m_head = node->next;
    if (node->next != nullptr)
        node->next->previous = node->previous;
    else
        m_tail = node->previous;
    // The iterator moves on to the next node, or back to the new tail when the tail went.
    if (node->next != nullptr) {
        iterator.m_node = node->next;
    } else if (node->previous != nullptr) {
        iterator.m_node = node->previous;
        --iterator.m_ordinal;
    } else {
        iterator.m_node = nullptr;
        iterator.m_ordinal = -1;
    }
    DestroyNode(node);
    --m_count;
}

void* CSList::Get(CSListIterator& iterator)
{
    void* data = Peek(iterator);
    Delete(iterator);
    return data;
}

void* CSList::Peek(CSListIterator& iterator)
{
    if (iterator.m_list != this || iterator.m_node == nullptr)
        return nullptr;
    return iterator.m_node->data;
}

int CSList::IsEmpty()
{
    return m_count == 0;
}

LONG CSList::Count()
{
    return m_count;
}
