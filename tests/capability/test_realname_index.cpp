// The realname index answers every name exactly as comparing it with each realname in turn
// (CSStrcmpi, the first equal one winning) answers it.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "capability/realname_index.h"
#include "qzw9svb/cis_string_list.h"
#include "qzw9svb/cs_string.h"

namespace {

const std::string kLongest(RealnameIndex::kLongestName, 'n');

const char* const kStored[] = {
    "QZ Kestrel 410 Printer", "QZ Bench Model 01-0", "qz bench model 01-0" /* same name again */,
    "QZ Bench Model 01-1", "A", "@[`{", "Printer \xC5", kLongest.c_str(),
};

LONG LinearSearch(CISStringList& names, const std::vector<LONG>& baseIds, const char* name)
{
    for (size_t i = 0; i < baseIds.size(); ++i)
        if (CSStrcmpi(name, names.Find(static_cast<unsigned char>(i + 1))) == 0)
            return baseIds[i];
    return 0;
}

} // namespace

TEST(RealnameIndex, AnswersAsTheLinearSearch)
{
    CISStringList names;
    std::vector<LONG> baseIds;
    for (const char* name : kStored) {
        ASSERT_EQ(names.Add(name), CISStrErrNone);
        baseIds.push_back(10000 + 100 * static_cast<LONG>(baseIds.size()));
    }
    RealnameIndex index;
    index.Build(names, baseIds.data(), static_cast<LONG>(baseIds.size()));

    const std::string asked[] = {
        "QZ Kestrel 410 Printer", "qz kestrel 410 printer", "QZ KESTREL 410 PRINTER", "qZ kEsTrEl 410 pRiNtEr",
        "QZ Kestrel 410", "QZ Kestrel 410 Printe", "QZ Kestrel 410 Printer ", "QZ Kestrel 410 Printers",
        "QZ BENCH MODEL 01-0", "qz bench model 01-1", "QZ Bench Model 01-2", "a", "A", "", "B",
        "@[`{", "`{@[" /* the neighbours of the letters do not fold */, "Printer \xC5", "printer \xE5",
        kLongest, kLongest + "n", std::string(kLongest).replace(0, 1, "N"), "Some Other Printer",
    };
    for (const std::string& name : asked) {
        SCOPED_TRACE("\"" + name + "\"");
        EXPECT_EQ(index.Find(name.c_str()), LinearSearch(names, baseIds, name.c_str()));
    }
    EXPECT_EQ(index.Find("qz bench model 01-0"), 10100) << "the first of two equal names answers";
    EXPECT_NE(index.Find("qz kestrel 410 printer"), 0) << "the case-folded name is found at all";

    index.Clear();
    EXPECT_EQ(index.Find("QZ Kestrel 410 Printer"), 0);
}

TEST(RealnameIndex, ListPositionsBeyondTheListAreSkipped)
{
    CISStringList names;
    ASSERT_EQ(names.Add("QZ Kestrel 410 Printer"), CISStrErrNone);
    const LONG baseIds[] = {10900, 10000};
    RealnameIndex index;
    index.Build(names, baseIds, 2); // a count the list could not keep up with
    EXPECT_EQ(index.Find("QZ Kestrel 410 Printer"), 10900);
    EXPECT_EQ(index.Find(""), 0);
}
