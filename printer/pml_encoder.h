// Building PML set commands: the one encoder of the library's run-time jobs and of the stored jobs
// the job generator writes. A payload is the set command byte, the object item and the value item;
// the command carries "PML " and the payload in the PCL command ESC &b<n>W. Portable C++ with no
// allocation, so that native tools build it as well as the DLL.
#pragma once
#include <stddef.h>

#include "qzw9svb/cs_abi.h"

constexpr unsigned char kPmlSetCommand = 0x04;
constexpr unsigned char kPmlObjectItem = 0x00;
// The value type of the alignment settings: a signed integer.
constexpr unsigned char kPmlSignedValue = 0x08;
// An item's length travels in one byte.
constexpr size_t kMaxPmlItem = 0xFF;
// What the data of ESC &b<n>W starts with.
constexpr char kPmlSignature[] = "PML ";
constexpr size_t kPmlSignatureLength = sizeof(kPmlSignature) - 1;

// Longest payload WrapPmlCommand takes, the longest header, and the longest command made from one.
constexpr size_t kMaxPmlPayload = 40;
constexpr size_t kMaxPmlHeader = 3 + 10 + 1 + kPmlSignatureLength;
constexpr size_t kMaxPmlCommand = kMaxPmlPayload + kMaxPmlHeader;
// Room the payloads of BuildPmlSetInteger and BuildPmlSetFixed need.
constexpr size_t kMaxPmlSettingPayload = 14;

// Writes value in ASCII decimal (a single 0 for 0, no terminator); returns the digit count.
unsigned FormatDecimal(unsigned char* destination, ULONG value);

// Writes the low width bytes of value (width at most 4), most significant first.
void FormatBigEndian(unsigned char* destination, ULONG value, size_t width);

// Writes ESC &b<n>WPML , the header of a command whose payload has payloadLength bytes
// (n = payloadLength + 4); returns the header's length, at most kMaxPmlHeader.
size_t WritePmlHeader(unsigned char* destination, size_t payloadLength);

// Turns the payload at the start of buffer (at most kMaxPmlPayload bytes) into the complete
// command ESC &b<n>WPML <payload>, n = payload length + 4; returns the command's length.
size_t WrapPmlCommand(unsigned char* buffer, size_t payloadLength);

// Payload setting the object to the value item (valueType, value); returns its length, or 0 when
// an item is longer than kMaxPmlItem or the payload would not fit in capacity.
size_t BuildPmlSet(unsigned char* payload, size_t capacity, const unsigned char* objectId, size_t objectIdLength,
                   unsigned char valueType, const unsigned char* value, size_t valueLength);

// Payload setting the object with the seven-component identifier to a signed integer;
// returns its length (12 to kMaxPmlSettingPayload bytes).
size_t BuildPmlSetInteger(unsigned char* payload, const unsigned char (&identifier)[7], LONG value);

// The closing payload that ends a sequence of alignment settings; returns its length (12).
size_t BuildPmlSetFixed(unsigned char* payload);
