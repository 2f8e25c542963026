// PML set commands: "PML ", the set command byte, the object item and the value item, carried to
// the printer in the PCL command ESC &b<n>W. Built jobs of any value type use the same shape.
#pragma once
#include <cstddef>
#include <cstdint>
#include "bytes.h"
#include "pcl_writer.h"

namespace qz_jobs {

inline constexpr std::uint8_t kPmlSetCommand = 0x04;
inline constexpr std::uint8_t kPmlObjectItem = 0x00;
// The value type of the integer settings in the stored jobs.
inline constexpr std::uint8_t kPmlIntegerValue = 0x04;

struct PmlValue {
    std::uint8_t type = kPmlIntegerValue;
    Bytes bytes;
};

struct PmlSet {
    Bytes objectId;
    PmlValue value;
};

// value as width bytes, most significant first; throws when it does not fit.
PmlValue PmlInteger(std::uint32_t value, std::size_t width);
// The fewest bytes that hold value (at least one).
std::size_t MinimalWidth(std::uint32_t value);

Bytes EncodePmlSet(const PmlSet& set);
// Throws JobFormatError unless data is exactly one well-formed set command.
PmlSet DecodePmlSet(const Bytes& data);

// ESC &b<n>W with the encoded command as its data.
void WritePmlCommand(PclWriter& writer, const PmlSet& set);

} // namespace qz_jobs
