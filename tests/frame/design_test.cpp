// The window's controls as they stand right after construction, before any
// load or activation: every design value, the tab order, the table rows, the
// stacking that hides the focus catchers, and the window itself.
#include "frame/tessomar.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

namespace {

using tk::Align;
using tk::Kind;

constexpr tk::Color kSys = tk::kSystemColor, kGrey = 0xC0C0C0, kLight = 0xE0E0E0, kPeach = 0xC0E0FF, kWhite = 0xFFFFFF,
                    kClear = tk::kTransparent;

struct FontRow {
    const char* face;
    float size;
    int weight;
};
const FontRow kWindowFont{"MS Sans Serif", 12, 400}, kBookman{"Bookman Old Style", 12, 600},
    kArial975{"Arial", 9.75f, 400}, kArial975B{"Arial", 9.75f, 700}, kArial825{"Arial", 8.25f, 400},
    kArial825B{"Arial", 8.25f, 700}, kArial675{"Arial", 6.75f, 400}, kSans825{"MS Sans Serif", 8.25f, 400},
    kNoFont{nullptr, 0, 0};

struct Design {
    std::string name;
    Kind kind;
    float left, top, width, height;
    int tabIndex;
    bool tabStop;
    const char* text; // caption, or a text box's text; nullptr: not fixed at design
    FontRow font;
    tk::Color back;
    bool visible = true;
    bool locked = false;
    Align align = Align::Left;
    bool border = false; // text boxes: true unless the row says otherwise
    bool multiLine = false;
};

void PrintTo(const Design& d, std::ostream* os) { *os << d.name; }

Design button(std::string n, float l, float t, float w, float h, int ti, bool stop, const char* caption, FontRow f,
              tk::Color back) {
    return {std::move(n), Kind::CommandButton, l, t, w, h, ti, stop, caption, f, back};
}
Design label(std::string n, float l, float t, float w, float h, int ti, const char* caption, FontRow f, tk::Color back,
             Align align = Align::Left, bool border = false) {
    return {std::move(n), Kind::Label, l, t, w, h, ti, false, caption, f, back, true, false, align, border};
}
Design box(std::string n, float l, float t, float w, float h, int ti, bool stop, const char* text, FontRow f,
           tk::Color back, bool locked, Align align, bool border, bool multi, bool visible = true) {
    return {std::move(n), Kind::TextBox, l, t, w, h, ti, stop, text, f, back, visible, locked, align, border, multi};
}

// Transcribed from the window's design tables.
std::vector<Design> designTable() {
    std::vector<Design> d = {
        {"Picture1", Kind::PictureBox, 30, 30, 3405, 735, 65, false, "", kWindowFont, kSys},
        button("SineButton", 30, 825, 1105, 400, 8, false, "&Sine", kBookman, kLight),
        button("RandomButton", 1140, 825, 1170, 400, 9, false, "&Random", kBookman, kLight),
        button("ShockButton", 2310, 825, 1105, 400, 66, false, "S&hock", kBookman, kLight),
        label("AccelLbl", 50, 1450, 1455, 270, 11, "Acceleration ", kArial975B, kGrey),
        box("Acceleration", 1530, 1400, 1000, 360, 0, true, "", kArial975, kWhite, false, Align::Center, true, true),
        label("AccelUnits", 2580, 1455, 765, 270, 34, "g's pk", kArial975B, kGrey),
        label("VelLbl", 50, 1850, 1455, 270, 31, "Velocity", kArial975B, kGrey),
        box("Velocity", 1530, 1800, 1000, 360, 2, true, "", kArial975, kWhite, false, Align::Center, true, true),
        label("VelUnits", 2595, 1845, 780, 270, 35, "ips pk", kArial975B, kGrey),
        label("DispLbl", 50, 2250, 1455, 270, 32, "Displacement", kArial975B, kGrey),
        box("Displacement", 1530, 2200, 1000, 360, 4, true, "", kArial975, kSys, false, Align::Center, true, true),
        label("DispUnits", 2595, 2250, 870, 270, 36, "in. p-p", kArial975B, kGrey),
        label("FreqLbl", 50, 2650, 1455, 270, 33, "Frequency", kArial975B, kGrey),
        box("Frequency", 1530, 2600, 1000, 360, 6, true, "", kArial975, kSys, false, Align::Center, true, true),
        label("FreqUnits", 2595, 2655, 555, 270, 37, "Hz", kArial975B, kGrey),
        button("AccelButton", 15, 1395, 1455, 345, 68, true, "Half Sine Accl", kArial975B, kGrey),
        button("VelTab", 1605, 1470, 255, 225, 1, true, "", kSans825, kSys),
        button("DispTab", 1605, 1860, 255, 225, 3, true, "", kSans825, kSys),
        button("FreqTab", 1620, 2280, 240, 210, 5, true, "", kSans825, kSys),
        button("AccelTab", 1620, 2670, 255, 195, 7, true, "", kSans825, kSys),
        button("AccelBounce", 2130, 1455, 345, 240, 58, false, "", kSans825, kSys),
        button("VelBounce", 2115, 1875, 360, 225, 59, false, "", kSans825, kSys),
        button("DispBounce", 2085, 2280, 375, 210, 60, false, "", kSans825, kSys),
        button("FreqBounce", 2130, 2670, 330, 210, 61, false, "", kSans825, kSys),
        button("TabDnBounce", 3135, 4260, 210, 405, 10, true, "", kWindowFont, kSys),
        button("TabBounce", 3150, 6375, 210, 375, 30, true, "", kWindowFont, kSys),
        button("EnglishBut", 30, 3000, 1125, 285, 38, false, "&English", kArial825B, kGrey),
        button("MetricBut", 1185, 3000, 1095, 285, 39, false, "&Metric", kArial825B, kGrey),
        button("HelpBut", 2295, 3000, 1125, 285, 62, false, "&Help", kArial825B, kGrey),
        label("AddLbl1", 30, 3360, 3405, 465, 40, nullptr, kArial675, kPeach, Align::Center, true),
        label("AddLbl2", 390, 3570, 2595, 225, 41, nullptr, kArial675, kClear, Align::Center),
        button("DelBut", 30, 3600, 1700, 250, 56, false, "Delete Break Pt", kArial825B, kGrey),
        button("ClearBut", 1725, 3600, 1700, 250, 57, false, "Clear All", kArial825B, kGrey),
        label("BkptBak", 30, 3900, 3030, 3060, 42, "", kWindowFont, kPeach, Align::Left, true),
        box("BkLbl", 180, 3945, 555, 200, 44, false, "Bk Pt", kArial825B, kSys, true, Align::Left, false, false),
        box("RfreqLbl", 800, 3945, 870, 200, 45, false, " Freq. (Hz)", kArial825B, kSys, true, Align::Left, false,
            false),
        box("PSDLbl", 1800, 3945, 1110, 200, 46, false, "  PSD (g2/Hz)", kArial825B, kSys, true, Align::Left, false,
            false),
        {"Scroll", Kind::ScrollBar, 3060, 3885, 360, 3075, 43, true, "", kNoFont, kSys},
        box("SineHelp", 30, 1380, 3420, 2490, 64, true, nullptr, kArial675, kSys, true, Align::Left, true, true, false),
        box("RanHelp", 30, 1380, 3420, 5610, 63, true, nullptr, kArial675, kSys, true, Align::Left, true, true, false),
        {"ShockHelp", Kind::PictureBox, 30, 1380, 3420, 5595, 67, false, "", kWindowFont, kSys},
    };
    for (int i = 0; i < 9; ++i) {
        const float top = 4245.0f + 300.0f * static_cast<float>(i);
        const std::string row = "(" + std::to_string(i) + ")";
        d.push_back(box("B" + row, 180, top, 555, 200, 47 + i, false, nullptr, kArial825B, kSys, true, Align::Left,
                        false, false));
        d.push_back(box("F" + row, 800, top, 870, 200, 12 + 2 * i, true, nullptr, kArial825, kSys, false, Align::Right,
                        false, true));
        d.push_back(box("A" + row, 1800, top, 1110, 200, 13 + 2 * i, true, nullptr, kArial825, kSys, false,
                        Align::Right, false, true));
    }
    return d;
}

class ControlDesign : public testing::TestWithParam<Design> {};

TEST_P(ControlDesign, MatchesTheDesignTable) {
    const Design& d = GetParam();
    tessomar::Tessomar w;
    const tk::Control* c = w.find(d.name);
    ASSERT_NE(c, nullptr) << d.name;
    EXPECT_EQ(c->kind(), d.kind);
    EXPECT_EQ(c->Left, d.left);
    EXPECT_EQ(c->Top, d.top);
    EXPECT_EQ(c->Width, d.width);
    EXPECT_EQ(c->Height, d.height);
    EXPECT_EQ(c->TabIndex, d.tabIndex);
    EXPECT_EQ(c->BackColor, d.back);
    EXPECT_EQ(c->Visible, d.visible);
    EXPECT_EQ(c->hasFont, d.font.face != nullptr);
    if (d.font.face) {
        EXPECT_EQ(c->font.face, d.font.face);
        EXPECT_EQ(c->font.size, d.font.size);
        EXPECT_EQ(c->font.weight, d.font.weight);
    }
    if (c->focusable() && d.kind != Kind::ScrollBar) {
        EXPECT_EQ(c->TabStop, d.tabStop);
    }
    if (const auto* b = dynamic_cast<const tk::TextBox*>(c)) {
        if (d.text) {
            EXPECT_EQ(b->Text(), d.text);
        }
        EXPECT_EQ(b->Locked, d.locked);
        EXPECT_EQ(b->alignment, d.align);
        EXPECT_EQ(b->border, d.border);
        EXPECT_EQ(b->MultiLine, d.multiLine);
    } else if (d.text) {
        EXPECT_EQ(c->Caption, d.text);
    }
    if (const auto* l = dynamic_cast<const tk::Label*>(c)) {
        EXPECT_EQ(l->alignment, d.align);
        EXPECT_EQ(l->border, d.border);
    }
}

INSTANTIATE_TEST_SUITE_P(Tessomar, ControlDesign, testing::ValuesIn(designTable()),
                         [](const testing::TestParamInfo<Design>& info) {
                             std::string n = info.param.name;
                             n.erase(std::remove_if(n.begin(), n.end(), [](char ch) { return ch == '(' || ch == ')'; }),
                                     n.end());
                             return n;
                         });

TEST(Tessomar, HasExactlyTheSeventyNamedControls) {
    tessomar::Tessomar w;
    std::set<std::string> want{"Line1"};
    for (const Design& d : designTable()) want.insert(d.name);
    std::set<std::string> have;
    for (const tk::Control* c : w.controls()) have.insert(c->name());
    EXPECT_EQ(want.size(), 70u);
    EXPECT_EQ(have, want);
    EXPECT_EQ(w.controls().size(), 70u);
    EXPECT_EQ(w.find("F(3)"), &w.F[3]);
}

TEST(Tessomar, TabIndexesAreZeroToSixtyEightOverSixtyNineControls) {
    tessomar::Tessomar w;
    std::vector<int> indexes;
    for (const tk::Control* c : w.controls())
        if (c != &w.Line1) indexes.push_back(c->TabIndex);
    std::sort(indexes.begin(), indexes.end());
    std::vector<int> expected(69);
    for (int i = 0; i < 69; ++i) expected[static_cast<std::size_t>(i)] = i;
    EXPECT_EQ(indexes, expected);
}

TEST(Tessomar, LineAndScrollBarHoldTheirDesignValues) {
    tessomar::Tessomar w;
    EXPECT_EQ(w.Line1.kind(), Kind::Line);
    EXPECT_EQ(w.Line1.X1, 45);
    EXPECT_EQ(w.Line1.Y1, 1300);
    EXPECT_EQ(w.Line1.X2, 3400);
    EXPECT_EQ(w.Line1.Y2, 1300);
    EXPECT_FALSE(w.Line1.hasFont);
    EXPECT_EQ(w.Scroll.Min(), 1);
    EXPECT_EQ(w.Scroll.Max(), 42);
    EXPECT_EQ(w.Scroll.Value(), 1);
    EXPECT_EQ(w.Scroll.LargeChange, 7);
    EXPECT_EQ(w.Scroll.SmallChange, 1);
}

TEST(Tessomar, WindowHasItsCaptionColourFontAndClientArea) {
    tessomar::Tessomar w;
    EXPECT_EQ(w.Caption, "Tessomar 5.1");
    EXPECT_EQ(w.Width, 3465);
    EXPECT_EQ(w.clientHeight(), 7020);
    EXPECT_EQ(w.BackColor, kGrey);
    EXPECT_EQ(w.font.face, "MS Sans Serif");
    EXPECT_EQ(w.font.size, 12);
    EXPECT_EQ(w.font.weight, 400);
    EXPECT_EQ(w.focused(), nullptr) << "nothing has the focus before activation";
}

TEST(Tessomar, TableRowsStandThreeHundredApartInsideTheirPanel) {
    tessomar::Tessomar w;
    for (int i = 0; i < tessomar::kRows; ++i) {
        const float top = 4245.0f + 300.0f * static_cast<float>(i);
        for (const tk::TextBox* b : {&w.B[i], &w.F[i], &w.A[i]}) {
            EXPECT_EQ(b->Top, top) << b->name();
            EXPECT_GE(b->Top, w.BkptBak.Top);
            EXPECT_LE(b->Top + b->Height, w.BkptBak.Top + w.BkptBak.Height) << b->name();
        }
    }
    EXPECT_EQ(w.A[8].Top + w.A[8].Height, 6845);
}

struct Cover {
    const char* catcher;
    const char* cover;
};

class FocusCatcher : public testing::TestWithParam<Cover> {};

TEST_P(FocusCatcher, LiesWhollyBehindItsCover) {
    tessomar::Tessomar w;
    const tk::Control& c = *w.find(GetParam().catcher);
    const tk::Control& k = *w.find(GetParam().cover);
    EXPECT_GE(c.Left, k.Left);
    EXPECT_GE(c.Top, k.Top);
    EXPECT_LE(c.Left + c.Width, k.Left + k.Width);
    EXPECT_LE(c.Top + c.Height, k.Top + k.Height);
    EXPECT_GT(c.zOrder, k.zOrder) << "the cover must stand in front";
}

INSTANTIATE_TEST_SUITE_P(Tessomar, FocusCatcher,
                         testing::Values(Cover{"VelTab", "Acceleration"}, Cover{"DispTab", "Velocity"},
                                         Cover{"FreqTab", "Displacement"}, Cover{"AccelTab", "Frequency"},
                                         Cover{"AccelBounce", "Acceleration"}, Cover{"VelBounce", "Velocity"},
                                         Cover{"DispBounce", "Displacement"}, Cover{"FreqBounce", "Frequency"},
                                         Cover{"TabDnBounce", "Scroll"}, Cover{"TabBounce", "Scroll"}),
                         [](const testing::TestParamInfo<Cover>& info) { return std::string(info.param.catcher); });

TEST(Tessomar, ControlsStackFrontToBackInDesignOrder) {
    const std::vector<std::string> front = {"ShockHelp", "ShockButton", "Picture1", "SineHelp",
                                            "RanHelp",   "HelpBut",     "ClearBut", "DelBut"};
    const std::vector<std::string> back = {
        "PSDLbl",       "RfreqLbl",    "BkLbl",        "Scroll",       "MetricBut",  "EnglishBut",  "Frequency",
        "Displacement", "Velocity",    "Acceleration", "RandomButton", "SineButton", "AccelBounce", "VelBounce",
        "DispBounce",   "FreqBounce",  "VelTab",       "DispTab",      "FreqTab",    "AccelTab",    "TabBounce",
        "TabDnBounce",  "AccelButton", "BkptBak",      "AddLbl2",      "AddLbl1",    "FreqUnits",   "DispUnits",
        "VelUnits",     "AccelUnits",  "FreqLbl",      "DispLbl",      "VelLbl",     "AccelLbl",    "Line1"};
    std::vector<std::string> expected = front;
    for (const char* array : {"A", "F", "B"}) // the table's boxes, in any order within their group
        for (int i = 0; i < 9; ++i) expected.push_back(std::string(array) + "(" + std::to_string(i) + ")");
    expected.insert(expected.end(), back.begin(), back.end());

    tessomar::Tessomar w;
    std::vector<const tk::Control*> byZ(w.controls().begin(), w.controls().end());
    std::sort(byZ.begin(), byZ.end(), [](auto* a, auto* b) { return a->zOrder < b->zOrder; });
    ASSERT_EQ(byZ.size(), expected.size());
    for (std::size_t i = 0; i < byZ.size(); ++i) {
        if (i < front.size() || i >= front.size() + 27) {
            EXPECT_EQ(byZ[i]->name(), expected[i]) << "stacking place " << i;
        } else {
            // Within the table's boxes the arrays keep their group order: A, then F, then B.
            const std::size_t group = (i - front.size()) / 9;
            EXPECT_EQ(byZ[i]->baseName(), std::string(1, "AFB"[group])) << "stacking place " << i;
        }
    }
    std::set<int> distinct;
    for (const tk::Control* c : byZ) distinct.insert(c->zOrder);
    EXPECT_EQ(distinct.size(), byZ.size()) << "no two controls share a stacking place";
}

} // namespace
