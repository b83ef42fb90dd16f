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
    // n points from the F box that has the focus, with frequencies freq(i) and one PSD text.
    template <class Freq> void fill(int n, Freq freq, std::string_view psd = "0.01") {
        for (int i = 0; i < n; ++i) point(freq(i), psd);
    }
    void expectResults(const std::string& accel, const std::string& vel, const std::string& disp) {
        EXPECT_EQ(w().Acceleration.Text(), accel);
        EXPECT_EQ(w().Velocity.Text(), vel);
        EXPECT_EQ(w().Displacement.Text(), disp);
    }
    // Leaves a box without touching the table: the row numbers reset nothing.
    void leaveTo(int row) { w().clickText(w().B[row], 0); }

    std::string focusName() { return w().focused() ? w().focused()->name() : std::string("none"); }

private:
    std::unique_ptr<tessomar::Tessomar> m_w;
};

// A test on a fresh Session, with its window as w.
struct Screen : testing::Test {
    Session s;
    tessomar::Tessomar& w = s.w();
};
template <class Param> struct ScreenP : testing::TestWithParam<Param> {
    Session s;
    tessomar::Tessomar& w = s.w();
};

// "20.00"-style frequency texts for n points in a scrambled but known order.
inline std::string freqOf(int i) { return std::to_string(10 + ((i * 37) % 50) * 20); }
// 100, 200, ... Hz in entry order.
inline std::string hundreds(int i) { return std::to_string(100 * (i + 1)); }

template <class Case> std::string nameOf(const testing::TestParamInfo<Case>& info) { return info.param.name; }

} // namespace random_test
