// The layout of the service-type record (record 23 of a model): twenty little-endian 32-bit words.
#pragma once
#include "qzw9svb/cs_abi.h"

constexpr ULONG kServiceTypeRecordSize = 80;
constexpr ULONG kAlignmentTypeOffset = 56;
constexpr ULONG kCleaningTypeOffset = 60;
constexpr ULONG kSelfTestTypeOffset = 64;
constexpr ULONG kMibTypeOffset = 76;
constexpr ULONG kCalibrationFlag = 0x10; // in the first word: the model calibrates colour
