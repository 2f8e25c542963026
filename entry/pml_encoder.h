// Building PML set commands at run time: payloads that set an object to an integer or to the
// fixed closing value, wrapped in the PCL command that carries them to the printer.
#pragma once
#include <stddef.h>

#include "qzw9svb/cs_platform.h"

// Longest payload WrapPmlCommand takes, and the longest command it makes from one.
constexpr size_t kMaxPmlPayload = 40;
constexpr size_t kMaxPmlCommand = kMaxPmlPayload + 10 + 8;

// Writes value in ASCII decimal (a single 0 for 0, no terminator); returns the digit count.
unsigned FormatDecimal(unsigned char* destination, ULONG value);

// Turns the payload at the start of buffer (at most kMaxPmlPayload bytes) into the complete
// command ESC &b<n>WPML <payload>, n = payload length + 4; returns the command's length.
size_t WrapPmlCommand(unsigned char* buffer, size_t payloadLength);

// Payload setting the object with the seven-component identifier to a signed integer;
// returns its length (12 to 14 bytes).
size_t BuildPmlSetInteger(unsigned char* payload, const unsigned char (&identifier)[7], LONG value);

// The closing payload that ends a sequence of alignment settings; returns its length (12).
size_t BuildPmlSetFixed(unsigned char* payload);
