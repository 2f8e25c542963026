// DisplayHardwareInfo and DisplayCommTestResult end to end: the page's texts and titles from the
// caller and from the sibling string module.
#include "service_test.h"

namespace {

const char kHardwareTitle[] = "Maskinvareinformasjon";              // sibling string 804
const char kCommTestTitle[] = "Resultat av kommunikasjonstesten";   // sibling string 1698

} // namespace

using InformationServices = ServiceTest;

TEST_F(InformationServices, HardwarePageShowsTheCallersText)
{
    char text[] = "Fastvare 1.2, 2 patroner";
    DialogScript script(FailTest());
    script.Expect(kHardwareTitle, {TextIs(IDC_TEXT_PAGE_TEXT, text), Click(IDOK)});
    EXPECT_EQ(DisplayHardwareInfo(kMissingQueue, text, 1, nullptr), 1);
    EXPECT_EQ(script.DialogsSeen(), 1u);
}

TEST_F(InformationServices, HardwarePageVariantZeroTakesItsTextFromTheSiblingModule)
{
    char ignored[] = "not shown";
    DialogScript script(FailTest());
    script.Expect(kHardwareTitle, {[](DialogDriver& page) {
                                       EXPECT_EQ(page.Text(IDC_TEXT_PAGE_TEXT).rfind("Skriveren svarer", 0), 0u)
                                           << page.Text(IDC_TEXT_PAGE_TEXT);
                                   },
                                   CloseBox()});
    EXPECT_EQ(DisplayHardwareInfo(kMissingQueue, ignored, 0, nullptr), 1);
}

TEST_F(InformationServices, CommunicationTestResultIsNotHeldByTheBusyFlag)
{
    DocumentQueue queue("QZ E2E Comm Test", kModelAlign1);
    QZ_SKIP_WITHOUT_QUEUE(queue);
    char result[] = "Kommunikasjonen virker.";
    int nested = -1;
    DialogScript script(FailTest());
    script.Expect("Kalibrer fargene", {[&](DialogDriver&) {
                                           nested = DisplayCommTestResult(queue.Name(), result, 1, nullptr);
                                       },
                                       Click(IDCANCEL)})
        .Expect(kCommTestTitle, {TextIs(IDC_TEXT_PAGE_TEXT, result), Click(IDOK)});
    EXPECT_EQ(CalibrateColor(queue.Name(), nullptr, 0, nullptr), 1);
    EXPECT_EQ(nested, 1);
}
