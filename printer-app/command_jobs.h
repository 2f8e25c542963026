// Command-file jobs (application/vnd.cups-command): the commands scripts send to a CUPS queue
// of this printer, carried out by the same rules as the CUPS command filter.
#pragma once
#include <pappl/pappl.h>

// The MIME filter from command files to the printer's stream. A command that cannot be carried
// out is named in the job's message and sends nothing; the job fails only when the device
// stopped taking bytes or the printer's model is unknown.
bool PrintCommandFile(pappl_job_t* job, pappl_device_t* device, void* data);
