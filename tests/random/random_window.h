#pragma once

#include "frame/tessomar.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <string_view>

namespace random_test {

// A started window switched to the Random screen, driven as a user drives it.
class Session {
public:
    Session() : m_w(std::make_unique<tessomar::Tessomar>()) {
        w().twipsPerPixelX = 15.1f; // design twips: ScaleFactor 1
        w().load();
        w().activate();
        w().click(w().RandomButton);
    }

    tessomar::Tessomar& w() { return *m_w; }

    void type(std::string_view text) {
        for (char c : text) w().keyPress(static_cast<unsigned char>(c));
    }
    void enter() { w().keyPress(13); }
    // Replaces the focused box's text the way a user does: select all, type.
    void retype(std::string_view text) {
        w().selectAll();
        type(text);
    }
    // A frequency and a PSD typed with Enter after each, from the F box that has the focus.
    void point(std::string_view freq, std::string_view psd) {
        retype(freq);
        enter();
        retype(psd);
        enter();
    }
    // Leaves a box without touching the table: the row numbers reset nothing.
    void leaveTo(int row) { w().clickText(w().B[row], 0); }

    int focusedRow(const std::array<tk::TextBox, tessomar::kRows>& column) {
        for (int r = 0; r < tessomar::kRows; ++r)
            if (w().focused() == &column[r]) return r;
        return -1;
    }
    std::string focusName() { return w().focused() ? w().focused()->name() : std::string("none"); }

private:
    std::unique_ptr<tessomar::Tessomar> m_w;
};

// "20.00"-style frequency texts for n points in a scrambled but known order.
inline std::string freqOf(int i) { return std::to_string(10 + ((i * 37) % 50) * 20); }

} // namespace random_test
