// Texts are English keys looked up in the client's language (PAPPL's localisation); the
// Norwegian ones are the dialogs' own. Each action is a small form of its own, carrying PAPPL's
// session token; element ids name the actions for people's scripts and the tests.
#include "page_html.h"

#include "page_request.h"
#include "page_resources.h"
#include "pattern_drawings.h"

namespace {

const char kStyle[] =
    "<style>.qz-section{display:flex;gap:1.5em;align-items:flex-start;margin-bottom:1.5em}"
    ".qz-section img{flex:none;width:120px;height:170px}.qz-section form{display:inline-block;margin:0 .5em .5em 0}"
    ".qz-groups{display:flex;flex-wrap:wrap;gap:1em}.qz-group{border:1px solid #888;padding:.5em}"
    ".qz-group label{display:inline-flex;flex-direction:column;align-items:center;margin:0 .3em}"
    ".qz-pattern rect{fill:currentColor}.qz-refused{background:#fdd}</style>\n";

class Page {
public:
    Page(pappl_client_t* client) : client_(client) {}

    const char* Text(const char* key) const { return papplClientGetLocString(client_, key); }

    void Puts(const char* html) const { papplClientHTMLPuts(client_, html); }

    // A localised text, escaped, in an element.
    void Element(const char* tag, const char* key) const
    {
        papplClientHTMLPrintf(client_, "<%s>", tag);
        papplClientHTMLEscape(client_, Text(key), 0);
        papplClientHTMLPrintf(client_, "</%s>\n", tag);
    }

    // A form with the session token, the action and its fields, and one button.
    void ActionForm(const char* id, Command command, const std::string& hiddenFields, const char* buttonKey) const
    {
        papplClientHTMLStartForm(client_, papplClientGetURI(client_), false);
        Puts(("<input type=\"hidden\" name=\"action\" value=\"" + std::string(CommandWord(command)) + "\">" +
              hiddenFields + "<button type=\"submit\" id=\"" + id + "\">").c_str());
        papplClientHTMLEscape(client_, Text(buttonKey), 0);
        Puts("</button></form>\n");
    }

    void StartSection(const char* headingKey, const char* picture) const
    {
        Element("h2", headingKey);
        Puts((std::string("<div class=\"qz-section\"><img src=\"") + picture + "\" alt=\"\"><div>\n").c_str());
    }

    void EndSection() const { Puts("</div></div>\n"); }

