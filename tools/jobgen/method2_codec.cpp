// Compression method 2 of PCL raster rows: run-length coding with literal and repeat runs.
#include "method2_codec.h"

#include <string>

namespace qz_jobs {

namespace {

constexpr std::size_t kMaxRun = 128;
// A repeat of three bytes costs two; shorter runs stay inside literal runs, where splitting the
// literal run around them would cost more than it saves.
constexpr std::size_t kMinRepeat = 3;
constexpr std::uint8_t kUnusedControl = 128;
constexpr unsigned kRepeatBase = 257;

std::size_t RunLength(const Bytes& row, std::size_t start)
{
    std::size_t end = start + 1;
    while (end < row.size() && end - start < kMaxRun && row[end] == row[start])
        ++end;
    return end - start;
}

} // namespace

Bytes CompressMethod2(const Bytes& row)
{
    Bytes out;
    std::size_t position = 0;
    while (position < row.size()) {
        std::size_t run = RunLength(row, position);
        if (run >= kMinRepeat) {
            out.push_back(static_cast<std::uint8_t>(kRepeatBase - run));
            out.push_back(row[position]);
            position += run;
            continue;
        }
        std::size_t literalEnd = position;
        while (literalEnd < row.size() && literalEnd - position < kMaxRun &&
               RunLength(row, literalEnd) < kMinRepeat)
            ++literalEnd;
        out.push_back(static_cast<std::uint8_t>(literalEnd - position - 1));
        out.insert(out.end(), row.begin() + static_cast<long>(position),
                   row.begin() + static_cast<long>(literalEnd));
        position = literalEnd;
    }
    return out;
}

Bytes ExpandMethod2(const std::uint8_t* data, std::size_t size)
{
    Bytes row;
    std::size_t position = 0;
    while (position < size) {
        const std::size_t controlOffset = position;
        const std::uint8_t control = data[position++];
        if (control == kUnusedControl)
            throw JobFormatError("control byte 128 at offset " + std::to_string(controlOffset));
        if (control < kUnusedControl) {
            const std::size_t count = control + 1u;
            if (size - position < count)
                throw JobFormatError("literal run at offset " + std::to_string(controlOffset) + " needs " +
                                     std::to_string(count) + " bytes, " + std::to_string(size - position) +
                                     " left");
            row.insert(row.end(), data + position, data + position + count);
            position += count;
        } else {
            if (position == size)
                throw JobFormatError("repeat run at offset " + std::to_string(controlOffset) + " has no byte");
            row.insert(row.end(), kRepeatBase - control, data[position++]);
        }
    }
    return row;
}

} // namespace qz_jobs
