// The printer services: each takes the name of a print queue and, where it shows dialogs,
// the window that is to own them. All use the platform's API convention (QZ_CALL).
#pragma once
#include "cs_abi.h"

#ifdef _WIN32
#ifdef __cplusplus
extern "C" {
#endif

// Results: 1 done, 0 failed or refused (another service is running, or a queue name of 256
// characters or more, which no queue name field can hold).
QZ_EXPORT int QZ_CALL AlignPenService(char* queue, char* portName, int unused, HWND parent);
QZ_EXPORT int QZ_CALL CleanPenService(char* queue, char* portName, int option, HWND parent);
QZ_EXPORT int QZ_CALL PrintSelfTest(char* queue, char* unused1, int unused2, HWND parent);
QZ_EXPORT int QZ_CALL PrintInkGauge(char* queue, char* unused1, int unused2, HWND unused3);
QZ_EXPORT int QZ_CALL DisplayHardwareInfo(char* queue, char* text, int variant, HWND parent);
QZ_EXPORT int QZ_CALL DisplayCommTestResult(char* queue, char* text, int pictureSelector, HWND parent);
QZ_EXPORT int QZ_CALL CalibrateColor(char* queue, char* portName, int unused, HWND parent);
// Shaped for rundll32: the command line holds the queue name.
QZ_EXPORT void QZ_CALL PrinterService(HWND parent, HINSTANCE unused1, char* commandLine, int unused2);
QZ_EXPORT int QZ_CALL LaunchUrlBrowser(char* target);
QZ_EXPORT void QZ_CALL LaunchToolbox(void* unused1, void* unused2, void* unused3, void* unused4);
QZ_EXPORT int QZ_CALL DoCableTest(void* unused1, void* unused2, void* unused3, void* unused4, void* unused5);

#ifdef __cplusplus
}
#endif
#endif
