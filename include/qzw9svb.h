// Public interface of QZW9SVB.dll for host programs built with MinGW g++ (import library
// libQZW9SVB.dll.a), with Microsoft's compiler (QZW9SVB.lib, the Windows SDK's windows.h), or in C.
//
// Calling conventions (they matter on 32-bit x86 only):
//   - support library free functions (CS..., CSi...): __cdecl (CS_CALL); CSSprintf is variadic;
//   - class members: thiscall, as both compilers call members; static members __cdecl;
//     CSMemBlock::LockInChunks is variadic (cdecl);
//   - printer services and capability queries: __stdcall (QZ_CALL).
// Every free function is exported by its plain, undecorated name. Every member of the exported
// classes is exported under its g++ name and its MSVC-decorated name; constructors hand `this`
// back to MSVC callers, and CSMemObject's virtual slots serve both compilers (cs_memobject.h).
#pragma once

#include "qzw9svb/cs_abi.h"
#include "qzw9svb/cs_status.h"
#include "qzw9svb/cs_string.h"
#include "qzw9svb/cs_memutil.h"
#include "qzw9svb/cs_memobject.h"
#include "qzw9svb/cs_list.h"
#include "qzw9svb/cs_memblock.h"
#include "qzw9svb/cs_osversion.h"
#include "qzw9svb/cis_string_list.h"
#include "qzw9svb/toolbox_cap.h"
#include "qzw9svb/services.h"
