// The printer application's system: PAPPL's standard server options, this driver's models,
// formats and pages.
#pragma once
#include <pappl/pappl.h>

// papplMainloop's system callback.
pappl_system_t* CreateSystem(int optionCount, cups_option_t* options, void* data);
