// Makes the CSi name of a string function the same entry point as its CS twin. On Windows the
// export list gives the second name; natively an alias of the definition in the same file does.
#pragma once

#ifdef _WIN32
#define CS_ICHAR_TWIN(twin, function)
#else
#define CS_ICHAR_TWIN(twin, function) decltype(function) twin __attribute__((alias(#function)));
#endif
