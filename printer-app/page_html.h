// The maintenance page's HTML, in the client's language: what happened to the last post, then
// a section for each maintenance the model offers.
#pragma once
#include <pappl/pappl.h>

#include <string>

#include "maintenance/maintenance.h"

struct PageOutcome {
    std::string sent;    // the request that went out, in words; empty when none did
    size_t bytes = 0;
    int job = 0;
    std::string refusal; // why a post sent nothing; empty when none was refused
    bool alignmentPagePrinted = false;
};

void WriteMaintenancePage(pappl_client_t* client, pappl_printer_t* printer, const ModelMaintenance& model,
                          const PageOutcome& outcome);
