// The streams the CUPS driver must send, as the library sends them: every entry of the shared
// list runs its service with its dialog answers, and what reached the queue from the entry's
// dialog on is kept as one file, the documents joined in the order they arrived.
#include <filesystem>
#include <fstream>

#include "common/dll_streams.h"
#include "service_test.h"

namespace {

const std::string kKeptFolder = std::string(QZ_SPOOL_DIR) + "/dll-streams";

int RunService(DllService service, char* queue)
{
    switch (service) {
    case DllService::Clean: return CleanPenService(queue, nullptr, 0, nullptr);
    case DllService::SelfTest: return PrintSelfTest(queue, nullptr, 0, nullptr);
    case DllService::Align: return AlignPenService(queue, nullptr, 0, nullptr);
    }
    return 0;
}

} // namespace

TEST(KeptStreams, EveryEntryIsAnsweredAsWrittenAndKept)
{
    std::error_code made;
    std::filesystem::create_directories(DosPath(kKeptFolder), made);
    for (const DllStream& entry : DllStreams()) {
        SCOPED_TRACE(entry.name);
        DocumentQueue queue("QZ Kept " + entry.name, entry.model);
        ASSERT_TRUE(queue.Ready());
        size_t first = 0;
        {
            DialogScript script(FailTest());
            for (size_t dialog = 0; dialog < entry.clicks.size(); ++dialog) {
                std::vector<DialogStep> steps;
                if (dialog == entry.fromDialog)
                    steps.push_back([&](DialogDriver&) { first = queue.Documents().size(); });
                for (int id : entry.clicks[dialog])
                    steps.push_back(Click(id));
                script.Expect("", steps);
            }
            RunService(entry.service, queue.Name());
            EXPECT_EQ(script.DialogsSeen(), entry.clicks.size());
        }
        std::vector<Document> documents = queue.Documents();
        ASSERT_LE(first, documents.size());
        std::ofstream kept(DosPath(kKeptFolder + "/" + entry.name + ".prn"), std::ios::binary | std::ios::trunc);
        for (size_t i = first; i < documents.size(); ++i)
            kept.write(reinterpret_cast<const char*>(documents[i].data()), static_cast<std::streamsize>(documents[i].size()));
        EXPECT_TRUE(kept.flush()) << "cannot write the kept stream";
    }
}
