// Decimal text to integer and back, in 32-bit arithmetic that wraps instead of saturating.
#include <stdint.h>

#include "cs_string_twin.h"
#include "qzw9svb/cs_string.h"

namespace {

bool IsSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

} // namespace

int CS_CALL CSTexttoint(const char* s)
{
    while (IsSpace(*s))
        ++s;
    const bool negative = *s == '-';
    if (*s == '-' || *s == '+')
        ++s;
    uint32_t value = 0; // unsigned, so that overflow wraps by definition
    for (; IsDigit(*s); ++s)
        value = value * 10u + static_cast<uint32_t>(*s - '0');
    return static_cast<int32_t>(negative ? 0u - value : value);
}

char* CS_CALL CSInttotext(LONG value, char* buffer)
{
    // The magnitude as an unsigned number: -2^31 has one that no signed 32-bit value holds.
    uint32_t magnitude = value < 0 ? 0u - static_cast<uint32_t>(value) : static_cast<uint32_t>(value);
    char digits[10];
    int count = 0;
    do {
        digits[count++] = static_cast<char>('0' + magnitude % 10u);
        magnitude /= 10u;
    } while (magnitude != 0);

    char* out = buffer;
    if (value < 0)
        *out++ = '-';
    while (count > 0)
        *out++ = digits[--count];
    *out = '\0';
    return buffer;
}

CS_ICHAR_TWIN(CSiTexttoint, CSTexttoint)
CS_ICHAR_TWIN(CSiInttotext, CSInttotext)
