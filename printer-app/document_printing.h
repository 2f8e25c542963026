// Document printing: the raster callbacks through which PAPPL hands this driver the pages of
// JPEG, PNG and PWG raster jobs, and the PDF filter that makes such pages from PDF.
#pragma once
#include <pappl/pappl.h>

// The driver's raster callbacks: a job's start and end, each page's start and end, its rows.
bool StartDocument(pappl_job_t* job, pappl_pr_options_t* options, pappl_device_t* device);
bool StartDocumentPage(pappl_job_t* job, pappl_pr_options_t* options, pappl_device_t* device, unsigned page);
bool WriteDocumentRow(pappl_job_t* job, pappl_pr_options_t* options, pappl_device_t* device, unsigned y,
                      const unsigned char* row);
bool EndDocumentPage(pappl_job_t* job, pappl_pr_options_t* options, pappl_device_t* device, unsigned page);
bool EndDocument(pappl_job_t* job, pappl_pr_options_t* options, pappl_device_t* device);

// Adds the PDF filter when the converter is installed; otherwise logs why PDF is refused (PAPPL
// then refuses PDF jobs as a format the printer does not take).
void AddPdfFilter(pappl_system_t* system);
