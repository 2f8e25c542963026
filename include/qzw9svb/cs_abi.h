// Export and calling-convention macros, and the 32-bit integer types of the library's interface.
// Hosts include qzw9svb.h; this header is shared by every public declaration.
#pragma once

#ifdef _WIN32
#include <windows.h>
// Support library: the C runtime's convention, which the variadic functions need anyway.
#define CS_CALL __cdecl
// Services and capability queries: the platform's own API convention.
#define QZ_CALL __stdcall
#if defined(QZ_BUILDING_DLL)
#define QZ_EXPORT __declspec(dllexport)
#elif defined(QZ_STATIC)
#define QZ_EXPORT
#else
#define QZ_EXPORT __declspec(dllimport)
#endif
#else
// Portable builds keep the Windows widths: LONG and ULONG are 32 bits on every target.
#include <stdint.h>
typedef int32_t LONG;
typedef uint32_t ULONG;
typedef uint32_t DWORD;
typedef uint16_t USHORT;
typedef unsigned char UCHAR;
typedef int BOOL;
#define CS_CALL
#define QZ_CALL
#define QZ_EXPORT
#endif

// Enumerations are 32-bit in C and C++ alike; C++ says so explicitly.
#ifdef __cplusplus
#define QZ_ENUM(name) enum name : LONG
#define QZ_EXTERN_C extern "C"
#else
#define QZ_ENUM(name) enum name
#define QZ_EXTERN_C
#endif
