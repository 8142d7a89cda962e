// The draws of a planting: Ignaro's own generator seeded by the trial clock, or
// another source that a front end brings. Apart from the grid's owner, so that the
// limit on Ignaro's draws can be exercised with a handful of draws.
#pragma once
#include "random_generator.h"
#include "trial_clock.h"

#include <cstdint>
#include <vector>

class FrontEnd;
struct Forest;

// Where a planting's trees come from. Plants a tree on every empty cell drawn until
// `target` trees stand or the draws can reach no more cells; the trees standing go
// to forest.planted, and each new one is drawn on `view` when given.
class TreeDraws {
public:
    virtual ~TreeDraws() = default;
    virtual void plant(Forest& forest, std::int64_t target, FrontEnd* view) = 0;
};

// A draw takes two outputs of a generator whose period is 2^32, so after 2^31
// draws the pairs come round again: a cell not drawn by then never will be.
constexpr std::uint32_t distinctDraws = std::uint32_t{1} << 31;

// The coordinate of each of the generator's outputs for one forest size, made
// when the size changes.
struct CoordinateTable {
    std::int32_t size = 0; // 0: not filled yet
    std::vector<std::uint16_t> coordinates;
};
struct CoordinateTables {
    CoordinateTable columns, rows;
};

// Ignaro's planting with at most `drawLimit` draws; the generator is left after the
// last draw made, as drawing one pair at a time would leave it.
void plantDrawnTrees(Forest& forest, std::int64_t target, std::uint32_t drawLimit, Generator& generator,
                     CoordinateTables& tables, FrontEnd* view);

// Ignaro's own draws: each trial seeded by its clock (trial_clock.h), then at most
// distinctDraws draws.
class GeneratorDraws final : public TreeDraws {
public:
    explicit GeneratorDraws(TrialClock clock = {}) : clock(std::move(clock)) {}
    void plant(Forest& forest, std::int64_t target, FrontEnd* view) override;

    TrialClock clock;
    Generator generator;
    CoordinateTables tables;
};
