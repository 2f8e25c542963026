// The system takes the server options papplMainloop documents (log-file, log-level,
// server-port, listen-hostname, spool-directory, private-server, server-hostname, admin-group,
// auth-service). papplMainloop itself then adds the control socket, loads and saves the state.
#include "system_setup.h"

#include <stdlib.h>
#include <string.h>
#include <unistd.h>

#include <string>

#include "command_jobs.h"
#include "document_printing.h"
#include "maintenance_page.h"
#include "model_drivers.h"
#include "page_resources.h"
#include "driver_data.h"
#include "printer_streams.h"

namespace {

constexpr char kName[] = "qz-printer-app";
constexpr char kDnssdSubtypes[] = "_print,_universal";

pappl_loglevel_t LogLevel(const char* name)
{
    static const struct {
        const char* name;
        pappl_loglevel_t level;
    } kLevels[] = {{"fatal", PAPPL_LOGLEVEL_FATAL}, {"error", PAPPL_LOGLEVEL_ERROR}, {"warn", PAPPL_LOGLEVEL_WARN},
                   {"info", PAPPL_LOGLEVEL_INFO},   {"debug", PAPPL_LOGLEVEL_DEBUG}};
    for (const auto& level : kLevels)
        if (name && strcmp(name, level.name) == 0)
            return level.level;
    return PAPPL_LOGLEVEL_WARN;
}

// Where PAPPL keeps jobs by default: the system's spool for root, the user's config folder else.
std::string DefaultSpool()
{
    if (getuid() == 0)
        return std::string("/var/spool/") + kName;
    const char* config = getenv("XDG_CONFIG_HOME");
    const char* home = getenv("HOME");
    if (config)
        return std::string(config) + "/" + kName + ".d";
    return std::string(home ? home : papplGetTempDir()) + "/.config/" + kName + ".d";
}

// The printer-creation callback, for new printers and those loaded from the state alike.
void SetUpPrinter(pappl_printer_t* printer, void*)
{
    // One job at a time: PAPPL 1.3.1 can start a waiting job twice when a new job arrives just as
    // it looks for work, and then frees the job under its second run. A printer that holds no
    // waiting job answers further jobs "busy" instead, and IPP clients send them again.
    papplPrinterSetMaxActiveJobs(printer, 1);
    AddMaintenancePage(printer);
}

} // namespace

pappl_system_t* CreateSystem(int optionCount, cups_option_t* options, void*)
{
    auto option = [&](const char* name) { return cupsGetOption(name, optionCount, options); };
    const char* port = option("server-port");
    const char* spool = option("spool-directory");
    const std::string spoolFolder = spool ? spool : DefaultSpool();
    pappl_system_t* system = papplSystemCreate(
        PAPPL_SOPTIONS_MULTI_QUEUE | PAPPL_SOPTIONS_WEB_INTERFACE | PAPPL_SOPTIONS_WEB_LOG, kName, port ? atoi(port) : 0,
        kDnssdSubtypes, spoolFolder.c_str(), option("log-file"), LogLevel(option("log-level")), option("auth-service"),
        false);
    if (!system)
        return nullptr;
    if (const char* group = option("admin-group"))
        papplSystemSetAdminGroup(system, group);
    if (const char* host = option("server-hostname"))
        papplSystemSetHostName(system, host);
    if (!option("private-server"))
        papplSystemAddListeners(system, option("listen-hostname"));

    papplSystemSetMIMECallback(system, StreamFormatOf, nullptr);
    papplSystemAddMIMEFilter(system, kCommandFileFormat, kPrinterStreamFormat, PrintCommandFile, nullptr);
    AddPdfFilter(system);
    AddPageResources(system);
    std::vector<pappl_pr_driver_t>& drivers = PapplDrivers();
    papplSystemSetPrinterDrivers(system, static_cast<int>(drivers.size()), drivers.data(), DriverForDevice,
                                 SetUpPrinter, FillDriverData, nullptr);
    return system;
}
