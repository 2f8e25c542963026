// MemoryTemplate: the plain DLGTEMPLATE layout, items DWORD-aligned, texts as UTF-16.
#include "memory_template.h"

namespace {

constexpr WORD kButtonAtom = 0x0080;
constexpr WORD kStaticAtom = 0x0082;
constexpr WORD kAtomFollows = 0xFFFF;
constexpr WORD kFontPoints = 8;
const char kFontFace[] = "MS Sans Serif";
constexpr size_t kItemCountAt = 4; // WORD index of cdit in DLGTEMPLATE

} // namespace

MemoryTemplate::MemoryTemplate(DWORD style, short width, short height, const std::string& caption)
{
    PutDword(style | DS_SETFONT);
    PutDword(0); // extended style
    m_words.push_back(0); // item count, raised by every item
    for (short value : {short{0}, short{0}, width, height})
        m_words.push_back(static_cast<WORD>(value));
    m_words.push_back(0); // no menu
    m_words.push_back(0); // the standard dialog class
    PutText(caption);
    m_words.push_back(kFontPoints);
    PutText(kFontFace);
}

void MemoryTemplate::AddButton(WORD id, DWORD style, short x, short y, short width, short height,
                               const std::string& text)
{
    AddItem(id, kButtonAtom, style, x, y, width, height, text);
}

void MemoryTemplate::AddStatic(WORD id, short x, short y, short width, short height, const std::string& text)
{
    AddItem(id, kStaticAtom, WS_CHILD | WS_VISIBLE | SS_LEFT, x, y, width, height, text);
}

void MemoryTemplate::AddItem(WORD id, WORD classAtom, DWORD style, short x, short y, short width, short height,
                             const std::string& text)
{
    AlignToDword();
    PutDword(style);
    PutDword(0);
    for (short value : {x, y, width, height})
        m_words.push_back(static_cast<WORD>(value));
    m_words.push_back(id);
    m_words.push_back(kAtomFollows);
    m_words.push_back(classAtom);
    PutText(text);
    m_words.push_back(0); // no creation data
    ++m_words[kItemCountAt];
}

void MemoryTemplate::PutDword(DWORD value)
{
    m_words.push_back(LOWORD(value));
    m_words.push_back(HIWORD(value));
}

void MemoryTemplate::PutText(const std::string& text)
{
    for (char c : text) // the texts used here are ASCII
        m_words.push_back(static_cast<WORD>(static_cast<unsigned char>(c)));
    m_words.push_back(0);
}

void MemoryTemplate::AlignToDword()
{
    if (m_words.size() % 2)
        m_words.push_back(0);
}
