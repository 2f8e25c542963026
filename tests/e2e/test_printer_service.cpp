// PrinterService end to end: the menu starts the cleaning as its owner and stays open.
#include "service_test.h"

namespace {

const char kMenuCaption[] = "Skriverservice";

} // namespace

using PrinterServiceMenu = ServiceTest;

TEST_F(PrinterServiceMenu, CleaningStartsFromTheMenuWhichStaysOpen)
{
    DocumentQueue queue("QZ E2E Menu", kShippedModel);
    QZ_SKIP_WITHOUT_QUEUE(queue);
    HWND menu = nullptr;
    {
        DialogScript script(FailTest());
        script.Expect(kMenuCaption, {[&](DialogDriver& dialog) { menu = dialog.Window(); },
                                     HasItem(IDC_SERVICE_CLEAN), Click(IDC_SERVICE_CLEAN),
                                     [&](DialogDriver& dialog) { EXPECT_TRUE(dialog.IsOpen()); }, Click(IDOK)})
            .Expect("Rens skrivehodene", {[&](DialogDriver& dialog) {
                                              EXPECT_EQ(GetWindow(dialog.Window(), GW_OWNER), menu);
                                          },
                                          Click(IDC_CLEAN)})
            .Expect("Rens skrivehodene", {Click(IDCANCEL)});
        PrinterService(nullptr, nullptr, queue.Name(), 0);
        EXPECT_EQ(script.DialogsSeen(), 3u);
    }
    std::vector<Document> documents = queue.Documents();
    ASSERT_EQ(documents.size(), 1u); // the lead-in cleaning of the shipped model
    EXPECT_EQ(documents[0].size(), 600 + CarriedJob(JOB_CLEAN_LEVEL2).size());
}

TEST_F(PrinterServiceMenu, NoQueueNameShowsNothing)
{
    DialogScript script(FailTest());
    char empty[] = "";
    PrinterService(nullptr, nullptr, empty, 0);
    PrinterService(nullptr, nullptr, nullptr, 0);
    std::string tooLong(256, 'q');
    PrinterService(nullptr, nullptr, &tooLong[0], 0);
    EXPECT_EQ(script.DialogsSeen(), 0u);
}
