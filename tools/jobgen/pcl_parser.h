// Splits a printer stream into its parts: PCL escape sequences with their parameters and data, and
// the plain bytes between them (NUL lead-ins, PJL lines, form feeds).
#pragma once
#include <cstddef>
#include <string>
#include <vector>
#include "bytes.h"

namespace qz_jobs {

struct PclParameter {
    bool hasValue = false;
    long value = 0;
    char letter = 0;             // lower case inside a combined run, upper case at its end
    std::size_t dataOffset = 0;  // data carried by W, and by V in the raster group *b
    std::size_t dataLength = 0;
};

struct PclElement {
    enum class Kind { Text, Escape, Command };
    Kind kind = Kind::Text;
    std::size_t offset = 0;
    std::size_t length = 0;
    std::string group; // Escape: the one character after ESC ("E"); Command: "&l", "*b", "%"
    std::vector<PclParameter> parameters;
};

// Throws JobFormatError on a malformed or cut-short escape sequence.
std::vector<PclElement> ParsePcl(const Bytes& stream);

bool IsReset(const PclElement& element);
bool IsUniversalExit(const PclElement& element);

// The element as written in a listing: "E", "&l-2H", "*rC", "*o5W"; text as "text(n)".
std::string Describe(const PclElement& element);

Bytes ElementBytes(const Bytes& stream, const PclElement& element);
Bytes ParameterData(const Bytes& stream, const PclParameter& parameter);

// One element of a job listing: where it starts, how it reads, and the bytes it carries (the data
// of a command's last parameter, or the text itself).
struct ListedElement {
    std::size_t offset = 0;
    std::string command;
    Bytes data;
};
ListedElement ListElement(const Bytes& stream, const PclElement& element);

} // namespace qz_jobs
