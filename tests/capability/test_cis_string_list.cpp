// CISStringList: entries, cursor rules, replacement at the end, limits and error codes.
#include <gtest/gtest.h>

#include <string>

#include "qzw9svb/cis_string_list.h"

namespace {

std::string Text(const char* found)
{
    return found ? std::string(found) : std::string("<null>");
}

// Fills a list with "e1", "e2", ... "eN".
void Fill(CISStringList& list, int count)
{
    for (int i = 1; i <= count; ++i)
        ASSERT_EQ(list.Add(("e" + std::to_string(i)).c_str()), CISStrErrNone);
}

} // namespace

TEST(CISStringList, NewListIsEmptyAndConsistent)
{
    CISStringList list;
    EXPECT_EQ(list.Count(), 0);
    EXPECT_EQ(list.Length(), 0u);
    EXPECT_EQ(list.Find(1), nullptr);
    EXPECT_EQ(list.Find(0), nullptr);
    EXPECT_EQ(list.IsListInvariant(), 1);
}

TEST(CISStringList, EntriesAreFoundByIndexAndZeroMeansTheLast)
{
    CISStringList list;
    ASSERT_EQ(list.Add("ab"), CISStrErrNone);
    ASSERT_EQ(list.Add("cde"), CISStrErrNone);
    EXPECT_EQ(list.Count(), 2);
    EXPECT_EQ(list.Length(), 5u);
    EXPECT_EQ(Text(list.Find(1)), "ab");
    EXPECT_EQ(Text(list.Find(2)), "cde");
    EXPECT_EQ(Text(list.Find(0)), "cde");
    EXPECT_EQ(list.Find(3), nullptr);
    EXPECT_EQ(list.IsListInvariant(), 1);
}

TEST(CISStringList, TheListKeepsItsOwnCopyOfEachText)
{
    CISStringList list;
    char text[] = "mutable";
    ASSERT_EQ(list.Add(text), CISStrErrNone);
    text[0] = 'X';
    EXPECT_EQ(Text(list.Find(1)), "mutable");
    EXPECT_NE(list.Find(1), text);
    ASSERT_EQ(list.Add(""), CISStrErrNone); // an empty text is an entry too
    EXPECT_EQ(Text(list.Find(2)), "");
    EXPECT_EQ(list.Length(), 7u);
}

TEST(CISStringList, CursorOrderDoesNotChangeWhatIsFound)
{
    CISStringList list;
    Fill(list, 3);
    EXPECT_EQ(Text(list.Find(2)), "e2");
    EXPECT_EQ(Text(list.Find(3)), "e3");
    EXPECT_EQ(Text(list.Find(3)), "e3");
    EXPECT_EQ(Text(list.Find(1)), "e1");
    EXPECT_EQ(Text(list.Find(3)), "e3");
    EXPECT_EQ(list.Find(4), nullptr); // beyond the end, right after the last
    EXPECT_EQ(Text(list.Find(2)), "e2");
    EXPECT_EQ(list.Find(200), nullptr); // far beyond the end
    EXPECT_EQ(Text(list.Find(3)), "e3");
    EXPECT_EQ(list.IsListInvariant(), 1);
}

TEST(CISStringList, AddRefusesNullAndUnreadableTexts)
{
    CISStringList list;
    EXPECT_EQ(list.Add(nullptr), CISStrErrBadString);
    EXPECT_EQ(list.Count(), 0);
    EXPECT_EQ(list.IsListInvariant(), 1);
}

TEST(CISStringList, HoldsAtMost255Entries)
{
    CISStringList list;
    ULONG expectedLength = 0;
    for (int i = 1; i <= 255; ++i) {
        std::string text = "entry" + std::to_string(i);
        ASSERT_EQ(list.Add(text.c_str()), CISStrErrNone) << i;
        expectedLength += static_cast<ULONG>(text.size());
    }
    EXPECT_EQ(list.Add("one too many"), CISStrErrNoRoom);
    EXPECT_EQ(list.Add(nullptr), CISStrErrBadString); // the text is checked before the room
    EXPECT_EQ(list.Count(), 255);
    EXPECT_EQ(Text(list.Find(255)), "entry255");
    EXPECT_EQ(list.Length(), expectedLength); // each of the 255 counted once
    EXPECT_EQ(Text(list.Find(1)), "entry1");
    EXPECT_EQ(list.IsListInvariant(), 1);
}

TEST(CISStringList, ReplaceWorksOnTheLastEntryOnly)
{
    CISStringList list;
    Fill(list, 3);
    ASSERT_EQ(list.Replace("new"), CISStrErrNone);
    EXPECT_EQ(list.Count(), 3);
    EXPECT_EQ(Text(list.Find(1)), "e1");
    EXPECT_EQ(Text(list.Find(2)), "e2");
    EXPECT_EQ(Text(list.Find(3)), "new");
    EXPECT_EQ(list.IsListInvariant(), 1);

    ASSERT_EQ(list.Replace(nullptr), CISStrErrNone); // only removes
    ASSERT_EQ(list.Replace(nullptr), CISStrErrNone);
    EXPECT_EQ(list.Count(), 1);
    EXPECT_EQ(Text(list.Find(0)), "e1");
    EXPECT_EQ(list.IsListInvariant(), 1);

    ASSERT_EQ(list.Replace(nullptr), CISStrErrNone);
    EXPECT_EQ(list.Count(), 0);
    EXPECT_EQ(list.Find(1), nullptr);
    EXPECT_EQ(list.IsListInvariant(), 1);
    EXPECT_EQ(list.Replace(nullptr), CISStrErrNone); // nothing left to remove

    ASSERT_EQ(list.Replace("only"), CISStrErrNone); // on an empty list: an Add
    EXPECT_EQ(Text(list.Find(1)), "only");
    EXPECT_EQ(list.IsListInvariant(), 1);
}

TEST(CISStringList, ReplaceAfterCursorMovesKeepsTheChainIntact)
{
    CISStringList list;
    Fill(list, 5);
    EXPECT_EQ(Text(list.Find(3)), "e3"); // cursor in the middle
    ASSERT_EQ(list.Replace("x"), CISStrErrNone);
    ASSERT_EQ(list.Replace(nullptr), CISStrErrNone);
    ASSERT_EQ(list.Add("y"), CISStrErrNone);
    const char* expected[] = {"e1", "e2", "e3", "e4", "y"};
    for (unsigned char i = 1; i <= 5; ++i)
        EXPECT_EQ(Text(list.Find(i)), expected[i - 1]) << int(i);
    EXPECT_EQ(list.Find(6), nullptr);
    EXPECT_EQ(list.IsListInvariant(), 1);
}
