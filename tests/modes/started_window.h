#pragma once

#include "frame/tessomar.h"

#include <memory>

namespace modes_test {

// The factors of the screens the tests lay the window out for.
inline constexpr float kDesignScreen = 15.1f; // factor 1
inline constexpr float kScreen96 = 15.0f;     // factor 0.9933775
inline constexpr float kScreen120 = 12.0f;    // factor 0.7947020

inline float factorOf(float twipsPerPixel) {
    if (twipsPerPixel == kScreen96) return 0.9933775f;
    if (twipsPerPixel == kScreen120) return 0.7947020f;
    return 1.0f;
}

// A window as the user first sees it: loaded, activated, Acceleration focused.
inline std::unique_ptr<tessomar::Tessomar> started(float twipsPerPixel = kDesignScreen) {
    auto w = std::make_unique<tessomar::Tessomar>();
    w->twipsPerPixelX = twipsPerPixel;
    w->load();
    w->activate();
    return w;
}

} // namespace modes_test
