// Seeded, reproducible sequences of user actions over every mode, with every
// invariant checked after every action. TESSOMAR_RANDOM_ACTIONS sets how many
// actions each screen gets (few by default, so the unit run stays quick);
// TESSOMAR_RANDOM_SEED picks other sequences.
#include "reliability/harness.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <iostream>

namespace reliability {
namespace {

TEST(RandomActions, EveryInvariantHoldsAfterEveryActionOnEveryScreen) {
    const char* actions = std::getenv("TESSOMAR_RANDOM_ACTIONS");
    const char* seedText = std::getenv("TESSOMAR_RANDOM_SEED");
    const long budget = actions ? std::atol(actions) : 5000;
    const long seed = seedText ? std::atol(seedText) : 20261206;
    for (const Screen& screen : {Screen{"DesignScale", 15.1f, 0}, Screen{"DesignScaleWithFrame", 15.1f, 450},
                                 Screen{"At96Dpi", 15.0f, 0}, Screen{"At120DpiWithFrame", 12.0f, 390}}) {
        // Each screen its own sequences; each session its own seed and length.
        Source seeds(static_cast<std::uint64_t>(seed) * 1000003u +
                     std::lround(screen.twipsPerPixelX * 100 + screen.frameHeight));
        long session = 0, done = 0;
        for (long length = 0; done < budget; done += length, ++session) {
            Source src(seeds.pick(UINT32_MAX));
            length = std::min<long>(budget - done, 100 + seeds.pick(4000));
            const std::string broken = runSession(src, screen, length);
            ASSERT_TRUE(broken.empty()) << "session " << session << " on " << screen.name
                                        << " (TESSOMAR_RANDOM_SEED=" << seed << " replays it): " << broken;
        }
        std::cout << "random actions [" << screen.name << "] seed " << seed << ": " << done << " actions\n";
    }
}

} // namespace
} // namespace reliability
