// The form becomes a command line and goes through the command-file parser: one set of rules
// for the pattern choices, their range and their groups.
#include "page_request.h"

#include <string.h>

namespace {

const char kAlignmentPass[] = " 1";

bool KnownAction(const char* action, Command* command)
{
    for (Command known : AllCommands())
        if (action && strcmp(action, CommandWord(known)) == 0) {
            *command = known;
            return true;
        }
    return false;
}

// "SetAlignment 1 A3 B2 C4 D1 E5" from the fields A to E; false when one is missing or is more
// than a single character.
bool AlignmentLine(int count, cups_option_t* form, std::string* line, std::string* problem)
{
    for (const char* group = kAlignmentGroups; *group; ++group) {
        const char field[] = {*group, '\0'};
        const char* choice = cupsGetOption(field, count, form);
        if (!choice || strlen(choice) != 1) {
            *problem = std::string("alignment group ") + field + " has no pattern chosen";
            return false;
        }
        *line += std::string(" ") + field + choice;
    }
    return true;
}

} // namespace

bool ParsePageForm(int count, cups_option_t* form, const ModelMaintenance& model, PageRequest* page,
                   std::string* problem)
{
    Command command;
    if (!KnownAction(cupsGetOption("action", count, form), &command)) {
        *problem = "unknown action";
        return false;
    }
    std::string line = CommandWord(command);
    switch (command) {
    case Command::Clean: line += " all"; break; // the printer cleans its whole head for any colour
    case Command::PrintSelfTestPage: break;
    case Command::PrintAlignmentPage: line += kAlignmentPass; break;
    case Command::SetAlignment:
        line += kAlignmentPass;
        if (!AlignmentLine(count, form, &line, problem))
            return false;
        break;
    }
    if (!ParseCommandLine(line, &page->request, problem))
        return false;
    if (!model.Offers(command)) {
        *problem = std::string("this printer offers no ") + CommandWord(command);
        return false;
    }
    if (command == Command::Clean) {
        const CleaningLevel level = CleaningLevelFrom(cupsGetOption("level", count, form));
        *problem = level.problem;
        page->level = level.level;
    }
    return problem->empty();
}

RequestLabel LabelOf(const PageRequest& page, const ModelMaintenance& model)
{
    const AlignmentPatterns& p = page.request.patterns;
    switch (page.request.command) {
    case Command::Clean:
        return model.HasCleaningLevels() ? RequestLabel{"Cleaning, level %s", std::to_string(page.level)}
                                         : RequestLabel{"Cleaning", ""};
    case Command::PrintSelfTestPage: return {"Self-test page", ""};
    case Command::PrintAlignmentPage: return {"Alignment page", ""};
    case Command::SetAlignment:
        return {"Alignment settings %s", "A" + std::to_string(p.a) + " B" + std::to_string(p.b) + " C" +
                                             std::to_string(p.c) + " D" + std::to_string(p.d) + " E" +
                                             std::to_string(p.e)};
    }
    return {"", ""};
}
