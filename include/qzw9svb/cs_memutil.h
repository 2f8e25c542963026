// Memory and system utilities: heap state, free memory, byte-block operations, pointer probes.
// The copy functions take the source first and the destination second.
#pragma once
#include "cs_abi.h"

#ifdef __cplusplus
extern "C" {
#endif

QZ_EXPORT LONG CS_CALL CSValidHeap(void);
QZ_EXPORT ULONG CS_CALL CSGetFreeMemory(void);
QZ_EXPORT void CS_CALL CSZeroMemory(void* block, ULONG count);
QZ_EXPORT void CS_CALL CSSetMemory(void* block, ULONG count, unsigned char value);
QZ_EXPORT void CS_CALL CSCopyMemory(const void* src, void* dst, ULONG count);
QZ_EXPORT void* CS_CALL CSMoveMemory(const void* src, void* dst, ULONG count);
QZ_EXPORT int CS_CALL CSCompareMemory(const void* a, const void* b, ULONG count);
QZ_EXPORT void CS_CALL CSFlipMemory(void* dst, const void* src, ULONG count);
QZ_EXPORT void CS_CALL CSOrMemory(void* dst, const void* src, ULONG count);
QZ_EXPORT void CS_CALL CSMergeOrMemory(void* dst, const void* a, const void* b, ULONG count);
QZ_EXPORT ULONG CS_CALL CSIsAllZeros(const void* block, ULONG count);
QZ_EXPORT ULONG CS_CALL CSIsAllFFs(const void* block, ULONG count);
// Bytes from the address to the end of a 32-bit address space; wider addresses count modulo 2^32.
QZ_EXPORT ULONG CS_CALL CSBytesLeftInSeg(const void* address);
QZ_EXPORT unsigned char* CS_CALL CSMakeNormalPointer(unsigned char* address, LONG offset, ULONG unused);
QZ_EXPORT int CS_CALL CSIsValidReadPtr(const void* address, ULONG count);
QZ_EXPORT int CS_CALL CSIsValidWritePtr(const void* address, ULONG count);

#ifdef __cplusplus
}
#endif
