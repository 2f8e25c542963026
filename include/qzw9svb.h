// Public interface of QZW9SVB.dll for host programs.
//
// Calling conventions (they matter on 32-bit x86 only):
//   - support library free functions (CS..., CSi...): __cdecl (CS_CALL); CSSprintf is variadic;
//   - class members: the compiler's member convention; CSMemBlock::LockInChunks is variadic (cdecl);
//   - printer services and capability queries: __stdcall (QZ_CALL).
// Every free function is exported by its plain, undecorated name; classes are exported C++ classes.
#pragma once

#include "qzw9svb/cs_platform.h"
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
