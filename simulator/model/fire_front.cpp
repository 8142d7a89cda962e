// A breadth-first fire over the grid of the run in progress. A tree is marked Burnt
// the moment it catches, so the grid itself tells which trees are still to burn and
// no second grid is needed; Igniting and Burning never appear.
#include "fire_front.h"

#include "cell_state.h"
#include "forest.h"
#include "run_state.h"

#include <cstddef>
#include <vector>

namespace {

// Grid indices (x * ysize + y) of the trees burning in this generation, followed by
// those they set alight for the next. Kept from trial to trial, so that a run
// allocates only while the largest front so far grows.
std::vector<std::uint32_t> front;

} // namespace

FrontFire spreadFireFront()
{
    std::int16_t* const cells = forestCells().data();
    const auto xsize = static_cast<std::uint32_t>(run.parameters.xsize);
    const auto ysize = static_cast<std::uint32_t>(run.parameters.ysize);
    const std::uint32_t lastColumn = (xsize - 1) * ysize; // index of its top cell

    const std::uint32_t centre = xsize / 2 * ysize + ysize / 2;
    cells[centre] = Burnt;
    front.assign(1, centre);
    std::int64_t burnt = 1;
    std::int32_t generations = 0;
    while (!front.empty()) {
        ++generations;
        const std::size_t burning = front.size();
        for (std::size_t k = 0; k < burning; ++k) {
            const std::uint32_t at = front[k];
            const std::uint32_t y = at % ysize;
            // The eight neighbours inside the grid: columns x - 1 to x + 1 and rows
            // y - 1 to y + 1, cut at the edges (the sweep clamps them onto cells of
            // the same block, which comes to the same). The block's middle is the
            // burning tree itself, already Burnt.
            const std::uint32_t left = at >= ysize ? at - ysize : at;
            const std::uint32_t right = at < lastColumn ? at + ysize : at;
            const std::uint32_t up = y > 0 ? 1 : 0;
            const std::uint32_t down = y + 1 < ysize ? 1 : 0;
            for (std::uint32_t column = left; column <= right; column += ysize) {
                for (std::uint32_t next = column - up; next <= column + down; ++next) {
                    if (cells[next] == Tree) {
                        cells[next] = Burnt;
                        front.push_back(next);
                    }
                }
            }
        }
        burnt += static_cast<std::int64_t>(front.size() - burning);
        front.erase(front.begin(), front.begin() + static_cast<std::ptrdiff_t>(burning));
    }
    // The sweep counts one more generation: the sweep that finds nothing burning.
    return {generations + 1, burnt};
}

void freeFireFront() { std::vector<std::uint32_t>().swap(front); }

std::size_t fireFrontCapacity() { return front.capacity(); }
