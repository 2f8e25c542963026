// A command file, line by line: the header first, then one command per line; comments and
// blank lines are passed over.
#include "command_run.h"

namespace {

std::string OnLine(unsigned number, const std::string& problem)
{
    return "Line " + std::to_string(number) + ": " + problem;
}

// One command line: its whole stream goes out, or nothing does.
bool Carry(const ModelMaintenance& model, const std::string& realname, const std::string& line, unsigned number,
           const CleaningLevel& level, CommandOutput& out)
{
    Request request;
    std::string problem;
    if (!ParseCommandLine(line, &request, &problem)) {
        out.Refused(OnLine(number, problem));
        return true;
    }
    const char* word = CommandWord(request.command);
    if (!model.Offers(request.command)) {
        out.Refused(OnLine(number, realname + " offers no " + word));
        return true;
    }
    if (request.command == Command::Clean && !level.problem.empty()) {
        out.Refused(OnLine(number, level.problem));
        return true;
    }
    return out.Send(word, StreamFor(model, request, level.level));
}

} // namespace

Stream StreamFor(const ModelMaintenance& model, const Request& request, int level)
{
    switch (request.command) {
    case Command::Clean: return model.Clean(level);
    case Command::PrintSelfTestPage: return model.SelfTest();
    case Command::PrintAlignmentPage: return model.AlignmentPage();
    case Command::SetAlignment: return model.SetAlignment(request.patterns);
    }
    return {};
}

CleaningLevel CleaningLevelFrom(const char* text)
{
    CleaningLevel chosen;
    if (!ParseCleaningLevel(text ? text : "1", &chosen.level))
        chosen.problem = std::string(kCleaningLevelOption) + " must be 1, 2 or 3";
    return chosen;
}

bool RunCommandFile(FILE* in, const ModelMaintenance& model, const std::string& realname,
                    const CleaningLevel& level, CommandOutput& out)
{
    std::string line;
    bool tooLong = false;
    if (!ReadCommandLine(in, &line, &tooLong)) {
        out.Refused("The command file is empty");
        return true;
    }
    if (tooLong || !IsCommandFileHeader(line)) {
        out.Refused("Not a command file: its first line is not #CUPS-COMMAND");
        return true;
    }
    unsigned number = 1, commands = 0;
    while (ReadCommandLine(in, &line, &tooLong)) {
        ++number;
        if (tooLong) {
            ++commands;
            out.Refused("Line " + std::to_string(number) + " is longer than " + std::to_string(kLongestLine) +
                        " characters");
        } else if (!IsCommentOrBlank(line)) {
            ++commands;
            if (!Carry(model, realname, line, number, level, out))
                return false;
        }
    }
    if (commands == 0)
        out.Refused("The command file holds no commands");
    return true;
}
