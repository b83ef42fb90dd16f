#include "reliability/session.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <iostream>
#include <map>
#include <string>

// Seeded, reproducible sequences of user actions over every mode, with every
// invariant checked after every action. TESSOMAR_RANDOM_ACTIONS sets how many
// actions each screen gets (small by default, so the unit run stays quick);
// TESSOMAR_RANDOM_SEED picks another sequence; TESSOMAR_FOCUS_IN_SIGHT=0 drops
// the check that the focus never lies under a help panel;
// TESSOMAR_SHRINK_SECONDS bounds the shrinking of each failing run.
namespace reliability {
namespace {

long envNumber(const char* name, long fallback) {
    const char* v = std::getenv(name);
    if (!v || !*v) return fallback;
    char* end = nullptr;
    const long n = std::strtol(v, &end, 10);
    return end && *end == '\0' && n >= 0 ? n : fallback;
}

struct ScreenCase {
    const char* name;
    Screen screen;
};

class RandomActions : public ::testing::TestWithParam<ScreenCase> {};

TEST_P(RandomActions, EveryInvariantHoldsAfterEveryAction) {
    ScreenCase sc = GetParam();
    sc.screen.focusInSight = envNumber("TESSOMAR_FOCUS_IN_SIGHT", 1) != 0;
    const long budget = envNumber("TESSOMAR_RANDOM_ACTIONS", 5000);
    const auto seed = static_cast<std::uint64_t>(envNumber("TESSOMAR_RANDOM_SEED", 20261206)) * 1000003u +
                      static_cast<std::uint64_t>(sc.screen.twipsPerPixelX * 100 + sc.screen.frameHeight);
    PrngSource lengths(seed);
    Tally tally;
    std::map<std::string, std::pair<Failure, std::uint64_t>> findings; // first failure of each invariant
    for (std::uint64_t session = 0; tally.actions < budget; ++session) {
        const std::uint64_t sessionSeed = seed + session * 7919u;
        PrngSource src(sessionSeed);
        const long length = std::min<long>(budget - tally.actions, 100 + static_cast<long>(lengths.pick(4000)));
        if (auto f = runGenerated(src, sc.screen, length, tally))
            findings.emplace(f->violation.invariant, std::make_pair(*f, sessionSeed));
    }
    std::cout << "random actions [" << sc.name << "] seed " << seed << ": " << tally.sessions << " sessions, "
              << tally.actions << " actions (" << tally.performed << " performed), " << tally.checks
              << " invariant checks, " << tally.integrations << " integrations, " << findings.size()
              << " failing invariants; reached " << tally.mostPoints << " break points, scroll Max " << tally.highestMax
              << "; actions in Random/Sine/Shock: " << tally.inMode[0] << "/" << tally.inMode[1] << "/"
              << tally.inMode[2] + tally.inMode[3] << "\n";
    for (const auto& [invariant, found] : findings) {
        const auto& [failure, sessionSeed] = found;
        const auto shortest = shrink(sc.screen, failure.actions, invariant,
                                     std::chrono::seconds(envNumber("TESSOMAR_SHRINK_SECONDS", 120)));
        const auto again = replay(sc.screen, shortest);
        const Violation& v = again ? again->violation : failure.violation;
        ADD_FAILURE() << "invariant " << invariant << " broken in session seed " << sessionSeed << " after "
                      << failure.actions.size() << " actions; shrunk to " << shortest.size() << ":\n"
                      << reproducer(sc.screen, shortest, v);
    }
}

std::string caseName(const ::testing::TestParamInfo<ScreenCase>& info) { return info.param.name; }

INSTANTIATE_TEST_SUITE_P(Screens, RandomActions,
                         ::testing::Values(ScreenCase{"DesignScale", {15.1f, 0}},
                                           ScreenCase{"DesignScaleWithFrame", {15.1f, 450}},
                                           ScreenCase{"At96Dpi", {15.0f, 0}},
                                           ScreenCase{"At120DpiWithFrame", {12.0f, 390}}),
                         caseName);

} // namespace
} // namespace reliability
