#pragma once

#include "frame/tessomar.h"

#include <memory>
#include <string>

namespace modes_test {

// The factors of the screens the tests lay the window out for.
inline constexpr float kDesignScreen = 15.1f; // factor 1
inline constexpr float kScreen96 = 15.0f;     // factor 0.9933775
inline constexpr float kScreen120 = 12.0f;    // factor 0.7947020

inline float factorOf(float twipsPerPixel) {
    return twipsPerPixel == kScreen96 ? 0.9933775f : twipsPerPixel == kScreen120 ? 0.7947020f : 1.0f;
}

// A window as the user first sees it: loaded, activated, Acceleration focused.
inline std::unique_ptr<tessomar::Tessomar> started(float twipsPerPixel = kDesignScreen) {
    auto w = std::make_unique<tessomar::Tessomar>();
    w->twipsPerPixelX = twipsPerPixel;
    w->load();
    w->activate();
    return w;
}

// The four calculator fields as "Acceleration|Velocity|Displacement|Frequency".
inline std::string fields(const tessomar::Tessomar& w) {
    return w.Acceleration.Text() + "|" + w.Velocity.Text() + "|" + w.Displacement.Text() + "|" + w.Frequency.Text();
}

} // namespace modes_test
