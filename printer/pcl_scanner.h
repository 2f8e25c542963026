// Reads a printer stream token by token: the plain bytes between escape sequences (NUL
// lead-ins, PJL lines, form feeds), two-character escapes such as ESC E, and each parameter of
// a parameterised command, combined runs included, with the data a parameter carries.
#pragma once
#include <stddef.h>
#include <stdint.h>

struct PclParameter {
    bool hasValue;
    long value;
    char letter;          // lower case inside a combined run, upper case at its end
    const uint8_t* data;  // what W, and V in the raster group *b, carry; null otherwise
    size_t dataLength;
    bool EndsCommand() const { return letter >= 'A' && letter <= 'Z'; }
    // The letter whichever its case: what the parameter is.
    char Letter() const { return EndsCommand() ? letter : static_cast<char>(letter - 'a' + 'A'); }
};

class PclScanner {
public:
    PclScanner(const uint8_t* data, size_t size) : data_(data), size_(size) {}

    enum class Token { End, Text, Escape, Parameter, Fault };
    Token Next();

    // Where the current token starts (for a fault: where the stream is malformed).
    size_t Offset() const { return offset_; }
    // Text: its bytes.
    const uint8_t* TextBytes() const { return data_ + offset_; }
    size_t TextLength() const { return textLength_; }
    // Escape: the character after ESC.
    char EscapeCharacter() const { return escape_; }
    // Parameter: where its command's ESC is, the command's group ("&l", "*b", "%") and the
    // parameter itself.
    size_t CommandOffset() const { return commandOffset_; }
    const char* Group() const { return group_; }
    const PclParameter& Parameter() const { return parameter_; }
    // Fault: what is wrong.
    const char* Problem() const { return problem_; }

private:
    Token Fault(const char* problem, size_t at);
    Token StartEscape();
    Token ReadParameter();

    const uint8_t* data_;
    size_t size_;
    size_t position_ = 0;
    size_t offset_ = 0;
    size_t commandOffset_ = 0;
    size_t textLength_ = 0;
    char escape_ = 0;
    char group_[3] = {};
    bool inCommand_ = false;
    PclParameter parameter_ = {};
    const char* problem_ = nullptr;
};
