// The fire of a silent trial. Nothing is drawn, so the order in which the trees of
// one generation catch fire shows nowhere: instead of sweeping the whole grid once
// per generation, only the trees that burn are visited, generation by generation,
// and counted on the way. Fire time, burnt trees and the grid left behind are
// those of spreadFire.
#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

struct Forest;

struct FrontFire {
    std::int32_t fireTime;   // as spreadFire counts it, the final quiet sweep included
    std::int64_t burntTrees; // the centre tree included
};

// `front` holds grid indices of the burning trees and those they set alight; kept
// from trial to trial, so that a run allocates only while it grows.
FrontFire spreadFireFront(Forest& forest, std::vector<std::uint32_t>& front);

struct EdgeFire {
    FrontFire fire; // burntTrees: those of the first column included
    bool crossed;   // some tree of the last column burnt
};

// The same fire lit at once in every tree of the first column.
EdgeFire spreadEdgeFire(Forest& forest, std::vector<std::uint32_t>& front);
