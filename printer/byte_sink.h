// Where a printer stream's bytes go as they are made: a file, a socket, a buffer.
#pragma once
#include <stddef.h>
#include <stdint.h>
#include <stdio.h>

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

// Writes to an open C stream (a filter's standard output).
class FileSink final : public ByteSink {
public:
    explicit FileSink(FILE* file) : file_(file) {}
    bool Put(const uint8_t* bytes, size_t count) override { return fwrite(bytes, 1, count, file_) == count; }

private:
    FILE* file_;
};
