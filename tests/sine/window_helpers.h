#pragma once

#include "frame/tessomar.h"

#include <string>
#include <string_view>

namespace sinetest {

// A window as the user first sees it: loaded at design scale, activated,
// Sine mode, English units, the focus in Acceleration; then the shock mode
// asked for (2 half sine, 3 terminal peak) chosen with its buttons.
inline void start(tessomar::Tessomar& w, int mode = 1) {
    w.twipsPerPixelX = 15.1f;
    w.load();
    w.activate();
    if (mode >= 2) w.click(w.ShockButton);
    if (mode == 3) w.click(w.AccelButton);
}

inline void type(tessomar::Tessomar& w, std::string_view text) {
    for (char c : text) w.keyPress(static_cast<unsigned char>(c));
}

inline constexpr int kEnter = 13;

// The user clicks into the field and selects its whole text, so what is
// typed next replaces it.
inline void focusAndSelect(tessomar::Tessomar& w, tk::TextBox& box) {
    w.clickText(box, 0);
    w.selectAll();
}

// Types a value into a field and presses Enter.
inline void enter(tessomar::Tessomar& w, tk::TextBox& box, std::string_view text) {
    focusAndSelect(w, box);
    type(w, text);
    w.keyPress(kEnter);
}

// The sine field for a parameter letter.
inline tk::TextBox& field(tessomar::Tessomar& w, char letter) {
    switch (letter) {
    case 'A':
        return w.Acceleration;
    case 'V':
        return w.Velocity;
    case 'D':
        return w.Displacement;
    default:
        return w.Frequency;
    }
}

inline std::string focusedName(const tessomar::Tessomar& w) { return w.focused() ? w.focused()->name() : "(none)"; }

} // namespace sinetest
