// Unloading the library releases what its dialog objects, its bitmap cache and its shared brush
// hold, and the sibling module it kept: the process comes back to where it was before the load.
#include <gtest/gtest.h>
#include <windows.h>

#include "harness/dialog_script.h"
#include "harness/gdi_count.h"
#include "service_test.h"

namespace {

using SelfTest = int __stdcall(char*, char*, int, HWND);

} // namespace

using LibraryUnload = ServiceTest;

TEST_F(LibraryUnload, OnlyTheBrushWhenNoServiceRan)
{
    ASSERT_EQ(GetModuleHandleA("QZW9SVB.dll"), nullptr) << "this program must load the library itself";
    int before = CountGdiObjects();
    HMODULE library = LoadLibraryA("QZW9SVB.dll");
    ASSERT_NE(library, nullptr);
    EXPECT_EQ(CountGdiObjects(), before + 1); // the button-face brush
    FreeLibrary(library);
    EXPECT_EQ(CountGdiObjects(), before);
}

TEST_F(LibraryUnload, SelfTestObjectGoesWithTheLibrary)
{
    DocumentQueue queue("QZ E2E Unload", kShippedModel);
    QZ_SKIP_WITHOUT_QUEUE(queue);
    // The first dialog of a process makes objects of the platform's own that stay; so compare
    // two load-run-unload cycles: a second cycle must leave nothing more behind than the first.
    struct Counts {
        int loaded;
        int unloaded;
    };
    auto cycle = [&]() {
        Counts counts = {0, 0};
        HMODULE library = LoadLibraryA("QZW9SVB.dll");
        EXPECT_NE(library, nullptr);
        auto* selfTest = reinterpret_cast<SelfTest*>(reinterpret_cast<void*>(GetProcAddress(library, "PrintSelfTest")));
        EXPECT_NE(selfTest, nullptr);
        if (selfTest) {
            DialogScript script(FailTest());
            script.Expect("Selvtest for QZ Kestrel 410", {Click(IDCANCEL)});
            EXPECT_EQ(selfTest(queue.Name(), nullptr, 0, nullptr), 0);
        }
        counts.loaded = CountGdiObjects();
        EXPECT_NE(GetModuleHandleA("QZW9TRE.dll"), nullptr) << "the page's texts come from the sibling module";
        FreeLibrary(library);
        counts.unloaded = CountGdiObjects();
        EXPECT_EQ(GetModuleHandleA("QZW9TRE.dll"), nullptr) << "the sibling module outlives the library";
        return counts;
    };
    Counts first = cycle();
    Counts second = cycle();
    // While loaded: the brush, the page handler's font, and the converted logo and page picture
    // kept for a next run.
    EXPECT_EQ(second.loaded, second.unloaded + 4);
    EXPECT_EQ(second.unloaded, first.unloaded);
}
