#pragma once

#include "frame/tessomar.h"

#include <cstdint>

// What the three mode selections share.
namespace tessomar::screen {

inline constexpr tk::Color kCurrentMode = 0xC0FFC0; // light green
inline constexpr tk::Color kOtherMode = 0xE0E0E0;   // light grey

// The first steps of every selection: the entry history empties, the mode is
// set, the help panels and the pulse-shape button hide, and the chosen mode's
// button turns green.
void begin(Tessomar& w, std::int16_t mode, tk::CommandButton& current);

// The window's outer height and the places of the unit buttons and contact
// labels, in design twips; the layout takes them times ScaleFactor.
struct Layout {
    double height;
    double buttonsTop; // English, Metric and Help move together
    double addLbl1Top;
    double addLbl2Top;
    bool showsTable; // otherwise the client area ends above the table, whatever the frame
};
inline constexpr Layout kSineLayout{4210, 3020, 3340, 3550, false};
inline constexpr Layout kRandomLayout{7470, 2645, 3005, 3220, true};
void place(Tessomar& w, const Layout& layout);

// Which keys the screen works with: the sine fields and their tab catchers,
// or the break-point table (the fields then become locked result boxes).
void routeKeys(Tessomar& w, bool sineFields);

} // namespace tessomar::screen
