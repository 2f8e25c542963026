// Builds the stored notices from their UTF-8 sources.
#include "notice_text.h"

#include <algorithm>
#include <string>
#include <vector>
#include "cp1252.h"

namespace qz_jobs {

namespace {

constexpr std::string_view kLineEnd = "\r\n";

std::string_view TrimRight(std::string_view line)
{
    while (!line.empty() && (line.back() == ' ' || line.back() == '\t' || line.back() == '\r'))
        line.remove_suffix(1);
    return line;
}

std::vector<std::string> SplitParagraphs(std::string_view source)
{
    std::vector<std::string> paragraphs;
    std::string current;
    while (!source.empty()) {
        const std::size_t end = std::min(source.find('\n'), source.size());
        const std::string_view line = TrimRight(source.substr(0, end));
        source.remove_prefix(std::min(end + 1, source.size()));
        if (line.empty()) {
            if (!current.empty())
                paragraphs.push_back(std::move(current));
            current.clear();
            continue;
        }
        if (!current.empty())
            current.push_back(' ');
        current.append(line);
    }
    if (!current.empty())
        paragraphs.push_back(std::move(current));
    return paragraphs;
}

} // namespace

Bytes BuildNotice(const NoticeLayout& layout, std::string_view utf8Source)
{
    const std::vector<std::string> paragraphs = SplitParagraphs(utf8Source);
    if (paragraphs.size() != layout.paragraphs)
        throw JobFormatError(std::string(layout.sourceName) + " has " + std::to_string(paragraphs.size()) +
                             " paragraphs instead of " + std::to_string(layout.paragraphs));
    std::string text;
    for (std::size_t index = 0; index < paragraphs.size(); ++index) {
        if (index > 0)
            text.append(kLineEnd).append(kLineEnd);
        text.append(paragraphs[index]);
    }
    for (std::size_t count = 0; count < layout.closingLineEnds; ++count)
        text.append(kLineEnd);
    Bytes notice = Utf8ToCp1252(text);
    // Hosts read the notices as zero-terminated text: a NUL would end them early.
    const auto nul = std::find(notice.begin(), notice.end(), 0);
    if (nul != notice.end())
        throw JobFormatError(std::string(layout.sourceName) + " holds a NUL at byte " +
                             std::to_string(nul - notice.begin()));
    if (notice.size() != layout.size)
        throw JobFormatError(std::string(layout.sourceName) + " is " + std::to_string(notice.size()) +
                             " bytes instead of " + std::to_string(layout.size));
    return notice;
}

} // namespace qz_jobs
