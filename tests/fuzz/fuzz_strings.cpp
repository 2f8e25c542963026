// Fuzz target: the string functions and byte-block operations against plain reference loops.
// Input: a count byte, two character bytes, then two zero-terminated strings; the bytes after
// the count and characters also serve as raw blocks. Any disagreement aborts.
#include <stdint.h>
#include <stdlib.h>
#include <string.h>

#include <string>
#include <vector>

#include "qzw9svb/cs_memutil.h"
#include "qzw9svb/cs_string.h"

namespace {

void Require(bool holds)
{
    if (!holds)
        abort();
}

int Sign(int value)
{
    return (value > 0) - (value < 0);
}

int RefFold(unsigned char c)
{
    return c >= 'A' && c <= 'Z' ? c + 32 : c;
}

// Byte comparison over at most limit bytes, optionally folding 'A'-'Z'.
int RefCompare(const char* a, const char* b, size_t limit, bool fold)
{
    for (size_t i = 0; i < limit; ++i) {
        int x = static_cast<unsigned char>(a[i]);
        int y = static_cast<unsigned char>(b[i]);
        if (fold) {
            x = RefFold(static_cast<unsigned char>(x));
            y = RefFold(static_cast<unsigned char>(y));
        }
        if (x != y)
            return x < y ? -1 : 1;
        if (x == 0)
            return 0;
    }
    return 0;
}

size_t RefLength(const char* s)
{
    size_t n = 0;
    while (s[n] != 0)
        ++n;
    return n;
}

const char* RefFind(const char* s, const char* pattern)
{
    const size_t n = RefLength(s);
    const size_t m = RefLength(pattern);
    for (size_t at = 0; at + m <= n; ++at) {
        if (memcmp(s + at, pattern, m) == 0)
            return s + at;
    }
    return nullptr;
}

int RefTexttoint(const char* s)
{
    while (*s == ' ' || (*s >= '\t' && *s <= '\r'))
        ++s;
    bool negative = *s == '-';
    if (*s == '+' || *s == '-')
        ++s;
    uint64_t value = 0;
    for (; *s >= '0' && *s <= '9'; ++s)
        value = (value * 10 + static_cast<uint64_t>(*s - '0')) % (UINT64_C(1) << 32);
    if (negative)
        value = ((UINT64_C(1) << 32) - value) % (UINT64_C(1) << 32);
    return static_cast<int>(static_cast<int64_t>(value) - (value >= (UINT64_C(1) << 31) ? (INT64_C(1) << 32) : 0));
}

bool IsDelimiter(char c, const char* delimiters)
{
    for (; *delimiters != 0; ++delimiters) {
        if (*delimiters == c)
            return true;
    }
    return false;
}

// The tokens of text as offsets and lengths, as strtok finds them.
std::vector<std::pair<size_t, size_t>> RefTokens(const std::string& text, const char* delimiters)
{
    std::vector<std::pair<size_t, size_t>> tokens;
    size_t at = 0;
    while (true) {
        while (at < text.size() && IsDelimiter(text[at], delimiters))
            ++at;
        if (at == text.size())
            return tokens;
        size_t start = at;
        while (at < text.size() && !IsDelimiter(text[at], delimiters))
            ++at;
        tokens.emplace_back(start, at - start);
        if (at == text.size())
            return tokens;
        ++at;
    }
}

void CheckStrings(const std::string& a, const std::string& b, unsigned count, int character)
{
    // Exactly sized heap copies, so that any read past a terminator is caught.
    std::vector<char> first(a.c_str(), a.c_str() + a.size() + 1);
    std::vector<char> second(b.c_str(), b.c_str() + b.size() + 1);
    const char* s = first.data();
    const char* t = second.data();

    Require(CSStrlen(s) == a.size());
    Require(CSStrcmp(s, t) == RefCompare(s, t, SIZE_MAX, false));
    Require(CSStrncmp(s, t, count) == RefCompare(s, t, count, false));
    Require(CSStrcmpi(s, t) == RefCompare(s, t, SIZE_MAX, true));
    Require(CSStrncmpi(s, t, count) == RefCompare(s, t, count, true));
    Require(Sign(CSStrcmp(t, s)) == -CSStrcmp(s, t));

    const char byte = static_cast<char>(character & 0xFF);
    const char* firstHit = byte == 0 ? s + a.size() : nullptr;
    const char* lastHit = firstHit;
    for (size_t i = 0; byte != 0 && i < a.size(); ++i) {
        if (s[i] == byte) {
            lastHit = s + i;
            if (firstHit == nullptr)
                firstHit = s + i;
        }
    }
    Require(CSStrchr(s, character) == firstHit);
    Require(CSStrrchr(s, character) == lastHit);
    Require(CSStrstr(s, t) == RefFind(s, t));

    std::vector<char> copied(count + 1, '#');
    CSStrncpy(copied.data(), s, count);
    for (size_t i = 0; i < count; ++i)
        Require(copied[i] == (i < a.size() ? s[i] : 0));
    Require(copied[count] == '#');

    std::vector<char> bounded(count + 2, '#');
    CSChar2iCharL(bounded.data(), s, count);
    const size_t kept = a.size() < count ? a.size() : count;
    Require(memcmp(bounded.data(), s, kept) == 0 && bounded[kept] == 0 && bounded[kept + 1] == '#');

    Require(CSTexttoint(s) == RefTexttoint(s));

    std::vector<char> tokenised(first);
    const auto tokens = RefTokens(a, t);
    char* token = CSStrtok(tokenised.data(), t);
    for (const auto& expected : tokens) {
        Require(token == tokenised.data() + expected.first);
        Require(RefLength(token) == expected.second);
        token = CSStrtok(nullptr, t);
    }
    Require(token == nullptr);
}

void CheckInttotext(int32_t value)
{
    char text[12];
    CSInttotext(value, text);
    Require(std::string(text) == std::to_string(static_cast<int64_t>(value)));
}

void CheckBlocks(const uint8_t* data, size_t size)
{
    const size_t half = size / 2;
    std::vector<uint8_t> a(data, data + half);
    std::vector<uint8_t> b(data + half, data + 2 * half);
    const ULONG n = static_cast<ULONG>(half);

    ULONG lastNonZero = 0;
    ULONG lastNonFF = 0;
    for (size_t i = 0; i < half; ++i) {
        if (a[i] != 0x00)
            lastNonZero = static_cast<ULONG>(i + 1);
        if (a[i] != 0xFF)
            lastNonFF = static_cast<ULONG>(i + 1);
    }
    Require(CSIsAllZeros(a.data(), n) == lastNonZero);
    Require(CSIsAllFFs(a.data(), n) == lastNonFF);

    int order = 0;
    for (size_t i = 0; i < half && order == 0; ++i)
        order = a[i] < b[i] ? -1 : a[i] > b[i] ? 1 : 0;
    Require(CSCompareMemory(a.data(), b.data(), n) == order);

    std::vector<uint8_t> flipped(half);
    CSFlipMemory(flipped.data(), a.data(), n);
    std::vector<uint8_t> ored(b);
    CSOrMemory(ored.data(), a.data(), n);
    std::vector<uint8_t> merged(half, 0x10);
    CSMergeOrMemory(merged.data(), a.data(), b.data(), n);
    for (size_t i = 0; i < half; ++i) {
        Require(flipped[i] == static_cast<uint8_t>(~a[i]));
        Require(ored[i] == (a[i] | b[i]));
        Require(merged[i] == (0x10 | a[i] | b[i]));
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 3)
        return 0;
    const unsigned count = data[0];
    const int character = data[1] + static_cast<int8_t>(data[2]) * 256; // high bits of either sign
    const char* text = reinterpret_cast<const char*>(data + 3);
    const size_t textSize = size - 3;

    const size_t firstEnd = strnlen(text, textSize);
    const std::string a(text, firstEnd);
    const size_t secondStart = firstEnd < textSize ? firstEnd + 1 : textSize;
    const std::string b(text + secondStart, strnlen(text + secondStart, textSize - secondStart));

    CheckStrings(a, b, count, character);
    int32_t value = 0;
    memcpy(&value, data, size < 4 ? size : 4);
    CheckInttotext(value);
    CheckBlocks(data + 3, textSize);
    return 0;
}
