// A formatter with the conversions of wvsprintfA for builds without the Windows one:
// %[-][#][0][width][.precision][size]type with the types c C d i u x X s S p, the sizes
// h l w I I32 I64, no floating point, output cut at 1023 characters plus the terminator.
#include "cs_format.h"

#include <stdint.h>

namespace cs_format {
namespace {

// Width and precision beyond the whole output change nothing; the cap keeps the parse in range.
constexpr int kFieldCap = 1 << 20;

enum class Size { Plain, Short, Long, Wide, Pointer, Int64 };
enum class Kind { Unknown, Char, WideChar, String, WideString, Signed, Unsigned, Hex };

struct Field {
    bool leftAlign = false;
    bool hexPrefix = false;
    bool zeroPad = false;
    bool upperHex = false;
    int width = 0;
    int precision = 0; // strings: most characters, 0 for all; numbers: fewest characters
    Size size = Size::Plain;
    Kind kind = Kind::Unknown;
};

// Collects the output and drops what does not fit before the terminator.
class Output {
public:
    explicit Output(char* buffer) : m_buffer(buffer) {}

    void Put(char c)
    {
        if (m_stored < kMaxOutput - 1)
            m_buffer[m_stored++] = c;
    }

    void Repeat(char c, int times)
    {
        for (; times > 0 && m_stored < kMaxOutput - 1; --times)
            m_buffer[m_stored++] = c;
    }

