// Command file lines and their parameters.
#include "command_file.h"

#include <strings.h>

#include <vector>

namespace {

const char kHeader[] = "#CUPS-COMMAND";

// The colour names of the command file format; this printer cleans its whole head for each.
const char* const kColourNames[] = {"all",  "black", "color", "photo", "cyan", "magenta", "yellow", "light-cyan",
                                    "light-magenta", "light-black", "light-gray", "dark-gray"};

const char kAlignmentPass[] = "1"; // the only pass: one pattern page, one set of choices
constexpr int kGroups = 5;         // A to E

bool Blank(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\f' || c == '\v';
}

std::string Trimmed(const std::string& line)
{
    size_t first = 0, last = line.size();
    while (first < last && Blank(line[first]))
        ++first;
    while (last > first && Blank(line[last - 1]))
        --last;
    return line.substr(first, last - first);
}

std::vector<std::string> Words(const std::string& line)
{
    std::vector<std::string> words;
    std::string word;
    for (char c : line + ' ') {
        if (!Blank(c)) {
            word += c;
        } else if (!word.empty()) {
            words.push_back(word);
            word.clear();
        }
    }
    return words;
}

bool Same(const std::string& word, const char* expected)
{
    return strcasecmp(word.c_str(), expected) == 0;
}

// A word as it may appear in a message: printable ASCII only.
std::string Printable(const std::string& word)
{
    std::string shown;
    for (unsigned char c : word)
        shown += c >= 0x20 && c < 0x7F ? static_cast<char>(c) : '?';
    return "\"" + shown + "\"";
}

bool IsColourName(const std::string& word)
{
    for (const char* name : kColourNames)
        if (Same(word, name))
            return true;
    return false;
}

// "A3": the group's letter and the pattern's number.
bool ParseChoice(const std::string& word, AlignmentPatterns* patterns, bool (&seen)[kGroups],
                 std::string* problem)
{
    const int group = word.size() == 2 ? (word[0] | 0x20) - 'a' : -1;
    const int pattern = word.size() == 2 ? word[1] - '0' : 0;
    if (group < 0 || group >= kGroups || pattern < 1 || pattern > kPatternsPerGroup) {
        *problem = "alignment choice " + Printable(word) + " is not a group A to E with a pattern 1 to 5";
        return false;
    }
    if (seen[group]) {
        *problem = "alignment group " + std::string(1, static_cast<char>('A' + group)) + " is chosen twice";
        return false;
    }
    seen[group] = true;
    int* const fields[kGroups] = {&patterns->a, &patterns->b, &patterns->c, &patterns->d, &patterns->e};
    *fields[group] = pattern;
    return true;
}

bool ParseAlignment(const std::vector<std::string>& words, Request* request, std::string* problem)
{
    if (words.size() != 2 + kGroups || words[1] != kAlignmentPass) {
        *problem = "SetAlignment takes pass 1 and one pattern for each group, as in \"SetAlignment 1 A3 B2 C4 D1 E5\"";
        return false;
    }
    bool seen[kGroups] = {};
    for (size_t i = 2; i < words.size(); ++i)
        if (!ParseChoice(words[i], &request->patterns, seen, problem))
            return false;
    return true;
}

} // namespace

bool ReadCommandLine(FILE* in, std::string* line, bool* tooLong)
{
    line->clear();
    *tooLong = false;
    int c;
    while ((c = getc(in)) != EOF && c != '\n') {
        if (line->size() < kLongestLine)
            *line += static_cast<char>(c);
        else
            *tooLong = true;
    }
    return c != EOF || !line->empty() || *tooLong;
}

bool IsCommandFileHeader(const std::string& line)
{
    return Trimmed(line) == kHeader;
}

bool IsCommentOrBlank(const std::string& line)
{
    const std::string text = Trimmed(line);
    return text.empty() || text[0] == '#';
}

bool ParseCommandLine(const std::string& line, Request* request, std::string* problem)
{
    const std::vector<std::string> words = Words(line);
    *request = Request{};
    if (words.empty()) {
        *problem = "empty command";
        return false;
    }
    const std::string& word = words[0];
    if (Same(word, CommandWord(Command::Clean))) {
        request->command = Command::Clean;
        if (words.size() == 2 && IsColourName(words[1]))
            return true;
        *problem = "Clean takes one colour name, such as \"all\"";
        return false;
    }
    if (Same(word, CommandWord(Command::PrintSelfTestPage))) {
        request->command = Command::PrintSelfTestPage;
        if (words.size() == 1)
            return true;
        *problem = "PrintSelfTestPage takes no parameters";
        return false;
    }
    if (Same(word, CommandWord(Command::PrintAlignmentPage))) {
        request->command = Command::PrintAlignmentPage;
        if (words.size() == 1 || (words.size() == 2 && words[1] == kAlignmentPass))
            return true;
        *problem = "this printer has one alignment pass: PrintAlignmentPage 1";
        return false;
    }
    if (Same(word, CommandWord(Command::SetAlignment))) {
        request->command = Command::SetAlignment;
        return ParseAlignment(words, request, problem);
    }
    *problem = "unknown command " + Printable(word);
    return false;
}

bool ParseCleaningLevel(const char* text, int* level)
{
    if (!text || text[0] < '1' || text[0] > '0' + kCleaningLevels || text[1] != '\0')
        return false;
    *level = text[0] - '0';
    return true;
}
