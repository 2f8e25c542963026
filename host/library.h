// QZW9SVB.dll as the toolbox reaches it: loaded by name, every export found by name.
#pragma once
#include <windows.h>

class Library {
public:
    explicit Library(const char* name);
    ~Library();
    Library(const Library&) = delete;
    Library& operator=(const Library&) = delete;

    bool Loaded() const { return m_module != nullptr; }
    // The export's address as the given function type, or null.
    template <typename Function> Function* Find(const char* name) const
    {
        return reinterpret_cast<Function*>(reinterpret_cast<void*>(::GetProcAddress(m_module, name)));
    }

private:
    HMODULE m_module;
};