    int Finish()
    {
        m_buffer[m_stored] = '\0';
        return m_stored;
    }

private:
    char* m_buffer;
    int m_stored = 0;
};

// Code points of the bytes 0x80-0x9F in the ANSI code page 1252; the other bytes of that page
// carry the code point of their own value.
constexpr uint16_t kCp1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

// A 16-bit character in the ANSI code page; '?' where the page has no such character.
char ToAnsi(uint16_t wide)
{
    if (wide < 0x80 || (wide >= 0xA0 && wide <= 0xFF))
        return static_cast<char>(wide);
    for (int at = 0; at < 32; ++at) {
        if (kCp1252High[at] == wide)
            return static_cast<char>(0x80 + at);
    }
    return '?';
}

int ReadNumber(const char*& cursor)
{
    int value = 0;
    for (; *cursor >= '0' && *cursor <= '9'; ++cursor)
        value = value < kFieldCap ? value * 10 + (*cursor - '0') : kFieldCap;
    return value;
}

Size ReadSize(const char*& cursor)
{
    switch (*cursor) {
    case 'h':
        ++cursor;
        return Size::Short;
    case 'l':
        ++cursor;
        return Size::Long;
    case 'w':
        ++cursor;
        return Size::Wide;
    case 'I':
        if (cursor[1] == '6' && cursor[2] == '4') {
            cursor += 3;
            return Size::Int64;
        }
        if (cursor[1] == '3' && cursor[2] == '2') {
            cursor += 3;
            return Size::Plain;
        }
        ++cursor;
        return Size::Pointer;
    default:
        return Size::Plain;
    }
}

// Reads a conversion field after its '%'. The flags come in the fixed order '-', '#', '0'. On an
// unknown type the cursor stays on it, so that it is copied as ordinary text.
Field ReadField(const char*& cursor)
{
    Field field;
    if (*cursor == '-') {
        field.leftAlign = true;
        ++cursor;
    }
    if (*cursor == '#') {
        field.hexPrefix = true;
        ++cursor;
    }
    if (*cursor == '0') {
        field.zeroPad = true;
        ++cursor;
    }
    field.width = ReadNumber(cursor);
    if (*cursor == '.') {
        ++cursor;
        field.precision = ReadNumber(cursor);
    }
    field.size = ReadSize(cursor);

    const bool isShort = field.size == Size::Short;
    const bool isLong = field.size == Size::Long;
    const bool isWide = field.size == Size::Wide;
    switch (*cursor) {
    case 'c':
        field.kind = isLong ? Kind::WideChar : Kind::Char;
        break;
    case 'C':
        field.kind = isShort ? Kind::Char : Kind::WideChar;
        break;
    case 's':
        field.kind = isLong || isWide ? Kind::WideString : Kind::String;
        break;
    case 'S':
        field.kind = isShort || isWide ? Kind::String : Kind::WideString;
        break;
    case 'd':
    case 'i':
        field.kind = Kind::Signed;
        break;
    case 'u':
        field.kind = Kind::Unsigned;
        break;
    case 'p':
        // A pointer: every hex digit of the platform's pointer width, in upper case.
        field.kind = Kind::Hex;
        field.size = Size::Pointer;
        field.width = 2 * static_cast<int>(sizeof(void*));
        field.zeroPad = true;
        field.upperHex = true;
        break;
    case 'X':
        field.kind = Kind::Hex;
        field.upperHex = true;
        break;
    case 'x':
        field.kind = Kind::Hex;
        break;
    default:
        return field;
    }
    ++cursor;
    if (field.leftAlign)
        field.zeroPad = false;
    return field;
}

// Spaces before a right-aligned field of the given length.
void PadBefore(Output& out, const Field& field, int length)
{
    if (!field.leftAlign)
        out.Repeat(' ', field.width - length);
}

void PadAfter(Output& out, const Field& field, int length)
{
    if (field.leftAlign)
        out.Repeat(' ', field.width - length);
}

// A zero character stores nothing; its field is padded as for any other character.
void EmitChar(Output& out, const Field& field, char c)
{
    PadBefore(out, field, 1);
    if (c != '\0')
        out.Put(c);
    PadAfter(out, field, 1);
}

template <typename Unit, typename Convert>
void EmitString(Output& out, const Field& field, const Unit* text, Convert convert)
{
    static const Unit kNull[] = {'(', 'n', 'u', 'l', 'l', ')', 0};
    if (text == nullptr)
        text = kNull;
    int length = 0;
    while (text[length] != 0 && (field.precision == 0 || length < field.precision))
        ++length;
    PadBefore(out, field, length);
    for (int at = 0; at < length; ++at)
        out.Put(convert(text[at]));
    PadAfter(out, field, length);
}

// A number: the sign counts as one of the characters that precision and zero padding fill up;
// the 0x prefix does not count.
void EmitNumber(Output& out, const Field& field, bool negative, uint64_t magnitude)
{
    const char* digitSet = field.upperHex ? "0123456789ABCDEF" : "0123456789abcdef";
    const unsigned radix = field.kind == Kind::Hex ? 16 : 10;
    char digits[20];
    int digitCount = 0;
    do {
        digits[digitCount++] = digitSet[magnitude % radix];
        magnitude /= radix;
    } while (magnitude != 0);

    const int length = digitCount + (negative ? 1 : 0);
    int filled = field.precision > length ? field.precision : length;
    if (field.zeroPad && field.width > filled)
        filled = field.width;

    PadBefore(out, field, filled);
    if (field.hexPrefix && field.kind == Kind::Hex) {
        out.Put('0');
        out.Put(field.upperHex ? 'X' : 'x');
    }
    if (negative)
        out.Put('-');
    out.Repeat('0', filled - length);
    while (digitCount > 0)
        out.Put(digits[--digitCount]);
    PadAfter(out, field, filled);
}

void EmitInteger(Output& out, const Field& field, va_list* args)
{
    uint64_t bits;     // the argument's two's complement bits, widened to 64
    uint64_t signBit;  // the sign bit of the argument's own width
    switch (field.size) {
    case Size::Int64:
        bits = va_arg(*args, uint64_t);
        signBit = UINT64_C(1) << 63;
        break;
    case Size::Pointer:
        bits = va_arg(*args, uintptr_t);
        signBit = uint64_t{1} << (8 * sizeof(uintptr_t) - 1);
        break;
    default:
        bits = va_arg(*args, unsigned int);
        signBit = UINT64_C(1) << 31;
        break;
    }
    const bool negative = field.kind == Kind::Signed && (bits & signBit) != 0;
    // The magnitude of a negative value: its two's complement within the argument's width.
    const uint64_t magnitude = negative ? ((0 - bits) & (signBit | (signBit - 1))) : bits;
    EmitNumber(out, field, negative, magnitude);
}

void EmitConversion(Output& out, const Field& field, va_list* args)
{
    switch (field.kind) {
    case Kind::Char:
        EmitChar(out, field, static_cast<char>(va_arg(*args, int)));
        break;
    case Kind::WideChar:
        EmitChar(out, field, ToAnsi(static_cast<uint16_t>(va_arg(*args, int))));
        break;
    case Kind::String:
        EmitString(out, field, va_arg(*args, const char*), [](char c) { return c; });
        break;
    case Kind::WideString:
        EmitString(out, field, va_arg(*args, const uint16_t*), ToAnsi);
        break;
    case Kind::Signed:
    case Kind::Unsigned:
    case Kind::Hex:
        EmitInteger(out, field, args);
        break;
    case Kind::Unknown:
        // Takes no argument; the width still yields its spaces before the text that follows.
        PadBefore(out, field, 0);
        break;
    }
}

} // namespace

int FormatV(char* buffer, const char* format, va_list args)
{
    Output out(buffer);
    va_list remaining;
    va_copy(remaining, args);
    const char* cursor = format;
    while (*cursor != '\0') {
        if (*cursor != '%') {
            out.Put(*cursor++);
            continue;
        }
        ++cursor;
        if (*cursor == '%') {
            out.Put(*cursor++);
            continue;
        }
        const Field field = ReadField(cursor);
        EmitConversion(out, field, &remaining);
    }
    va_end(remaining);
    return out.Finish();
}

} // namespace cs_format
