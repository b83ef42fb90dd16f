// The keyboard's cut and paste reach KeyPress as characters 24 and 22; a
// handler that swallows them stops them.
#include "toolkit/window.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(PasteAndCutKeys, RaiseKeyPressAndStopWhenSwallowed) {
    for (bool swallow : {false, true}) {
        tk::Window w;
        w.Height = 1000;
        tk::TextBox box(w, "Box");
        box.setText("abcd");
        w.moveFocus(box);
        std::string seen;
        box.KeyPress = [&](int& k) { seen += std::to_string(k) + " ", k = swallow ? 0 : k; };
        box.select(1, 3);
        const std::string cut = w.cutKey();
        w.pasteKey("5\t\xC3\xA9");
        EXPECT_EQ(seen + cut + "|" + box.Text(), swallow ? "24 22 |abcd" : "24 22 bc|a5d");
    }
}

} // namespace
