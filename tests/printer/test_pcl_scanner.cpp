// The scanner's tokens: commands described parameter by parameter with their data skipped by
// length, and every way an escape sequence can be broken, with where it is.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "printer/pcl_scanner.h"

namespace {

const std::uint8_t* Bytes(const std::string& text)
{
    return reinterpret_cast<const std::uint8_t*>(text.data());
}

TEST(PclScanner, DescribesCommandsAndSkipsDataByLength)
{
    const std::string stream = "\x1B" "E\x1B%-12345X@PJL\n\x1B&l-2H\x1B*rC\x1B*b3v\x1B\x1B\x1B" "2W\x1BZ\f";
    PclScanner scanner(Bytes(stream), stream.size());
    std::vector<std::string> described;
    std::string lastData;
    for (PclScanner::Token token; (token = scanner.Next()) != PclScanner::Token::End;) {
        ASSERT_NE(token, PclScanner::Token::Fault) << scanner.Problem();
        if (token == PclScanner::Token::Text)
            described.push_back("text(" + std::to_string(scanner.TextLength()) + ")@" + std::to_string(scanner.Offset()));
        if (token == PclScanner::Token::Escape)
            described.push_back(std::string(1, scanner.EscapeCharacter()));
        if (token == PclScanner::Token::Parameter) {
            const PclParameter& p = scanner.Parameter();
            described.push_back(std::string(scanner.Group()) + (p.hasValue ? std::to_string(p.value) : "") + p.letter +
                                "@" + std::to_string(scanner.CommandOffset()));
            lastData.assign(reinterpret_cast<const char*>(p.data), p.dataLength);
        }
    }
    const std::vector<std::string> expected = {"E", "%-12345X@2", "text(5)@11", "&l-2H@16", "*rC@22", "*b3v@26",
                                               "*b2W@26", "text(1)@38"};
    EXPECT_EQ(expected, described);
    EXPECT_EQ(lastData, "\x1BZ");
}

TEST(PclScanner, RejectsMalformedSequencesWhereTheyLie)
{
    const struct {
        std::string text;
        std::size_t offset;
    } cases[] = {
        {"\x1B", 0},                 // nothing after ESC
        {"ab\x1B\x01", 2},           // no command starts with a control byte
        {"\x1B&l2", 3},              // parameter without its letter
        {"\x1B&l2#", 4},             // parameter ended by a non-letter
        {"\x1B*o5W\x01\x02", 3},     // data cut short
        {"\x1B*b1v", 3},             // combined run cut short
        {"\x1B&l123456789A", 3},     // value past eight digits
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.text));
        PclScanner scanner(Bytes(c.text), c.text.size());
        PclScanner::Token token;
        while ((token = scanner.Next()) != PclScanner::Token::End && token != PclScanner::Token::Fault) {
        }
        ASSERT_EQ(token, PclScanner::Token::Fault);
        EXPECT_EQ(scanner.Offset(), c.offset) << scanner.Problem();
        EXPECT_EQ(scanner.Next(), PclScanner::Token::Fault) << "nothing is read after a fault";
    }
}

} // namespace
