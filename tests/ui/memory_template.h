// Dialog templates built in memory, for handler behaviour that the library's own templates
// cannot show (items they do not contain, a dialog without automatic centring).
#pragma once
#include <windows.h>

#include <string>
#include <vector>

class MemoryTemplate {
public:
    // A dialog at (0, 0) of the given size in dialog units, with the library's dialog font.
    MemoryTemplate(DWORD style, short width, short height, const std::string& caption);

    void AddButton(WORD id, DWORD style, short x, short y, short width, short height, const std::string& text);
    void AddStatic(WORD id, short x, short y, short width, short height, const std::string& text);

    LPCDLGTEMPLATEA Get() const { return reinterpret_cast<LPCDLGTEMPLATEA>(m_words.data()); }

private:
    void AddItem(WORD id, WORD classAtom, DWORD style, short x, short y, short width, short height,
                 const std::string& text);
    void PutDword(DWORD value);
    void PutText(const std::string& text);
    void AlignToDword();

    std::vector<WORD> m_words; // WORD-aligned storage; DWORD alignment is padded explicitly
};
