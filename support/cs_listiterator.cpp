// CSListIterator: a cursor on one CSList that keeps the ordinal position of its node.
#include "qzw9svb/cs_list.h"

CSListIterator::CSListIterator() : m_list(nullptr), m_node(nullptr), m_ordinal(-1)
{
}

CSListIterator::CSListIterator(CSList& list) : m_list(&list), m_node(nullptr), m_ordinal(-1)
{
    Head();
}

CSListIterator::CSListIterator(const CSListIterator& other)
    : m_list(other.m_list), m_node(other.m_node), m_ordinal(other.m_ordinal)
{
}

CSListIterator& CSListIterator::operator=(const CSListIterator& other)
{
    m_list = other.m_list;
    m_node = other.m_node;
    m_ordinal = other.m_ordinal;
    return *this;
}

CSListIterator::~CSListIterator()
{
}

void CSListIterator::Initialize(CSList& list)
{
    m_list = &list;
    Head();
}

CSListIterator& CSListIterator::Head()
{
    m_node = m_list != nullptr ? m_list->m_head : nullptr;
    m_ordinal = m_node != nullptr ? 0 : -1;
    return *this;
}

CSListIterator& CSListIterator::Tail()
{
    m_node = m_list != nullptr ? m_list->m_tail : nullptr;
    m_ordinal = m_node != nullptr ? m_list->m_count - 1 : -1;
    return *this;
}

void CSListIterator::GetNext()
{
    if (m_node == nullptr)
        return;
    m_node = m_node->next;
    m_ordinal = m_node != nullptr ? m_ordinal + 1 : -1;
}

void CSListIterator::GetPrev()
{
    if (m_node == nullptr)
        return;
    m_node = m_node->previous;
    m_ordinal = m_node != nullptr ? m_ordinal - 1 : -1;
}

CSListIterator& CSListIterator::operator[](LONG index)
{
    if (m_node != nullptr && index == m_ordinal + 1) {
        GetNext();
        return *this;
    }
    if (m_node != nullptr && index == m_ordinal - 1) {
        GetPrev();
        return *this;
    }
    // Otherwise walk from the head; a negative index stops there, one past the tail runs off.
    Head();
    for (LONG step = 0; step < index && m_node != nullptr; ++step)
        GetNext();
    return *this;
}

int CSListIterator::IsValid()
{
    return m_node != nullptr;
}

int CSListIterator::IsHead()
{
    return m_node == (m_list != nullptr ? m_list->m_head : nullptr);
}

int CSListIterator::IsTail()
{
    return m_node == (m_list != nullptr ? m_list->m_tail : nullptr);
}

LONG CSListIterator::Ord()
{
    return m_ordinal;
}
