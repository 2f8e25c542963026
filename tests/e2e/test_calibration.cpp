// CalibrateColor end to end: the start page's three ways out.
#include "service_test.h"

namespace {

const char kCalibrateCaption[] = "Kalibrer fargene";

} // namespace

using CalibrationService = ServiceTest;

TEST_F(CalibrationService, CalibratePrintsThePageThenOffersTheChoice)
{
    DocumentQueue queue("QZ E2E Calibrate", kModelAlign1);
    QZ_SKIP_WITHOUT_QUEUE(queue);
    {
        DialogScript script(FailTest());
        script.Expect(kCalibrateCaption, {HasItem(IDC_USE_DEFAULTS), Click(IDC_CALIBRATE)})
            .Expect(kCalibrateCaption, {HasItem(IDC_PAIR_I), Click(IDC_PAIR_C), Click(IDC_CALIBRATE_DONE)});
        EXPECT_EQ(CalibrateColor(queue.Name(), nullptr, 0, nullptr), 1);
    }
    std::vector<Document> documents = queue.Documents();
    ASSERT_EQ(documents.size(), 1u);
    EXPECT_EQ(documents[0], CarriedJob(JOB_COLOR_CALIBRATION));
}

TEST_F(CalibrationService, ChoiceFollowsEvenWhenThePageCannotBePrinted)
{
    DialogScript script(FailTest());
    script.Expect(kCalibrateCaption, {Click(IDC_CALIBRATE)})
        .Expect(kCalibrateCaption, {HasItem(IDC_PAIR_A), Click(IDCANCEL)});
    EXPECT_EQ(CalibrateColor(kMissingQueue, nullptr, 0, nullptr), 1);
}

TEST_F(CalibrationService, DefaultsAndCancelSendNothing)
{
    DocumentQueue queue("QZ E2E Calibrate Other", kModelAlign1);
    QZ_SKIP_WITHOUT_QUEUE(queue);
    {
        DialogScript script(FailTest());
        script.Expect(kCalibrateCaption, {Click(IDC_USE_DEFAULTS)}).Expect(kCalibrateCaption, {Click(IDCANCEL)});
        EXPECT_EQ(CalibrateColor(queue.Name(), nullptr, 0, nullptr), 1);
        EXPECT_EQ(CalibrateColor(queue.Name(), nullptr, 0, nullptr), 1);
        EXPECT_EQ(script.DialogsSeen(), 2u);
    }
    EXPECT_TRUE(queue.Documents().empty());
}
