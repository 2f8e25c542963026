// Method-2 rows as the generators handle them: whole byte vectors, with a malformed row thrown
// as a JobFormatError.
#pragma once
#include <string>

#include "bytes.h"
#include "printer/method2.h"

namespace qz_jobs {

inline Bytes CompressRow(const Bytes& row)
{
    Bytes compressed(Method2Capacity(row.size()));
    compressed.resize(CompressMethod2(row.data(), row.size(), compressed.data()));
    return compressed;
}

// The widest row the generators expand: the printer's widest plane.
inline constexpr std::size_t kWidestRow = 4800;

inline Bytes ExpandRow(const Bytes& compressed)
{
    Bytes row(kWidestRow);
    std::size_t length = 0;
    const Method2Fault fault = ExpandMethod2(compressed.data(), compressed.size(), row.data(), row.size(), &length);
    RequireFormat(fault.problem == nullptr, std::string(fault.problem ? fault.problem : "") + " at offset " +
                                                std::to_string(fault.offset));
    row.resize(length);
    return row;
}

} // namespace qz_jobs
