// PrintSelfTest end to end: each self-test type's page and job, and the busy flag while its
// dialog is up.
#include "service_test.h"

namespace {

const char kInkTestTitle[] = "Selvtest for QZ Kestrel 410"; // sibling string 1576
const char kPlainTestTitle[] = "Testside for QZ Kestrel 410"; // sibling string 1542

} // namespace

using SelfTestService = ServiceTest;

TEST_F(SelfTestService, TypeTenSendsTheTestBufferAfterPrint)
{
    DocumentQueue queue("QZ E2E Self Test", kShippedModel);
    QZ_SKIP_WITHOUT_QUEUE(queue);
    {
        DialogScript script(FailTest());
        script.Expect(kInkTestTitle, {HasItem(IDC_SELF_TEST_PAGE), TextIs(IDOK, "&Skriv ut"), Click(IDOK)});
        EXPECT_NE(PrintSelfTest(queue.Name(), nullptr, 0, nullptr), 0);
    }
    std::vector<Document> documents = queue.Documents();
    ASSERT_EQ(documents.size(), 1u);
    Document expected(612, 0);
    const unsigned char command[] = {0x1B, 0x26, 0x69, 0x35, 0x57, 0x04, 0x9C, 0x00, 0x00, 0x00};
    std::copy(std::begin(command), std::end(command), expected.begin() + 600);
    EXPECT_EQ(documents[0], expected);
}

TEST_F(SelfTestService, CancelSendsNothing)
{
    DocumentQueue queue("QZ E2E Self Test Cancel", kShippedModel);
    QZ_SKIP_WITHOUT_QUEUE(queue);
    DialogScript script(FailTest());
    script.Expect(kInkTestTitle, {Click(IDCANCEL)});
    EXPECT_EQ(PrintSelfTest(queue.Name(), nullptr, 0, nullptr), 0);
    EXPECT_TRUE(queue.Documents().empty());
}

TEST_F(SelfTestService, TypeNineSendsItsStoredJobAndTypeEightNothing)
{
    DocumentQueue nine("QZ E2E Self Test Nine", kModelAlign2);
    DocumentQueue eight("QZ E2E Self Test Eight", kModelAlign1);
    QZ_SKIP_WITHOUT_QUEUE(nine);
    QZ_SKIP_WITHOUT_QUEUE(eight);
    {
        DialogScript script(FailTest());
        script.Expect(kInkTestTitle, {Click(IDOK)}).Expect(kPlainTestTitle, {HasItem(IDC_PICTURE), Click(IDOK)});
        EXPECT_NE(PrintSelfTest(nine.Name(), nullptr, 0, nullptr), 0);
        EXPECT_EQ(PrintSelfTest(eight.Name(), nullptr, 0, nullptr), 0);
    }
    std::vector<Document> documents = nine.Documents();
    ASSERT_EQ(documents.size(), 1u);
    EXPECT_EQ(documents[0], CarriedJob(JOB_SELF_TEST));
    EXPECT_TRUE(eight.Documents().empty());
}

TEST_F(SelfTestService, OtherTypesShowNothing)
{
    DocumentQueue queue("QZ E2E Self Test None", kModelAlign4);
    QZ_SKIP_WITHOUT_QUEUE(queue);
    DialogScript script(FailTest());
    EXPECT_EQ(PrintSelfTest(queue.Name(), nullptr, 0, nullptr), 0);
    EXPECT_EQ(script.DialogsSeen(), 0u);
}

TEST_F(SelfTestService, OtherServicesAreRefusedWhileItsDialogIsUp)
{
    DocumentQueue queue("QZ E2E Busy", kShippedModel);
    QZ_SKIP_WITHOUT_QUEUE(queue);
    int cleaning = -1, inkGauge = -1, cable = -1;
    {
        DialogScript script(FailTest());
        script.Expect(kInkTestTitle, {[&](DialogDriver&) {
                                          cleaning = CleanPenService(queue.Name(), nullptr, 0, nullptr);
                                          inkGauge = PrintInkGauge(queue.Name(), nullptr, 0, nullptr);
                                          cable = DoCableTest(nullptr, nullptr, nullptr, nullptr, nullptr);
                                      },
                                      Click(IDCANCEL)});
        EXPECT_EQ(PrintSelfTest(queue.Name(), nullptr, 0, nullptr), 0);
        EXPECT_EQ(script.DialogsSeen(), 1u); // the refused cleaning showed nothing
    }
    EXPECT_EQ(cleaning, 0);
    EXPECT_EQ(inkGauge, 0);
    EXPECT_EQ(cable, 1); // not a busy-flag service
    EXPECT_TRUE(queue.Documents().empty());
    EXPECT_EQ(PrintInkGauge(queue.Name(), nullptr, 0, nullptr), 1); // free again afterwards
}
