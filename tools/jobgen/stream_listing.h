// A printer stream listed element by element, as the verifiers and their tests read it: plain
// text, escapes and every command parameter, read by the printer layer's stream reader.
#pragma once
#include <cstddef>
#include <string>
#include <vector>
#include "bytes.h"
#include "printer/stream_reader.h"

namespace qz_jobs {

struct ListedElement {
    std::size_t offset = 0;  // of the text, or of the ESC of the element's command
    std::string command;     // "text(5)", "E", "&l-2H", "*o5W"
    Bytes data;              // the text itself, or what the parameter carries
};

// Records every element a stream reader reports but the raster transfers.
class StreamLister : public StreamVisitor {
public:
    void Text(std::size_t offset, const std::uint8_t* bytes, std::size_t size) override;
    void Escape(std::size_t offset, char command) override;
    void Parameter(std::size_t offset, const char* group, const PclParameter& parameter) override;

    std::vector<ListedElement> elements;
};

// Reads the stream with visitor; throws JobFormatError naming the problem and its offset when
// the stream is malformed.
void ReadWellFormed(const Bytes& stream, StreamVisitor& visitor);

// Every element but the raster transfers; throws JobFormatError naming the problem and its offset
// when the stream is malformed.
std::vector<ListedElement> ListStream(const Bytes& stream);

} // namespace qz_jobs
