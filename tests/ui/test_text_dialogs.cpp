// The dialogs whose texts are not in their templates: the self-test page with the sibling
// module's strings (and without the module), and the information page with the caller's texts.
#include <gtest/gtest.h>

#include "platform/module_instance.h"
#include "resources/dialog_ids.h"
#include "ui/dialog_object_table.h"
#include "ui/dialog_runner.h"
#include "ui/dialogs/self_test.h"
#include "ui/dialogs/text_page.h"
#include "ui/sibling_strings.h"
#include "ui_test_support.h"

namespace {

const char kTemplateTitle[] = "Testside for QZ 7700C";
const char kTemplateTextStart[] = "Skriveren skriver ut testsiden for QZ 7700C.";
const char kTemplateButton[] = "&Skriv ut";

struct SelfTestTexts {
    std::string title;
    std::string text;
    std::string button;
};

std::string SiblingString(UINT id)
{
    HMODULE sibling = ::LoadLibraryA(kSiblingModuleName);
    char text[256] = {};
    if (sibling) {
        ::LoadStringA(sibling, id, text, sizeof(text));
        ::FreeLibrary(sibling);
    }
    return text;
}

} // namespace

class SelfTestDialog : public DialogTest {
protected:
    void TearDown() override
    {
        MakeSiblingModuleFindable(false);
        DialogTest::TearDown();
    }

    SelfTestTexts Show(USHORT templateId)
    {
        SelfTestTexts seen;
        DialogInitRecord record = {};
        DialogScript script(FailTest());
        script.Expect("", {[&](DialogDriver& dialog) {
                               seen = {dialog.Caption(), dialog.Text(IDC_SELF_TEST_TEXT), dialog.Text(IDOK)};
                           },
                           Click(IDCANCEL)});
        EXPECT_EQ(RunDialog(ModuleInstance, nullptr, templateId, SelfTestProc, &record), IDCANCEL);
        return seen;
    }
};

TEST_F(SelfTestDialog, TextsComeFromTheSiblingModule)
{
    MakeSiblingModuleFindable(true);
    const SelfTestTexts expected = {SiblingString(IDS_SELF_TEST_TITLE), SiblingString(IDS_SELF_TEST_TEXT),
                                    SiblingString(IDS_SELF_TEST_PRINT_BUTTON)};
    ASSERT_FALSE(expected.title.empty()) << "the sibling module is not loadable";
    ASSERT_NE(expected.title, kTemplateTitle);
    ASSERT_NE(expected.text.rfind(kTemplateTextStart, 0), 0u);
    for (USHORT templateId : {USHORT{IDD_SELF_TEST}, USHORT{IDD_SELF_TEST_CARTRIDGE}}) {
        SCOPED_TRACE(::testing::Message() << "template " << templateId);
        const SelfTestTexts seen = Show(templateId);
        EXPECT_EQ(seen.title, expected.title);
        EXPECT_EQ(seen.text, expected.text);
        EXPECT_EQ(seen.button, expected.button);
    }
}

TEST_F(SelfTestDialog, TemplateTextsStayWithoutTheSiblingModule)
{
    MakeSiblingModuleFindable(false);
    HMODULE sibling = ::LoadLibraryA(kSiblingModuleName);
    if (sibling)
        ::FreeLibrary(sibling);
    ASSERT_EQ(sibling, nullptr) << "the sibling module is still found: this test would prove nothing";
    const SelfTestTexts seen = Show(IDD_SELF_TEST);
    EXPECT_EQ(seen.title, kTemplateTitle);
    EXPECT_EQ(seen.text.rfind(kTemplateTextStart, 0), 0u) << seen.text;
    EXPECT_NE(seen.text.find("\n\nP"), std::string::npos) << seen.text;
    EXPECT_EQ(seen.button, kTemplateButton);
}

