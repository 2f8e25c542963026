// qz-printer-app: a printer application for the printer models of the library's capability
// store, with PAPPL's standard sub-commands (server, add, submit, devices, drivers, ...). Each
// printer has a maintenance page beside PAPPL's own pages.
#include <pappl/pappl.h>

#include "qz_version.h"
#include "system_setup.h"

// PAPPL's pages look their footer up as a text to localise: there must be one.
constexpr char kFooter[] = "qz-printer-app " QZ_VERSION_STRING;

int main(int argc, char** argv)
{
    return papplMainloop(argc, argv, QZ_VERSION_STRING, kFooter, 0, nullptr, nullptr, nullptr, nullptr, nullptr,
                         CreateSystem, nullptr, nullptr);
}
