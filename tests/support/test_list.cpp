// The linked list and its iterator: insertion orders, where the iterator stands after each
// change, indexing, node creation failure and the answers to misuse.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "os_services.h"
#include "qzw9svb/cs_list.h"

namespace {

class ListTest : public testing::Test {
protected:
    void TearDown() override { cs_os::FailHeapAfter(-1); }

    // The list as letters, head first, checked backwards from the tail as well.
    std::string Order()
    {
        std::string forward, backward;
        for (CSListIterator at(m_list); at.IsValid(); at.GetNext())
            forward += Letter(m_list.Peek(at));
        for (CSListIterator at = CSListIterator(m_list).Tail(); at.IsValid(); at.GetPrev())
            backward.insert(0, 1, Letter(m_list.Peek(at)));
        EXPECT_EQ(forward, backward);
        EXPECT_EQ(static_cast<LONG>(forward.size()), m_list.Count());
        return forward;
    }
    char Letter(void* item) { return static_cast<char>('a' + (static_cast<char*>(item) - m_items)); }
    void* Item(char letter) { return &m_items[letter - 'a']; }

    // The list "abcde..." of n items and an iterator on the given position.
    CSListIterator Filled(int n, LONG position)
    {
        CSListIterator at(m_list);
        for (int i = 0; i < n; ++i)
            EXPECT_EQ(0, m_list.Append(at.Tail(), &m_items[i]));
        return at[position];
    }

    CSList m_list;
    char m_items[26] = {}; // one per letter
};

TEST_F(ListTest, InsertionOrders)
{
    CSListIterator still(m_list);
    for (char c : std::string("abc"))
        ASSERT_EQ(0, m_list.Insert(still, Item(c)));
    EXPECT_EQ("bca", Order()); // the first insert put the iterator on "a"
    EXPECT_EQ(2, still.Ord());

    CSList newestFirst;
    CSListIterator head(newestFirst);
    for (char c : std::string("abc"))
        ASSERT_EQ(0, newestFirst.Insert(head.Head(), Item(c)));
    EXPECT_EQ(Item('c'), newestFirst.Peek(head.Head()));
    EXPECT_EQ(Item('a'), newestFirst.Peek(head.Tail()));
}

TEST_F(ListTest, InsertAndAppendLeaveTheIteratorOnItsNode)
{
    const struct {
        LONG position;
        bool append;
        const char* order;
        LONG ordinal;
    } rows[] = {
        {0, false, "xabc", 1}, {1, false, "axbc", 2}, {2, false, "abxc", 3},
        {0, true, "axbc", 0},  {1, true, "abxc", 1},  {2, true, "abcx", 2},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::Message() << (row.append ? "Append at " : "Insert at ") << row.position);
        CSListIterator at = Filled(3, row.position);
        ASSERT_EQ(0, row.append ? m_list.Append(at, Item('x')) : m_list.Insert(at, Item('x')));
        EXPECT_EQ(row.order, Order());
        EXPECT_EQ(&m_items[row.position], m_list.Peek(at));
        EXPECT_EQ(row.ordinal, at.Ord());
        while (m_list.Count() > 0)
            m_list.Delete(at.Head());
    }
}

TEST_F(ListTest, DeleteMovesTheIteratorToANeighbour)
{
    const struct {
        LONG position;
        const char* order;
        char now;
        LONG ordinal;
    } rows[] = {{0, "bcd", 'b', 0}, {2, "abd", 'd', 2}, {3, "abc", 'c', 2}};
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::Message() << "delete at " << row.position);
        CSListIterator at = Filled(4, row.position);
        EXPECT_EQ(&m_items[row.position], m_list.Get(at));
        EXPECT_EQ(row.order, Order());
        EXPECT_EQ(Item(row.now), m_list.Peek(at));
        EXPECT_EQ(row.ordinal, at.Ord());
        while (m_list.Count() > 0)
            m_list.Delete(at.Head());
    }
    CSListIterator only = Filled(1, 0);
    m_list.Delete(only);
    EXPECT_EQ(-1, only.Ord());
    EXPECT_EQ(1, only.IsHead() & only.IsTail() & m_list.IsEmpty());
}

TEST_F(ListTest, IndexingStepsOrWalksToTheNode)
{
    for (LONG from = -1; from <= 4; ++from) {
        for (LONG index = -2; index <= 6; ++index) {
            SCOPED_TRACE(testing::Message() << "from " << from << " to " << index);
            CSListIterator at = Filled(5, from < 0 ? 5 : from);
            at[index];
            // One step back from the head runs off it; other negative indexes stop at the head.
            LONG expected = index >= 5 || (index == -1 && from == 0) ? -1 : std::max<LONG>(index, 0);
            EXPECT_EQ(expected, at.Ord());
            EXPECT_EQ(expected >= 0 ? &m_items[expected] : nullptr, m_list.Peek(at));
            while (m_list.Count() > 0)
                m_list.Delete(at.Head());
        }
    }
}

TEST_F(ListTest, NodeCreationFailureChangesNothing)
{
    CSListIterator at = Filled(3, 1);
    for (long granted : {0L, 1L}) { // a node needs two heap requests: handle and memory
        SCOPED_TRACE(testing::Message() << granted << " heap requests granted");
        cs_os::FailHeapAfter(granted);
        EXPECT_EQ(CSListErrNoMemory, m_list.Insert(at, Item('x')));
        EXPECT_EQ(CSListErrNoMemory, m_list.Append(at, Item('x')));
        cs_os::FailHeapAfter(-1);
        EXPECT_EQ("abc", Order());
        EXPECT_EQ(1, at.Ord());
    }
}

TEST_F(ListTest, MisuseIsAnsweredWithoutChange)
{
    CSListIterator at = Filled(2, 5); // on no node
    ASSERT_EQ(0, m_list.Insert(at, Item('x')));
    ASSERT_EQ(0, m_list.Append(at, Item('y')));
    EXPECT_EQ("xaby", Order());
    EXPECT_EQ(-1, at.Ord());
    m_list.Delete(at);
    EXPECT_EQ(nullptr, m_list.Get(at));

    CSList other;
    CSListIterator foreign(other), unbound;
    for (CSListIterator* it : {&foreign, &unbound}) {
        SCOPED_TRACE(it == &unbound ? "iterator of no list" : "iterator of another list");
        EXPECT_EQ(CSListErrNoMemory, m_list.Insert(*it, Item('z')));
        EXPECT_EQ(CSListErrNoMemory, m_list.Append(*it, Item('z')));
        EXPECT_EQ(nullptr, m_list.Peek(*it));
    }
    EXPECT_EQ("xaby", Order());
    EXPECT_EQ(1, other.IsEmpty());
}

} // namespace
