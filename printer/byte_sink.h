// Where a printer stream's bytes go as they are made: a file, a socket, a buffer.
#pragma once
#include <stddef.h>
#include <stdint.h>

#include <vector>

class ByteSink {
public:
    // False when the bytes could not all be taken; a writer stops writing after the first such.
    virtual bool Put(const uint8_t* bytes, size_t count) = 0;

protected:
    ~ByteSink() = default;
};

// Keeps the stream in memory.
class BufferSink final : public ByteSink {
public:
    bool Put(const uint8_t* bytes, size_t count) override
    {
        bytes_.insert(bytes_.end(), bytes, bytes + count);
        return true;
    }
    const std::vector<uint8_t>& Bytes() const { return bytes_; }
    std::vector<uint8_t> Take() { return std::move(bytes_); }

private:
    std::vector<uint8_t> bytes_;
};
