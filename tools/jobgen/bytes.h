// Byte buffers shared by the job builders and the verifiers, and the error they raise on bad input.
#pragma once
#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace qz_jobs {

using Bytes = std::vector<std::uint8_t>;

// A job, notice or compressed row that does not have the shape it must have.
struct JobFormatError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// Throws JobFormatError with problem unless condition holds.
inline void RequireFormat(bool condition, const std::string& problem)
{
    if (!condition)
        throw JobFormatError(problem);
}

inline void AppendText(Bytes& out, std::string_view text)
{
    out.insert(out.end(), text.begin(), text.end());
}

inline void AppendBytes(Bytes& out, const Bytes& more)
{
    out.insert(out.end(), more.begin(), more.end());
}

// Raster rows are sent without their white (zero) tail.
inline Bytes TrimTrailingZeros(Bytes row)
{
    while (!row.empty() && row.back() == 0)
        row.pop_back();
    return row;
}

} // namespace qz_jobs
