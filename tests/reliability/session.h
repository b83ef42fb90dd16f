#pragma once

#include "frame/tessomar.h"
#include "reliability/actions.h"
#include "reliability/invariants.h"

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace reliability {

// The screen a session runs on: its resolution and the height of the
// window's frame (0 without a window manager).
struct Screen {
    float twipsPerPixelX = 15.1f;
    float frameHeight = 0;
    bool focusInSight = true; // the checker's option of that name, for the whole session
};

// A started window with its checker, driven one action at a time.
class Session {
public:
    explicit Session(Screen screen = {});
    // Performs the action when a user could, then checks every invariant.
    // Returns the violations (empty when all hold).
    std::vector<Violation> step(const Action& a, bool* performed = nullptr);
    const std::vector<Violation>& atStart() const { return m_atStart; }

    tessomar::Tessomar w;
    Checker checker;

private:
    std::vector<Violation> m_atStart;
};

struct Failure {
    std::vector<Action> actions; // the performed actions up to and including the failing one
    Violation violation;
};

// Replays the actions on a fresh window and returns the first failure.
std::optional<Failure> replay(const Screen& screen, const std::vector<Action>& actions);

// Delta debugging: a shortest sequence found that still breaks the same
// invariant, holding only actions that were performed.
std::vector<Action> shrink(const Screen& screen, const std::vector<Action>& failing, const std::string& invariant,
                           std::chrono::seconds budget = std::chrono::seconds(120));

// The failing sequence as a test a developer can paste: C++ and the script.
std::string reproducer(const Screen& screen, const std::vector<Action>& actions, const Violation& v);

// Counts for the run's report.
struct Tally {
    long sessions = 0;
    long actions = 0;   // offered
    long performed = 0; // a user could do them
    long checks = 0;
    long integrations = 0;
    // How far the runs got: most break points held at once, highest scroll
    // range, actions taken in each mode.
    int mostPoints = 0;
    int highestMax = 0;
    long inMode[4] = {0, 0, 0, 0};
};

// Runs one generated session of `length` actions; stops at the first
// failure, which it returns unshrunk.
std::optional<Failure> runGenerated(Source& src, const Screen& screen, long length, Tally& tally);

} // namespace reliability
