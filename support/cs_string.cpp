// String and character functions with one-byte characters and ASCII case rules. Comparisons
// answer exactly -1, 0 or 1; character arguments count by their low byte as a signed char.
#include <string.h>

#include "cs_string_twin.h"
#include "os_services.h"
#include "qzw9svb/cs_string.h"

namespace {

// Whole-string length, copy and append: the Win32 string functions where they exist.
#ifdef _WIN32
size_t ByteLength(const char* s) { return static_cast<size_t>(::lstrlenA(s)); }
void CopyString(char* dst, const char* src) { ::lstrcpyA(dst, src); }
void AppendString(char* dst, const char* src) { ::lstrcatA(dst, src); }
#else
size_t ByteLength(const char* s) { return strlen(s); }
void CopyString(char* dst, const char* src) { strcpy(dst, src); }
void AppendString(char* dst, const char* src) { strcat(dst, src); }
#endif

// The low 8 bits of a character argument read as a signed char: 0xE5 becomes -27.
int SignedLowByte(int c)
{
    int low = c & 0xFF;
    return low >= 0x80 ? low - 0x100 : low;
}

int FoldToLower(unsigned char byte)
{
    return byte >= 'A' && byte <= 'Z' ? byte + ('a' - 'A') : byte;
}

int SignOf(int order)
{
    return (order > 0) - (order < 0);
}

// Compares at most limit bytes as unsigned values after folding 'A'-'Z' to lower case.
int CompareFolded(const char* a, const char* b, size_t limit)
{
    const auto* left = reinterpret_cast<const unsigned char*>(a);
    const auto* right = reinterpret_cast<const unsigned char*>(b);
    for (size_t at = 0; at < limit; ++at) {
        int order = FoldToLower(left[at]) - FoldToLower(right[at]);
        if (order != 0 || left[at] == 0)
            return SignOf(order);
    }
    return 0;
}

// Length of src, but never more than limit bytes are looked at.
size_t BoundedLength(const char* src, size_t limit)
{
    size_t length = 0;
    while (length < limit && src[length] != '\0')
        ++length;
    return length;
}

} // namespace

unsigned int CS_CALL CSStrlen(const char* s)
{
    return s == nullptr ? 0 : static_cast<unsigned int>(ByteLength(s));
}

char* CS_CALL CSStrcpy(char* dst, const char* src)
{
    CopyString(dst, src);
    return dst;
}

char* CS_CALL CSStrncpy(char* dst, const char* src, unsigned int count)
{
    return strncpy(dst, src, count);
}

char* CS_CALL CSStrcat(char* dst, const char* src)
{
    AppendString(dst, src);
    return dst;
}

int CS_CALL CSStrcmp(const char* a, const char* b)
{
    return SignOf(strcmp(a, b));
}

int CS_CALL CSStrncmp(const char* a, const char* b, unsigned int count)
{
    return count == 0 ? 0 : SignOf(strncmp(a, b, count));
}

int CS_CALL CSStrcmpi(const char* a, const char* b)
{
    return CompareFolded(a, b, static_cast<size_t>(-1));
}

int CS_CALL CSStrncmpi(const char* a, const char* b, unsigned int count)
{
    return CompareFolded(a, b, count);
}

char* CS_CALL CSStrchr(const char* s, int c)
{
    return const_cast<char*>(strchr(s, c & 0xFF));
}

char* CS_CALL CSStrrchr(const char* s, int c)
{
    return const_cast<char*>(strrchr(s, c & 0xFF));
}

char* CS_CALL CSStrstr(const char* s, const char* pattern)
{
    return const_cast<char*>(strstr(s, pattern));
}

// Each thread continues its own scan; null once the scan is over.
char* CS_CALL CSStrtok(char* s, const char* delimiters)
{
    char* scan = s != nullptr ? s : cs_os::ThreadTokenResume();
    if (scan == nullptr)
        return nullptr;
    scan += strspn(scan, delimiters);
    if (*scan == '\0') {
        cs_os::SetThreadTokenResume(nullptr);
        return nullptr;
    }
    char* token = scan;
    scan += strcspn(scan, delimiters);
    if (*scan == '\0') {
        cs_os::SetThreadTokenResume(nullptr);
    } else {
        *scan = '\0';
        cs_os::SetThreadTokenResume(scan + 1);
    }
    return token;
}

int CS_CALL CSToupper(int c)
{
    int ch = SignedLowByte(c);
    return ch >= 'a' && ch <= 'z' ? ch - ('a' - 'A') : ch;
}

int CS_CALL CSTolower(int c)
{
    int ch = SignedLowByte(c);
    return ch >= 'A' && ch <= 'Z' ? ch + ('a' - 'A') : ch;
}

int CS_CALL CSIsupper(int c)
{
    int ch = SignedLowByte(c);
    return ch >= 'A' && ch <= 'Z';
}

int CS_CALL CSIslower(int c)
{
    int ch = SignedLowByte(c);
    return ch >= 'a' && ch <= 'z';
}

int CS_CALL CSIsalpha(int c)
{
    return CSIsupper(c) || CSIslower(c);
}

int CS_CALL CSIsalnum(int c)
{
    int ch = SignedLowByte(c);
    return CSIsalpha(c) || (ch >= '0' && ch <= '9');
}

void CS_CALL CSChar2iChar(iChar* dst, const char* src)
{
    const char* source = src != nullptr ? src : "";
    size_t size = CSStrlen(source) + size_t{1};
    if (cs_os::CanWrite(dst, size))
        memcpy(dst, source, size);
}

void CS_CALL CSChar2iCharL(iChar* dst, const char* src, unsigned int maxCount)
{
    const char* source = src != nullptr ? src : "";
    size_t length = BoundedLength(source, maxCount);
    if (!cs_os::CanWrite(dst, length + 1))
        return;
    memcpy(dst, source, length);
    dst[length] = '\0';
}

void CS_CALL CSiChar2Char(char* dst, const iChar* src)
{
    CSStrcpy(dst, src);
}

CS_ICHAR_TWIN(CSiStrlen, CSStrlen)
CS_ICHAR_TWIN(CSiStrcpy, CSStrcpy)
CS_ICHAR_TWIN(CSiStrncpy, CSStrncpy)
CS_ICHAR_TWIN(CSiStrcat, CSStrcat)
CS_ICHAR_TWIN(CSiStrcmp, CSStrcmp)
CS_ICHAR_TWIN(CSiStrncmp, CSStrncmp)
CS_ICHAR_TWIN(CSiStrcmpi, CSStrcmpi)
CS_ICHAR_TWIN(CSiStrncmpi, CSStrncmpi)
CS_ICHAR_TWIN(CSiStrchr, CSStrchr)
CS_ICHAR_TWIN(CSiStrrchr, CSStrrchr)
CS_ICHAR_TWIN(CSiStrstr, CSStrstr)
CS_ICHAR_TWIN(CSiStrtok, CSStrtok)
CS_ICHAR_TWIN(CSiToupper, CSToupper)
CS_ICHAR_TWIN(CSiTolower, CSTolower)
CS_ICHAR_TWIN(CSiIsupper, CSIsupper)
CS_ICHAR_TWIN(CSiIslower, CSIslower)
CS_ICHAR_TWIN(CSiIsalpha, CSIsalpha)
CS_ICHAR_TWIN(CSiIsalnum, CSIsalnum)
