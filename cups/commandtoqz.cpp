// commandtoqz: the CUPS command filter. It reads a command file, finds the queue's printer
// model through the PPD's model name (the capability store's realname), and writes for each
// command the printer stream the library sends for the same request.
//
//   commandtoqz job user title copies options [file]
//
// Bad input never stops the queue: a command that cannot be carried out gets an ERROR: line
// and sends nothing, and the filter still exits 0. Only a queue it cannot serve at all (no
// PPD, a model the store does not know) or a device that stops taking bytes gives exit 1.
#include <cups/cups.h>
#include <cups/ppd.h>
#include <stdio.h>
#include <stdlib.h>

#include <string>

#include "maintenance/command_file.h"
#include "maintenance/maintenance.h"

namespace {

// The level a Clean command uses: the job's option, else the queue's PPD default, else 1.
struct CleaningLevel {
    int level = 1;
    std::string problem; // set when the level asked for is not one of the levels
};

CleaningLevel ChosenLevel(const char* jobOptions, ppd_file_t* ppd)
{
    CleaningLevel chosen;
    cups_option_t* options = nullptr;
    const int count = cupsParseOptions(jobOptions, 0, &options);
    const char* asked = cupsGetOption(kCleaningLevelOption, count, options);
    const ppd_option_t* option = ppdFindOption(ppd, kCleaningLevelOption);
    const char* text = asked ? asked : option ? option->defchoice : "1";
    if (!ParseCleaningLevel(text, &chosen.level))
        chosen.problem = std::string(kCleaningLevelOption) + " must be 1, 2 or 3";
    cupsFreeOptions(count, options);
    return chosen;
}

Stream StreamFor(const ModelMaintenance& model, const Request& request, const CleaningLevel& level)
{
    switch (request.command) {
    case Command::Clean: return model.Clean(level.level);
    case Command::PrintSelfTestPage: return model.SelfTest();
    case Command::PrintAlignmentPage: return model.AlignmentPage();
    case Command::SetAlignment: return model.SetAlignment(request.patterns);
    }
    return {};
}

// One command line: its whole stream goes out, or nothing does. False when the device stopped
// taking bytes.
bool Carry(const ModelMaintenance& model, const std::string& realname, const std::string& line, unsigned number,
           const CleaningLevel& level)
{
    Request request;
    std::string problem;
    if (!ParseCommandLine(line, &request, &problem)) {
        fprintf(stderr, "ERROR: Line %u: %s\n", number, problem.c_str());
        return true;
    }
    const char* word = CommandWord(request.command);
    if (!model.Offers(request.command)) {
        fprintf(stderr, "ERROR: Line %u: %s offers no %s\n", number, realname.c_str(), word);
        return true;
    }
    if (request.command == Command::Clean && !level.problem.empty()) {
        fprintf(stderr, "ERROR: Line %u: %s\n", number, level.problem.c_str());
        return true;
    }
    const Stream stream = StreamFor(model, request, level);
    if (fwrite(stream.data(), 1, stream.size(), stdout) != stream.size() || fflush(stdout) != 0) {
        fprintf(stderr, "ERROR: The printer stopped taking the %s stream\n", word);
        return false;
    }
    fprintf(stderr, "INFO: %s sent (%zu bytes)\n", word, stream.size());
    return true;
}

int ReadCommands(FILE* in, const ModelMaintenance& model, const std::string& realname, const CleaningLevel& level)
{
    std::string line;
    bool tooLong = false;
    if (!ReadCommandLine(in, &line, &tooLong)) {
        fputs("ERROR: The command file is empty\n", stderr);
        return 0;
    }
    if (tooLong || !IsCommandFileHeader(line)) {
        fputs("ERROR: Not a command file: its first line is not #CUPS-COMMAND\n", stderr);
        return 0;
    }
    unsigned number = 1, commands = 0;
    while (ReadCommandLine(in, &line, &tooLong)) {
        ++number;
        if (tooLong) {
            ++commands;
            fprintf(stderr, "ERROR: Line %u is longer than %zu characters\n", number, kLongestLine);
        } else if (!IsCommentOrBlank(line)) {
            ++commands;
            if (!Carry(model, realname, line, number, level))
                return 1;
        }
    }
    if (commands == 0)
        fputs("ERROR: The command file holds no commands\n", stderr);
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 6 || argc > 7) {
        fputs("Usage: commandtoqz job user title copies options [file]\n", stderr);
        return 1;
    }
    FILE* in = argc == 7 ? fopen(argv[6], "rb") : stdin;
    if (!in) {
        perror("ERROR: Unable to open the command file");
        return 1;
    }
    const char* ppdPath = getenv("PPD");
    ppd_file_t* ppd = ppdPath ? ppdOpenFile(ppdPath) : nullptr;
    if (!ppd || !ppd->modelname) {
        fputs("ERROR: The queue has no readable PPD naming its printer model\n", stderr);
        return 1;
    }
    const std::string realname = ppd->modelname;
    ModelMaintenance model({});
    if (!ModelMaintenance::ForModel(realname.c_str(), &model)) {
        fprintf(stderr, "ERROR: The printer model \"%s\" is not one this driver knows\n", realname.c_str());
        ppdClose(ppd);
        return 1;
    }
    const CleaningLevel level = ChosenLevel(argv[5], ppd);
    ppdClose(ppd);
    const int status = ReadCommands(in, model, realname, level);
    if (in != stdin)
        fclose(in);
    return status;
}
