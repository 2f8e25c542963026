// DLGTEMPLATE reader: little-endian fields, UTF-16 strings, items aligned to four bytes from the
// start of the template.
#include "dialog_template_parser.h"

namespace template_test {
namespace {

constexpr std::uint32_t kSetFontStyle = 0x40;  // DS_SETFONT: point size and face follow the title

class Reader {
public:
    Reader(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

    std::uint16_t Word()
    {
        Need(2);
        const std::uint16_t value = static_cast<std::uint16_t>(data_[at_] | data_[at_ + 1] << 8);
        at_ += 2;
        return value;
    }

    std::uint32_t Dword()
    {
        const std::uint32_t low = Word();
        return low | static_cast<std::uint32_t>(Word()) << 16;
    }

    int Short() { return static_cast<std::int16_t>(Word()); }

    std::string String()
    {
        std::u16string text;
        for (std::uint16_t unit = Word(); unit != 0; unit = Word())
            text.push_back(static_cast<char16_t>(unit));
        return Utf16ToUtf8(text);
    }

    NameOrOrdinal NameOrOrd()
    {
        NameOrOrdinal field;
        Need(2);
        if (data_[at_] == 0xFF && data_[at_ + 1] == 0xFF) {
            at_ += 2;
            field.isOrdinal = true;
            field.ordinal = Word();
        } else {
            field.text = String();
        }
        return field;
    }

    std::vector<std::uint8_t> Bytes(std::size_t count)
    {
        Need(count);
        std::vector<std::uint8_t> bytes(data_ + at_, data_ + at_ + count);
        at_ += count;
        return bytes;
    }

    void AlignToDword() { at_ = (at_ + 3) & ~std::size_t{3}; }
    std::size_t Offset() const { return at_; }

private:
    void Need(std::size_t count) const
    {
        if (at_ + count > size_)
            throw TemplateFormatError("template ends at byte " + std::to_string(size_) +
                                      ", needed " + std::to_string(at_ + count));
    }

    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t at_ = 0;
};

ParsedItem ReadItem(Reader& reader)
{
    reader.AlignToDword();
    ParsedItem item;
    item.style = reader.Dword();
    item.exStyle = reader.Dword();
    item.x = reader.Short();
    item.y = reader.Short();
    item.cx = reader.Short();
    item.cy = reader.Short();
    item.id = reader.Word();
    item.windowClass = reader.NameOrOrd();
    item.title = reader.NameOrOrd();
    item.creationData = reader.Bytes(reader.Word());
    return item;
}

} // namespace

std::string Utf16ToUtf8(const std::u16string& text)
{
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        char32_t code = text[i];
        if (code >= 0xD800 && code < 0xDC00 && i + 1 < text.size())
            code = 0x10000 + ((code - 0xD800) << 10) + (text[++i] - 0xDC00);
        if (code < 0x80) {
            out += static_cast<char>(code);
        } else if (code < 0x800) {
            out += static_cast<char>(0xC0 | code >> 6);
            out += static_cast<char>(0x80 | (code & 0x3F));
        } else if (code < 0x10000) {
            out += static_cast<char>(0xE0 | code >> 12);
            out += static_cast<char>(0x80 | (code >> 6 & 0x3F));
            out += static_cast<char>(0x80 | (code & 0x3F));
        } else {
            out += static_cast<char>(0xF0 | code >> 18);
            out += static_cast<char>(0x80 | (code >> 12 & 0x3F));
            out += static_cast<char>(0x80 | (code >> 6 & 0x3F));
            out += static_cast<char>(0x80 | (code & 0x3F));
        }
    }
    return out;
}

ParsedTemplate ParseDialogTemplate(const std::uint8_t* data, std::size_t size)
{
    Reader reader(data, size);
    ParsedTemplate parsed;
    parsed.style = reader.Dword();
    if (parsed.style == 0xFFFF0001)
        throw TemplateFormatError("extended template (DLGTEMPLATEEX)");
    parsed.exStyle = reader.Dword();
    const std::uint16_t itemCount = reader.Word();
    parsed.x = reader.Short();
    parsed.y = reader.Short();
    parsed.cx = reader.Short();
    parsed.cy = reader.Short();
    parsed.menu = reader.NameOrOrd();
    parsed.windowClass = reader.NameOrOrd();
    parsed.title = reader.String();
    if (parsed.style & kSetFontStyle) {
        parsed.hasFont = true;
        parsed.fontSize = reader.Word();
        parsed.fontFace = reader.String();
    }
    for (std::uint16_t i = 0; i < itemCount; ++i)
        parsed.items.push_back(ReadItem(reader));
    parsed.bytesUsed = reader.Offset();
    return parsed;
}

} // namespace template_test
