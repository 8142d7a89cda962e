// A breadth-first fire over a forest's grid. A tree is marked Burnt
// the moment it catches, so the grid itself tells which trees are still to burn and
// no second grid is needed; Igniting and Burning never appear.
#include "fire_front.h"

#include "cell_state.h"
#include "forest.h"

#include <algorithm>
#include <cstddef>
#include <vector>

namespace {

// Burns generation by generation from the `burning` trees at the front's start,
// already marked Burnt; gives the fire time and the trees that caught on the way.
FrontFire burnFrom(std::uint8_t* const cells, std::int32_t ysize, std::vector<std::uint32_t>& front,
                   std::size_t burning)
{
    // The eight neighbours: the grid's border is never Tree, so the fire stops at
    // the edges as the sweep's clamping makes it, without a test.
    const std::uint32_t column = cellIndex(1, 0, ysize) - cellIndex(0, 0, ysize);
    std::int64_t burnt = 0;
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

} // namespace

FrontFire spreadFireFront(Forest& forest, std::vector<std::uint32_t>& front)
{
    // The trees burning in this generation, followed by those they set alight.
    const std::uint32_t centre = cellIndex(forest.xsize / 2, forest.ysize / 2, forest.ysize);
    forest.grid[centre] = Burnt;
    front.assign(1, centre);
    FrontFire fire = burnFrom(forest.grid.get(), forest.ysize, front, 1);
    ++fire.burntTrees;
    return fire;
}

EdgeFire spreadEdgeFire(Forest& forest, std::vector<std::uint32_t>& front)
{
    std::uint8_t* const cells = forest.grid.get();
    const std::int32_t ysize = forest.ysize;
    front.clear();
    for (std::uint32_t cell = cellIndex(0, 0, ysize); cell <= cellIndex(0, ysize - 1, ysize); ++cell) {
        if (cells[cell] == Tree) {
            cells[cell] = Burnt;
            front.push_back(cell);
        }
    }
    const std::size_t lit = front.size();
    FrontFire fire = burnFrom(cells, ysize, front, lit);
    fire.burntTrees += static_cast<std::int64_t>(lit);
    const std::uint8_t* const last = cells + cellIndex(forest.xsize - 1, 0, ysize);
    return {fire, std::find(last, last + ysize, std::uint8_t{Burnt}) != last + ysize};
}
