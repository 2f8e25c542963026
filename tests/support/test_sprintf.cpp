// The portable wvsprintfA formatter against a table of expected outputs, CSSprintf over the
// platform's formatter, and on Windows the portable formatter held against the real wvsprintfA.
#include <gtest/gtest.h>

#include <limits.h>
#include <stdarg.h>
#include <stdint.h>
#include <string.h>

#include <string>
#include <vector>

#include "cs_format.h"
#include "qzw9svb/cs_string.h"

namespace {

using FormatFunction = int (*)(char* buffer, const char* format, va_list args);

int Call(FormatFunction format, char* buffer, const char* text, ...)
{
    va_list args;
    va_start(args, text);
    int stored = format(buffer, text, args);
    va_end(args);
    return stored;
}

struct Row {
    const char* label;
    std::string expected;
    int (*run)(FormatFunction format, char* buffer);
    const char* wineDeviation; // why Wine's wvsprintfA answers otherwise; null when it agrees
};

#define ROW(expected, ...) \
    Row { #__VA_ARGS__, expected, [](FormatFunction f, char* b) { return Call(f, b, __VA_ARGS__); }, nullptr }
#define WINE_DEVIATION(reason, expected, ...) \
    Row { #__VA_ARGS__, expected, [](FormatFunction f, char* b) { return Call(f, b, __VA_ARGS__); }, reason }

const uint16_t kWide[] = {'w', 'i', 'd', 'e', 0};
const uint16_t kWideLong[] = {'w', 'i', 'd', 'e', 'n', 'e', 's', 's', 0};
const uint16_t kWideTwo[] = {'w', 'i', 0};
// å æ ø € and a character that code page 1252 lacks.
const uint16_t kWideNorwegian[] = {0x00E5, 0x00E6, 0x00F8, 0x20AC, 0x4E2D, 0};
const std::string kZ1020(1020, 'z');
const std::string kZ1022(1022, 'z');
const std::string kZ1023(1023, 'z');
const std::string kZ1499(1499, 'z');

constexpr bool kPointer64 = sizeof(void*) == 8;

const char kZeroCharIgnored[] = "character arguments of value zero are documented as ignored; Wine stores the zero byte";
const char kHashOnDecimal[] = "Wine counts a 0x prefix for '#' on decimal conversions and copies stray bytes";
const char kCutReturn[] = "Wine returns 1024 (or more) for output cut at 1023 characters instead of the characters stored";

const std::vector<Row>& Rows()
{
    static const std::vector<Row> rows = {
        ROW("plain text", "plain text"),
        ROW("100%", "100%%"),
        ROW("%d", "%%d", 5),
        ROW("a-2-c", "%s-%d-%c", "a", 2, 'c'),
        // Signed decimal: the sign is one of the characters that precision and zero padding fill.
        ROW("-42", "%d", -42),
        ROW("7", "%i", 7),
        ROW("  -42", "%5d", -42),
        ROW("-42  |", "%-5d|", -42),
        ROW("-0042", "%05d", -42),
        ROW("-0042", "%.5d", -42),
        ROW("   -0042", "%8.5d", -42),
        ROW("-0042   |", "%-8.5d|", -42),
        ROW("-42  |", "%-05d|", -42),
        ROW("-000000001", "%010ld", -1),
        ROW("0000000042", "%010.3d", 42),
        ROW("0", "%.0d", 0),
        ROW("-2147483648", "%d", INT_MIN),
        ROW("65537", "%hd", 65537),
        // Unsigned and hexadecimal.
        ROW("4294967295", "%u", -1),
        ROW("3000000000", "%lu", 3000000000u),
        ROW("00042", "%.5u", 42),
        ROW("ff", "%x", 255),
        ROW("ABCDEF", "%X", 0xABCDEF),
        ROW("ffffffff", "%x", -1),
        ROW("0xff", "%#x", 255),
        ROW("0XFF", "%#X", 255),
        ROW("0x0", "%#x", 0),
        ROW("    0xff", "%#6x", 255),
        ROW("0x0000ff", "%#06x", 255),
        ROW("0x00ff", "%#.4x", 255),
        ROW("0x1    |", "%-#5x|", 1),
        ROW("000000ab", "%08.5x", 0xAB),
        ROW("ab      |", "%-08x|", 0xAB),
        // Size prefixes.
        ROW("-1234567890123", "%I64d", -1234567890123LL),
        ROW("18446744073709551493", "%I64u", static_cast<unsigned long long>(-123LL)),
        ROW("123450067890A", "%I64X", (0x12345ULL << 32) | 0x67890A),
        ROW("-9223372036854775808", "%I64d", LLONG_MIN),
        ROW("fffedcbb", "%I32x", -0x12345),
        ROW("-12345", "%Id", static_cast<intptr_t>(-12345)),
        ROW(kPointer64 ? "fffffffffffedcbb" : "fffedcbb", "%Ix", static_cast<intptr_t>(-0x12345)),
        ROW(kPointer64 ? "0000000000001234" : "00001234", "%p", reinterpret_cast<void*>(0x1234)),
        ROW(kPointer64 ? "1234            |" : "1234    |", "%-20p|", reinterpret_cast<void*>(0x1234)),
        ROW(kPointer64 ? "0X0000000000001234" : "0X00001234", "%#p", reinterpret_cast<void*>(0x1234)),
        // Characters: c follows the size prefix, C is wide unless 'h' says otherwise.
        ROW("x", "%c", 'x'),
        ROW("    x|", "%5c|", 'x'),
        ROW("x    |", "%-5c|", 'x'),
        ROW("    x|", "%05c|", 'x'),
        ROW("A", "%c", 0x141),
        ROW("y", "%hc", 'y'),
        ROW("A", "%lc", 0x41),
        ROW("\xE5", "%C", 0xE5),
        ROW("\x80", "%C", 0x20AC),
        ROW("?", "%C", 0x4E2D),
        ROW("z", "%hC", 'z'),
        WINE_DEVIATION(kZeroCharIgnored, "ab", "a%cb", 0),
        // Strings: precision is the most characters taken, the '0' flag pads with spaces.
        ROW("hello", "%s", "hello"),
        ROW("(null)", "%s", static_cast<const char*>(nullptr)),
        ROW("abc", "%.3s", "abcdef"),
        ROW("    abc|", "%7.3s|", "abcdef"),
        ROW("ab     |", "%-7s|", "ab"),
        ROW("     ab|", "%07s|", "ab"),
        ROW("[abc]", "[%.0s]", "abc"),
        ROW("narrow", "%hs", "narrow"),
        ROW("narrow", "%hS", "narrow"),
        ROW("narrow", "%wS", "narrow"),
        ROW("wide", "%S", kWide),
        ROW("wide", "%ls", kWide),
        ROW("wide", "%ws", kWide),
        ROW("(null)", "%S", static_cast<const uint16_t*>(nullptr)),
        ROW("wid", "%.3S", kWideLong),
        ROW("   wi|", "%5S|", kWideTwo),
        ROW("\xE5\xE6\xF8\x80?", "%S", kWideNorwegian),
        // What is not a conversion: the type character is copied, the width still pads.
        ROW("aqb", "a%qb", 1),
        ROW("f|7", "%f|%d", 7),
        ROW("     y", "%5y"),
        ROW("y", "%-5y"),
        ROW("-5d", "%0-5d", 1),
        ROW("-6x|", "%#-6x|", 1),
        ROW("abc", "abc%"),
        ROW("abc     ", "abc%5"),
        ROW("ld", "%lld", 5),
        ROW("I64d", "%hI64d", 5),
        ROW("6d", "%I6d", 5),
        ROW("     ", "%5%"),
        ROW("|", "%-5%|"),
        WINE_DEVIATION(kHashOnDecimal, "5", "%#d", 5),
        // At most 1023 characters and the terminator.
        ROW(kZ1022, "%s", kZ1022.c_str()),
        WINE_DEVIATION(kCutReturn, kZ1023, "%s", kZ1023.c_str()),
        WINE_DEVIATION(kCutReturn, kZ1023, "%s", kZ1499.c_str()),
        WINE_DEVIATION(kCutReturn, kZ1020 + "123", "%s%d", kZ1020.c_str(), 12345),
        WINE_DEVIATION(kCutReturn, kZ1020 + "0x1", "%s%#x", kZ1020.c_str(), 0x12345),
        WINE_DEVIATION(kCutReturn, std::string(1023, ' '), "%2000d", 5),
        WINE_DEVIATION(kCutReturn, std::string(1023, '0'), "%.2000d", 5),
    };
    return rows;
}

constexpr size_t kBufferSize = 2048;
constexpr char kUnwritten = 0x11;

struct Result {
    int stored;
    std::string bytes;
};

Result Format(const Row& row, FormatFunction format)
{
    std::string buffer(kBufferSize, kUnwritten);
    int stored = row.run(format, &buffer[0]);
    return {stored, buffer};
}

TEST(PortableFormatter, MatchesTheTable)
{
    for (const Row& row : Rows()) {
        SCOPED_TRACE(row.label);
        Result result = Format(row, cs_format::FormatV);
        ASSERT_EQ(static_cast<int>(row.expected.size()), result.stored);
        EXPECT_EQ(row.expected, result.bytes.substr(0, row.expected.size()));
        EXPECT_EQ('\0', result.bytes[row.expected.size()]);
        EXPECT_EQ(std::string(kBufferSize - row.expected.size() - 1, kUnwritten),
                  result.bytes.substr(row.expected.size() + 1))
            << "bytes written after the terminator";
    }
}

TEST(Sprintf, FormatsThroughThePlatformFormatter)
{
    char buffer[64];
    EXPECT_EQ(13, CSSprintf(buffer, "%s=%05d/%#x", "id", -42, 255));
    EXPECT_STREQ("id=-0042/0xff", buffer);
    EXPECT_EQ(0, CSSprintf(buffer, ""));
    EXPECT_STREQ("", buffer);
}

#ifndef _WIN32
TEST(Sprintf, IcharTwinIsTheSameFunction)
{
    EXPECT_EQ(reinterpret_cast<void*>(&CSSprintf), reinterpret_cast<void*>(&CSiSprintf));
}
#endif

#ifdef _WIN32
int WindowsFormat(char* buffer, const char* format, va_list args)
{
    return ::wvsprintfA(buffer, format, args);
}

bool RunningUnderWine()
{
    HMODULE ntdll = ::GetModuleHandleA("ntdll.dll");
    return ntdll != nullptr && ::GetProcAddress(ntdll, "wine_get_version") != nullptr;
}

// The proof that the portable formatter stands in for wvsprintfA. A known Wine deviation is
// checked the other way round, so that a Wine that comes to agree is noticed.
TEST(PortableFormatter, MatchesWvsprintfA)
{
    const bool wine = RunningUnderWine();
    for (const Row& row : Rows()) {
        SCOPED_TRACE(row.label);
        Result portable = Format(row, cs_format::FormatV);
        Result windows = Format(row, WindowsFormat);
        const bool agree = portable.stored == windows.stored && portable.bytes == windows.bytes;
        if (wine && row.wineDeviation != nullptr) {
            EXPECT_FALSE(agree) << "no longer a Wine deviation: " << row.wineDeviation;
            continue;
        }
        EXPECT_EQ(windows.stored, portable.stored);
        EXPECT_EQ(windows.bytes, portable.bytes);
    }
}
#endif

} // namespace
