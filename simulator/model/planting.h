// The draws of a planting, apart from the grid's owner so that the limit on them
// can be exercised with a handful of draws.
#pragma once
#include <cstdint>
#include <span>

// A draw takes two outputs of a generator whose period is 2^32, so after 2^31
// draws the pairs come round again: a cell not drawn by then never will be.
constexpr std::uint32_t distinctDraws = std::uint32_t{1} << 31;

// Plants a tree on every empty cell drawn from the generator until `target` trees
// stand or `drawLimit` draws are made; `trees` already stand. Each new tree goes to
// `planted` when it is given. Returns the trees standing; the generator is left
// after the last draw made, as drawing one pair at a time would leave it.
std::int64_t plantDrawnTrees(std::span<std::uint8_t> cells, std::int32_t xsize, std::int32_t ysize,
                             std::int64_t trees, std::int64_t target, std::uint32_t drawLimit,
                             void (*planted)(std::int32_t x, std::int32_t y));

// Another source of the planting's draws, for studies that outgrow Ignaro's
// generator: plants a tree on every empty cell drawn until `target` trees stand, as
// plantDrawnTrees does, but with no draw limit, so every cell must be within its
// reach. Its owner seeds it; the trial clock does not.
using TreeDraws = std::int64_t (*)(std::span<std::uint8_t> cells, std::int32_t xsize, std::int32_t ysize,
                                   std::int64_t trees, std::int64_t target,
                                   void (*planted)(std::int32_t x, std::int32_t y));
