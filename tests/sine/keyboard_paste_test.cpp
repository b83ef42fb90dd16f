// Keys that carry a character make an entry of what the field then shows,
// the keyboard's paste included; the mouse's paste and the keys that only
// read the field do not.
#include "frame/tessomar.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace {

using tessomar::Tessomar;

TEST(KeysInASineField, OnlyThoseCarryingACharacterMakeAnEntry) {
    // In Velocity, its text selected, after A = 10 and F = 100; then the
    // Acceleration, Velocity and Displacement shown after Tab.
    const std::pair<std::function<void(Tessomar&)>, const char*> cases[] = {
        {[](Tessomar& w) { w.pasteKey("5"); }, "8.14 5.0 0.016"},
        {[](Tessomar& w) { w.keyPress(27); }, "9.93 6.1 0.019"}, // Escape: 6.1 taken as shown
        {[](Tessomar& w) { w.paste("5"); }, "10.00 5 0.020"},
        {[](Tessomar& w) { w.copy(); }, "10.00 6.1 0.020"},
        {[](Tessomar& w) { w.selectAll(); }, "10.00 6.1 0.020"},
    };
    for (const auto& [act, shown] : cases) {
        Tessomar w;
        w.twipsPerPixelX = 15.1f;
        w.load();
        w.activate();
        for (auto [box, text] : {std::pair{&w.Acceleration, "10\r"}, {&w.Frequency, "100\r"}, {&w.Velocity, ""}}) {
            w.clickText(*box, 0);
            w.selectAll();
            for (const char* ch = text; *ch; ++ch) w.keyPress(*ch);
        }
        act(w);
        w.pressTab(false);
        EXPECT_EQ(w.Acceleration.Text() + " " + w.Velocity.Text() + " " + w.Displacement.Text(), shown);
    }
}

} // namespace
