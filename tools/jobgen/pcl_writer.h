// Writes printer streams: PCL escape sequences (simple, parameterised, carrying data, or combined
// into one run of parameters such as the raster transfers) and the plain bytes between them.
#pragma once
#include <cstddef>
#include <string_view>
#include <utility>
#include "bytes.h"

namespace qz_jobs {

inline constexpr std::uint8_t kEscape = 0x1B;
// ESC %-12345X leaves PCL for PJL.
inline constexpr long kUniversalExitValue = -12345;

class PclWriter {
public:
    // ESC E: the printer reset.
    void Reset();
    // ESC %-12345X: the universal exit back to PJL.
    void UniversalExit();
    // A complete command such as ESC &l2A: Command("&l", 2, 'A').
    void Command(std::string_view group, long value, char parameter);
    // A complete command without a value, such as ESC *rC.
    void Command(std::string_view group, char parameter);
    // ESC <group><n>W followed by the n data bytes.
    void DataCommand(std::string_view group, const Bytes& data);

    // A run of combined parameters: BeginCombined("*b"), then lower-case parameters, and a final
    // upper-case one that closes the sequence.
    void BeginCombined(std::string_view group);
    void Parameter(long value, char parameter);
    void DataParameter(const Bytes& data, char parameter);

    void Text(std::string_view text);
    void Raw(const Bytes& bytes);
    void Zeros(std::size_t count);

    const Bytes& Stream() const { return stream_; }
    Bytes TakeStream() { return std::move(stream_); }

private:
    Bytes stream_;
};

} // namespace qz_jobs
