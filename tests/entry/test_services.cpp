// The services that need no dialog, through the DLL as a host links it, with real Wine queues.
#include <gtest/gtest.h>

#include <string>

#include "qzw9svb.h"
#include "common/environment.h"
#include "test_queue.h"

TEST(SimpleServices, InkGaugeAnswersOneAndSendsNothing)
{
    TestQueue queue("QZ Ink Gauge", "QZ Kestrel 410 Printer");
    QZ_SKIP_WITHOUT_QUEUE(queue);
    EXPECT_EQ(PrintInkGauge(queue.MutableName(), nullptr, 0, nullptr), 1);
    EXPECT_FALSE(queue.SpooledFileExists());
}

TEST(SimpleServices, NamesLongerThanTheirFieldsAreRefused)
{
    std::string longName(256, 'q');
    EXPECT_EQ(PrintInkGauge(&longName[0], nullptr, 0, nullptr), 0);
    std::string fits(255, 'q');
    EXPECT_EQ(PrintInkGauge(&fits[0], nullptr, 0, nullptr), 1);
    EXPECT_EQ(PrintInkGauge(nullptr, nullptr, 0, nullptr), 0);
}

TEST(SimpleServices, UrlIsOpenedByTheShell)
{
    char address[] = "http://www.example.com/support";
    EXPECT_EQ(LaunchUrlBrowser(address), 1);
    char missing[] = "Z:\\qz-no-such-folder\\no-such-file.qzx";
    EXPECT_EQ(LaunchUrlBrowser(missing), 0); // the shell answers 32 or less
}

TEST(SimpleServices, PlaceHoldersKeepTheirAnswers)
{
    EXPECT_EQ(DoCableTest(nullptr, reinterpret_cast<void*>(1), nullptr, nullptr, nullptr), 1);
    LaunchToolbox(nullptr, nullptr, nullptr, nullptr); // does nothing, answers nothing
}
