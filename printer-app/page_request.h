// What a post of the maintenance page asks for: the same requests as the command files, read
// from the form's fields (action, level, and one pattern for each group A to E), with the same
// checks, so the page cannot ask for more than a command file could.
#pragma once
#include <cups/cups.h>

#include <string>

#include "maintenance/command_run.h"

struct PageRequest {
    Request request;
    int level = 1; // Clean only
};

// The form's fields: action is a command word (Clean, PrintSelfTestPage, PrintAlignmentPage,
// SetAlignment). False with the problem when the form asks for nothing, for something unknown
// or out of range, or for what the model does not offer.
bool ParsePageForm(int count, cups_option_t* form, const ModelMaintenance& model, PageRequest* page,
                   std::string* problem);

// The groups of the alignment choice, in order, and the form field of each.
constexpr char kAlignmentGroups[] = "ABCDE";

// The request in words, as its job is named: "Cleaning, level 2", "Alignment settings A3 B2 C4
// D1 E5"; an English key and its one number or text, for the page's localisation.
struct RequestLabel {
    const char* key;
    std::string value;
};
RequestLabel LabelOf(const PageRequest& page, const ModelMaintenance& model);
