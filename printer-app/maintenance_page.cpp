// The page answers GET with the model's actions and POST by carrying one out. A post counts
// only with the page's session token, from an authorised client, for an action the model
// offers with values in range; anything else sends nothing and says why.
#include "maintenance_page.h"

#include <stdint.h>

#include "page_html.h"
#include "page_request.h"
#include "printer_model.h"
#include "queue_stream.h"

namespace {

constexpr char kLinkLabel[] = "Printer service";
constexpr char kPageName[] = "maintenance";
constexpr char kAnonymousUser[] = "guest";

// The printer is looked up by id on every request: a deleted printer's page then answers 404
// instead of reaching freed memory.
pappl_printer_t* PrinterOf(pappl_client_t* client, void* data)
{
    return papplSystemFindPrinter(papplClientGetSystem(client), nullptr, static_cast<int>(reinterpret_cast<intptr_t>(data)),
                                  nullptr);
}

std::string Localised(pappl_client_t* client, const RequestLabel& label)
{
    char text[256];
    papplLocFormatString(papplClientGetLoc(client), text, sizeof(text), label.key, label.value.c_str());
    return text;
}

PageOutcome Carry(pappl_client_t* client, pappl_printer_t* printer, const ModelMaintenance& model)
{
    PageOutcome outcome;
    cups_option_t* form = nullptr;
    const int count = papplClientGetForm(client, &form);
    PageRequest page;
    std::string problem;
    if (!papplClientIsValidForm(client, count, form))
        problem = "invalid form submission";
    else if (ParsePageForm(count, form, model, &page, &problem)) {
        const std::string label = Localised(client, LabelOf(page, model));
        const Stream stream = StreamFor(model, page.request, page.level);
        const char* user = papplClientGetUsername(client);
        outcome.job = QueueStream(printer, user && *user ? user : kAnonymousUser, label, stream);
        if (outcome.job) {
            outcome.sent = label;
            outcome.bytes = stream.size();
            outcome.alignmentPagePrinted = page.request.command == Command::PrintAlignmentPage;
        } else {
            problem = "the printer's job could not be made";
        }
    }
    outcome.refusal = problem;
    cupsFreeOptions(count, form);
    return outcome;
}

bool ServePage(pappl_client_t* client, void* data)
{
    pappl_printer_t* printer = PrinterOf(client, data);
    ModelMaintenance model({});
    const ModelDriver* driver = printer ? PrinterModel(printer, &model) : nullptr;
    if (!driver)
        return papplClientRespond(client, HTTP_STATUS_NOT_FOUND, nullptr, nullptr, 0, 0);
    if (!papplClientHTMLAuthorize(client))
        return true;
    const PageOutcome outcome =
        papplClientGetMethod(client) == HTTP_STATE_POST ? Carry(client, printer, model) : PageOutcome{};
    WriteMaintenancePage(client, printer, model, outcome);
    return true;
}

} // namespace

void AddMaintenancePage(pappl_printer_t* printer)
{
    char path[256];
    papplPrinterGetPath(printer, kPageName, path, sizeof(path));
    void* id = reinterpret_cast<void*>(static_cast<intptr_t>(papplPrinterGetID(printer)));
    papplSystemAddResourceCallback(papplPrinterGetSystem(printer), path, "text/html", ServePage, id);
    papplPrinterAddLink(printer, kLinkLabel, path, PAPPL_LOPTIONS_NAVIGATION | PAPPL_LOPTIONS_STATUS);
    papplLogPrinter(printer, PAPPL_LOGLEVEL_INFO, "Maintenance page at '%s'.", path);
}
