// Fits rows to a compressed-size budget by cutting them from the right.
#include "budget_fit.h"

#include <string>
#include "method2_codec.h"

namespace qz_jobs {

namespace {

// The widest cut of row whose compressed size is at most limit. Sizes grow with the width by one
// byte per literal byte (two where a new literal run starts), so the widest fitting cut is found
// walking in from the full width.
Bytes WidestCutWithin(const Bytes& row, std::size_t limit)
{
    for (std::size_t width = row.size(); width > 0; --width) {
        const Bytes cut(row.begin(), row.begin() + static_cast<long>(width));
        Bytes compressed = CompressMethod2(TrimTrailingZeros(cut));
        if (compressed.size() <= limit)
            return compressed;
    }
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
        fitted.push_back(WidestCutWithin(fullRows[index], share));
        remaining -= fitted.back().size();
    }
    if (remaining != 0)
        throw JobFormatError("rows fall " + std::to_string(remaining) + " bytes short of their budget of " +
                             std::to_string(budget));
    return fitted;
}

} // namespace qz_jobs
