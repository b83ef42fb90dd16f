#include "modes/started_window.h"

#include <gtest/gtest.h>

namespace {

using tessomar::Tessomar;

// The Sine and Shock screens end above the break-point table whatever the
// window's frame; the Random screen and the Shock help drawing reach below it.
struct FrameCase {
    const char* name;
    void (*select)(Tessomar&);
    float frame;         // title bar and borders, twips
    float twipsPerPixel; // the screen
    double client;       // the client height in design twips
    bool tableInside;
};

class ClientArea : public testing::TestWithParam<FrameCase> {};

TEST_P(ClientArea, EndsAboveTheTableUnlessTheScreenShowsIt) {
    const FrameCase& c = GetParam();
    auto w = modes_test::started(c.twipsPerPixel);
    w->frameHeight = c.frame;
    c.select(*w);
    EXPECT_NEAR(w->clientHeight(), c.client * modes_test::factorOf(c.twipsPerPixel), 0.5);
    EXPECT_EQ(w->canTakeFocus(w->Scroll), c.tableInside);
    if (c.tableInside) {
        EXPECT_GE(w->clientHeight(), w->Scroll.Top + w->Scroll.Height);
        return;
    }
    EXPECT_LE(w->clientHeight(), w->Scroll.Top);
    w->clickText(w->Acceleration, 0);
    for (int press = 0; press < 12; ++press) {
        w->pressTab(true);
        ASSERT_NE(w->focused(), nullptr);
        EXPECT_LT(w->focused()->Top, w->Scroll.Top) << w->focused()->name() << " after Shift+Tab " << press + 1;
    }
}

void sine(Tessomar&) {}
void shock(Tessomar& w) { w.click(w.ShockButton); }
void shockHelp(Tessomar& w) { w.click(w.ShockButton), w.click(w.HelpBut); }
void random(Tessomar& w) { w.click(w.RandomButton); }

using modes_test::kDesignScreen;
INSTANTIATE_TEST_SUITE_P(Frames, ClientArea,
                         testing::Values(FrameCase{"SineNoFrame", sine, 0, kDesignScreen, 3885, false},
                                         FrameCase{"SineThinFrame", sine, 150, kDesignScreen, 3885, false},
                                         FrameCase{"SineTallFrame", sine, 450, kDesignScreen, 3760, false},
                                         FrameCase{"Sine120Dpi", sine, 0, modes_test::kScreen120, 3885, false},
                                         FrameCase{"ShockNoFrame", shock, 0, kDesignScreen, 3885, false},
                                         FrameCase{"ShockThinFrame", shock, 150, kDesignScreen, 3885, false},
                                         FrameCase{"ShockTallFrame", shock, 450, kDesignScreen, 3760, false},
                                         FrameCase{"ShockHelp", shockHelp, 0, kDesignScreen, 7470, true},
                                         FrameCase{"RandomNoFrame", random, 0, kDesignScreen, 7470, true},
                                         FrameCase{"RandomTallFrame", random, 450, kDesignScreen, 7020, true}),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
