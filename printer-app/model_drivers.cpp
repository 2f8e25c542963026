// Drivers from the store, and matching a device ID to them by maker and model, case-blind
// (printers report their IDs in their own spelling).
#include "model_drivers.h"

#include <strings.h>

const std::vector<ModelDriver>& ModelDrivers()
{
    static const std::vector<ModelDriver> drivers = [] {
        std::vector<ModelDriver> made;
        for (const ModelNames& names : StoreModels())
            made.push_back({names, ModelSlug(names.modelName), "MFG:" + MakerOf(names) + ";MDL:" + names.modelName + ";"});
        return made;
    }();
    return drivers;
}

const ModelDriver* DriverNamed(const char* name)
{
    for (const ModelDriver& driver : ModelDrivers())
        if (name && driver.name == name)
            return &driver;
    return nullptr;
}

std::vector<pappl_pr_driver_t>& PapplDrivers()
{
    static std::vector<pappl_pr_driver_t> drivers = [] {
        std::vector<pappl_pr_driver_t> made;
        for (const ModelDriver& driver : ModelDrivers())
            made.push_back({driver.name.c_str(), driver.names.realname.c_str(), driver.deviceId.c_str(), nullptr});
        return made;
    }();
    return drivers;
}

const char* DriverForDevice(const char*, const char*, const char* deviceId, void*)
{
    cups_option_t* pairs = nullptr;
    const int count = papplDeviceParseID(deviceId, &pairs);
    const char* maker = cupsGetOption("MFG", count, pairs);
    const char* model = cupsGetOption("MDL", count, pairs);
    maker = maker ? maker : cupsGetOption("MANUFACTURER", count, pairs);
    model = model ? model : cupsGetOption("MODEL", count, pairs);
    const char* found = nullptr;
    for (const ModelDriver& driver : ModelDrivers())
        if (!found && maker && model && strcasecmp(maker, MakerOf(driver.names).c_str()) == 0 &&
            strcasecmp(model, driver.names.modelName.c_str()) == 0)
            found = driver.name.c_str();
    cupsFreeOptions(count, pairs);
    return found;
}
