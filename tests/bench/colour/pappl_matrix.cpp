// Read from PAPPL itself: the driver data it hands a driver without a printer carries its
// defaults. Equal values keep their order, so every cell gets a rank of its own.
#include "pappl_matrix.h"

#include <pappl/pappl.h>

#include <algorithm>
#include <numeric>
#include <vector>

ThresholdMatrix PapplMatrix()
{
    constexpr unsigned kSize = 16;
    static const std::vector<uint16_t> ranks = [] {
        pappl_pr_driver_data_t data;
        papplPrinterGetDriverData(nullptr, &data);
        std::vector<unsigned> cells(kSize * kSize);
        std::iota(cells.begin(), cells.end(), 0u);
        std::stable_sort(cells.begin(), cells.end(),
                         [&](unsigned a, unsigned b) { return data.gdither[a / kSize][a % kSize] < data.gdither[b / kSize][b % kSize]; });
        std::vector<uint16_t> byCell(cells.size());
        for (unsigned rank = 0; rank < cells.size(); ++rank)
            byCell[cells[rank]] = static_cast<uint16_t>(rank);
        return byCell;
    }();
    return {kSize, ranks.data()};
}
