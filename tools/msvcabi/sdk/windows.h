// Stand-in for the Windows SDK's windows.h in MSVC-mode builds without Microsoft's tools: the
// types the public headers use and the few kernel32 functions a host without a C runtime needs.
// Every type is spelled as the SDK spells it, because MSVC-decorated names encode the spelling
// (LONG is long, ULONG and DWORD are unsigned long).
#pragma once

#define WINAPI __stdcall

typedef long LONG;
typedef unsigned long ULONG;
typedef unsigned long DWORD;
typedef unsigned short USHORT;
typedef unsigned char UCHAR;
typedef int BOOL;
#ifdef _WIN64
typedef __int64 INT_PTR;
typedef unsigned __int64 ULONG_PTR;
#else
typedef int INT_PTR;
typedef unsigned long ULONG_PTR;
#endif
typedef ULONG_PTR SIZE_T;
typedef void* HANDLE;

#define DECLARE_HANDLE(name) struct name##__ { int unused; }; typedef struct name##__* name
DECLARE_HANDLE(HWND);
DECLARE_HANDLE(HINSTANCE);
typedef HINSTANCE HMODULE;
typedef INT_PTR(WINAPI* FARPROC)();

#define STD_OUTPUT_HANDLE ((DWORD)-11)

#ifdef __cplusplus
extern "C" {
#endif
__declspec(dllimport) HANDLE WINAPI GetProcessHeap(void);
__declspec(dllimport) void* WINAPI HeapAlloc(HANDLE heap, DWORD flags, SIZE_T bytes);
__declspec(dllimport) BOOL WINAPI HeapFree(HANDLE heap, DWORD flags, void* block);
__declspec(dllimport) BOOL WINAPI HeapValidate(HANDLE heap, DWORD flags, const void* block);
__declspec(dllimport) HANDLE WINAPI GetStdHandle(DWORD which);
__declspec(dllimport) BOOL WINAPI WriteFile(HANDLE file, const void* data, DWORD size, DWORD* written, void* overlapped);
__declspec(dllimport) HMODULE WINAPI GetModuleHandleA(const char* name);
__declspec(dllimport) FARPROC WINAPI GetProcAddress(HMODULE module, const char* name);
__declspec(dllimport) void WINAPI ExitProcess(unsigned int code);
#ifdef __cplusplus
}
#endif
