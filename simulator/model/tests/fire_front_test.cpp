// The front engine against the sweep: both burn copies of the same forest and must
// give the same fire time, the same burnt fraction to the last bit and the same grid.
#include "fire_front.h"
#include "model_fixture.h"

#include <cmath>
#include <random>

TEST_F(ForestTest, TheFrontFireBurnsEdgeShapesFullAndRandomForestsAsTheSweepDoes)
{
    // Plants a forest and burns it both ways; the fire time, when they agree.
    std::vector<std::uint32_t> front; // from forest to forest, as a run keeps it
    auto burnBothWays = [&](std::int32_t xsize, std::int32_t ysize, double density) {
        makeForest(xsize, ysize);
        plant(density);
        const std::vector planted(forest.cells().begin(), forest.cells().end());
        const std::int32_t sweepTime = spreadFire(forest, nullptr);
        const long double sweepFraction = measureTrial(forest);
        const std::vector swept(forest.cells().begin(), forest.cells().end());
        std::ranges::copy(planted, forest.cells().begin());
        const FrontFire fire = spreadFireFront(forest, front);
        const bool agree = fire.fireTime == sweepTime && std::ranges::equal(forest.cells(), swept) &&
                           burntFraction(fire.burntTrees, forest.planted) == sweepFraction;
        return agree ? fire.fireTime : -1;
    };
    // Full forests burn one ring per generation; the fire time counts the last quiet one.
    for (auto [xsize, ysize, density, fireTime] :
         {std::tuple{1, 1, 0.0, 2}, {50, 30, 0.0, 2}, {1, 1, 1.0, 2}, {3, 3, 1.0, 3}, {4, 4, 1.0, 4}, {100, 100, 1.0, 52},
          {7, 2, 1.0, 5}, {1, 9, 1.0, 6}, {10, 1, 1.0, 7}})
        EXPECT_EQ(burnBothWays(xsize, ysize, density), fireTime) << xsize << " x " << ysize << " at " << density;

    // Sides from 1 to 300, small ones (down to single rows and columns) as likely as
    // large ones; densities around the threshold and across the whole range.
    std::mt19937 pick(20240917);
    std::uniform_real_distribution<double> logSide(0.0, std::log(300.5)), anyDensity(0.0, 1.0);
    std::normal_distribution<double> nearThreshold(0.41, 0.03);
    for (int forest = 0; forest < 400 && !HasFailure(); ++forest) {
        const auto xsize = static_cast<std::int32_t>(std::exp(logSide(pick)));
        const auto ysize = static_cast<std::int32_t>(std::exp(logSide(pick)));
        const double density = std::clamp(forest % 2 ? anyDensity(pick) : nearThreshold(pick), 0.0, 1.0);
        EXPECT_GT(burnBothWays(xsize, ysize, density), 0) << xsize << " x " << ysize << " at " << density;
    }
}

TEST_F(ForestTest, AnEdgeLitFireCrossesExactlyWhenTreesJoinTheFirstColumnToTheLast)
{
    // Forests drawn row by row (T a tree); whether the fire lit in the first column
    // reaches the last, the trees burnt and the fire time with its last quiet generation.
    for (const auto& [picture, crossed, burnt, fireTime] : std::vector<std::tuple<std::string, bool, std::int64_t, std::int32_t>>{
             {"TTTTT|TTTTT|TTTTT|TTTTT", true, 20, 6},
             {"....|....", false, 0, 1},
             {"TT.TT|TT.TT|TT.TT", false, 6, 3},  // a gap the height of the forest
             {"TT.TT|TTTTT|TT.TT", true, 13, 6},  // the same with one tree in it
             {"T|.", true, 1, 2},                 // the first column is the last
         }) {
        const auto width = static_cast<std::int32_t>(picture.find('|') == std::string::npos ? picture.size() : picture.find('|'));
        makeForest(width, static_cast<std::int32_t>((picture.size() + 1) / static_cast<std::size_t>(width + 1)));
        std::ranges::fill(forest.cells(), Empty);
        for (std::int32_t y = 0; y < forest.ysize; ++y)
            for (std::int32_t x = 0; x < forest.xsize; ++x)
                forest.cell(x, y) = picture[static_cast<std::size_t>(y * (width + 1) + x)] == 'T' ? Tree : Empty;
        std::vector<std::uint32_t> front;
        const EdgeFire fire = spreadEdgeFire(forest, front);
        EXPECT_EQ(std::tuple(fire.crossed, fire.fire.burntTrees, fire.fire.fireTime), std::tuple(crossed, burnt, fireTime))
            << picture;
    }
}
