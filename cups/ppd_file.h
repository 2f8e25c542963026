// The PPD of one printer model: names from the capability store, the raster and the command
// filter, the printer's papers and colour modes, the maintenance commands the model offers and,
// where its cleaning has levels, the level option.
#pragma once
#include <string>

#include "maintenance/maintenance.h"

struct PpdModel {
    std::string realname;  // the store's key; the PPD's model name, which the filter reads back
    std::string modelName; // the short name of the realname
    std::string filter;    // the command filter: a name in CUPS's filter folder or an absolute path
    std::string rasterFilter; // the raster filter, the same way
};

// The PPD's text.
std::string PpdText(const PpdModel& names, const ModelMaintenance& model);

// The file name of the model's PPD, made from its model name: "Kestrel 410" -> "kestrel-410.ppd".
std::string PpdFileName(const std::string& modelName);
