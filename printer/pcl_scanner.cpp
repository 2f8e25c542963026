// Tokens of a printer stream.
#include "pcl_scanner.h"

namespace {

constexpr uint8_t kEscapeByte = 0x1B;
constexpr long kLargestValue = 99999999;

bool IsParameterisedCharacter(uint8_t byte) { return byte >= 0x21 && byte <= 0x2F; }
bool IsGroupCharacter(uint8_t byte) { return byte >= 0x60 && byte <= 0x7E; }
bool IsTwoCharacterEscape(uint8_t byte) { return byte >= 0x30 && byte <= 0x7E; }
bool IsDigit(uint8_t byte) { return byte >= '0' && byte <= '9'; }
bool IsLetter(uint8_t byte) { return (byte >= 'a' && byte <= 'z') || (byte >= 'A' && byte <= 'Z'); }

} // namespace

PclScanner::Token PclScanner::Fault(const char* problem, size_t at)
{
    problem_ = problem;
    offset_ = at;
    position_ = size_; // nothing after a fault can be trusted
    return Token::Fault;
}

PclScanner::Token PclScanner::Next()
{
    if (problem_)
        return Token::Fault;
    if (inCommand_)
        return ReadParameter();
    offset_ = position_;
    if (position_ == size_)
        return Token::End;
    if (data_[position_] == kEscapeByte)
        return StartEscape();
    while (position_ < size_ && data_[position_] != kEscapeByte)
        ++position_;
    textLength_ = position_ - offset_;
    return Token::Text;
}

PclScanner::Token PclScanner::StartEscape()
{
    commandOffset_ = offset_;
    if (++position_ == size_)
        return Fault("stream ends after ESC", offset_);
    const uint8_t first = data_[position_++];
    if (IsParameterisedCharacter(first)) {
        group_[0] = static_cast<char>(first);
        group_[1] = position_ < size_ && IsGroupCharacter(data_[position_]) ? static_cast<char>(data_[position_++]) : 0;
        inCommand_ = true;
        return ReadParameter();
    }
    if (!IsTwoCharacterEscape(first))
        return Fault("a control byte cannot follow ESC", offset_);
    escape_ = static_cast<char>(first);
    return Token::Escape;
}

PclScanner::Token PclScanner::ReadParameter()
{
    offset_ = position_;
    parameter_ = {};
    bool negative = false;
    if (position_ < size_ && (data_[position_] == '-' || data_[position_] == '+'))
        negative = data_[position_++] == '-';
    while (position_ < size_ && IsDigit(data_[position_])) {
        parameter_.hasValue = true;
        parameter_.value = parameter_.value * 10 + (data_[position_++] - '0');
        if (parameter_.value > kLargestValue)
            return Fault("parameter value too large", offset_);
    }
    if (negative)
        parameter_.value = -parameter_.value;
    if (position_ == size_)
        return Fault("stream ends inside a command", offset_);
    if (!IsLetter(data_[position_]))
        return Fault("parameter ends in a byte that is not a letter", position_);
    parameter_.letter = static_cast<char>(data_[position_++]);
    const char letter = parameter_.Letter();
    const bool rasterGroup = group_[0] == '*' && group_[1] == 'b';
    if (letter == 'W' || (rasterGroup && letter == 'V')) {
        if (parameter_.value < 0 || size_ - position_ < static_cast<size_t>(parameter_.value))
            return Fault("data cut short", offset_);
        parameter_.data = data_ + position_;
        parameter_.dataLength = static_cast<size_t>(parameter_.value);
        position_ += parameter_.dataLength;
    }
    inCommand_ = !parameter_.EndsCommand();
    return Token::Parameter;
}
