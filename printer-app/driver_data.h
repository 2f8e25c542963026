// What a printer of each model can do, as PAPPL asks for it when a printer is made.
#pragma once
#include <pappl/pappl.h>

// PAPPL's driver callback: false for a driver name that is none of the store's models.
bool FillDriverData(pappl_system_t* system, const char* driverName, const char* deviceUri, const char* deviceId,
                    pappl_pr_driver_data_t* data, ipp_t** attributes, void* context);
