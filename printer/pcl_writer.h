// Writes printer streams as they are made: PCL escape sequences (simple, parameterised, carrying
// data, or combined into one run of parameters such as the raster transfers) and the plain
// bytes between them, into a byte sink.
#pragma once
#include <stddef.h>
#include <stdint.h>

#include "byte_sink.h"

constexpr uint8_t kEscape = 0x1B;
// ESC %-12345X leaves PCL for PJL.
constexpr long kUniversalExitValue = -12345;

class PclWriter {
public:
    explicit PclWriter(ByteSink& out) : out_(out) {}

    // ESC E: the printer reset.
    void Reset();
    // ESC %-12345X: the universal exit back to PJL.
    void UniversalExit();
    // A complete command such as ESC &l2A: Command("&l", 2, 'A').
    void Command(const char* group, long value, char parameter);
    // A complete command without a value, such as ESC *rC.
    void Command(const char* group, char parameter);
    // ESC <group><n>W followed by the n data bytes.
    void DataCommand(const char* group, const uint8_t* data, size_t size);

    // A run of combined parameters: BeginCombined("*b"), then lower-case parameters, and a final
    // upper-case one that closes the sequence.
    void BeginCombined(const char* group);
    void Parameter(long value, char parameter);
    void DataParameter(const uint8_t* data, size_t size, char parameter);

    void Text(const char* text);
    void Raw(const uint8_t* bytes, size_t size);
    void Zeros(size_t count);

    // False once the sink refused bytes; nothing more is written then.
    bool Ok() const { return ok_; }

private:
    void Put(const uint8_t* bytes, size_t size);

    ByteSink& out_;
    bool ok_ = true;
};
