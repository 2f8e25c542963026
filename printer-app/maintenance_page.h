// Each printer's maintenance page: the model's cleaning (by level where it has levels), its
// self-test page and its alignment, each sent to the printer as a job of the library's stream.
#pragma once
#include <pappl/pappl.h>

// Serves the printer's page and links it from the printer's own pages.
void AddMaintenancePage(pappl_printer_t* printer);
