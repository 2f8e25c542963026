// The printer application's drivers: one for each printer model of the capability store this
// program carries, named from the store (driver name from the model name, description the
// realname, device ID from the maker and the model name).
#pragma once
#include <pappl/pappl.h>

#include <string>
#include <vector>

#include "maintenance/model_names.h"

struct ModelDriver {
    ModelNames names;
    std::string name;     // "kestrel-410"
    std::string deviceId; // "MFG:QZ;MDL:Kestrel 410;"
};

// Read from the store once; they live as long as the program.
const std::vector<ModelDriver>& ModelDrivers();
const ModelDriver* DriverNamed(const char* name);

// PAPPL's view of the same list, pointing into ModelDrivers().
std::vector<pappl_pr_driver_t>& PapplDrivers();

// PAPPL's auto-add callback: the driver whose maker and model a device ID names, or null.
const char* DriverForDevice(const char* deviceInfo, const char* deviceUri, const char* deviceId, void* data);
