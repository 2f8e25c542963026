// The driver name is what PAPPL keeps for a printer across restarts. The capability store keeps
// lookup caches of its own and was made for one thread: PAPPL's client and job threads take
// turns at it.
#include "printer_model.h"

#include <mutex>

namespace {

std::mutex g_store;

} // namespace

const ModelDriver* PrinterModel(pappl_printer_t* printer, ModelMaintenance* model)
{
    const ModelDriver* driver = DriverNamed(papplPrinterGetDriverName(printer));
    const std::lock_guard<std::mutex> store(g_store);
    return driver && ModelMaintenance::ForModel(driver->names.realname.c_str(), model) ? driver : nullptr;
}
