// qzppd: writes the PPD of every printer model in the capability store this program carries.
//
//   qzppd FILTER OUTPUT-FOLDER
//
// FILTER is what the PPDs name as their command filter: "commandtoqz" for CUPS's own filter
// folder, or an absolute path. Prints the name of each file written.
#include <stdio.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "maintenance/maintenance.h"
#include "ppd_file.h"
#include "qzw9svb/cs_string.h"
#include "qzw9svb/toolbox_cap.h"
#include "resources/resource_ids.h"

namespace {

constexpr int kNameCapacity = 64;

// A realname's own model name: the block's realname i has model name i + CAP_MODEL_NAME_OFFSET.
std::string ModelNameOf(CToolboxCap& store, const char* realname)
{
    for (unsigned i = 0; i < CAP_NAMES_PER_BLOCK; ++i) {
        char alias[kNameCapacity] = {}, model[kNameCapacity] = {};
        ULONG capacity = kNameCapacity;
        store.GetStrData(realname, i, alias, &capacity);
        if (CSStrcmpi(alias, realname) == 0) {
            store.GetStrData(realname, i + CAP_MODEL_NAME_OFFSET, model, &capacity);
            return model;
        }
    }
    return "";
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        fputs("usage: qzppd FILTER OUTPUT-FOLDER\n", stderr);
        return 2;
    }
    CToolboxCap* store = CToolboxCap::Instance();
    CISStringList realnames;
    if (!store || store->GetAllSupportedRealnames(&realnames) <= 0) {
        fputs("qzppd: the capability store holds no models\n", stderr);
        return 1;
    }
    const std::filesystem::path folder = argv[2];
    std::error_code made;
    std::filesystem::create_directories(folder, made);
    for (unsigned char i = 1; i <= realnames.Count(); ++i) {
        const char* realname = realnames.Find(i);
        ModelMaintenance model({});
        const std::string modelName = ModelNameOf(*store, realname);
        if (modelName.empty() || !ModelMaintenance::ForModel(realname, &model)) {
            fprintf(stderr, "qzppd: %s has no model name or no service-type record\n", realname);
            return 1;
        }
        const std::string name = PpdFileName(modelName);
        std::ofstream out(folder / name, std::ios::binary);
        out << PpdText({realname, modelName, argv[1]}, model);
        if (!out.flush()) {
            fprintf(stderr, "qzppd: cannot write %s\n", (folder / name).c_str());
            return 1;
        }
        printf("%s\n", name.c_str());
    }
    return 0;
}
