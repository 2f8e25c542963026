// Reading CUPS command files (application/vnd.cups-command): a "#CUPS-COMMAND" line, then one
// command per line with its parameters; comments start with '#'. Command words and the
// parameters' letters are case-insensitive.
#pragma once
#include <stdio.h>

#include <string>

#include "maintenance.h"

// No request needs more; a longer line is refused whole.
constexpr size_t kLongestLine = 255;

struct Request {
    Command command;
    AlignmentPatterns patterns; // SetAlignment only
};

// Reads the next line without its line end; false at the end of the input. Of a line longer
// than kLongestLine only that much is kept, and tooLong is set.
bool ReadCommandLine(FILE* in, std::string* line, bool* tooLong);

bool IsCommandFileHeader(const std::string& line);
bool IsCommentOrBlank(const std::string& line);

// Parses one command line: Clean with a colour name (every name means the whole head),
// PrintSelfTestPage, PrintAlignmentPage with pass 1 (or none), SetAlignment with pass 1 and one
// pattern for each group A to E ("A3 B2 C4 D1 E5", in any order). False with the problem in
// words when the line is none of these.
bool ParseCommandLine(const std::string& line, Request* request, std::string* problem);

// A cleaning level as an option or PPD default gives it: "1" to "3".
bool ParseCleaningLevel(const char* text, int* level);
