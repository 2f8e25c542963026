// Maintenance streams as jobs of a printer of this application.
#pragma once
#include <pappl/pappl.h>

#include <string>

#include "maintenance/maintenance.h"

// Makes the stream a job of the printer, waiting (a minute at most) while the printer finishes the
// job it has; the job's id, 0 when no job could be made.
int QueueStream(pappl_printer_t* printer, const char* user, const std::string& title, const Stream& stream);
