// The whole headless window driven by a byte stream decoded into user
// actions, with every invariant checked after every action.
#include "reliability/session.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace rel = reliability;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    rel::ByteSource src(data, size);
    // The first choices pick the screen: resolution and window frame.
    constexpr float kTwips[] = {15.1f, 15.0f, 12.0f, 9.6f};
    constexpr float kFrames[] = {0.0f, 390.0f, 450.0f};
    const rel::Screen screen{kTwips[src.pick(4)], kFrames[src.pick(3)]};
    rel::Tally tally;
    if (auto f = rel::runGenerated(src, screen, 1L << 20, tally)) {
        std::fprintf(stderr, "window_fuzz: invariant %s broken: %s\n%s", f->violation.invariant.c_str(),
                     f->violation.detail.c_str(), rel::reproducer(screen, f->actions, f->violation).c_str());
        std::abort();
    }
    return 0;
}
