// String and character functions: one-byte characters, ASCII case rules, no locale.
// Every function here is exported twice, under its CS name and its CSi name, as one entry point.
#pragma once
#include "cs_abi.h"

// The library's internal character type; a string of iChar has the layout of a char string.
typedef char iChar;

#ifdef __cplusplus
extern "C" {
#endif

QZ_EXPORT unsigned int CS_CALL CSStrlen(const char* s);
QZ_EXPORT char* CS_CALL CSStrcpy(char* dst, const char* src);
QZ_EXPORT char* CS_CALL CSStrncpy(char* dst, const char* src, unsigned int count);
QZ_EXPORT char* CS_CALL CSStrcat(char* dst, const char* src);
QZ_EXPORT int CS_CALL CSStrcmp(const char* a, const char* b);
QZ_EXPORT int CS_CALL CSStrncmp(const char* a, const char* b, unsigned int count);
QZ_EXPORT int CS_CALL CSStrcmpi(const char* a, const char* b);
QZ_EXPORT int CS_CALL CSStrncmpi(const char* a, const char* b, unsigned int count);
QZ_EXPORT char* CS_CALL CSStrchr(const char* s, int c);
QZ_EXPORT char* CS_CALL CSStrrchr(const char* s, int c);
QZ_EXPORT char* CS_CALL CSStrstr(const char* s, const char* pattern);
QZ_EXPORT char* CS_CALL CSStrtok(char* s, const char* delimiters);
QZ_EXPORT int CS_CALL CSToupper(int c);
QZ_EXPORT int CS_CALL CSTolower(int c);
QZ_EXPORT int CS_CALL CSIsupper(int c);
QZ_EXPORT int CS_CALL CSIslower(int c);
QZ_EXPORT int CS_CALL CSIsalpha(int c);
QZ_EXPORT int CS_CALL CSIsalnum(int c);
QZ_EXPORT int CS_CALL CSTexttoint(const char* s);
QZ_EXPORT char* CS_CALL CSInttotext(LONG value, char* buffer);
// Formats like wvsprintfA: no floating point, at most 1024 bytes written.
QZ_EXPORT int CS_CALL CSSprintf(char* buffer, const char* format, ...);

QZ_EXPORT unsigned int CS_CALL CSiStrlen(const iChar* s);
QZ_EXPORT iChar* CS_CALL CSiStrcpy(iChar* dst, const iChar* src);
QZ_EXPORT iChar* CS_CALL CSiStrncpy(iChar* dst, const iChar* src, unsigned int count);
QZ_EXPORT iChar* CS_CALL CSiStrcat(iChar* dst, const iChar* src);
QZ_EXPORT int CS_CALL CSiStrcmp(const iChar* a, const iChar* b);
QZ_EXPORT int CS_CALL CSiStrncmp(const iChar* a, const iChar* b, unsigned int count);
QZ_EXPORT int CS_CALL CSiStrcmpi(const iChar* a, const iChar* b);
QZ_EXPORT int CS_CALL CSiStrncmpi(const iChar* a, const iChar* b, unsigned int count);
QZ_EXPORT iChar* CS_CALL CSiStrchr(const iChar* s, int c);
QZ_EXPORT iChar* CS_CALL CSiStrrchr(const iChar* s, int c);
QZ_EXPORT iChar* CS_CALL CSiStrstr(const iChar* s, const iChar* pattern);
QZ_EXPORT iChar* CS_CALL CSiStrtok(iChar* s, const iChar* delimiters);
QZ_EXPORT int CS_CALL CSiToupper(int c);
QZ_EXPORT int CS_CALL CSiTolower(int c);
QZ_EXPORT int CS_CALL CSiIsupper(int c);
QZ_EXPORT int CS_CALL CSiIslower(int c);
QZ_EXPORT int CS_CALL CSiIsalpha(int c);
QZ_EXPORT int CS_CALL CSiIsalnum(int c);
QZ_EXPORT int CS_CALL CSiTexttoint(const iChar* s);
QZ_EXPORT iChar* CS_CALL CSiInttotext(LONG value, iChar* buffer);
QZ_EXPORT int CS_CALL CSiSprintf(iChar* buffer, const iChar* format, ...);

// Checked copies into iChar: nothing is written when the destination is not writable.
QZ_EXPORT void CS_CALL CSChar2iChar(iChar* dst, const char* src);
QZ_EXPORT void CS_CALL CSChar2iCharL(iChar* dst, const char* src, unsigned int maxCount);
QZ_EXPORT void CS_CALL CSiChar2Char(char* dst, const iChar* src);

#ifdef __cplusplus
}
#endif
