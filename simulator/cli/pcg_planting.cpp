// Only the command line draws from PCG64, so only it needs the header: the Windows
// builds never see it. As in Ignaro's own planting, draws are made a little ahead of
// use and their cells fetched meanwhile; the engine is stepped back over the draws
// left pending, so that the rows do not depend on how far ahead it drew.
#include "pcg_planting.h"

#include "bounded_draw.h"
#include "cell_state.h"
#include "forest.h"
#include "front_end.h"

#include <array>
#include <pcg_random.hpp>

namespace {

constexpr std::size_t drawsAhead = 32;

struct PendingDraw {
    std::uint32_t cell;
    std::uint64_t outputsSoFar; // the engine's outputs up to this draw's last
};

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
    const std::span<std::uint8_t> cells = forest.cells();
    const std::int32_t xsize = forest.xsize;
    const std::int32_t ysize = forest.ysize;
    std::int64_t trees = forest.planted;
    std::uint64_t outputs = 0;
    auto output = [&] {
        ++outputs;
        return engine();
    };
    auto coordinate = [&](std::int32_t size) {
        return static_cast<std::int32_t>(
            drawBelow<std::uint64_t, unsigned __int128>(output, static_cast<std::uint64_t>(size)));
    };
    auto draw = [&] {
        const std::int32_t x = coordinate(xsize);
        const std::uint32_t cell = cellIndex(x, coordinate(ysize), ysize);
        __builtin_prefetch(cells.data() + cell, 1);
        return PendingDraw{cell, outputs};
    };
    std::array<PendingDraw, drawsAhead> pending;
    for (PendingDraw& next : pending)
        next = draw();

    std::uint64_t used = 0;
    for (std::size_t k = 0; trees < target; k = (k + 1) % drawsAhead) {
        const std::uint32_t at = pending[k].cell;
        used = pending[k].outputsSoFar;
        pending[k] = draw();
        if (cells[at] != Empty)
            continue;
        cells[at] = Tree;
        ++trees;
        if (view) {
            const auto column = static_cast<std::int32_t>(at / static_cast<std::uint32_t>(ysize + 2));
            view->drawCell(column - 1, static_cast<std::int32_t>(at) - column * (ysize + 2) - 1, Tree);
        }
    }
    engine.backstep(outputs - used);
    forest.planted = trees;
}

} // namespace

std::unique_ptr<TreeDraws> pcgDraws(std::uint64_t seed, std::uint64_t stream)
{
    return std::make_unique<PcgDraws>(seed, stream);
}
