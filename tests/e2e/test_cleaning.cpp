// CleanPenService end to end: the standard escalation, the cartridge cleaning with its test
// pages, and the cleaning sent behind a lead-in.
#include "service_test.h"

namespace {

const char kCleanCaption[] = "Rens skrivehodene";
const char kCleanCartridgeCaption[] = "Rens blekkpatroner";

} // namespace

using CleaningService = ServiceTest;

TEST_F(CleaningService, StandardCleaningStopsWhereTheUserStops)
{
    DocumentQueue queue("QZ E2E Clean Standard", kModelAlign1);
    QZ_SKIP_WITHOUT_QUEUE(queue);
    {
        DialogScript script(FailTest());
        script.Expect(kCleanCaption, {HasItem(IDC_CLEAN_START_TEXT1), Click(IDC_CLEAN)})
            .Expect(kCleanCaption, {HasItem(IDC_CLEAN_LEVEL2), Click(IDCANCEL)});
        EXPECT_EQ(CleanPenService(queue.Name(), nullptr, 0, nullptr), 1);
        EXPECT_EQ(script.DialogsSeen(), 2u);
    }
    std::vector<Document> documents = queue.Documents();
    ASSERT_EQ(documents.size(), 1u);
    EXPECT_EQ(documents[0], CarriedJob(JOB_CLEAN_LEVEL1));
}

TEST_F(CleaningService, CartridgeCleaningSendsATestPageAfterEveryLevel)
{
    DocumentQueue queue("QZ E2E Clean Cartridge", kModelAlign2);
    QZ_SKIP_WITHOUT_QUEUE(queue);
    {
        DialogScript script(FailTest());
        script.Expect(kCleanCartridgeCaption, {HasItem(IDC_CLEAN_START_CARTRIDGE), Click(IDC_CLEAN)})
            .Expect(kCleanCartridgeCaption, {HasItem(IDC_CLEAN_LEVELS_CARTRIDGE), Click(IDC_CLEAN_LEVEL2)})
            .Expect(kCleanCartridgeCaption, {HasItem(IDC_CLEAN_LEVEL3), Click(IDC_CLEAN_LEVEL3)})
            .Expect(kCleanCartridgeCaption, {HasItem(IDC_CLEAN_LEVELS_CARTRIDGE), Click(IDCANCEL)});
        EXPECT_EQ(CleanPenService(queue.Name(), nullptr, 0, nullptr), 1);
    }
    const unsigned expected[] = {JOB_CLEAN_LEVEL1, JOB_TEST_PAGE, JOB_CLEAN_LEVEL2,
                                 JOB_TEST_PAGE, JOB_CLEAN_LEVEL3, JOB_TEST_PAGE};
    std::vector<Document> documents = queue.Documents();
    ASSERT_EQ(documents.size(), 6u);
    for (size_t i = 0; i < 6; ++i)
        EXPECT_EQ(documents[i], CarriedJob(expected[i])) << "document " << i;
}

TEST_F(CleaningService, LeadInCleaningIsOneDocumentAndAnswersZero)
{
    DocumentQueue queue("QZ E2E Clean Lead In", kShippedModel);
    QZ_SKIP_WITHOUT_QUEUE(queue);
    {
        DialogScript script(FailTest());
        script.Expect(kCleanCaption, {HasItem(IDC_CLEAN_START_TEXT1), Click(IDC_CLEAN)})
            .Expect(kCleanCaption, {HasItem(IDC_CLEAN_END_TEXT1), Click(IDCANCEL)});
        EXPECT_EQ(CleanPenService(queue.Name(), nullptr, 0, nullptr), 0);
    }
    std::vector<Document> documents = queue.Documents();
    ASSERT_EQ(documents.size(), 1u);
    Document level2 = CarriedJob(JOB_CLEAN_LEVEL2);
    ASSERT_EQ(documents[0].size(), 600 + level2.size());
    EXPECT_TRUE(std::all_of(documents[0].begin(), documents[0].begin() + 600, [](unsigned char b) { return b == 0; }));
    EXPECT_TRUE(std::equal(level2.begin(), level2.end(), documents[0].begin() + 600));
}

TEST_F(CleaningService, CancelledStartSendsNothing)
{
    DocumentQueue queue("QZ E2E Clean Cancel", kShippedModel);
    QZ_SKIP_WITHOUT_QUEUE(queue);
    DialogScript script(FailTest());
    script.Expect(kCleanCaption, {CloseBox()});
    EXPECT_EQ(CleanPenService(queue.Name(), nullptr, 0, nullptr), 0);
    EXPECT_TRUE(queue.Documents().empty());
}
