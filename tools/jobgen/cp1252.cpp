// Converts UTF-8 text to code page 1252.
#include "cp1252.h"

#include <array>
#include <sstream>
#include <string>

namespace qz_jobs {

namespace {

constexpr char32_t kUndefined = 0;
constexpr std::uint8_t kFirstHigh = 0x80;
// Code page 1252 bytes 80..9F; bytes 00..7F and A0..FF stand for the code points of the same value.
constexpr std::array<char32_t, 32> kHighBytes = {
    0x20AC, kUndefined, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030,     0x0160, 0x2039, 0x0152, kUndefined, 0x017D, kUndefined,
    kUndefined, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122,     0x0161, 0x203A, 0x0153, kUndefined, 0x017E, 0x0178};

[[noreturn]] void Fail(const std::string& problem, std::size_t offset)
{
    throw JobFormatError(problem + " at byte " + std::to_string(offset) + " of the UTF-8 text");
}

// Decodes the character at offset and moves offset past it.
char32_t NextCodePoint(std::string_view utf8, std::size_t& offset)
{
    const std::size_t start = offset;
    const auto lead = static_cast<std::uint8_t>(utf8[offset++]);
    if (lead < 0x80)
        return lead;
    std::size_t continuation = lead >= 0xF0 ? 3 : lead >= 0xE0 ? 2 : lead >= 0xC2 ? 1 : 0;
    if (continuation == 0 || lead > 0xF4)
        Fail("invalid UTF-8 lead byte", start);
    // The smallest code point that needs each sequence length; anything below is an overlong form
    // (E0 80 80 would be a NUL), which UTF-8 forbids.
    constexpr char32_t kSmallest[] = {0, 0x80, 0x800, 0x10000};
    const char32_t smallest = kSmallest[continuation];
    char32_t codePoint = lead & (0x3Fu >> continuation);
    for (; continuation > 0; --continuation) {
        if (offset == utf8.size() || (static_cast<std::uint8_t>(utf8[offset]) & 0xC0) != 0x80)
            Fail("UTF-8 sequence cut short", start);
        codePoint = codePoint << 6 | (static_cast<std::uint8_t>(utf8[offset++]) & 0x3Fu);
    }
    if (codePoint < smallest)
        Fail("overlong UTF-8 form", start);
    return codePoint;
}

std::uint8_t ToCp1252(char32_t codePoint, std::size_t offset)
{
    if (codePoint < kFirstHigh || (codePoint >= 0xA0 && codePoint <= 0xFF))
        return static_cast<std::uint8_t>(codePoint);
    for (std::size_t index = 0; index < kHighBytes.size(); ++index)
        if (kHighBytes[index] != kUndefined && kHighBytes[index] == codePoint)
            return static_cast<std::uint8_t>(kFirstHigh + index);
    std::ostringstream problem;
    problem << "character U+" << std::hex << std::uppercase << static_cast<unsigned long>(codePoint)
            << " is not in code page 1252";
    Fail(problem.str(), offset);
}

} // namespace

Bytes Utf8ToCp1252(std::string_view utf8)
{
    Bytes out;
    std::size_t offset = 0;
    while (offset < utf8.size()) {
        const std::size_t start = offset;
        out.push_back(ToCp1252(NextCodePoint(utf8, offset), start));
    }
    return out;
}

bool IsUndefinedInCp1252(std::uint8_t byte)
{
    return byte >= kFirstHigh && byte < kFirstHigh + kHighBytes.size() &&
           kHighBytes[byte - kFirstHigh] == kUndefined;
}

} // namespace qz_jobs
