// Design values of the window and its controls, in twips.
#include "calc/units.h"
#include "frame/tessomar.h"

#include <string>

namespace tessomar {

namespace {

const tk::Font kBookman{"Bookman Old Style", 12.0f, 600};
const tk::Font kArial975{"Arial", 9.75f, 400};
const tk::Font kArial975Bold{"Arial", 9.75f, 700};
const tk::Font kArial825{"Arial", 8.25f, 400};
const tk::Font kArial825Bold{"Arial", 8.25f, 700};
const tk::Font kArial675{"Arial", 6.75f, 400};
const tk::Font kSans825{"MS Sans Serif", 8.25f, 400};
const tk::Font kSans12{"MS Sans Serif", 12.0f, 400};

constexpr tk::Color kLightGrey = 0xE0E0E0;
constexpr tk::Color kGrey = 0xC0C0C0;
constexpr tk::Color kPeach = 0xC0E0FF;
constexpr tk::Color kWhite = 0xFFFFFF;

void place(tk::Control& c, float left, float top, float width, float height, int tabIndex) {
    c.Left = left;
    c.Top = top;
    c.Width = width;
    c.Height = height;
    c.TabIndex = tabIndex;
}

void dress(tk::Control& c, const tk::Font& font, tk::Color back, std::string caption = {}) {
    c.font = font;
    c.BackColor = back;
    c.Caption = std::move(caption);
}

} // namespace

void Tessomar::applyDesign() {
    Caption = "Tessomar 5.1";
    Width = 3465;
    Height = 7020;
    BackColor = kGrey;
    font = kSans12;

    // Controls without a font of their own take the window's.
    place(Picture1, 30, 30, 3405, 735, 65);
    Picture1.font = kSans12;
    place(SineButton, 30, 825, 1105, 400, 8);
    dress(SineButton, kBookman, kLightGrey, "&Sine");
    place(RandomButton, 1140, 825, 1170, 400, 9);
    dress(RandomButton, kBookman, kLightGrey, "&Random");
    place(ShockButton, 2310, 825, 1105, 400, 66);
    dress(ShockButton, kBookman, kLightGrey, "S&hock");
    for (tk::Control* c : {static_cast<tk::Control*>(&SineButton), static_cast<tk::Control*>(&RandomButton),
                           static_cast<tk::Control*>(&ShockButton)})
        c->TabStop = false;
    Line1.X1 = 45;
    Line1.Y1 = 1300;
    Line1.X2 = 3400;
    Line1.Y2 = 1300;

    // The sine parameter rows: label, value field, unit label.
    struct SineRow {
        tk::Label& label;
        const char* caption;
        float labelTop;
        int labelTab;
        tk::TextBox& field;
        float fieldTop;
        int fieldTab;
        tk::Color fieldBack;
        tk::Label& units;
        const char* unitsCaption;
        float unitsLeft, unitsTop, unitsWidth;
        int unitsTab;
    };
    namespace caption = units::caption;
    const SineRow rows[] = {
        {AccelLbl, "Acceleration ", 1450, 11, Acceleration, 1400, 0, kWhite, AccelUnits, caption::kAccelPeak, 2580,
         1455, 765, 34},
        {VelLbl, "Velocity", 1850, 31, Velocity, 1800, 2, kWhite, VelUnits, caption::kVelEnglish, 2595, 1845, 780, 35},
        {DispLbl, "Displacement", 2250, 32, Displacement, 2200, 4, tk::kSystemColor, DispUnits, caption::kDispEnglish,
         2595, 2250, 870, 36},
        {FreqLbl, "Frequency", 2650, 33, Frequency, 2600, 6, tk::kSystemColor, FreqUnits, caption::kFrequency, 2595,
         2655, 555, 37},
    };
    for (const SineRow& r : rows) {
        place(r.label, 50, r.labelTop, 1455, 270, r.labelTab);
        dress(r.label, kArial975Bold, kGrey, r.caption);
        place(r.field, 1530, r.fieldTop, 1000, 360, r.fieldTab);
        dress(r.field, kArial975, r.fieldBack);
        r.field.MultiLine = true;
        r.field.alignment = tk::Align::Center;
        place(r.units, r.unitsLeft, r.unitsTop, r.unitsWidth, 270, r.unitsTab);
        dress(r.units, kArial975Bold, kGrey, r.unitsCaption);
    }
    place(AccelButton, 15, 1395, 1455, 345, 68);
    dress(AccelButton, kArial975Bold, kGrey, "Half Sine Accl");

    // Hidden focus catchers: no caption, never seen.
    struct Catcher {
        tk::CommandButton& button;
        float left, top, width, height;
        int tab;
        bool tabStop;
    };
    const Catcher catchers[] = {
        {VelTab, 1605, 1470, 255, 225, 1, true},        {DispTab, 1605, 1860, 255, 225, 3, true},
        {FreqTab, 1620, 2280, 240, 210, 5, true},       {AccelTab, 1620, 2670, 255, 195, 7, true},
        {AccelBounce, 2130, 1455, 345, 240, 58, false}, {VelBounce, 2115, 1875, 360, 225, 59, false},
        {DispBounce, 2085, 2280, 375, 210, 60, false},  {FreqBounce, 2130, 2670, 330, 210, 61, false},
        {TabDnBounce, 3135, 4260, 210, 405, 10, true},  {TabBounce, 3150, 6375, 210, 375, 30, true},
    };
    for (const Catcher& c : catchers) {
        place(c.button, c.left, c.top, c.width, c.height, c.tab);
        c.button.TabStop = c.tabStop;
        c.button.font = (&c.button == &TabBounce || &c.button == &TabDnBounce) ? kSans12 : kSans825;
    }

    // Unit and help buttons.
    place(EnglishBut, 30, 3000, 1125, 285, 38);
    dress(EnglishBut, kArial825Bold, kGrey, "&English");
    place(MetricBut, 1185, 3000, 1095, 285, 39);
    dress(MetricBut, kArial825Bold, kGrey, "&Metric");
    place(HelpBut, 2295, 3000, 1125, 285, 62);
    dress(HelpBut, kArial825Bold, kGrey, "&Help");
    for (tk::Control* c : {static_cast<tk::Control*>(&EnglishBut), static_cast<tk::Control*>(&MetricBut),
                           static_cast<tk::Control*>(&HelpBut)})
        c->TabStop = false;

    // Contact labels.
    place(AddLbl1, 30, 3360, 3405, 465, 40);
    dress(AddLbl1, kArial675, kPeach, "tessomar.example.org");
    AddLbl1.border = true;
    AddLbl1.alignment = tk::Align::Center;
    place(AddLbl2, 390, 3570, 2595, 225, 41);
    dress(AddLbl2, kArial675, tk::kTransparent, "Sine, random and shock calculator");
    AddLbl2.alignment = tk::Align::Center;

    // The break-point table.
    place(DelBut, 30, 3600, 1700, 250, 56);
    dress(DelBut, kArial825Bold, kGrey, "Delete Break Pt");
    DelBut.TabStop = false;
    DelBut.shortcutKey = 'D'; // the table's buttons need a key too; their captions mark none
    place(ClearBut, 1725, 3600, 1700, 250, 57);
    dress(ClearBut, kArial825Bold, kGrey, "Clear All");
    ClearBut.TabStop = false;
    ClearBut.shortcutKey = 'C';
    place(BkptBak, 30, 3900, 3030, 3060, 42);
    BkptBak.BackColor = kPeach;
    BkptBak.border = true;
    BkptBak.font = kSans12; // shows no text, but its font size is scaled like every label's
    struct Header {
        tk::TextBox& box;
        const char* text;
        float left, width;
        int tab;
    };
    const Header headers[] = {{BkLbl, "Bk Pt", 180, 555, 44},
                              {RfreqLbl, " Freq. (Hz)", 800, 870, 45},
                              {PSDLbl, "  PSD (g2/Hz)", 1800, 1110, 46}};
    for (const Header& h : headers) {
        place(h.box, h.left, 3945, h.width, 200, h.tab);
        h.box.font = kArial825Bold;
        h.box.setText(h.text);
        h.box.Locked = true;
        h.box.border = false;
        h.box.TabStop = false;
    }
    for (int i = 0; i < kRows; ++i) {
        const float top = 4245.0f + 300.0f * static_cast<float>(i);
        place(B[i], 180, top, 555, 200, 47 + i);
        B[i].font = kArial825Bold;
        B[i].Locked = true;
        B[i].border = false;
        B[i].TabStop = false;
        place(F[i], 800, top, 870, 200, 12 + 2 * i);
        A[i].font = F[i].font = kArial825;
        place(A[i], 1800, top, 1110, 200, 13 + 2 * i);
        for (tk::TextBox* box : {&F[i], &A[i]}) {
            box->border = false;
            box->MultiLine = true;
            box->alignment = tk::Align::Right;
        }
    }
    place(Scroll, 3060, 3885, 360, 3075, 43);
    Scroll.setMin(1);
    Scroll.setMax(42);
    Scroll.setValue(1);
    Scroll.LargeChange = 7;
    Scroll.SmallChange = 1;

    // Help panels.
    place(SineHelp, 30, 1380, 3420, 2490, 64);
    place(RanHelp, 30, 1380, 3420, 5610, 63);
    for (tk::TextBox* help : {&SineHelp, &RanHelp}) {
        help->font = kArial675;
        help->Visible = false;
        help->Locked = true;
        help->MultiLine = true;
    }
    for (tk::Control* panel : {static_cast<tk::Control*>(&SineHelp), static_cast<tk::Control*>(&RanHelp),
                               static_cast<tk::Control*>(&ShockHelp)})
        panel->coversBeneath = true;
    place(ShockHelp, 30, 1380, 3420, 5595, 67);
    ShockHelp.font = kSans12;

    // Stacking, front to back: the windowed controls, then what is drawn on
    // the window's own surface.
    std::vector<tk::Control*> front = {&ShockHelp, &ShockButton, &Picture1, &SineHelp,
                                       &RanHelp,   &HelpBut,     &ClearBut, &DelBut};
    for (auto* arr : {&A, &F, &B})
        for (tk::TextBox& box : *arr) front.push_back(&box);
    for (tk::Control* c : std::initializer_list<tk::Control*>{
             &PSDLbl,       &RfreqLbl,    &BkLbl,        &Scroll,       &MetricBut,  &EnglishBut,  &Frequency,
             &Displacement, &Velocity,    &Acceleration, &RandomButton, &SineButton, &AccelBounce, &VelBounce,
             &DispBounce,   &FreqBounce,  &VelTab,       &DispTab,      &FreqTab,    &AccelTab,    &TabBounce,
             &TabDnBounce,  &AccelButton, &BkptBak,      &AddLbl2,      &AddLbl1,    &FreqUnits,   &DispUnits,
             &VelUnits,     &AccelUnits,  &FreqLbl,      &DispLbl,      &VelLbl,     &AccelLbl,    &Line1})
        front.push_back(c);
    for (std::size_t z = 0; z < front.size(); ++z) front[z]->zOrder = static_cast<int>(z);
}

} // namespace tessomar
