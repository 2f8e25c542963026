// The entry node of CISStringList, kept in a block of the list's collection and reached only
// while the block is locked.
#pragma once
#include "qzw9svb/cs_memblock.h"

struct CISStringNode {
    ULONG size;       // sizeof(CISStringNode): 12 with 4-byte pointers
    CSMemBlock* next; // none for the last entry
    char* text;       // a locked text block of the same collection
};

// Holds one extra lock on a node block for the duration of a field access.
class LockedNode {
public:
    explicit LockedNode(CSMemBlock* block)
        : m_block(block), m_node(reinterpret_cast<CISStringNode*>(block->Lock())) {}
    ~LockedNode()
    {
        if (m_node)
            m_block->Unlock();
    }
    LockedNode(const LockedNode&) = delete;
    LockedNode& operator=(const LockedNode&) = delete;

    CISStringNode* operator->() const { return m_node; }
    explicit operator bool() const { return m_node != nullptr; }

private:
    CSMemBlock* m_block;
    CISStringNode* m_node;
};
