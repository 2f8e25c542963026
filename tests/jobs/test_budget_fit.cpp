// Fitting rows to a compressed-size budget: the total is met exactly, each fitted row is its full
// row cut from the right, and an unreachable budget is reported.
#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <vector>
#include "budget_fit.h"
#include "method2_rows.h"

namespace {

using qz_jobs::Bytes;

std::vector<Bytes> NoisyRows(std::size_t count, std::size_t width)
{
    std::vector<Bytes> rows(count, Bytes(width));
    std::uint32_t state = 12345;
    for (Bytes& row : rows)
        for (std::uint8_t& byte : row) {
            state = state * 1103515245u + 12345u;
            byte = static_cast<std::uint8_t>(state >> 24);
        }
    return rows;
}

std::size_t CompressedSize(const std::vector<Bytes>& rows)
{
    return std::accumulate(rows.begin(), rows.end(), std::size_t{0},
                           [](std::size_t sum, const Bytes& row) { return sum + qz_jobs::CompressRow(row).size(); });
}

TEST(BudgetFit, MeetsEveryBudgetExactlyWithCutsFromTheRight)
{
    const std::vector<Bytes> rows = NoisyRows(20, 300);
    for (std::size_t budget : {0u, 2u, 129u, 2600u, 5555u, 6000u}) {
        SCOPED_TRACE("budget " + std::to_string(budget));
        const std::vector<Bytes> fitted = qz_jobs::FitRowsToBudget(rows, budget);
        ASSERT_EQ(rows.size(), fitted.size());
        EXPECT_EQ(budget, CompressedSize(fitted));
        for (std::size_t index = 0; index < rows.size(); ++index) {
            const Bytes& cut = fitted[index];
            ASSERT_LE(cut.size(), rows[index].size());
            EXPECT_TRUE(std::equal(cut.begin(), cut.end(), rows[index].begin())) << "row " << index;
        }
    }
}

TEST(BudgetFit, RefusesBudgetsNoCutsCanMeet)
{
    const std::vector<Bytes> rows = NoisyRows(4, 100);
    std::size_t full = 0;
    for (const Bytes& row : rows)
        full += qz_jobs::CompressRow(row).size();
    EXPECT_NO_THROW(qz_jobs::FitRowsToBudget(rows, full));
    EXPECT_THROW(qz_jobs::FitRowsToBudget(rows, full + 1), qz_jobs::JobFormatError);
    EXPECT_THROW(qz_jobs::FitRowsToBudget(rows, 1), qz_jobs::JobFormatError) << "no row compresses to one byte";
}

} // namespace
