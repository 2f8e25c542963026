// Shell commands, the environment and the device listener's files.
#include "cups_test_support.h"

#include <sys/wait.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <vector>

std::string Shell(const std::string& command, int* status)
{
    std::string output;
    FILE* pipe = popen(command.c_str(), "r");
    char buffer[4096];
    size_t got;
    while (pipe && (got = fread(buffer, 1, sizeof(buffer), pipe)) > 0)
        output.append(buffer, got);
    const int result = pipe ? pclose(pipe) : -1;
    if (status)
        *status = WIFEXITED(result) ? WEXITSTATUS(result) : -1;
    return output;
}

std::string Env(const char* name)
{
    const char* value = std::getenv(name);
    return value ? value : "";
}

qz_tools::FileBytes NewDeviceBytes()
{
    namespace fs = std::filesystem;
    static size_t seen = 0;
    std::vector<fs::path> files;
    for (const auto& entry : fs::directory_iterator(Env("QZ_DEVICE_DIR")))
        if (entry.path().filename().string().rfind("connection-", 0) == 0)
            files.push_back(entry.path());
    std::sort(files.begin(), files.end());
    qz_tools::FileBytes bytes;
    for (; seen < files.size(); ++seen) {
        const qz_tools::FileBytes one = qz_tools::ReadFileBytes(files[seen]);
        bytes.insert(bytes.end(), one.begin(), one.end());
    }
    return bytes;
}