TEST_F(SelfTestDialog, EachRunShowsItsInstalledObjectsTexts)
{
    MakeSiblingModuleFindable(true);
    struct RunCase {
        const char* label;
        USHORT titleId, textId, buttonId;
        std::string title, text;
    };
    const RunCase runs[] = {
        {"plain page", IDS_SELF_TEST_TITLE, IDS_SELF_TEST_TEXT, IDS_SELF_TEST_PRINT_BUTTON,
         SiblingString(IDS_SELF_TEST_TITLE), SiblingString(IDS_SELF_TEST_TEXT)},
        {"ink page", IDS_SELF_TEST_INK_TITLE, IDS_SELF_TEST_INK_TEXT, IDS_SELF_TEST_PRINT_BUTTON,
         SiblingString(IDS_SELF_TEST_INK_TITLE), SiblingString(IDS_SELF_TEST_INK_TEXT)},
        {"text id 0 keeps the body", IDS_SELF_TEST_INK_TITLE, 0, IDS_SELF_TEST_PRINT_BUTTON,
         SiblingString(IDS_SELF_TEST_INK_TITLE), ""},
    };
    for (const RunCase& run : runs) {
        SCOPED_TRACE(run.label);
        DialogObjects.Install(SlotSelfTest, new CSelfTestDialog(run.titleId, run.textId, run.buttonId));
        const SelfTestTexts seen = Show(IDD_SELF_TEST);
        EXPECT_EQ(seen.title, run.title);
        if (run.textId)
            EXPECT_EQ(seen.text, run.text);
        else
            EXPECT_EQ(seen.text.rfind(kTemplateTextStart, 0), 0u) << seen.text;
        EXPECT_EQ(seen.button, SiblingString(IDS_SELF_TEST_PRINT_BUTTON));
    }
}

class TextPageDialog : public DialogTest {
protected:
    struct Seen {
        std::string caption;
        std::string text;
        LONG window = 0;
        LONG windowRecordSlot = 0;
    };

    Seen Show(DLGPROC procedure, TextPageInitRecord& page, DialogStep end, USHORT expectedResult)
    {
        Seen seen;
        DialogScript script(FailTest());
        script.Expect("", {[&](DialogDriver& dialog) {
                               seen.caption = dialog.Caption();
                               seen.text = dialog.Text(IDC_TEXT_PAGE_TEXT);
                               seen.window = HandleToLong(dialog.Window());
                               seen.windowRecordSlot = page.windowRecord ? page.windowRecord->windowSlot : 0;
                           },
                           end});
        EXPECT_EQ(RunDialog(ModuleInstance, nullptr, IDD_TEXT_PAGE, procedure, &page), expectedResult);
        return seen;
    }
};

TEST_F(TextPageDialog, ShowsTheCallersTextsAndUsesTheServicesWindowRecord)
{
    struct PageCase {
        const char* label;
        DLGPROC procedure;
        DialogSlot slot;
        DialogStep end;
        USHORT result;
    };
    const PageCase cases[] = {
        {"text page, OK", TextPageProc, SlotTextPage, Click(IDOK), IDOK},
        {"titled text page, OK", TitledTextPageProc, SlotTitledTextPage, Click(IDOK), IDOK},
        {"text page, close box", TextPageProc, SlotTextPage, CloseBox(), IDCANCEL},
    };
    for (const PageCase& c : cases) {
        SCOPED_TRACE(c.label);
        DialogObjects.Install(c.slot, new CTextPageDialog(IDB_HARDWARE_DEFAULT));
        DialogInitRecord service = {};
        TextPageInitRecord page = {"Skriveren svarer.", "Maskinvareinformasjon", &service};
        const Seen seen = Show(c.procedure, page, c.end, c.result);
        EXPECT_EQ(seen.caption, "Maskinvareinformasjon");
        EXPECT_EQ(seen.text, "Skriveren svarer.");
        EXPECT_NE(seen.window, 0);
        EXPECT_EQ(seen.windowRecordSlot, seen.window);
        EXPECT_EQ(service.windowSlot, 0);
        // The page's own record is left as the service filled it.
        EXPECT_STREQ(page.text, "Skriveren svarer.");
        EXPECT_EQ(page.windowRecord, &service);
    }
}

TEST_F(TextPageDialog, NullTextsLeaveTextAndTitleEmpty)
{
    DialogObjects.Install(SlotTextPage, new CTextPageDialog(0));
    TextPageInitRecord page = {nullptr, nullptr, nullptr};
    const Seen seen = Show(TextPageProc, page, Click(IDOK), IDOK);
    EXPECT_EQ(seen.caption, "");
    EXPECT_EQ(seen.text, "");
}
