// Locating and loading the built modules. The UI test program lives in a folder of its own so
// that the sibling module is found only through the search path it is given.
#include "built_modules.h"

#include "platform/module_instance.h"
#include "ui/sibling_strings.h"

namespace {

constexpr char kLibraryFile[] = "QZW9SVB.dll";
constexpr char kSiblingFile[] = "QZW9TRE.dll";

std::string ProgramFolder()
{
    char path[MAX_PATH] = {};
    ::GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder(path);
    return folder.substr(0, folder.find_last_of("\\/"));
}

std::string ParentOf(const std::string& folder)
{
    return folder.substr(0, folder.find_last_of("\\/"));
}

bool Exists(const std::string& path)
{
    return ::GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

} // namespace

std::string BuiltModulePath(const char* fileName)
{
    const std::string here = ProgramFolder();
    for (const std::string& folder : {here, ParentOf(here)}) {
        const std::string candidate = folder + "\\" + fileName;
        if (Exists(candidate))
            return candidate;
    }
    return std::string();
}

LibraryResources::LibraryResources() : m_module(nullptr), m_previous(ModuleInstance)
{
    const std::string path = BuiltModulePath(kLibraryFile);
    if (!path.empty())
        m_module = ::LoadLibraryA(path.c_str());
    if (m_module)
        ModuleInstance = m_module;
}

LibraryResources::~LibraryResources()
{
    ModuleInstance = m_previous;
    if (m_module)
        ::FreeLibrary(m_module);
}

void MakeSiblingModuleFindable(bool findable)
{
    // The dialogs keep the module from its first load until the library unloads; the test
    // program is one process for all its cases, so each change starts again from no module.
    ReleaseSiblingModule();
    const std::string path = BuiltModulePath(kSiblingFile);
    const std::string folder = path.substr(0, path.find_last_of("\\/"));
    ::SetDllDirectoryA(findable && !path.empty() ? folder.c_str() : nullptr);
}
