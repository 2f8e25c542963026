// Model names from the store's string blocks: the block's realname i has model name
// i + CAP_MODEL_NAME_OFFSET.
#include "model_names.h"

#include <cctype>

#include "qzw9svb/cs_string.h"
#include "qzw9svb/toolbox_cap.h"
#include "resources/resource_ids.h"

std::string ModelNameOf(CToolboxCap& store, const char* realname)
{
    for (unsigned i = 0; i < CAP_NAMES_PER_BLOCK; ++i) {
        char alias[CAP_NAME_CAPACITY] = {}, model[CAP_NAME_CAPACITY] = {};
        ULONG capacity = CAP_NAME_CAPACITY;
        store.GetStrData(realname, i, alias, &capacity);
        if (CSStrcmpi(alias, realname) == 0) {
            store.GetStrData(realname, i + CAP_MODEL_NAME_OFFSET, model, &capacity);
            return model;
        }
    }
    return "";
}

std::vector<ModelNames> StoreModels(std::vector<std::string>* missing)
{
    std::vector<ModelNames> models;
    CToolboxCap* store = CToolboxCap::Instance();
    CISStringList realnames;
    if (!store || store->GetAllSupportedRealnames(&realnames) <= 0)
        return models;
    for (unsigned char i = 1; i <= realnames.Count(); ++i) {
        const char* realname = realnames.Find(i);
        std::string modelName = ModelNameOf(*store, realname);
        if (!modelName.empty())
            models.push_back({realname, modelName});
        else if (missing)
            missing->push_back(realname);
    }
    return models;
}

std::string MakerOf(const ModelNames& names)
{
    size_t at = names.realname.find(names.modelName);
    std::string maker = at != std::string::npos && at > 0 ? names.realname.substr(0, at)
                                                          : names.realname.substr(0, names.realname.find(' '));
    while (!maker.empty() && maker.back() == ' ')
        maker.pop_back();
    return maker;
}

std::string ModelSlug(const std::string& modelName)
{
    std::string slug;
    for (char c : modelName)
        slug += c == ' ' ? '-' : static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return slug;
}
