// Carrying out a whole command file for one printer model: each command's stream goes out
// whole, or, with a reason, nothing does. The CUPS filter and the printer application run
// command files through this, so both follow the same rules.
#pragma once
#include <stdio.h>

#include <string>

#include "command_file.h"
#include "maintenance.h"

// The level a Clean command uses, as a job or queue option gives it (none: level 1).
struct CleaningLevel {
    int level = 1;
    std::string problem; // set when the level asked for is not one of the levels
};
CleaningLevel CleaningLevelFrom(const char* text);

// The stream of one parsed request; the level counts for Clean only.
Stream StreamFor(const ModelMaintenance& model, const Request& request, int level);

// Where a command file's results go.
class CommandOutput {
public:
    // The whole stream of one command (its word, such as "Clean"); false when the device
    // stopped taking bytes.
    virtual bool Send(const char* command, const Stream& stream) = 0;
    // A command that sends nothing, or a file that holds none, and why.
    virtual void Refused(const std::string& problem) = 0;

protected:
    ~CommandOutput() = default;
};

// Reads the command file and carries out each command for the model; false only when the
// device stopped taking bytes (bad input is refused command by command, never fatal).
bool RunCommandFile(FILE* in, const ModelMaintenance& model, const std::string& realname,
                    const CleaningLevel& level, CommandOutput& out);
