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

#include "maintenance/command_run.h"

namespace {

// The level a Clean command uses: the job's option, else the queue's PPD default, else 1.
CleaningLevel ChosenLevel(const char* jobOptions, ppd_file_t* ppd)
{
    cups_option_t* options = nullptr;
    const int count = cupsParseOptions(jobOptions, 0, &options);
    const char* asked = cupsGetOption(kCleaningLevelOption, count, options);
    const ppd_option_t* option = ppdFindOption(ppd, kCleaningLevelOption);
    const CleaningLevel chosen = CleaningLevelFrom(asked ? asked : option ? option->defchoice : nullptr);
    cupsFreeOptions(count, options);
    return chosen;
}

// Streams to the device on standard output, each flushed whole; problems to the job's log.
class FilterOutput final : public CommandOutput {
public:
    bool Send(const char* command, const Stream& stream) override
    {
        if (fwrite(stream.data(), 1, stream.size(), stdout) != stream.size() || fflush(stdout) != 0) {
            fprintf(stderr, "ERROR: The printer stopped taking the %s stream\n", command);
            return false;
        }
        fprintf(stderr, "INFO: %s sent (%zu bytes)\n", command, stream.size());
        return true;
    }

    void Refused(const std::string& problem) override { fprintf(stderr, "ERROR: %s\n", problem.c_str()); }
};

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
    FilterOutput out;
    const int status = RunCommandFile(in, model, realname, level, out) ? 0 : 1;
    if (in != stdin)
        fclose(in);
    return status;
}
