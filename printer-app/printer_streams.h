// Jobs in the printer's own language: files printed as they are (raw jobs and the library's
// test page), and telling such a file from the other formats the application takes.
#pragma once
#include <pappl/pappl.h>

// The MIME type of the printer's own streams.
constexpr char kPrinterStreamFormat[] = "application/vnd.qz-pcl";
constexpr char kCommandFileFormat[] = "application/vnd.cups-command";

// The printfile callback: the job's file goes to the device byte for byte.
bool PrintStreamFile(pappl_job_t* job, pappl_pr_options_t* options, pappl_device_t* device);

// The test page callback: the library's own test page (stored job 144), written to the spool
// for PAPPL to print as is; null when this program does not carry it.
const char* WriteTestPage(pappl_printer_t* printer, char* buffer, size_t size);

// The MIME callback for documents sent without a type: command files and printer streams.
const char* StreamFormatOf(const unsigned char* header, size_t size, void* data);
