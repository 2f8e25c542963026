// String and character functions: exact -1/0/1 comparisons, ASCII-only folding, signed
// character arguments, the per-thread tokeniser, decimal conversions and the iChar copies.
#include <gtest/gtest.h>

#include <limits.h>
#include <string.h>

#include <string>
#include <thread>

#include "qzw9svb/cs_string.h"

namespace {

struct Comparison {
    const char* a;
    const char* b;
    unsigned int count;
    int exact;         // CSStrcmp
    int exactBounded;  // CSStrncmp over count
    int folded;        // CSStrcmpi
    int foldedBounded; // CSStrncmpi over count
};

const Comparison kComparisons[] = {
    {"abc", "abc", 3, 0, 0, 0, 0},
    {"ABC", "abc", 3, -1, -1, 0, 0},
    {"abd", "abc", 2, 1, 0, 1, 0},
    {"ab", "abc", 5, -1, -1, -1, -1},
    {"abc", "ab", 2, 1, 0, 1, 0},
    {"_", "a", 1, -1, -1, -1, -1},  // 0x5F below 'a'
    {"_", "A", 1, 1, 1, -1, -1},    // above 'A', but 'A' folds to 'a'
    {"\x80", "z", 1, 1, 1, 1, 1},   // high bytes compare above ASCII
    {"a\xE5", "a\xC5", 2, 1, 1, 1, 1}, // no folding outside 'A'-'Z'
    {"zzz", "aaa", 0, 1, 0, 1, 0},  // count 0 compares nothing
    {"", "", 4, 0, 0, 0, 0},
    {"Hello World", "hello world", 20, -1, -1, 0, 0},
    {"[", "{", 1, -1, -1, -1, -1},
};

TEST(StringCompare, ResultsAreExactlyMinusOneZeroOne)
{
    for (const Comparison& row : kComparisons) {
        SCOPED_TRACE(testing::Message() << '"' << row.a << "\" vs \"" << row.b << "\", count " << row.count);
        EXPECT_EQ(row.exact, CSStrcmp(row.a, row.b));
        EXPECT_EQ(-row.exact, CSStrcmp(row.b, row.a));
        EXPECT_EQ(row.exactBounded, CSStrncmp(row.a, row.b, row.count));
        EXPECT_EQ(row.folded, CSStrcmpi(row.a, row.b));
        EXPECT_EQ(-row.folded, CSStrcmpi(row.b, row.a));
        EXPECT_EQ(row.foldedBounded, CSStrncmpi(row.a, row.b, row.count));
    }
}

// The eight bytes of a '#'-filled buffer after write(buffer).
template <typename Write> std::string AfterWrite(Write write)
{
    char buffer[8];
    memset(buffer, '#', sizeof(buffer));
    write(buffer);
    return std::string(buffer, sizeof(buffer));
}

std::string Eight(const char (&bytes)[9])
{
    return std::string(bytes, 8);
}

TEST(StringCopy, LengthCopyAndAppend)
{
    EXPECT_EQ(0u, CSStrlen(nullptr));
    EXPECT_EQ(0u, CSStrlen(""));
    EXPECT_EQ(5u, CSStrlen("ab\xE5yz"));

    char buffer[16];
    EXPECT_EQ(buffer, CSStrcpy(buffer, "abc"));
    EXPECT_EQ(buffer, CSStrcat(buffer, "de"));
    EXPECT_EQ(buffer, CSStrcat(buffer, ""));
    EXPECT_STREQ("abcde", buffer);
    EXPECT_EQ(Eight("xyz\0####"), AfterWrite([](char* b) { CSiChar2Char(b, "xyz"); }));
}

TEST(StringCopy, BoundedCopyFillsOrLeavesUnterminated)
{
    bool returnsDestination = false;
    EXPECT_EQ(Eight("ab\0\0\0###"), AfterWrite([&](char* b) { returnsDestination = CSStrncpy(b, "ab", 5) == b; }));
    EXPECT_TRUE(returnsDestination);
    EXPECT_EQ(Eight("abc#####"), AfterWrite([](char* b) { CSStrncpy(b, "abcdef", 3); }));
    EXPECT_EQ(Eight("########"), AfterWrite([](char* b) { CSStrncpy(b, "abc", 0); }));
}

TEST(StringSearch, CharactersCountByTheirLowByte)
{
    const char text[] = "a\xE5" "bAb\xE5";
    EXPECT_EQ(text + 1, CSStrchr(text, 0xE5));
    EXPECT_EQ(text + 1, CSStrchr(text, -27));
    EXPECT_EQ(text + 5, CSStrrchr(text, 0xE5));
    EXPECT_EQ(text + 3, CSStrchr(text, 0x100 + 'A'));
    EXPECT_EQ(text + 4, CSStrrchr(text, 'b'));
    EXPECT_EQ(text + 6, CSStrchr(text, 0));
    EXPECT_EQ(text + 6, CSStrrchr(text, 0x100));
    EXPECT_EQ(nullptr, CSStrchr(text, 'z'));
    EXPECT_EQ(nullptr, CSStrrchr(text, 'z'));
}

TEST(StringSearch, Substrings)
{
    const char text[] = "abcabd";
    EXPECT_EQ(text, CSStrstr(text, ""));
    EXPECT_EQ(text + 3, CSStrstr(text, "abd"));
    EXPECT_EQ(nullptr, CSStrstr(text, "abe"));
    EXPECT_EQ(nullptr, CSStrstr(text, "abcabda"));
}

TEST(StringTokens, SkipsDelimitersAndEndsWithNull)
{
    char text[] = ",,alpha, beta,,gamma,";
    EXPECT_STREQ("alpha", CSStrtok(text, ", "));
    EXPECT_EQ('\0', text[7]); // the delimiter that ended the token
    EXPECT_STREQ("beta", CSStrtok(nullptr, ", "));
    EXPECT_STREQ("gamma", CSStrtok(nullptr, ","));
    EXPECT_EQ(nullptr, CSStrtok(nullptr, ","));
    EXPECT_EQ(nullptr, CSStrtok(nullptr, ","));

    char delimitersOnly[] = " ,, ";
    EXPECT_EQ(nullptr, CSStrtok(delimitersOnly, ", "));
    char empty[] = "";
    EXPECT_EQ(nullptr, CSStrtok(empty, ","));
    char last[] = "one";
    EXPECT_STREQ("one", CSStrtok(last, ","));
    EXPECT_EQ(nullptr, CSStrtok(nullptr, ","));
}

TEST(StringTokens, EachThreadKeepsItsOwnPosition)
{
    char mine[] = "a b c";
    EXPECT_STREQ("a", CSStrtok(mine, " "));
    std::string otherTokens;
    std::thread other([&] {
        char theirs[] = "x y";
        for (char* token = CSStrtok(theirs, " "); token != nullptr; token = CSStrtok(nullptr, " "))
            otherTokens += token;
    });
    other.join();
    EXPECT_EQ("xy", otherTokens);
    EXPECT_STREQ("b", CSStrtok(nullptr, " "));
    EXPECT_STREQ("c", CSStrtok(nullptr, " "));
}

// The rules written out: the low byte read as a signed char, ASCII letters and digits only.
int SignedLow(int c)
{
    return static_cast<signed char>(static_cast<unsigned char>(c & 0xFF));
}

TEST(Characters, AsciiRulesOnTheSignedLowByte)
{
    for (int high : {0, 0x100, -0x100, 0x7FFFFF00}) {
        for (int low = 0; low < 256; ++low) {
            const int c = high + low;
            SCOPED_TRACE(testing::Message() << "argument " << c);
            const int ch = SignedLow(c);
            const bool upper = ch >= 'A' && ch <= 'Z';
            const bool lower = ch >= 'a' && ch <= 'z';
            const bool digit = ch >= '0' && ch <= '9';
            EXPECT_EQ(lower ? ch - 32 : ch, CSToupper(c));
            EXPECT_EQ(upper ? ch + 32 : ch, CSTolower(c));
            EXPECT_EQ(upper, CSIsupper(c) != 0);
            EXPECT_EQ(lower, CSIslower(c) != 0);
            EXPECT_EQ(upper || lower, CSIsalpha(c) != 0);
            EXPECT_EQ(upper || lower || digit, CSIsalnum(c) != 0);
        }
    }
    EXPECT_EQ(-27, CSToupper(0xE5));
    EXPECT_EQ(-27, CSTolower(0xE5));
    EXPECT_EQ(0, CSIsalpha(0xC5));
}

struct TextValue {
    const char* text;
    int value;
};

const TextValue kTexts[] = {
    {"  -12abc", -12},
    {"+7", 7},
    {"abc", 0},
    {"", 0},
    {"-", 0},
    {"- 5", 0},
    {"+-5", 0},
    {"\t\n\v\f\r 42", 42},
    {"007", 7},
    {"4294967296", 0},           // 2^32 wraps to 0
    {"2147483647", INT_MAX},
    {"2147483648", INT_MIN},     // wraps into the sign bit
    {"-2147483648", INT_MIN},
    {"4294967295", -1},
    {"99999999999", 1215752191}, // 99999999999 mod 2^32
    {"12 34", 12},
};

TEST(DecimalText, TextToIntWrapsIn32Bits)
{
    for (const TextValue& row : kTexts) {
        SCOPED_TRACE(row.text);
        EXPECT_EQ(row.value, CSTexttoint(row.text));
    }
}

TEST(DecimalText, IntToTextWritesEveryDigit)
{
    for (const TextValue& row : {TextValue{"0", 0}, TextValue{"-1", -1}, TextValue{"2147483647", INT_MAX},
                                 TextValue{"-2147483648", INT_MIN}, TextValue{"1000", 1000}}) {
        SCOPED_TRACE(row.text);
        char buffer[13];
        memset(buffer, '#', sizeof(buffer));
        EXPECT_EQ(buffer, CSInttotext(row.value, buffer));
        EXPECT_EQ(std::string(row.text) + '\0' + std::string(12 - strlen(row.text), '#'), std::string(buffer, 13));
    }
}

TEST(IcharCopies, WholeAndBoundedCopiesTerminate)
{
    EXPECT_EQ(Eight("abc\0####"), AfterWrite([](char* b) { CSChar2iChar(b, "abc"); }));
    EXPECT_EQ(Eight("abc\0####"), AfterWrite([](char* b) { CSChar2iCharL(b, "abcdef", 3); }));
    EXPECT_EQ(Eight("abcdef\0#"), AfterWrite([](char* b) { CSChar2iCharL(b, "abcdef", 10); }));
    EXPECT_EQ(Eight("\0#######"), AfterWrite([](char* b) { CSChar2iCharL(b, "abc", 0); }));
    // A null source counts as the empty string, as CSStrlen counts it.
    EXPECT_EQ(Eight("\0#######"), AfterWrite([](char* b) { CSChar2iChar(b, nullptr); }));
}

#ifndef _WIN32
// On Windows the export list makes the CSi names; natively they are aliases of one definition.
#define SAME_ENTRY(name) {#name, reinterpret_cast<void*>(&CS##name), reinterpret_cast<void*>(&CSi##name)}

TEST(IcharNames, EveryTwinIsTheSameEntryPoint)
{
    struct Twin {
        const char* name;
        void* plain;
        void* ichar;
    };
    const Twin twins[] = {
        SAME_ENTRY(Strlen),   SAME_ENTRY(Strcpy),    SAME_ENTRY(Strncpy),  SAME_ENTRY(Strcat),
        SAME_ENTRY(Strcmp),   SAME_ENTRY(Strncmp),   SAME_ENTRY(Strcmpi),  SAME_ENTRY(Strncmpi),
        SAME_ENTRY(Strchr),   SAME_ENTRY(Strrchr),   SAME_ENTRY(Strstr),   SAME_ENTRY(Strtok),
        SAME_ENTRY(Toupper),  SAME_ENTRY(Tolower),   SAME_ENTRY(Isupper),  SAME_ENTRY(Islower),
        SAME_ENTRY(Isalpha),  SAME_ENTRY(Isalnum),   SAME_ENTRY(Texttoint), SAME_ENTRY(Inttotext),
    };
    for (const Twin& twin : twins)
        EXPECT_EQ(twin.plain, twin.ichar) << twin.name;
}
#endif

} // namespace
