// The model of a printer of this application, from its driver's name.
#pragma once
#include <pappl/pappl.h>

#include "maintenance/maintenance.h"
#include "model_drivers.h"

// The printer's driver and its model's maintenance; null when the driver names no model of the
// store (or the store has no service-type record for it).
const ModelDriver* PrinterModel(pappl_printer_t* printer, ModelMaintenance* model);
