// Which family of the Windows platform the library runs on.
#pragma once
#include "cs_abi.h"

QZ_ENUM(CSOSVersion) {
    CSOSUnknown = 0,
    CSOSWin32s = 1,
    CSOSWin32Windows = 2,
    CSOSWin32NT = 3
};
#ifndef __cplusplus
typedef enum CSOSVersion CSOSVersion;
#endif

#ifdef __cplusplus
extern "C" {
#endif

QZ_EXPORT CSOSVersion CS_CALL CSGetOSVersion(void);

#ifdef __cplusplus
}
#endif
