// A coordinate depends only on the generator's 15-bit output and the forest's
// size: its extended-precision products are made once for all 32768 outputs, and a
// draw looks it up. Nor does a draw depend on the grid, so draws are made a little
// ahead of use and their cells fetched while earlier ones are planted.
#include "planting.h"

#include "extended_precision.h"
#include "forest.h"
#include "front_end.h"

#include <array>
#include <utility>

namespace {

// The unit and its product with the size rounded to 64 bits, then truncated; the
// output 32767 gives the size itself, which stands for the last cell.
void fillFor(CoordinateTable& table, std::int32_t size)
{
    if (table.size == size)
        return;
    table.coordinates.resize(randomMax + 1);
    const auto extendedSize = static_cast<long double>(size);
    for (int output = 0; output <= randomMax; ++output) {
        long double unit = extendedProduct(static_cast<long double>(output), randomUnitScale);
        std::int64_t coordinate = truncateExtended(extendedProduct(unit, extendedSize));
        table.coordinates[static_cast<std::size_t>(output)] =
            static_cast<std::uint16_t>(coordinate == size ? size - 1 : coordinate);
    }
    table.size = size;
}

// Far enough ahead for the fetch of a cell from main memory to end before its turn.
constexpr std::uint32_t drawsAhead = 32;

// Counts in 32 bits, which the 32-bit build keeps in registers: no grid has more
// than 2^31 cells (maxForestCells).
template <bool Reported>
std::uint32_t plantDraws(std::uint8_t* cells, std::int32_t ysize, std::uint32_t missing, std::uint32_t drawLimit,
                         Generator& generator, const CoordinateTables& tables, FrontEnd* view)
{
    const std::uint16_t* const columns = tables.columns.coordinates.data();
    const std::uint16_t* const rows = tables.rows.coordinates.data();
    std::uint32_t state = generator.state();
    auto draw = [&] {
        const std::int32_t x = columns[static_cast<std::size_t>(generatorOutput(nextGeneratorState(state)))];
        state = generatorStateAfterTwo(state);
        const std::int32_t y = rows[static_cast<std::size_t>(generatorOutput(state))];
        const std::uint32_t cell = cellIndex(x, y, ysize);
        __builtin_prefetch(cells + cell, 1);
        return cell;
    };
    std::array<std::uint32_t, drawsAhead> pending;
    for (std::uint32_t& cell : pending)
        cell = draw();

    std::uint32_t draws = 0;
    for (; missing != 0 && draws != drawLimit; ++draws) {
        std::uint32_t& next = pending[draws % drawsAhead];
        std::uint8_t& cell = cells[next];
        if constexpr (Reported) {
            if (cell == Empty) {
                cell = Tree;
                --missing;
                const auto column = static_cast<std::int32_t>(next / static_cast<std::uint32_t>(ysize + 2));
                view->drawCell(column - 1, static_cast<std::int32_t>(next) - column * (ysize + 2) - 1, Tree);
            }
        } else {
            // A drawn cell is Empty or Tree: planting it either way spares a branch
            // that a filling forest makes unpredictable.
            missing -= cell == Empty;
            cell = Tree;
        }
        next = draw();
    }
    // The draws still pending are given back.
    for (std::uint32_t step = 0; step < 2 * drawsAhead; ++step)
        state = previousGeneratorState(state);
    generator.seed(state);
    return missing;
}

} // namespace

void plantDrawnTrees(Forest& forest, std::int64_t target, std::uint32_t drawLimit, Generator& generator,
                     CoordinateTables& tables, FrontEnd* view)
{
    if (forest.planted >= target)
        return;
    fillFor(tables.columns, forest.xsize);
    fillFor(tables.rows, forest.ysize);
    const auto missing = static_cast<std::uint32_t>(target - forest.planted);
    std::uint8_t* const cells = forest.grid.get();
    const std::uint32_t left =
        view ? plantDraws<true>(cells, forest.ysize, missing, drawLimit, generator, tables, view)
             : plantDraws<false>(cells, forest.ysize, missing, drawLimit, generator, tables, nullptr);
    forest.planted = target - left;
}

void GeneratorDraws::plant(Forest& forest, std::int64_t target, FrontEnd* view)
{
    clock.seedForTrial(generator);
    plantDrawnTrees(forest, target, distinctDraws, generator, tables, view);
}
