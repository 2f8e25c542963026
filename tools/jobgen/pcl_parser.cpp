// Splits a printer stream into PCL escape sequences and the plain bytes between them.
#include "pcl_parser.h"

#include <cctype>
#include "pcl_writer.h"

namespace qz_jobs {

namespace {

bool IsParameterisedCharacter(std::uint8_t byte) { return byte >= 0x21 && byte <= 0x2F; }
bool IsGroupCharacter(std::uint8_t byte) { return byte >= 0x60 && byte <= 0x7E; }
bool IsTwoCharacterCommand(std::uint8_t byte) { return byte >= 0x30 && byte <= 0x7E; }

bool CarriesData(const std::string& group, char letter)
{
    const char upper = static_cast<char>(std::toupper(static_cast<unsigned char>(letter)));
    return upper == 'W' || (group == "*b" && upper == 'V');
}

class Parser {
public:
    explicit Parser(const Bytes& stream) : stream_(stream) {}

    std::vector<PclElement> Run()
    {
        std::vector<PclElement> elements;
        while (position_ < stream_.size())
            elements.push_back(stream_[position_] == kEscape ? ParseEscape() : ParseText());
        return elements;
    }

private:
    PclElement ParseText()
    {
        PclElement text;
        text.offset = position_;
        while (position_ < stream_.size() && stream_[position_] != kEscape)
            ++position_;
        text.length = position_ - text.offset;
        return text;
    }

    PclElement ParseEscape()
    {
        PclElement element;
        element.offset = position_++;
        const std::uint8_t first = Next("escape sequence");
        if (IsParameterisedCharacter(first)) {
            element.kind = PclElement::Kind::Command;
            element.group.push_back(static_cast<char>(first));
            if (position_ < stream_.size() && IsGroupCharacter(stream_[position_]))
                element.group.push_back(static_cast<char>(stream_[position_++]));
            do
                element.parameters.push_back(ParseParameter(element.group));
            while (std::islower(static_cast<unsigned char>(element.parameters.back().letter)));
        } else if (IsTwoCharacterCommand(first)) {
            element.kind = PclElement::Kind::Escape;
            element.group.push_back(static_cast<char>(first));
        } else {
            Fail("byte " + std::to_string(first) + " cannot follow ESC");
        }
        element.length = position_ - element.offset;
        return element;
    }

    PclParameter ParseParameter(const std::string& group)
    {
        PclParameter parameter;
        bool negative = false;
        if (Peek() == '-' || Peek() == '+')
            negative = Next("parameter") == '-';
        while (std::isdigit(Peek())) {
            parameter.hasValue = true;
            parameter.value = parameter.value * 10 + (Next("parameter") - '0');
            if (parameter.value > kMaxValue)
                Fail("parameter value too large");
        }
        if (negative)
            parameter.value = -parameter.value;
        const std::uint8_t letter = Next("parameter");
        if (!std::isalpha(letter))
            Fail("parameter ends in byte " + std::to_string(letter) + " instead of a letter");
        parameter.letter = static_cast<char>(letter);
        if (CarriesData(group, parameter.letter)) {
            if (parameter.value < 0 || stream_.size() - position_ < static_cast<std::size_t>(parameter.value))
                Fail("data of " + std::to_string(parameter.value) + " bytes cut short");
            parameter.dataOffset = position_;
            parameter.dataLength = static_cast<std::size_t>(parameter.value);
            position_ += parameter.dataLength;
        }
        return parameter;
    }

    // The next byte, or 0 at the end of the stream (which no caller accepts).
    int Peek() const { return position_ < stream_.size() ? stream_[position_] : 0; }

    std::uint8_t Next(const char* inside)
    {
        if (position_ == stream_.size())
            Fail(std::string("stream ends inside a ") + inside);
        return stream_[position_++];
    }

    [[noreturn]] void Fail(const std::string& problem) const
    {
        throw JobFormatError(problem + " at offset " + std::to_string(position_));
    }

    static constexpr long kMaxValue = 99999999;
    const Bytes& stream_;
    std::size_t position_ = 0;
};

} // namespace

std::vector<PclElement> ParsePcl(const Bytes& stream)
{
    return Parser(stream).Run();
}

bool IsReset(const PclElement& element)
{
    return element.kind == PclElement::Kind::Escape && element.group == "E";
}

bool IsUniversalExit(const PclElement& element)
{
    return element.kind == PclElement::Kind::Command && element.group == "%" && element.parameters.size() == 1 &&
           element.parameters[0].value == kUniversalExitValue && element.parameters[0].letter == 'X';
}

std::string Describe(const PclElement& element)
{
    if (element.kind == PclElement::Kind::Text)
        return "text(" + std::to_string(element.length) + ")";
    std::string text = element.group;
    for (const PclParameter& parameter : element.parameters) {
        if (parameter.hasValue)
            text += std::to_string(parameter.value);
        text.push_back(parameter.letter);
    }
    return text;
}

Bytes ElementBytes(const Bytes& stream, const PclElement& element)
{
    return Bytes(stream.begin() + static_cast<long>(element.offset),
                 stream.begin() + static_cast<long>(element.offset + element.length));
}

Bytes ParameterData(const Bytes& stream, const PclParameter& parameter)
{
    return Bytes(stream.begin() + static_cast<long>(parameter.dataOffset),
                 stream.begin() + static_cast<long>(parameter.dataOffset + parameter.dataLength));
}

ListedElement ListElement(const Bytes& stream, const PclElement& element)
{
    ListedElement listed{element.offset, Describe(element), {}};
    if (element.kind == PclElement::Kind::Text)
        listed.data = ElementBytes(stream, element);
    else if (!element.parameters.empty())
        listed.data = ParameterData(stream, element.parameters.back());
    return listed;
}

} // namespace qz_jobs
