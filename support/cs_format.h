// A formatter with the conversions and flags of wvsprintfA, for builds without the Windows one.
// Built everywhere so that the Windows tests can hold it against the real wvsprintfA.
#pragma once
#include <stdarg.h>

namespace cs_format {

// Largest output of one call, terminator included.
constexpr int kMaxOutput = 1024;

// Writes at most kMaxOutput bytes including the terminator; returns the characters stored
// without the terminator.
int FormatV(char* buffer, const char* format, va_list args);

} // namespace cs_format
