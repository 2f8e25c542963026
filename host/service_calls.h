// The service exports the toolbox can run, each with the way its command-line arguments map
// onto the export's own arguments.
#pragma once
#include <string>
#include <vector>

#include "library.h"

enum class ServiceShape { Queue, Menu, Url, Toolbox, Cable };

struct Service {
    const char* name;
    ServiceShape shape;
    bool TakesQueue() const { return shape == ServiceShape::Queue || shape == ServiceShape::Menu; }
};

struct ServiceCall {
    bool found;     // the library exports the service
    bool hasResult; // the export answers a value
    int result;
};

// The service of that name, or null.
const Service* FindService(const std::string& name);

// Runs the service with the queue (or target) and the optional further arguments: a text and
// an integer for the four-argument services.
ServiceCall RunService(const Library& library, const Service& service, const std::vector<std::string>& arguments);

// Every service name, for the usage text.
std::vector<std::string> ServiceNames();
