// A host of the released package: a service export, capability queries, the string list class
// and the version resources of both modules, each check printed as one line.
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "qzw9svb.h"

namespace {

int failures = 0;

void Check(bool passed, const char* what)
{
    std::printf("%s %s\n", passed ? "ok" : "FAIL", what);
    if (!passed)
        ++failures;
}

// The file version of the module beside the library, as the fixed numbers and the string.
bool HasPackageVersion(const char* moduleName)
{
    char path[MAX_PATH];
    DWORD length = GetModuleFileNameA(GetModuleHandleA("QZW9SVB.dll"), path, MAX_PATH);
    char* slash = std::strrchr(path, '\\');
    if (length == 0 || slash == nullptr)
        return false;
    std::strcpy(slash + 1, moduleName);
    DWORD ignored = 0;
    DWORD size = GetFileVersionInfoSizeA(path, &ignored);
    std::vector<char> info(size);
    VS_FIXEDFILEINFO* fixed = nullptr;
    char* text = nullptr;
    UINT fixedSize = 0, textSize = 0;
    if (size == 0 || !GetFileVersionInfoA(path, 0, size, info.data()) ||
        !VerQueryValueA(info.data(), "\\", reinterpret_cast<void**>(&fixed), &fixedSize) ||
        !VerQueryValueA(info.data(), "\\StringFileInfo\\041404E4\\FileVersion",
                        reinterpret_cast<void**>(&text), &textSize))
        return false;
    return fixed->dwFileVersionMS == MAKELONG(QZW9SVB_PACKAGE_MINOR, QZW9SVB_PACKAGE_MAJOR) &&
           fixed->dwFileVersionLS == MAKELONG(0, QZW9SVB_PACKAGE_PATCH) &&
           std::strcmp(text, QZW9SVB_PACKAGE_VERSION) == 0;
}

} // namespace

int main()
{
    char realname[] = "QZ Kestrel 410 Printer";
    std::string overlong(300, 'q');

    Check(DoCableTest(nullptr, nullptr, nullptr, nullptr, nullptr) == 1, "DoCableTest answers 1");
    Check(PrintSelfTest(&overlong[0], nullptr, 0, nullptr) == 0,
          "PrintSelfTest refuses a queue name no queue can have");
    Check(GetMibTypeFromSPC(realname) == 1024, "GetMibTypeFromSPC of the stored model");
    Check(GetDataSize(realname, 23) == 80, "GetDataSize of the service-type record");

    CISStringList names;
    Check(GetAllSupportedRealnames(&names) == 1, "GetAllSupportedRealnames fills a list");
    Check(names.Count() == 1 && std::strcmp(names.Find(1), realname) == 0,
          "CISStringList holds the one realname");
    Check(names.Add("second") == CISStrErrNone && names.Count() == 2, "CISStringList::Add appends");

    Check(HasPackageVersion("QZW9SVB.dll"), "QZW9SVB.dll carries the package version");
    Check(HasPackageVersion("QZW9TRE.dll"), "QZW9TRE.dll carries the package version");

    std::printf("%d failed\n", failures);
    return failures == 0 ? 0 : 1;
}
