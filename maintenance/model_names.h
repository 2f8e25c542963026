// The names of the printer models a capability store holds: each realname (the store's key),
// its short model name, the maker and the file-name form of the model name. The PPDs, the
// printer application's drivers and their tests all name models through these.
#pragma once
#include <string>
#include <vector>

class CToolboxCap;

struct ModelNames {
    std::string realname;  // "QZ Kestrel 410 Printer"
    std::string modelName; // "Kestrel 410"
};

// A realname's own model name; empty when the store gives it none.
std::string ModelNameOf(CToolboxCap& store, const char* realname);

// Every realname of the store with its model name, in the store's order; a realname without a
// model name is left out and named in missing, when given.
std::vector<ModelNames> StoreModels(std::vector<std::string>* missing = nullptr);

// The maker: the part of the realname before its model name ("QZ" of "QZ Kestrel 410 Printer").
std::string MakerOf(const ModelNames& names);

// The model name as a file or driver name: "Kestrel 410" -> "kestrel-410".
std::string ModelSlug(const std::string& modelName);
