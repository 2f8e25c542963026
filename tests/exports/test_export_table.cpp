// Every name of the export list resolves in the loaded DLL, and each alias is its twin's entry point.
#include <gtest/gtest.h>
#include <windows.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

struct ExportLine {
    std::string name;
    std::string twin; // empty unless the line is an alias
};

std::vector<ExportLine> ReadExportList()
{
    std::ifstream def(QZ_DEF_FILE);
    std::vector<ExportLine> lines;
    std::string line;
    bool inExports = false;
    while (std::getline(def, line)) {
        std::istringstream words(line);
        std::string first, equals, twin;
        if (!(words >> first) || first[0] == ';')
            continue;
        if (first == "EXPORTS") {
            inExports = true;
            continue;
        }
        if (!inExports)
            continue;
        words >> equals >> twin;
        // The 32-bit list keeps the stdcall decoration for the import library; the DLL itself
        // exports the plain name.
        auto plain = [](std::string name) { return name.substr(0, name.find('@')); };
        lines.push_back({plain(first), equals == "=" ? plain(twin) : std::string()});
    }
    return lines;
}

} // namespace

TEST(ExportTable, EveryListedNameResolvesAndAliasesShareTheirEntryPoint)
{
    HMODULE dll = LoadLibraryA("QZW9SVB.dll");
    ASSERT_NE(dll, nullptr) << "LoadLibrary failed, error " << GetLastError();
    std::vector<ExportLine> exports = ReadExportList();
    ASSERT_GT(exports.size(), 70u) << "export list not read from " << QZ_DEF_FILE;
    for (const ExportLine& entry : exports) {
        SCOPED_TRACE(entry.name);
        FARPROC address = GetProcAddress(dll, entry.name.c_str());
        EXPECT_NE(address, nullptr);
        if (!entry.twin.empty()) {
            EXPECT_EQ(address, GetProcAddress(dll, entry.twin.c_str()));
        }
    }
    FreeLibrary(dll);
}