    pappl_client_t* Client() const { return client_; }

private:
    pappl_client_t* client_;
};

void Banner(const Page& page, const PageOutcome& outcome)
{
    char text[512];
    pappl_loc_t* loc = papplClientGetLoc(page.Client());
    if (!outcome.sent.empty()) {
        papplLocFormatString(loc, text, sizeof(text), "Sent: %s, %u bytes, as job %d.", outcome.sent.c_str(),
                             static_cast<unsigned>(outcome.bytes), outcome.job);
        page.Puts("<div class=\"banner qz-sent\" id=\"qz-outcome\">");
    } else if (!outcome.refusal.empty()) {
        papplLocFormatString(loc, text, sizeof(text), "Nothing was sent: %s.", outcome.refusal.c_str());
        page.Puts("<div class=\"banner qz-refused\" id=\"qz-outcome\">");
    } else {
        return;
    }
    papplClientHTMLEscape(page.Client(), text, 0);
    page.Puts("</div>\n");
}

void CleaningSection(const Page& page, const ModelMaintenance& model)
{
    page.StartSection("Clean the print heads", QZ_PICTURE_PATH("clean_start"));
    page.Element("p", "If the print quality of your document looks like the picture, you may need to clean the "
                      "print heads.");
    page.Element("p", "Load paper that has printed well before you clean.");
    static const char* const kLevelButtons[] = {"Level 1 cleaning", "Level 2 cleaning", "Level 3 cleaning"};
    const int levels = model.HasCleaningLevels() ? kCleaningLevels : 1;
    for (int level = 1; level <= levels; ++level) {
        const std::string id = "qz-clean-" + std::to_string(level);
        page.ActionForm(id.c_str(), Command::Clean,
                        "<input type=\"hidden\" name=\"level\" value=\"" + std::to_string(level) + "\">",
                        levels > 1 ? kLevelButtons[level - 1] : "Clean");
    }
    if (levels > 1)
        page.Element("p", "Level 3 cleaning uses a lot of ink. Avoid it when the cartridges are low on ink.");
    page.EndSection();
}

void SelfTestSection(const Page& page)
{
    page.StartSection("Self-test page", QZ_PICTURE_PATH("self_test"));
    page.Element("p", "The printer prints its test page. This confirms that the printer is connected to the computer "
                      "correctly and that both the printer and its software work correctly.");
    page.Element("p", "Make sure the printer is turned on.");
    page.ActionForm("qz-self-test", Command::PrintSelfTestPage, "", "Print");
    page.EndSection();
}

// The choice dialog as a form: for each group its pattern, and the numbers 1 to 5 to choose
// from, the middle one chosen to start with as in the dialog.
void AlignmentChoice(const Page& page, bool pagePrinted)
{
    pappl_client_t* client = page.Client();
    page.Puts(pagePrinted ? "<details id=\"qz-alignment-choice\" open><summary>" : "<details id=\"qz-alignment-choice\"><summary>");
    papplClientHTMLEscape(client, page.Text("Choose the best aligned pattern in each set"), 0);
    page.Puts("</summary>\n");
    page.Element("p", "The printer has just printed a page of alignment patterns.");
    page.Element("p", "Examine the page and find the best aligned pattern in each set. Click Continue.");
    papplClientHTMLStartForm(client, papplClientGetURI(client), false);
    page.Puts((std::string("<input type=\"hidden\" name=\"action\" value=\"") + CommandWord(Command::SetAlignment) +
               "\"><div class=\"qz-groups\">").c_str());
    // As in the choice dialog, no pattern is chosen at first and every set must be chosen.
    for (const char* group = kAlignmentGroups; *group; ++group) {
        const std::string letter(1, *group);
        std::string html = "<fieldset class=\"qz-group\"><legend>" + letter + "</legend>";
        for (int pattern = 1; pattern <= kPatternsPerGroup; ++pattern) {
            const std::string choice = letter + std::to_string(pattern);
            html += "<label>" + PatternDrawing(*group) + choice + "<input type=\"radio\" id=\"qz-" + choice +
                    "\" name=\"" + letter + "\" value=\"" + std::to_string(pattern) + "\"" +
                    (pattern == 1 ? " required" : "") + "></label>";
        }
        page.Puts((html + "</fieldset>\n").c_str());
    }
    page.Puts("</div><p><button type=\"submit\" id=\"qz-set-alignment\">");
    papplClientHTMLEscape(client, page.Text("Continue"), 0);
    page.Puts("</button></p></form></details>\n");
}

void AlignmentSection(const Page& page, const ModelMaintenance& model, bool pagePrinted)
{
    const bool choices = model.Offers(Command::SetAlignment);
    page.StartSection("Align the print heads", QZ_PICTURE_PATH("align_heads"));
    if (choices) {
        page.Element("p", "This procedure aligns the colour and black print heads with each other.");
    } else {
        page.Element("p", "This printer aligns itself every time you change a cartridge.");
        page.Element("p", "Click \"Align\" to align now.");
    }
    page.Element("p", "This is how to get the best print quality.");
    page.ActionForm("qz-alignment-page", Command::PrintAlignmentPage, "", "Align");
    if (choices)
        AlignmentChoice(page, pagePrinted);
    page.EndSection();
}

} // namespace

void WriteMaintenancePage(pappl_client_t* client, pappl_printer_t* printer, const ModelMaintenance& model,
                          const PageOutcome& outcome)
{
    const Page page(client);
    papplClientHTMLPrinterHeader(client, printer, page.Text("Printer service"), 0, nullptr, nullptr);
    page.Puts(kStyle);
    page.Puts("<div class=\"row\"><div class=\"col-12\">\n");
    Banner(page, outcome);
    if (model.Offers(Command::Clean))
        CleaningSection(page, model);
    if (model.Offers(Command::PrintSelfTestPage))
        SelfTestSection(page);
    if (model.Offers(Command::PrintAlignmentPage))
        AlignmentSection(page, model, outcome.alignmentPagePrinted);
    page.Puts("</div></div>\n");
    papplClientHTMLPrinterFooter(client);
}
