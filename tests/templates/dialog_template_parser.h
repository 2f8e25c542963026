// Reads a plain DLGTEMPLATE resource (not the extended form) back into its fields, the way the
// dialog manager walks it: header, menu, class, title, font, then DWORD-aligned items.
#pragma once
#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

namespace template_test {

// A name-or-ordinal field: either a text (UTF-8 here) or a 16-bit ordinal after 0xFFFF.
struct NameOrOrdinal {
    bool isOrdinal = false;
    std::uint16_t ordinal = 0;
    std::string text;
};

struct ParsedItem {
    std::uint32_t style = 0;
    std::uint32_t exStyle = 0;
    int x = 0, y = 0, cx = 0, cy = 0;
    std::uint16_t id = 0;
    NameOrOrdinal windowClass;
    NameOrOrdinal title;
    std::vector<std::uint8_t> creationData;
};

struct ParsedTemplate {
    std::uint32_t style = 0;
    std::uint32_t exStyle = 0;
    int x = 0, y = 0, cx = 0, cy = 0;
    NameOrOrdinal menu;
    NameOrOrdinal windowClass;
    std::string title;
    bool hasFont = false;
    std::uint16_t fontSize = 0;
    std::string fontFace;
    std::vector<ParsedItem> items;
    std::size_t bytesUsed = 0;  // up to the end of the last item
};

struct TemplateFormatError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// Throws TemplateFormatError when the bytes end early or hold the extended form.
ParsedTemplate ParseDialogTemplate(const std::uint8_t* data, std::size_t size);

// UTF-16 code units as UTF-8 (surrogate pairs joined).
std::string Utf16ToUtf8(const std::u16string& text);

} // namespace template_test
