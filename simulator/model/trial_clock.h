// The calendar clock that seeds each trial. Trials that start within one second of
// the last seeding let the generator run on (reseeding with the same second would
// plant the same forest again), so the clock remembers that second. The Windows
// program keeps one for the whole process; a clock that always gives one second
// seeds once and lets the generator run on through the whole run.
#pragma once
#include "random_generator.h"

#include <ctime>
#include <functional>

struct TrialClock {
    std::function<std::time_t()> now = [] { return std::time(nullptr); };
    bool seeded = false;
    std::time_t lastSeeding = 0;

    void seedForTrial(Generator& generator)
    {
        const std::time_t second = now();
        if (seeded && second == lastSeeding)
            return;
        generator.seed(static_cast<std::uint32_t>(second));
        lastSeeding = second;
        seeded = true;
    }
};
