// Every dialog template in the built library, read byte by byte, against its expected layout;
// then each template made into a real dialog to see the platform accepts it.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <set>
#include <string>
#include "dialog_template_parser.h"
#include "expected_dialogs.h"
#include "harness/display_probe.h"
#include "library_resources.h"

namespace template_test {
namespace {

constexpr std::uint16_t kLineFeed = 0x0A;
constexpr std::uint16_t kCarriageReturn = 0x0D;

class DialogTemplates : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_NE(nullptr, Library()) << "LoadLibrary failed, error " << GetLastError();
    }

    static ParsedTemplate Parse(std::uint16_t id)
    {
        const auto [data, size] = ResourceBytes(id, RT_DIALOG);
        if (data == nullptr)
            throw TemplateFormatError("no template " + std::to_string(id));
        ParsedTemplate parsed = ParseDialogTemplate(data, size);
        // Nothing but item padding may follow the last item.
        EXPECT_LT(size - parsed.bytesUsed, 4u) << "stray bytes after the last item";
        return parsed;
    }
};

// Styles compare as hex text, so a failure shows which bits differ.
std::string Hex(std::uint32_t value)
{
    char text[16];
    std::snprintf(text, sizeof text, "0x%08X", static_cast<unsigned>(value));
    return text;
}

std::string Describe(const ExpectedItem& item, std::size_t index)
{
    return "item " + std::to_string(index) + " (id " + std::to_string(item.id) + ")";
}

TEST_F(DialogTemplates, LibraryHoldsExactlyTheNineteenTemplates)
{
    std::set<std::uint16_t> expected;
    for (const ExpectedDialog& dialog : ExpectedDialogs())
        expected.insert(dialog.id);
    EXPECT_EQ(19u, expected.size());
    EXPECT_EQ(expected, ResourceIds(RT_DIALOG));
}

TEST_F(DialogTemplates, HeaderGivesStyleSizeTitleAndFont)
{
    for (const ExpectedDialog& dialog : ExpectedDialogs()) {
        SCOPED_TRACE("dialog " + std::to_string(dialog.id));
        const ParsedTemplate parsed = Parse(dialog.id);
        EXPECT_EQ(Hex(dialog.style), Hex(parsed.style));
        EXPECT_EQ(0u, parsed.exStyle);
        EXPECT_EQ(0, parsed.x);
        EXPECT_EQ(0, parsed.y);
        EXPECT_EQ(dialog.cx, parsed.cx);
        EXPECT_EQ(dialog.cy, parsed.cy);
        EXPECT_TRUE(!parsed.menu.isOrdinal && parsed.menu.text.empty()) << "has a menu";
        EXPECT_TRUE(!parsed.windowClass.isOrdinal && parsed.windowClass.text.empty()) << "own class";
        EXPECT_EQ(dialog.title, parsed.title);
        EXPECT_TRUE(parsed.hasFont);
        EXPECT_EQ(8, parsed.fontSize);
        EXPECT_EQ("MS Sans Serif", parsed.fontFace);
    }
}

TEST_F(DialogTemplates, ItemsGiveClassStyleRectangleIdAndText)
{
    for (const ExpectedDialog& dialog : ExpectedDialogs()) {
        SCOPED_TRACE("dialog " + std::to_string(dialog.id));
        const ParsedTemplate parsed = Parse(dialog.id);
        ASSERT_EQ(dialog.items.size(), parsed.items.size());
        for (std::size_t i = 0; i < dialog.items.size(); ++i) {
            const ExpectedItem& expected = dialog.items[i];
            const ParsedItem& item = parsed.items[i];
            SCOPED_TRACE(Describe(expected, i));
            EXPECT_EQ(expected.id, item.id);
            EXPECT_TRUE(item.windowClass.isOrdinal) << "class " << item.windowClass.text;
            EXPECT_EQ(ClassAtomOf(expected.kind), item.windowClass.ordinal);
            EXPECT_EQ(Hex(StyleOf(expected.kind)), Hex(item.style));
            EXPECT_EQ(0u, item.exStyle);
            EXPECT_EQ(expected.x, item.x);
            EXPECT_EQ(expected.y, item.y);
            EXPECT_EQ(expected.cx, item.cx);
            EXPECT_EQ(expected.cy, item.cy);
            EXPECT_FALSE(item.title.isOrdinal);
            EXPECT_EQ(expected.text, item.title.text);
            EXPECT_TRUE(item.creationData.empty());
        }
    }
}

// The self-test text separates its reminder with two bare line feeds, as UTF-16 code units.
TEST_F(DialogTemplates, SelfTestTextBreaksWithBareLineFeeds)
{
    for (std::uint16_t dialog : {162, 1665}) {
        SCOPED_TRACE("dialog " + std::to_string(dialog));
        const auto [data, size] = ResourceBytes(dialog, RT_DIALOG);
        ASSERT_NE(nullptr, data);
        std::u16string units;
        for (std::size_t i = 0; i + 1 < size; i += 2)
            units.push_back(static_cast<char16_t>(data[i] | data[i + 1] << 8));
        const std::size_t start = units.find(u"Skriveren skriver ut testsiden");
        ASSERT_NE(std::u16string::npos, start);
        const std::u16string text = units.substr(start, units.find(u'\0', start) - start);
        EXPECT_NE(std::u16string::npos, text.find(u"m\u00E5te.\n\nP\u00E5se"));
        EXPECT_EQ(2, std::count(text.begin(), text.end(), kLineFeed));
        EXPECT_EQ(0, std::count(text.begin(), text.end(), kCarriageReturn));
    }
}

INT_PTR CALLBACK IgnoreMessages(HWND, UINT, WPARAM, LPARAM)
{
    return FALSE;
}

TEST_F(DialogTemplates, PlatformBuildsEveryTemplateWithItsControls)
{
    if (!DisplayAvailable())
        GTEST_SKIP() << kNoDisplay;
    for (const ExpectedDialog& dialog : ExpectedDialogs()) {
        SCOPED_TRACE("dialog " + std::to_string(dialog.id));
        const auto [data, size] = ResourceBytes(dialog.id, RT_DIALOG);
        ASSERT_NE(nullptr, data);
        HWND window = CreateDialogIndirectParamA(Library(), reinterpret_cast<LPCDLGTEMPLATEA>(data),
                                                 nullptr, IgnoreMessages, 0);
        ASSERT_NE(nullptr, window) << "CreateDialogIndirectParam failed, error " << GetLastError();
        int childCount = 0;
        for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
            ++childCount;
        EXPECT_EQ(static_cast<int>(dialog.items.size()), childCount);
        for (const ExpectedItem& item : dialog.items) {
            if (item.id == kNoId)
                continue;
            SCOPED_TRACE("id " + std::to_string(item.id));
            HWND control = GetDlgItem(window, item.id);
            ASSERT_NE(nullptr, control);
            char className[32] = {};
            GetClassNameA(control, className, sizeof className);
            EXPECT_STREQ(ClassAtomOf(item.kind) == kButtonAtom ? "Button" : "Static", className);
        }
        DestroyWindow(window);
    }
}

} // namespace
} // namespace template_test
