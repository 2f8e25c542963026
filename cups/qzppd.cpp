// qzppd: writes the PPD of every printer model in the capability store this program carries.
//
//   qzppd FILTER OUTPUT-FOLDER [RASTER-FILTER]
//
// FILTER is what the PPDs name as their command filter: "commandtoqz" for CUPS's own filter
// folder, or an absolute path; RASTER-FILTER the same for the raster filter ("rastertoqz" when
// not given). Prints the name of each file written.
#include <stdio.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "maintenance/maintenance.h"
#include "maintenance/model_names.h"
#include "ppd_file.h"

int main(int argc, char** argv)
{
    if (argc != 3 && argc != 4) {
        fputs("usage: qzppd FILTER OUTPUT-FOLDER [RASTER-FILTER]\n", stderr);
        return 2;
    }
    std::vector<std::string> unnamed;
    const std::vector<ModelNames> models = StoreModels(&unnamed);
    if (!unnamed.empty()) {
        fprintf(stderr, "qzppd: %s has no model name\n", unnamed.front().c_str());
        return 1;
    }
    if (models.empty()) {
        fputs("qzppd: the capability store holds no models\n", stderr);
        return 1;
    }
    const std::filesystem::path folder = argv[2];
    std::error_code made;
    std::filesystem::create_directories(folder, made);
    for (const ModelNames& names : models) {
        ModelMaintenance model({});
        if (!ModelMaintenance::ForModel(names.realname.c_str(), &model)) {
            fprintf(stderr, "qzppd: %s has no service-type record\n", names.realname.c_str());
            return 1;
        }
        const std::string name = PpdFileName(names.modelName);
        std::ofstream out(folder / name, std::ios::binary);
        out << PpdText({names.realname, names.modelName, argv[1], argc == 4 ? argv[3] : "rastertoqz"}, model);
        if (!out.flush()) {
            fprintf(stderr, "qzppd: cannot write %s\n", (folder / name).c_str());
            return 1;
        }
        printf("%s\n", name.c_str());
    }
    return 0;
}
