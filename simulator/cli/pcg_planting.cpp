// Only the command line draws from PCG64, so only it needs the header: the Windows
// builds never see it. One 64-bit output makes a draw: a coordinate from each 32-bit
// half by Lemire's multiply, the draw refused when either half's low word falls among
// the few that would over-represent some coordinates (fewer than one draw in 2^16),
// which leaves every accepted cell equally likely. Draws are made a block ahead of
// use and their cells fetched meanwhile; the engine is then stepped back over the
// outputs not used, so that the rows do not depend on how far ahead it drew.
#include "pcg_planting.h"

#include "cell_state.h"
#include "forest.h"
#include "front_end.h"
#include "pcg64_block.h"

#include <array>
#include <vector>

namespace {

// The cells of a block of outputs, and for each the output's place in the block.
struct DrawnCells {
    std::array<std::uint32_t, Pcg64Blocks::size> cells;
    std::array<std::uint8_t, Pcg64Blocks::size> output;
    std::size_t count = 0;
};

struct Bound {
    std::uint32_t size, refused; // refused: 2^32 mod size, the low words to refuse
    explicit Bound(std::int32_t s) : size(static_cast<std::uint32_t>(s)), refused((0u - size) % size) {}
};

// columnStarts: the index of each column's first cell, looked up rather than
// multiplied, since multiplications already set the pace here.
void drawBlock(Pcg64Blocks& blocks, Pcg64Blocks::Block& outputs, DrawnCells& drawn, const std::uint8_t* cells,
               Bound x, Bound y, const std::uint32_t* columnStarts)
{
    blocks.fill(outputs);
    // A count of its own: a store to the byte-sized places may alias drawn.count.
    std::size_t count = 0;
    for (std::size_t k = 0; k < outputs.size(); ++k) {
        const std::uint64_t px = (outputs[k] >> 32) * x.size;
        const std::uint64_t py = (outputs[k] & 0xffffffffu) * y.size;
        const auto cell = columnStarts[px >> 32] + static_cast<std::uint32_t>(py >> 32);
        __builtin_prefetch(cells + cell, 1);
        drawn.cells[count] = cell;
        drawn.output[count] = static_cast<std::uint8_t>(k);
        count += static_cast<std::uint32_t>(px) >= x.refused && static_cast<std::uint32_t>(py) >= y.refused;
    }
    drawn.count = count;
}

// Plants until `target` trees stand and leaves `engine` after the last draw used.
template <bool Reported>
void plantDraws(pcg64& engine, std::uint8_t* cells, std::int32_t xsize, std::int32_t ysize, std::int64_t trees,
                std::int64_t target, FrontEnd* view)
{
    Pcg64Blocks blocks(engine);
    const std::uint32_t column = static_cast<std::uint32_t>(ysize) + 2;
    const Bound x(xsize), y(ysize);
    std::vector<std::uint32_t> columnStarts(x.size);
    for (std::uint32_t c = 0; c < x.size; ++c)
        columnStarts[c] = cellIndex(static_cast<std::int32_t>(c), 0, ysize);
    Pcg64Blocks::Block outputs;
    DrawnCells drawn[2];
    drawBlock(blocks, outputs, drawn[0], cells, x, y, columnStarts.data());
    auto missing = static_cast<std::uint32_t>(target - trees); // no forest has more than 2^31 cells
    for (std::size_t current = 0;; current ^= 1) {
        drawBlock(blocks, outputs, drawn[current ^ 1], cells, x, y, columnStarts.data());
        const DrawnCells& now = drawn[current];
        for (std::size_t k = 0; k < now.count; ++k) {
            const std::uint32_t at = now.cells[k];
            if constexpr (Reported) {
                if (cells[at] != Empty)
                    continue;
                cells[at] = Tree;
                --missing;
                const auto cx = static_cast<std::int32_t>(at / column);
                view->drawCell(cx - 1, static_cast<std::int32_t>(at - static_cast<std::uint32_t>(cx) * column) - 1, Tree);
            } else {
                // A drawn cell is Empty or Tree: planting it either way spares a
                // branch that a filling forest makes unpredictable.
                missing -= cells[at] == Empty;
                cells[at] = Tree;
            }
            if (missing == 0) {
                // Back over the block ahead and this block's outputs after this draw's.
                engine = blocks.engine(2 * Pcg64Blocks::size - now.output[k] - 1);
                return;
            }
        }
    }
}

class PcgDraws final : public TreeDraws {
public:
    PcgDraws(std::uint64_t seed, std::uint64_t stream) : engine(seed, stream) {}
    void plant(Forest& forest, std::int64_t target, FrontEnd* view) override;

private:
    pcg64 engine;
};

// Every cell is within reach: no draw limit.
void PcgDraws::plant(Forest& forest, std::int64_t target, FrontEnd* view)
{
    if (forest.planted >= target)
        return;
    if (view)
        plantDraws<true>(engine, forest.grid.get(), forest.xsize, forest.ysize, forest.planted, target, view);
    else
        plantDraws<false>(engine, forest.grid.get(), forest.xsize, forest.ysize, forest.planted, target, nullptr);
    forest.planted = target;
}

} // namespace

std::unique_ptr<TreeDraws> pcgDraws(std::uint64_t seed, std::uint64_t stream)
{
    return std::make_unique<PcgDraws>(seed, stream);
}
