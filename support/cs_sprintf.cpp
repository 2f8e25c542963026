// CSSprintf: the platform's wvsprintfA formatter behind a variadic entry point.
#include <stdarg.h>

#include "cs_string_twin.h"
#include "os_services.h"
#include "qzw9svb/cs_string.h"

int CS_CALL CSSprintf(char* buffer, const char* format, ...)
{
    va_list args;
    va_start(args, format);
    int stored = cs_os::FormatV(buffer, format, args);
    va_end(args);
    return stored;
}

CS_ICHAR_TWIN(CSiSprintf, CSSprintf)
