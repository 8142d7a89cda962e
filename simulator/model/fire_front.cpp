// A breadth-first fire over a forest's grid. A tree is marked Burnt
// the moment it catches, so the grid itself tells which trees are still to burn and
// no second grid is needed; Igniting and Burning never appear.
#include "fire_front.h"

#include "cell_state.h"
#include "forest.h"

#include <algorithm>
#include <cstddef>
#include <vector>

FrontFire spreadFireFront(Forest& forest, std::vector<std::uint32_t>& front)
{
    // The trees burning in this generation, followed by those they set alight.
    std::uint8_t* const cells = forest.grid.get();
    const std::int32_t ysize = forest.ysize;
    // The eight neighbours: the grid's border is never Tree, so the fire stops at
    // the edges as the sweep's clamping makes it, without a test.
    const std::uint32_t column = cellIndex(1, 0, ysize) - cellIndex(0, 0, ysize);

    const std::uint32_t centre = cellIndex(forest.xsize / 2, ysize / 2, ysize);
    cells[centre] = Burnt;
    front.assign(1, centre);
    std::size_t burning = 1;
    std::int64_t burnt = 1;
    std::int32_t generations = 0;
    while (burning > 0) {
        ++generations;
        // Room for every neighbour, so that each is written down whether it catches
        // or not, and the fire takes no branch on the forest's random pattern.
        if (front.size() < burning * 9)
            front.resize(burning * 9);
        // Plain pointers: the byte-sized cells may alias anything, so the vector's
        // own would be read again after every store.
        const std::uint32_t* const current = front.data();
        std::uint32_t* const next = front.data() + burning;
        std::size_t caught = 0;
        auto visit = [&](std::uint32_t cell) {
            const std::uint32_t state = cells[cell];
            const std::uint32_t catches = state & 1u; // Tree is the one odd state a front meets
            cells[cell] = static_cast<std::uint8_t>(state + catches); // and Tree + 1 is Burnt
            next[caught] = cell;
            caught += catches;
        };
        for (std::size_t k = 0; k < burning; ++k) {
            const std::uint32_t at = current[k];
            const std::uint32_t left = at - column;
            const std::uint32_t right = at + column;
            visit(left - 1);
            visit(left);
            visit(left + 1);
            visit(at - 1);
            visit(at + 1);
            visit(right - 1);
            visit(right);
            visit(right + 1);
        }
        burnt += static_cast<std::int64_t>(caught);
        std::copy(next, next + caught, front.data());
        burning = caught;
    }
    // The sweep counts one more generation: the sweep that finds nothing burning.
    return {generations + 1, burnt};
}

