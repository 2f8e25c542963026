// CISStringList: entries as node blocks (locked for their whole life) chained head to tail,
// each pointing at a locked text block; every block comes from the list's own collection.
#include "qzw9svb/cis_string_list.h"

#include "cis_string_node.h"
#include "qzw9svb/cs_memutil.h"
#include "qzw9svb/cs_string.h"

namespace {

constexpr ULONG kValidMarker = 50;
constexpr unsigned char kMaxEntries = 255;
// Diagnostic tag that every block request of the list carries.
char kSourceTag[] = "cisstr";
constexpr ULONG kNodeLine = 215;
constexpr ULONG kTextLine = 227;

CSMemBlock* NextOf(CSMemBlock* block)
{
    LockedNode node(block);
    return node ? node->next : nullptr;
}

char* TextOf(CSMemBlock* block)
{
    LockedNode node(block);
    return node ? node->text : nullptr;
}

} // namespace

CISStringList::CISStringList()
    : m_marker(kValidMarker), m_head(nullptr), m_tail(nullptr), m_cursor(nullptr), m_count(0), m_cursorIndex(1)
{
}

CISStringList::~CISStringList()
{
    while (m_head)
        DeleteFirstEntry();
    m_marker = 0;
}

bool CISStringList::IsValid() const
{
    return m_marker == kValidMarker;
}

void CISStringList::ResetCursor()
{
    m_cursor = m_head;
    m_cursorIndex = 1;
}

CISStrErr CISStringList::Add(const char* text)
{
    if (!CSIsValidReadPtr(text, 1))
        return CISStrErrBadString;
    if (m_count >= kMaxEntries)
        return CISStrErrNoRoom;
    if (!IsValid())
        return CISStrErrInvalid;
    CISStrErr created = CreateStrEntry(CSStrlen(text));
    if (created != CISStrErrNone)
        return created;
    LockedNode tail(m_tail);
    CSStrcpy(tail->text, text);
    return CISStrErrNone;
}

CISStrErr CISStringList::CreateStrEntry(ULONG length)
{
    CSMemBlock* block = nullptr;
    if (m_collection.NewBlockA(sizeof(CISStringNode), 0, &block, kSourceTag, kNodeLine) != 0 || !block)
        return CISStrErrNoRoom;
    unsigned char* text = nullptr;
    if (m_collection.NewBlockPtrA(length + 1, 0, &text, kSourceTag, kTextLine) != 0 || !text) {
        m_collection.DeleteBlock(block);
        return CISStrErrNoRoom;
    }
    auto* node = reinterpret_cast<CISStringNode*>(block->Lock()); // the node's life-long lock
    ++m_count;
    node->size = sizeof(CISStringNode);
    node->next = nullptr;
    node->text = reinterpret_cast<char*>(text);
    if (!m_head) {
        m_head = m_tail = m_cursor = block;
    } else {
        LockedNode(m_tail)->next = block;
        m_tail = block;
    }
    return CISStrErrNone;
}

const char* CISStringList::Find(unsigned char index)
{
    if (!IsValid() || !m_head)
        return nullptr;
    CSMemBlock* found = nullptr;
    if (index == 0) {
        found = m_tail;
    } else if (index == m_cursorIndex + 1) {
        CSMemBlock* next = NextOf(m_cursor);
        if (!next || index > m_count) {
            ResetCursor();
            return nullptr;
        }
        m_cursor = next;
        m_cursorIndex = index;
        found = next;
    } else if (index > m_count) {
        return nullptr;
    } else {
        found = m_head;
        for (unsigned step = 1; step < index && found; ++step)
            found = NextOf(found);
        if (!found) {
            ResetCursor();
            return nullptr;
        }
        if (index < m_count) {
            m_cursor = found;
            m_cursorIndex = index;
        } else {
            ResetCursor();
        }
    }
    return TextOf(found);
}

CISStrErr CISStringList::Replace(const char* text)
{
    if (!IsValid())
        return CISStrErrInvalid;
    if (text && !CSIsValidReadPtr(text, 1))
        return CISStrErrInvalid;
    DeleteLastEntry();
    return text ? Add(text) : CISStrErrNone;
}

unsigned char CISStringList::Count()
{
    return IsValid() ? m_count : 0;
}

ULONG CISStringList::Length()
{
    if (!IsValid())
        return 0;
    ULONG total = 0;
    // The index is 8 bits wide: stop after entry 255 rather than wrap to 0 (the tail).
    for (unsigned index = 1; index <= kMaxEntries; ++index) {
        const char* text = Find(static_cast<unsigned char>(index));
        if (!text)
            break;
        total += CSStrlen(text);
    }
    return total;
}

void CISStringList::DeleteFirstEntry()
{
    if (!m_head)
        return;
    CSMemBlock* first = m_head;
    CSMemBlock* next;
    char* text;
    {
        LockedNode node(first);
        next = node->next;
        text = node->text;
    }
    --m_count;
    m_head = next;
    m_collection.DeleteBlockPtr(reinterpret_cast<unsigned char*>(text));
    first->Unlock(); // the life-long lock
    m_collection.DeleteBlock(first);
    ResetCursor();
}

void CISStringList::DeleteLastEntry()
{
    if (!m_head)
        return;
    Find(static_cast<unsigned char>(m_count - 1)); // for a single entry Find(0): the cursor stays
    CSMemBlock* last = m_tail;
    char* text = TextOf(last);
    m_tail = m_cursor;
    LockedNode(m_tail)->next = nullptr;
    --m_count;
    m_collection.DeleteBlockPtr(reinterpret_cast<unsigned char*>(text));
    last->Unlock(); // the life-long lock
    m_collection.DeleteBlock(last);
    if (m_count == 0)
        m_head = nullptr;
    ResetCursor();
}

int CISStringList::IsListInvariant()
{
    if (!IsValid())
        return 0;
    if (m_count == 0)
        return m_cursorIndex == 1 && !m_head && !m_cursor;
    if (!m_head || !m_tail || NextOf(m_tail) != nullptr)
        return 0;
    if (m_count == 1)
        return m_head == m_tail && m_cursorIndex == 1;
    return m_head != m_tail && m_cursorIndex >= 1 && m_cursorIndex <= m_count;
}
