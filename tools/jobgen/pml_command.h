// PML set commands as the job tools see them: an object id and a value item of any type, encoded
// by the library's own PML encoder and decoded back from a job's ESC &b<n>W data.
#pragma once
#include <cstddef>
#include <cstdint>
#include "bytes.h"
#include "printer/pcl_writer.h"

namespace qz_jobs {

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

// The complete command ESC &b<n>WPML <payload>; throws std::invalid_argument for an item longer
// than 255 bytes.
Bytes EncodePmlSet(const PmlSet& set);
// Reads the data of ESC &b<n>W; throws JobFormatError unless it is exactly one well-formed set command.
PmlSet DecodePmlSet(const Bytes& data);

// Appends the complete command to the job.
void WritePmlCommand(PclWriter& writer, const PmlSet& set);

} // namespace qz_jobs
