// Fits rows to a compressed-size budget by cutting them from the right.
#include "budget_fit.h"

#include <string>
#include "method2_rows.h"

namespace qz_jobs {

namespace {

// The widest cut of row whose compressed size is at most limit, and that size. Sizes grow with
// the width by one byte per literal byte (two where a new literal run starts), so the widest
// fitting cut is found walking in from the full width.
Bytes WidestCutWithin(const Bytes& row, std::size_t limit, std::size_t* compressedSize)
{
    for (std::size_t width = row.size(); width > 0; --width) {
        Bytes cut = TrimTrailingZeros(Bytes(row.begin(), row.begin() + static_cast<long>(width)));
        *compressedSize = CompressRow(cut).size();
        if (*compressedSize <= limit)
            return cut;
    }
    *compressedSize = 0;
    return {};
}

} // namespace

std::vector<Bytes> FitRowsToBudget(const std::vector<Bytes>& fullRows, std::size_t budget)
{
    std::vector<Bytes> fitted;
    fitted.reserve(fullRows.size());
    std::size_t remaining = budget;
    for (std::size_t index = 0; index < fullRows.size(); ++index) {
        // An even share of what is left, rounded up; a row that falls short of its share leaves the
        // difference to the rows after it.
        const std::size_t rowsLeft = fullRows.size() - index;
        const std::size_t share = (remaining + rowsLeft - 1) / rowsLeft;
        std::size_t compressedSize = 0;
        fitted.push_back(WidestCutWithin(fullRows[index], share, &compressedSize));
        remaining -= compressedSize;
    }
    if (remaining != 0)
        throw JobFormatError("rows fall " + std::to_string(remaining) + " bytes short of their budget of " +
                             std::to_string(budget));
    return fitted;
}

} // namespace qz_jobs
