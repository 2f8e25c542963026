// The PML objects the library sets, and the values it gives them: the one vocabulary of the
// jobs it stores, the jobs it builds and the programs that read streams back.
#pragma once
#include <stddef.h>

#include "qzw9svb/cs_abi.h"

// The cleaning: its strength. The dialogs' levels 1, 2 and 3 send 300, 100 and 200.
constexpr unsigned char kCleaningObject[] = {0x01, 0x04, 0x01, 0x05, 0x01, 0x01};
constexpr ULONG kCleaningStrengths[] = {300, 100, 200};

// The page the printer prints next: its alignment page or its self-test page.
constexpr unsigned char kPageModeObject[] = {0x01, 0x01, 0x05, 0x02};
constexpr ULONG kAlignmentPageMode = 1100;
constexpr ULONG kSelfTestPageMode = 4;

// The ten alignment settings 1.4.1.5.3.x.y, in the order the result job sets them, and what
// each holds.
constexpr size_t kAlignmentSettings = 10;
constexpr size_t kAlignmentSettingIdLength = 7;
extern const unsigned char kAlignmentSettingIds[kAlignmentSettings][kAlignmentSettingIdLength];
extern const char* const kAlignmentSettingNames[kAlignmentSettings];

// The setting that closes a sequence of alignment settings: this object to the one byte 0F of
// value type 20.
constexpr unsigned char kAlignmentClosingObject[] = {0x01, 0x04, 0x01, 0x05, 0x01, 0x08};
constexpr unsigned char kAlignmentClosingValueType = 0x20;
constexpr unsigned char kAlignmentClosingValue[] = {0x0F};
