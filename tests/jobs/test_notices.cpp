// The stored notices as committed: size, paragraphs, CR LF line ends, code page 1252 bytes with the
// Norwegian letters, the maker's name, and addresses only at example.com; and the builder's checks.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>
#include "cp1252.h"
#include "file_bytes.h"
#include "notice_text.h"

namespace {

using qz_jobs::Bytes;

struct NoticeCase {
    const char* fileName;
    std::size_t size;
    std::size_t paragraphs;
    const char* ending;
};

const std::vector<NoticeCase> kNotices = {
    {"notice142.txt", 1043, 3, "\r\n\r\n\r\n"},
    {"notice143.txt", 6361, 15, ".\r\n"},
};

std::string ReadNotice(const NoticeCase& notice)
{
    const Bytes bytes = qz_tools::ReadFileBytes(std::filesystem::path(QZ_STORED_JOBS_DIR) / notice.fileName);
    return std::string(bytes.begin(), bytes.end());
}

std::vector<std::string> Lines(const std::string& text)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2)
        lines.push_back(text.substr(start, end - start));
    return lines;
}

// Words holding '@' (e-mail) or starting with a web scheme or "www." (web addresses).
std::vector<std::string> Addresses(const std::string& text, bool mail)
{
    std::vector<std::string> found;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find_first_of(" \r\n", start);
        if (end == std::string::npos)
            end = text.size();
        std::string word = text.substr(start, end - start);
        while (!word.empty() && std::string(".,;:)»").find(word.back()) != std::string::npos)
            word.pop_back();
        const bool isMail = word.find('@') != std::string::npos;
        const bool isWeb = word.rfind("http", 0) == 0 || word.rfind("www.", 0) == 0;
        if (mail ? isMail : isWeb)
            found.push_back(word);
        start = end + 1;
    }
    return found;
}

std::string Host(const std::string& address)
{
    const std::size_t at = address.find('@');
    if (at != std::string::npos)
        return address.substr(at + 1);
    std::string host = address.substr(address.find("//") == std::string::npos ? 0 : address.find("//") + 2);
    return host.substr(0, host.find('/'));
}

bool IsExampleHost(const std::string& host)
{
    const std::string domain = "example.com";
    const std::string subdomainEnd = "." + domain;
    return host == domain || (host.size() > subdomainEnd.size() &&
                              host.compare(host.size() - subdomainEnd.size(), std::string::npos, subdomainEnd) == 0);
}

TEST(Notices, SizeParagraphsAndEnding)
{
    for (const NoticeCase& notice : kNotices) {
        SCOPED_TRACE(notice.fileName);
        const std::string text = ReadNotice(notice);
        EXPECT_EQ(notice.size, text.size());
        const std::vector<std::string> lines = Lines(text);
        const auto paragraphs =
            std::count_if(lines.begin(), lines.end(), [](const std::string& line) { return !line.empty(); });
        EXPECT_EQ(notice.paragraphs, static_cast<std::size_t>(paragraphs));
        const std::string ending = notice.ending;
        ASSERT_GT(text.size(), ending.size());
        EXPECT_EQ(ending, text.substr(text.size() - ending.size()));
        EXPECT_NE('\n', text[text.size() - ending.size() - 1]) << "no more line ends than that";
    }
}

TEST(Notices, CrLfLineEndsAndCodePage1252Bytes)
{
    for (const NoticeCase& notice : kNotices) {
        SCOPED_TRACE(notice.fileName);
        const std::string text = ReadNotice(notice);
        for (std::size_t index = 0; index < text.size(); ++index) {
            const auto byte = static_cast<std::uint8_t>(text[index]);
            if (byte == '\r')
                ASSERT_TRUE(index + 1 < text.size() && text[index + 1] == '\n') << "lone CR at " << index;
            else if (byte == '\n')
                ASSERT_TRUE(index > 0 && text[index - 1] == '\r') << "lone LF at " << index;
            else
                ASSERT_TRUE(byte >= 0x20 && byte != 0x7F && !qz_jobs::IsUndefinedInCp1252(byte))
                    << "byte " << unsigned(byte) << " at " << index;
        }
        for (char letter : {'\xE5', '\xE6', '\xF8'})
            EXPECT_NE(std::string::npos, text.find(letter)) << "letter " << unsigned(std::uint8_t(letter));
    }
}

TEST(Notices, NameTheMakerAndUseOnlyExampleAddresses)
{
    for (const NoticeCase& notice : kNotices) {
        SCOPED_TRACE(notice.fileName);
        const std::string text = ReadNotice(notice);
        EXPECT_NE(std::string::npos, text.find("QZ"));
        for (bool mail : {true, false})
            for (const std::string& address : Addresses(text, mail))
                EXPECT_TRUE(IsExampleHost(Host(address))) << address;
    }
    const std::string disclaimer = ReadNotice(kNotices[1]);
    EXPECT_EQ(1u, Addresses(disclaimer, true).size()) << "one contact e-mail address";
    EXPECT_EQ(1u, Addresses(disclaimer, false).size()) << "one web address";
}

TEST(NoticeBuilder, JoinsWrappedLinesIntoOneLinePerParagraph)
{
    const qz_jobs::NoticeLayout layout = {"test", 17, 2, 1};
    const std::string expected = "Bl\xE5 b\xE6r\r\n\r\ns\xF8t.\r\n";
    EXPECT_EQ(Bytes(expected.begin(), expected.end()), qz_jobs::BuildNotice(layout, "Blå\nbær  \n\n\nsøt.\n"));
}

TEST(NoticeBuilder, RefusesWrongSizeParagraphCountOrNul)
{
    EXPECT_THROW(qz_jobs::BuildNotice({"test", 16, 2, 1}, "Blå\nbær\n\nsøt.\n"), qz_jobs::JobFormatError);
    EXPECT_THROW(qz_jobs::BuildNotice({"test", 17, 3, 1}, "Blå\nbær\n\nsøt.\n"), qz_jobs::JobFormatError);
    using namespace std::string_literals;
    EXPECT_THROW(qz_jobs::BuildNotice({"test", 17, 2, 1}, "Blå\nb\0r\n\nsøt.\n"s), qz_jobs::JobFormatError);
}

TEST(Cp1252, MapsLatinAndTypographicCharacters)
{
    const std::string expected = "\xE5\xE6\xF8\xC5\xC6\xD8\xAB\xBB\x80\x96\x93\x94";
    EXPECT_EQ(Bytes(expected.begin(), expected.end()), qz_jobs::Utf8ToCp1252("åæøÅÆØ«»€–“”"));
}

TEST(Cp1252, RefusesWhatTheCodePageLacksAndBrokenUtf8)
{
    // U+0100, a C1 control, a cut-short sequence, a byte UTF-8 never uses, overlong forms of '/',
    // NUL and 'a-ring' in two, three and four bytes.
    for (const char* text : {"\xC4\x80", "\xC2\x81", "\xE2\x82", "\xFF", "\xC0\xAF", "\xE0\x80\x80",
                             "\xE0\x83\xA5", "\xF0\x80\x83\xA5"}) {
        SCOPED_TRACE(testing::PrintToString(std::string(text)));
        EXPECT_THROW(qz_jobs::Utf8ToCp1252(text), qz_jobs::JobFormatError);
    }
}

} // namespace
