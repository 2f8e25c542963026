// The modules of the build tree as the tests see them: the library whose resources the linked-in
// dialog code reads, and the sibling string module that its self-test page loads by name.
#pragma once
#include <windows.h>

#include <string>

// Full path of a module built next to this program or one folder above it; empty when neither
// holds it.
std::string BuiltModulePath(const char* fileName);

// Loads the built library and makes it the module every dialog template, bitmap and capability
// record is read from, for the life of the object.
class LibraryResources {
public:
    LibraryResources();
    ~LibraryResources();
    LibraryResources(const LibraryResources&) = delete;
    LibraryResources& operator=(const LibraryResources&) = delete;

    bool Loaded() const { return m_module != nullptr; }

private:
    HMODULE m_module;
    HINSTANCE m_previous;
};

// Makes the sibling module findable by its bare name (or not) through the library search path.
void MakeSiblingModuleFindable(bool findable);
