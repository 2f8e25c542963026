// Test print queues: a Wine queue spooling to a file of the build tree named after the queue.
#pragma once
#include <windows.h>

#include <string>

#include "wine_queue.h"

class TestQueue : public WineQueue {
public:
    TestQueue(const std::string& name, const std::string& driver) : WineQueue(name, driver, SpoolFile(name)) {}

private:
    static std::string SpoolFile(std::string name)
    {
        for (char& c : name)
            if (c == ' ')
                c = '_';
        CreateDirectoryA(DosPath(QZ_SPOOL_DIR).c_str(), nullptr);
        return std::string(QZ_SPOOL_DIR) + "/" + name + ".prn";
    }
};
