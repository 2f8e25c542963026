// The machine's print queues with their driver names.
#pragma once
#include <string>
#include <vector>

struct PrintQueue {
    std::string name;
    std::string driver;
};

std::vector<PrintQueue> ListPrintQueues();
bool PrintQueueExists(const std::string& name);
