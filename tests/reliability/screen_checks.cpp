// The checks of what the window shows: texts, values in their fields, the
// focus and each mode's layout.
#include "frame/numbers.h"
#include "reliability/invariants.h"
#include "reliability/wording.h"

#include <algorithm>
#include <cctype>
#include <cmath>

namespace reliability {

namespace num = tessomar::num;
using tessomar::kRows;

namespace {

constexpr std::size_t kLongestNumber = 40;

// "-12.50" but not "1e5", "", "12abc", "1.2.3".
bool plainNumeral(const std::string& s) {
    std::size_t i = s.size() > 0 && s[0] == '-' ? 1 : 0;
    bool digits = false, point = false;
    for (; i < s.size(); ++i) {
        if (std::isdigit(static_cast<unsigned char>(s[i]))) {
            digits = true;
        } else if (s[i] == '.' && !point) {
            point = true;
        } else {
            return false;
        }
    }
    return digits;
}

bool hasDigit(const std::string& s) {
    return std::any_of(s.begin(), s.end(), [](unsigned char c) { return std::isdigit(c) != 0; });
}

std::string lower(std::string s) {
    for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

// What a value field should show for a stored value: the text and the value
// behind it, with one unit of its last digit.
struct Display {
    std::string text;
    double value;
    double unit;
};

Display shownAs(double v, num::Pattern p, double unit) { return {num::format(v, p), v, unit}; }

} // namespace

// Once all four sine values are known, they describe one vibration (or one
// shock pulse): velocity and displacement follow from acceleration and
// frequency (duration), whichever two were entered.
void Checker::checkRelations(std::vector<Violation>& out) {
    const auto& s = w.fs;
    const double a = s.SineAccel, v = s.SineVel, d = s.SineDisp, f = s.SineFreq;
    if (s.CalcMode < 1 || s.CalcMode > 3 || !(a > 0 && v > 0 && d > 0 && f > 0)) return;
    double wantV = a * 61.4478137 / f, wantD = a * 19.559447 / (f * f);
    if (s.CalcMode != 1) {
        // Shock pulses scale from their reference pulse of 10 g and 10 msec.
        const double v0 = s.CalcMode == 3 ? 8.044 : 10.2287, d0 = s.CalcMode == 3 ? 0.069 : 0.125;
        wantV = v0 * (a / 10) * (f / 10);
        wantD = d0 * (a / 10) * (f / 10) * (f / 10);
    }
    if (std::fabs(v - wantV) > 1e-4 * wantV || std::fabs(d - wantD) > 1e-4 * wantD)
        add(out, "sine-relations",
            "mode " + std::to_string(s.CalcMode) + ": A " + show(a) + ", V " + show(v) + ", D " + show(d) + ", F " +
                show(f) + " (expected V " + show(wantV) + ", D " + show(wantD) + ")");
}

// No box shows "nan", "inf" or a runaway string of digits, unless the user
// typed it there.
void Checker::checkTexts(std::vector<Violation>& out) {
    ++m_checks;
    for (const tk::Control* c : w.controls()) {
        if (c->kind() != tk::Kind::TextBox || c == &w.SineHelp || c == &w.RanHelp) continue;
        const auto* box = static_cast<const tk::TextBox*>(c);
        if (isUserText(*box)) continue;
        const std::string t = lower(box->Text());
        if (t.find("nan") != std::string::npos || t.find("inf") != std::string::npos || t.size() > kLongestNumber)
            add(out, "shown-text", box->name() + " shows " + quoted(box->Text()));
    }
}

// The value fields show the stored values in the current units (or, in
// Random mode, the results; blank while the table is being edited).
void Checker::checkShown(std::vector<Violation>& out) {
    ++m_checks;
    if (w.SineHelp.Visible || w.RanHelp.Visible || w.ShockHelp.Visible) return; // covered: nothing to see
    const auto& s = w.fs;
    const bool english = s.EnglishUnits == -1;
    const bool random = s.CalcMode == 0;
    const double vel = random ? s.RandomVel : s.SineVel;
    const double disp = random ? s.RandomDisp : s.SineDisp;
    const std::pair<const tk::TextBox*, Display> fields[] = {
        {&w.Acceleration, shownAs(random ? s.RandomGrms : s.SineAccel, num::Pattern::Fixed2, 0.01)},
        {&w.Velocity, english ? shownAs(vel, num::Pattern::Fixed1, 0.1)
                              : Display{num::format(vel * 0.0254, num::Pattern::Fixed2), vel * 0.0254, 0.01}},
        {&w.Displacement, english ? shownAs(disp, num::Pattern::Fixed3, 0.001)
                                  : Display{num::format(disp * 25.4, num::Pattern::Fixed2), disp * 25.4, 0.01}},
        {&w.Frequency, shownAs(s.SineFreq, num::Pattern::Fixed2, 0.01)}};
    for (const auto& [box, want] : fields) {
        if (random && box == &w.Frequency) continue; // hidden in Random mode
        const std::string& t = box->Text();
        if (t == want.text || isUserText(*box)) continue;
        if (random && (t.empty() || !hasDigit(t))) continue; // blanked while editing, or a marker
        // A value entered in Metric may show as typed, within its last digit.
        if (plainNumeral(t) && std::fabs(num::val(t) - want.value) <= want.unit * 1.001) continue;
        add(out, "shown-values",
            box->name() + " shows " + quoted(t) + " but the stored value shows as " + quoted(want.text) +
                (english ? " (English)" : " (Metric)"));
    }
}

void Checker::checkFocus(std::vector<Violation>& out) {
    ++m_checks;
    const tk::Control* f = w.focused();
    if (!f) {
        add(out, "focus", "nothing has the focus");
        return;
    }
    const tk::Control* catchers[] = {&w.VelTab,    &w.DispTab,    &w.FreqTab,    &w.AccelTab,    &w.AccelBounce,
                                     &w.VelBounce, &w.DispBounce, &w.FreqBounce, &w.TabDnBounce, &w.TabBounce};
    if (std::find(std::begin(catchers), std::end(catchers), f) != std::end(catchers))
        add(out, "focus", "the focus stays on the hidden " + f->name());
    else if (!w.canTakeFocus(*f))
        add(out, "focus",
            f->name() + " has the focus but is " + (f->Visible ? "below the client area" : "hidden") + " (Top " +
                show(f->Top) + ", client height " + show(w.clientHeight()) + ")");
    else if (focusInSight && f->kind() != tk::Kind::CommandButton) {
        // Keys change what a box or the scroll bar holds, so it must be in
        // sight: some point of it, inside the client area, lies on top. (A
        // button under a panel, such as Help under its own, only clicks.)
        const float bottom = std::min(f->Top + f->Height, w.clientHeight());
        bool seen = false;
        for (float fx : {0.25f, 0.5f, 0.75f})
            for (float fy : {0.25f, 0.5f, 0.75f})
                seen = seen || hitTest(w, f->Left + f->Width * fx, f->Top + (bottom - f->Top) * fy) == f;
        if (!seen)
            add(
                out, "focus-in-sight", f->name() + " has the focus under " + [&] {
                    const tk::Control* top = hitTest(w, f->Left + f->Width / 2, f->Top + (bottom - f->Top) / 2);
                    return top ? top->name() : std::string("nothing");
                }());
    }
}

void Checker::checkLayout(std::vector<Violation>& out) {
    ++m_checks;
    const auto& s = w.fs;
    const int mode = s.CalcMode;
    const bool shock = mode == 2 || mode == 3;
    const double tall = (mode == 0 || (shock && w.ShockHelp.Visible)) ? 7470 : 4210;
    const double want = static_cast<double>(num::store(tall * s.ScaleFactor));
    if (std::fabs(w.Height - want) > 1)
        add(out, "window-height",
            "Height " + show(w.Height) + " in mode " + std::to_string(mode) + ", not " + show(want));
    const std::pair<const tk::Control*, bool> current[] = {
        {&w.SineButton, mode == 1}, {&w.RandomButton, mode == 0}, {&w.ShockButton, shock}};
    for (const auto& [button, on] : current)
        if (button->BackColor != (on ? 0xC0FFC0u : 0xE0E0E0u))
            add(out, "layout", button->name() + " colour does not match mode " + std::to_string(mode));
    if (w.AccelButton.Visible != shock) add(out, "layout", "AccelButton visibility in mode " + std::to_string(mode));
    if (shock && w.AccelButton.Caption != (mode == 2 ? "Half Sine Accl" : "Term Pk Accl"))
        add(out, "layout", "AccelButton reads " + quoted(w.AccelButton.Caption) + " in mode " + std::to_string(mode));
    if (w.Frequency.Visible == (mode == 0)) add(out, "layout", "Frequency visibility in mode " + std::to_string(mode));
    for (const tk::TextBox* box : {&w.Acceleration, &w.Velocity, &w.Displacement})
        if (box->Locked != (mode == 0)) add(out, "layout", box->name() + " lock in mode " + std::to_string(mode));
    if (w.DelBut.Visible != (mode == 0) || w.ClearBut.Visible != (mode == 0))
        add(out, "layout", "table buttons' visibility in mode " + std::to_string(mode));
    if ((w.SineHelp.Visible && mode != 1) || (w.RanHelp.Visible && mode != 0) || (w.ShockHelp.Visible && !shock))
        add(out, "layout", "a help panel of another mode is shown in mode " + std::to_string(mode));
    const bool english = s.EnglishUnits == -1;
    if (w.VelUnits.Caption != (english ? "ips pk" : "mps pk"))
        add(out, "layout", "VelUnits reads " + quoted(w.VelUnits.Caption));
    const std::string& disp = w.DispUnits.Caption;
    if (english ? disp != "in. p-p" : (disp != "mm p-p" && disp != "mm. p-p"))
        add(out, "layout", "DispUnits reads " + quoted(disp));
    if (w.AccelUnits.Caption != (mode == 0 ? "g's rms" : "g's pk"))
        add(out, "layout", "AccelUnits reads " + quoted(w.AccelUnits.Caption));
    if (mode != 0 && w.FreqUnits.Caption != (shock ? "msec" : "Hz"))
        add(out, "layout", "FreqUnits reads " + quoted(w.FreqUnits.Caption));
    const double buttonsTop = static_cast<double>(num::store((mode == 0 ? 2645 : 3020) * s.ScaleFactor));
    for (const tk::Control* b : {&w.EnglishBut, &w.MetricBut, &w.HelpBut})
        if (std::fabs(b->Top - buttonsTop) > 1) add(out, "layout", b->name() + " at Top " + show(b->Top));
    // The keyboard works in the table on the Random screen, in the fields elsewhere.
    for (int r = 0; r < kRows; ++r)
        for (const tk::TextBox* box : {&w.F[static_cast<std::size_t>(r)], &w.A[static_cast<std::size_t>(r)]})
            if (box->TabStop != (mode == 0))
                add(out, "layout", box->name() + " tab stop in mode " + std::to_string(mode));
    for (const tk::Control* c :
         {static_cast<const tk::Control*>(&w.Acceleration), static_cast<const tk::Control*>(&w.VelTab),
          static_cast<const tk::Control*>(&w.AccelTab)})
        if (c->TabStop != (mode != 0)) add(out, "layout", c->name() + " tab stop in mode " + std::to_string(mode));
    // Green for the last entry, yellow for the one before, white for the rest.
    const std::pair<const tk::TextBox*, const char*> fields[] = {
        {&w.Acceleration, "A"}, {&w.Velocity, "V"}, {&w.Displacement, "D"}, {&w.Frequency, "F"}};
    for (const auto& [box, letter] : fields) {
        if (mode == 0 && box == &w.Frequency) continue;
        const tk::Color want = mode == 0                ? 0xFFFFFF
                               : s.PriorEntry == letter ? 0xE1FFFD
                               : s.LastEntry == letter  ? 0xDDFFDB
                                                        : 0xFFFFFF;
        if (box->BackColor != want)
            add(out, "layout",
                box->name() + " colour does not match the entry history " + quoted(s.LastEntry) + ", " +
                    quoted(s.PriorEntry));
    }
}

} // namespace reliability
