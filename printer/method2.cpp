// Method-2 rows: literal and repeat runs.
#include "method2.h"

#include <string.h>

namespace {

constexpr size_t kMaxRun = 128;
// A repeat of three bytes costs two; shorter runs stay inside literal runs, where splitting the
// literal run around them would cost more than it saves.
constexpr size_t kMinRepeat = 3;
constexpr uint8_t kUnusedControl = 128;
constexpr unsigned kRepeatBase = 257;

size_t RunLength(const uint8_t* row, size_t size, size_t start)
{
    size_t end = start + 1;
    while (end < size && end - start < kMaxRun && row[end] == row[start])
        ++end;
    return end - start;
}

} // namespace

size_t CompressMethod2(const uint8_t* row, size_t size, uint8_t* out)
{
    size_t written = 0, position = 0;
    while (position < size) {
        const size_t run = RunLength(row, size, position);
        if (run >= kMinRepeat) {
            out[written++] = static_cast<uint8_t>(kRepeatBase - run);
            out[written++] = row[position];
            position += run;
            continue;
        }
        size_t literalEnd = position;
        while (literalEnd < size && literalEnd - position < kMaxRun && RunLength(row, size, literalEnd) < kMinRepeat)
            ++literalEnd;
        out[written++] = static_cast<uint8_t>(literalEnd - position - 1);
        memcpy(out + written, row + position, literalEnd - position);
        written += literalEnd - position;
        position = literalEnd;
    }
    return written;
}

Method2Fault ExpandMethod2(const uint8_t* data, size_t size, uint8_t* row, size_t capacity, size_t* expanded)
{
    size_t position = 0, length = 0;
    *expanded = 0;
    while (position < size) {
        const size_t control = position;
        const uint8_t code = data[position++];
        if (code == kUnusedControl)
            return {"control byte 128", control};
        const size_t count = code < kUnusedControl ? code + 1u : kRepeatBase - code;
        if (code < kUnusedControl && size - position < count)
            return {"literal run cut short", control};
        if (code > kUnusedControl && position == size)
            return {"repeat run without its byte", control};
        if (capacity - length < count)
            return {"row wider than the printer's widest", control};
        if (code < kUnusedControl) {
            memcpy(row + length, data + position, count);
            position += count;
        } else {
            memset(row + length, data[position++], count);
        }
        length += count;
    }
    *expanded = length;
    return {nullptr, 0};
}
