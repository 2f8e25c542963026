// AlignPenService end to end: pattern pages and the user's choices turned into the result job,
// the automatic alignment, the refusals and the fallback to the first model.
#include "service_test.h"

namespace {

const char kAlignCaption[] = "Juster skrivehodene";
const char kAlignAutoCaption[] = "Juster blekkpatroner";

// Pattern radio buttons: group X, pattern n (1-5).
int Pattern(int first, int n)
{
    return first + n - 1;
}

} // namespace

using AlignmentService = ServiceTest;

TEST_F(AlignmentService, ChoicesBecomeTheResultJobBetweenThePatternPages)
{
    DocumentQueue queue("QZ E2E Align1", kModelAlign1);
    QZ_SKIP_WITHOUT_QUEUE(queue);
    {
        DialogScript script(FailTest());
        script.Expect(kAlignCaption, {HasItem(IDC_ALIGN), Click(IDC_ALIGN)})
            .Expect(kAlignCaption, {Click(Pattern(IDC_GROUP_A_FIRST, 3)), Click(Pattern(IDC_GROUP_B_FIRST, 5)),
                                    Click(Pattern(IDC_GROUP_C_FIRST, 1)), Click(Pattern(IDC_GROUP_D_FIRST, 2)),
                                    Click(Pattern(IDC_GROUP_E_FIRST, 4)), Click(IDC_CONTINUE)})
            .Expect(kAlignCaption, {HasItem(IDC_ALIGN_RESULT_TEXT1), Click(IDOK)});
        EXPECT_EQ(AlignPenService(queue.Name(), nullptr, 0, nullptr), 1);
    }
    std::vector<Document> documents = queue.Documents();
    ASSERT_EQ(documents.size(), 3u);
    EXPECT_EQ(documents[0], CarriedJob(JOB_ALIGN_PATTERN_A));
    EXPECT_EQ(documents[2], CarriedJob(JOB_ALIGN_PATTERN_B));

    const Document& job = documents[1];
    ASSERT_EQ(job.size(), 2048u);
    // groupA 0: the first command carries an empty value.
    const Document first = {0x1B, 0x26, 0x62, 0x31, 0x36, 0x57, 0x50, 0x4D, 0x4C, 0x20, 0x04,
                            0x00, 0x07, 0x01, 0x04, 0x01, 0x05, 0x03, 0x02, 0x05, 0x08, 0x00};
    EXPECT_TRUE(std::equal(first.begin(), first.end(), job.begin())) << AsText(job);
    // Commands follow each other: walk them by their declared lengths.
    std::vector<Document> commands;
    size_t at = 0;
    while (at < job.size() && job[at] == 0x1B) {
        size_t digits = at + 3, n = 0;
        while (job[digits] >= '0' && job[digits] <= '9')
            n = n * 10 + (job[digits++] - '0');
        size_t end = digits + 1 + n; // 'W', then "PML " and the payload
        commands.emplace_back(job.begin() + at, job.begin() + end);
        at = end;
    }
    ASSERT_EQ(commands.size(), 11u);
    EXPECT_LT(at, 300u);
    EXPECT_TRUE(std::all_of(job.begin() + at, job.end(), [](unsigned char b) { return b == 0; }));
    auto tail = [](const Document& command, size_t n) { return Document(command.end() - n, command.end()); };
    EXPECT_EQ(tail(commands[1], 4), (Document{0x08, 0x02, 0xFF, 0xFE})); // groupC -2
    EXPECT_EQ(tail(commands[2], 4), (Document{0x08, 0x02, 0xFF, 0xFF})); // averageAC -1
    EXPECT_EQ(tail(commands[3], 3), (Document{0x08, 0x01, 0x08}));       // groupB 8
    EXPECT_EQ(tail(commands[4], 4), (Document{0x08, 0x02, 0xFF, 0xFC})); // groupD -4
    EXPECT_EQ(tail(commands[5], 3), (Document{0x08, 0x01, 0x02}));       // averageBD 2
    EXPECT_EQ(tail(commands[6], 3), (Document{0x08, 0x01, 0x04}));       // groupE 4
    for (int spare = 7; spare <= 9; ++spare)
        EXPECT_EQ(tail(commands[spare], 2), (Document{0x08, 0x00}));
    EXPECT_EQ(tail(commands[10], 12), (Document{0x04, 0x00, 0x06, 0x01, 0x04, 0x01, 0x05, 0x01, 0x08, 0x20, 0x01, 0x0F}));
}

TEST_F(AlignmentService, CancelledChoiceSendsNothingAfterThePatternPage)
{
    DocumentQueue queue("QZ E2E Align4", kModelAlign4);
    QZ_SKIP_WITHOUT_QUEUE(queue);
    {
        DialogScript script(FailTest());
        script.Expect(kAlignCaption, {Click(IDC_ALIGN)})
            .Expect(kAlignCaption, {HasItem(IDC_CONTINUE), Click(IDCANCEL)});
        EXPECT_EQ(AlignPenService(queue.Name(), nullptr, 0, nullptr), 1); // the workflow's own 0 is not passed on
    }
    std::vector<Document> documents = queue.Documents();
    ASSERT_EQ(documents.size(), 1u);
    EXPECT_EQ(documents[0], CarriedJob(JOB_ALIGN_PATTERN_A));
}

TEST_F(AlignmentService, AutomaticAlignmentSendsItsStoredJobOnly)
{
    DocumentQueue queue("QZ E2E Align2", kModelAlign2);
    QZ_SKIP_WITHOUT_QUEUE(queue);
    {
        DialogScript script(FailTest());
        script.Expect(kAlignAutoCaption, {HasItem(IDC_ALIGN), Click(IDC_ALIGN)})
            .Expect(kAlignAutoCaption, {Click(IDOK)});
        EXPECT_EQ(AlignPenService(queue.Name(), nullptr, 0, nullptr), 1);
        EXPECT_EQ(script.DialogsSeen(), 2u);
    }
    std::vector<Document> documents = queue.Documents();
    ASSERT_EQ(documents.size(), 1u);
    EXPECT_EQ(documents[0], CarriedJob(JOB_ALIGNMENT));
}

TEST_F(AlignmentService, ModelsWithoutAnAlignmentShowNothing)
{
    for (const char* model : {kShippedModel, kModelUnknown}) {
        SCOPED_TRACE(model);
        DocumentQueue queue(std::string("QZ E2E No Alignment ") + model, model);
        QZ_SKIP_WITHOUT_QUEUE(queue);
        DialogScript script(FailTest());
        EXPECT_EQ(AlignPenService(queue.Name(), nullptr, 0, nullptr), 0);
        EXPECT_EQ(script.DialogsSeen(), 0u);
        EXPECT_TRUE(queue.Documents().empty());
    }
}

TEST_F(AlignmentService, UnreadableQueueRunsTheFirstModelAndAnswersZero)
{
    // The first model of the test store aligns with pattern pages; its pattern job cannot reach
    // a queue that does not exist, so the workflow stops after the start page.
    DialogScript script(FailTest());
    script.Expect(kAlignCaption, {HasItem(IDC_ALIGN), Click(IDC_ALIGN)});
    EXPECT_EQ(AlignPenService(kMissingQueue, nullptr, 0, nullptr), 0);
}
