// The whole headless window driven by user actions decoded from the bytes,
// with every invariant checked after every action.
#include "reliability/harness.h"

#include <array>
#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    reliability::Source src(data, size);
    // The first choices pick the screen: resolution and window frame.
    const reliability::Screen screen{"fuzz", std::array{15.1f, 15.0f, 12.0f, 9.6f}[src.pick(4)],
                                     std::array{0.0f, 390.0f, 450.0f}[src.pick(3)]};
    const std::string failure = reliability::runSession(src, screen, 1L << 20);
    if (failure.empty()) return 0;
    std::fprintf(stderr, "window_fuzz: %s", failure.c_str());
    std::abort();
}
