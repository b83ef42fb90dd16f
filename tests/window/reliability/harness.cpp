// Random user actions on the whole headless window, and what must hold after
// every one of them whatever the user did.
#include "reliability/harness.h"

#include "calc/numbers.h"
#include "calc/sine.h"
#include "frame/tessomar.h"

#include <algorithm>
#include <array>
#include <cfloat>
#include <cmath>
#include <cstring>
#include <map>
#include <numbers>
#include <set>
#include <sstream>
#include <vector>

namespace reliability {

namespace key = tk::key;
namespace num = tessomar::num;
namespace sine = tessomar::sine;
namespace mode = tessomar::mode;
using tessomar::kRows;

std::uint32_t Source::pick(std::uint32_t n) {
    if (!m_data) return n > 1 ? static_cast<std::uint32_t>(m_rng() % n) : 0;
    std::uint32_t v = 0;
    for (std::uint32_t span = 1; span < n && span; span <<= 8) v = v << 8 | (m_data < m_end ? *m_data++ : 0u);
    return n > 1 ? v % n : 0;
}

namespace {

// The hidden focus catchers (VelTab, TabBounce, ...) only hand the focus on:
// no one sees or clicks them.
bool catcher(const tk::Control& c) { return c.baseName().ends_with("Tab") || c.baseName().ends_with("Bounce"); }

// The control a click at a point of the client area lands on: the one in
// front that takes the mouse (labels and lines are drawn on the window).
const tk::Control* hit(const tk::Window& w, float x, float y) {
    const tk::Control* front = nullptr;
    for (const tk::Control* c : w.controls())
        if (c->kind() != tk::Kind::Label && c->kind() != tk::Kind::Line && !catcher(*c) && c->Visible && x >= c->Left &&
            x < c->Left + c->Width && y >= c->Top && y < c->Top + c->Height && (!front || c->zOrder < front->zOrder))
            front = c;
    return y >= 0 && y < w.clientHeight() ? front : nullptr;
}

// Whether a click at (x, y) sixteenths of a control lands on it.
bool onTop(const tk::Window& w, const tk::Control& c, int x, int y) {
    return hit(w, c.Left + c.Width * (x + 0.5f) / 16, c.Top + c.Height * (y + 0.5f) / 16) == &c;
}

std::string chars(Source& s, std::uint32_t count, const char* from = "0123456789") {
    std::string out;
    while (count-- > 0) out += from[s.pick(static_cast<std::uint32_t>(std::strlen(from)))];
    return out;
}

// Numbers as users type them, the awkward ones well represented: limits, the
// table's thresholds, values that round to 0, exponents past the float range,
// junk.
std::string number(Source& s) {
    static const char* const odd[] = {"0.0099",    "0.01",  "9.99e-7", "1e-6",   "0.0000005", "20000.01", "1000.005",
                                      "19999.995", "2.675", "1e400",   "-1e-45", "3.5e38",    "1D5"};
    const std::uint32_t form = s.pick(4);
    if (form == 0) return odd[s.pick(std::size(odd))];
    if (form == 1) return chars(s, 1 + s.pick(12), "0123456789.-+eEdDnaif ,x");
    return chars(s, 1 + s.pick(4)) + (form == 2 ? "." + chars(s, 1 + s.pick(6)) : "");
}

// Runs a user's action and says what it was.
template <class Action> std::string perform(Action action, std::string what) {
    action();
    return what;
}

enum Event { GotFocus, LostFocus, Click, KeyPress, KeyDown, Change };
inline int keyOf() { return 0; }
template <class... Rest> int keyOf(int key, Rest&&...) { return key; }

// A started window, a user at it and a watcher. The watcher wraps every
// handler to learn what it may change, and checks after every action what a
// user would see.
class Session {
public:
    explicit Session(const Screen& screen) {
        w.twipsPerPixelX = screen.twipsPerPixelX;
        w.frameHeight = screen.frameHeight;
        w.load();
        w.activate();
        for (tk::Control* c : w.controls()) {
            const auto wrap = [this, c](auto& handler, Event event) {
                if (handler)
                    handler = [this, c, event, inner = handler](auto&&... args) {
                        enter(*c, event, keyOf(args...));
                        inner(args...);
                        checkpoint();
                    };
            };
            wrap(c->GotFocus, GotFocus);
            wrap(c->LostFocus, LostFocus);
            wrap(c->Click, Click);
            if (auto* box = dynamic_cast<tk::TextBox*>(c)) {
                wrap(box->KeyPress, KeyPress);
                wrap(box->KeyDown, KeyDown);
            }
            if (auto* bar = dynamic_cast<tk::ScrollBar*>(c)) wrap(bar->Change, Change);
        }
    }

    // Does one thing a user can do, chosen from the source, and says what it
    // did ("" when it came to nothing, such as a click on a covered control).
    std::string act(Source& s) {
        m_before = points();
        m_allowed.clear();
        m_allowAll = m_edited = false;
        m_focusBefore = dynamic_cast<const tk::TextBox*>(w.focused());
        const bool random = w.fs.CalcMode == mode::kRandom;
        const bool shift = s.pick(4) == 0;
        const int roll = s.pick(100);
        const int points = m_keys.empty() && random && !s.pick(6) ? 1 + s.pick(4) * s.pick(5) : 0;
        // Break points one after another, now and then a long run, so that
        // the table fills up and scrolls down to entry 50.
        for (int n = points; n > 0; --n)
            m_keys += chars(s, 1 + s.pick(4)) + "\r" + (s.pick(3) ? "0.0" + chars(s, 1 + s.pick(3)) : number(s)) + "\r";
        if (m_keys.empty() && roll < 50)
            m_keys = roll < 22   ? chars(s, 1, "0123456789..--+eEdD ,aAbxZ\b")
                     : roll < 40 ? number(s) + (s.pick(4) ? "\r" : "") + (random && s.pick(2) ? number(s) + "\r" : "")
                                 : "\r";
        if (!m_keys.empty()) {
            const char c = m_keys.front();
            m_keys.erase(0, 1);
            m_edited = c != '\r';
            w.keyPress(static_cast<unsigned char>(c));
            return c == '\r' ? "Enter" : c == '\b' ? "Backspace" : std::string("key ") + c;
        }
        const int code = std::array{key::Up, key::Down, key::Left, key::Right, key::End, key::Delete}[s.pick(6)];
        const std::string with = shift ? " with Shift" : "";
        const std::string text = number(s) + (s.pick(4) ? "" : "\t\r\n\x7f");
        const char letter = "SRHEMDCsrhemdcQXZ"[s.pick(17)]; // Z: Ctrl+Z
        m_edited = (roll >= 58 && roll < 68 && code == key::Delete) || (roll >= 68 && roll < 74 && m_focusBefore);
        if (roll < 58) return perform([&] { w.pressTab(shift); }, "Tab" + with);
        if (roll < 68) return perform([&] { w.keyDown(code, shift); }, "key down " + std::to_string(code) + with);
        if (roll < 74) return m_focusBefore ? perform([&] { w.paste(text); }, "paste \"" + text + "\"") : "";
        if (roll < 94) return click(s);
        if (letter == 'Z') return perform([&] { w.undo(); }, "Ctrl+Z");
        return perform([&] { w.pressAccessKey(letter); }, std::string("Alt+") + letter);
    }

    // "invariant: detail" for each invariant broken.
    std::vector<std::string> check() {
        checkpoint();
        const auto& s = w.fs;
        const auto& f = s.BkFreq;
        const auto& p = s.BkPsd;
        const tk::ScrollBar& bar = w.Scroll;
        // What the user typed, pasted or deleted stays theirs until the program writes the box.
        if (m_edited && m_focusBefore && m_focusBefore == w.focused())
            m_userText[m_focusBefore] = m_focusBefore->Text();
        // No completed break point disappears unless a handler was entitled to it.
        std::vector<Point> gone, lost;
        const std::multiset<Point> now = points();
        std::set_difference(m_before.begin(), m_before.end(), now.begin(), now.end(), std::back_inserter(gone));
        std::set_difference(gone.begin(), gone.end(), m_allowed.begin(), m_allowed.end(), std::back_inserter(lost));
        for (const Point& point : lost)
            if (!m_allowAll) fail("break-point-lost", "(", point.first, " Hz, ", point.second, ") disappeared");
        const bool inRange = bar.Min() == 1 && bar.Value() >= 1 && bar.Value() <= bar.Max() && bar.Max() <= 42;
        if (!inRange) fail("scroll-range", "Value ", bar.Value(), " within ", bar.Min(), " to ", bar.Max());
        // Row r shows entry Value + r; a box the user is typing into may differ.
        for (int r = 0, k = bar.Value(); r < kRows && inRange; ++r, ++k) {
            const std::pair<const tk::TextBox&, std::string> rows[] = {
                {w.B[r], num::format(k, num::Pattern::Int2)},
                {w.F[r], num::format(f[k], num::Pattern::Fixed2)},
                {w.A[r], num::format(p[k], num::Pattern::Fixed6)}};
            for (const auto& [box, want] : rows)
                if (box.Text() != want && (&box == &w.B[r] || !box.hasFocus() || !userText(box)))
                    fail("rows", box.name(), " shows \"", box.Text(), "\" for entry ", k, ": \"", want, "\"");
        }
        // The guard slots hold 0; every entry's values came through a commit
        // and its limits (or are the integration's stand-in for a PSD of 0).
        for (int k = 0; k <= 51; ++k)
            if (k % 51 == 0 ? f[k] != 0 || p[k] != 0 : !(f[k] >= 0 && f[k] <= 20000 && std::fabs(p[k]) <= 1000))
                fail(k % 51 ? "table-values" : "guard-slots", "entry ", k, " holds ", f[k], " Hz, ", p[k]);
        // Stored values are never negative; a random result without meaning as
        // a number is held as NaN or infinity and shown as a marker.
        const float all[] = {s.SineAccel, s.SineVel, s.SineDisp, s.SineFreq, s.RandomGrms, s.RandomVel, s.RandomDisp};
        for (int i = 0; i < 7; ++i)
            if (all[i] < 0 || (i < 4 && !std::isfinite(all[i]))) fail("stored-values", i, ": ", all[i]);
        // Once all four sine values are known they describe one vibration:
        // v = a g / (2 pi f) and, peak to peak, d = 2 v / (2 pi f), with the
        // standard gravity of 9.80665 m/s². A shock pulse makes the round trip:
        // the two parameters not entered give back the two that were.
        const double a = s.SineAccel;
        const double v = s.SineVel;
        const double d = s.SineDisp;
        const double hz = s.SineFreq;
        const int calcMode = s.CalcMode;
        // Float storage keeps about 7 digits; a value clamped at the float
        // range or below its normal range keeps fewer.
        const auto near = [](double got, double want) { return std::fabs(got - want) <= 1e-5 * want; };
        const auto normal = [](double x) { return x >= FLT_MIN && x < FLT_MAX; };
        const bool known = normal(a) && normal(v) && normal(d) && normal(hz);
        const double omega = 2 * std::numbers::pi * hz, g = 9.80665 / 0.0254; // in/s²
        if (calcMode == mode::kSine && known && !(near(v, a * g / omega) && near(d, 2 * v / omega)))
            fail("sine-relations", "A ", a, ", V ", v, ", D ", d, ", F ", hz);
        const std::string& last = s.LastEntry;
        const std::string& prior = s.PriorEntry;
        if ((calcMode == mode::kHalfSine || calcMode == mode::kTerminalPeak) && known && last.size() == 1 &&
            prior.size() == 1 && last != prior) {
            std::string others;
            for (const char letter : std::string("AVDF"))
                if (letter != last[0] && letter != prior[0]) others += letter;
            const sine::Values held{a, v, d, hz};
            const auto back =
                sine::shockRelation(*sine::findPair(others.substr(0, 1), others.substr(1)), held,
                                    sine::shockReference(calcMode == mode::kTerminalPeak ? sine::Pulse::TerminalPeak
                                                                                         : sine::Pulse::HalfSine));
            if (!near(back.first.value, held.get(back.first.param)) ||
                !near(back.second.value, held.get(back.second.param)))
                fail("sine-relations", "mode ", calcMode, ": A ", a, ", V ", v, ", D ", d, ", T ", hz);
        }
        const auto entry = [](const std::string& e) { return e == "" || e == "A" || e == "V" || e == "D" || e == "F"; };
        if (calcMode < mode::kRandom || calcMode > mode::kTerminalPeak || s.EntryPending < -1 || s.EntryPending > 0 ||
            s.EnglishUnits < -1 || s.EnglishUnits > 0 || !entry(s.LastEntry) || !entry(s.PriorEntry) ||
            (s.LastEntry != "" && s.LastEntry == s.PriorEntry) || s.EditRow < 0 || s.EditRow >= kRows ||
            s.FocusRow < 0 || s.FocusRow >= kRows)
            fail("mode-state", calcMode, " ", s.EntryPending, " ", s.EnglishUnits, " ", s.LastEntry, s.PriorEntry);
        // No box shows "nan", "inf" (as the number formatting spells them) or
        // a runaway string of digits, unless the user typed it.
        for (const tk::Control* c : w.controls()) {
            const auto* box = dynamic_cast<const tk::TextBox*>(c);
            const std::string t = box && box != &w.SineHelp && box != &w.RanHelp && !userText(*box) ? box->Text() : "";
            if (t.find("nan") != t.npos || t.find("inf") != t.npos || t.size() > 40)
                fail("shown-text", box->name(), " shows \"", box->Text(), "\"");
        }
        const bool english = s.EnglishUnits == -1;
        const bool random = calcMode == mode::kRandom;
        const bool sine = calcMode == mode::kSine;
        const bool shock = calcMode == mode::kHalfSine || calcMode == mode::kTerminalPeak;
        // The value fields show the stored values in the current units; on the
        // Random screen the results, blank while the table is edited. A value
        // entered in Metric may show as typed, within its last digit.
        const auto field = [&](const tk::TextBox& box, double value, double unit, num::Pattern pattern) {
            const std::string& t = box.Text();
            const bool digits = t.find_first_of("0123456789") != t.npos;
            if (t != num::format(value, pattern) && !userText(box) && (digits || !random) &&
                !(digits && std::fabs(num::val(t) - value) <= unit * 1.001))
                fail("shown-values", box.name(), " shows \"", t, "\" for ", value);
        };
        const double vel = random ? s.RandomVel : s.SineVel;
        const double disp = random ? s.RandomDisp : s.SineDisp;
        if (!w.SineHelp.Visible && !w.RanHelp.Visible && !w.ShockHelp.Visible) {
            using P = num::Pattern;
            field(w.Acceleration, random ? s.RandomGrms : s.SineAccel, 0.01, P::Fixed2);
            field(w.Velocity, english ? vel : vel * 0.0254, english ? 0.1 : 0.01, english ? P::Fixed1 : P::Fixed2);
            field(w.Displacement, english ? disp : disp * 25.4, english ? 0.001 : 0.01,
                  english ? P::Fixed3 : P::Fixed2);
            if (!random) field(w.Frequency, s.SineFreq, 0.01, P::Fixed2);
        }
        const tk::Control* in = w.focused();
        const bool held = in && !catcher(*in) && w.canTakeFocus(*in);
        if (!held) fail("focus", in ? in->name() : "nothing", " has the focus, hidden or below the client area");
        // Keys change what a box or the scroll bar holds: some of it lies in
        // sight, in front. (A button under a panel only clicks.)
        const float visible = held ? std::min(in->Height, w.clientHeight() - in->Top) : 0;
        bool seen = !held || in->kind() == tk::Kind::CommandButton;
        for (int i = 0; i < 9; ++i)
            seen = seen || hit(w, in->Left + in->Width * (1 + i % 3) / 4, in->Top + visible * (1 + i / 3) / 4) == in;
        if (!seen) fail("focus-in-sight", in->name(), " has the focus out of sight");
        const float height = num::store((random || (shock && w.ShockHelp.Visible) ? 7470 : 4210) * s.ScaleFactor);
        if (std::fabs(w.Height - height) > 1) fail("window-height", w.Height, " in mode ", calcMode);
        // Green for the last entry, yellow for the one before, white for the rest.
        const auto colour = [&](const tk::TextBox& box, const char* e) {
            return box.BackColor == (s.LastEntry == e && !random    ? 0xDDFFDBu
                                     : s.PriorEntry == e && !random ? 0xE1FFFDu
                                                                    : 0xFFFFFFu);
        };
        const auto current = [](const tk::Control& b, bool on) { return b.BackColor == (on ? 0xC0FFC0u : 0xE0E0E0u); };
        // The keyboard works in the table on the Random screen, in the fields elsewhere.
        bool tabStops = w.Acceleration.TabStop != random && w.VelTab.TabStop != random && w.AccelTab.TabStop != random;
        for (int r = 0; r < kRows; ++r) tabStops = tabStops && w.F[r].TabStop == random && w.A[r].TabStop == random;
        const std::string& dispUnits = w.DispUnits.Caption;
        const std::pair<bool, const char*> layout[] = {
            {current(w.SineButton, sine) && current(w.RandomButton, random) && current(w.ShockButton, shock),
             "mode buttons"},
            {w.AccelButton.Visible == shock &&
                 (!shock || w.AccelButton.Caption == (calcMode == mode::kHalfSine ? "Half Sine Accl" : "Term Pk Accl")),
             "AccelButton"},
            {w.Frequency.Visible != random && w.DelBut.Visible == random && w.ClearBut.Visible == random &&
                 w.Acceleration.Locked == random && w.Velocity.Locked == random && w.Displacement.Locked == random,
             "fields and buttons of the screen"},
            {(!w.SineHelp.Visible || sine) && (!w.RanHelp.Visible || random) && (!w.ShockHelp.Visible || shock),
             "help"},
            {w.AccelUnits.Caption == (random ? "g's rms" : "g's pk") &&
                 w.VelUnits.Caption == (english ? "ips pk" : "mps pk") &&
                 (english ? dispUnits == "in. p-p" : dispUnits.starts_with("mm")) &&
                 (random || w.FreqUnits.Caption == (shock ? "msec" : "Hz")),
             "unit captions"},
            {tabStops, "tab stops"},
            {colour(w.Acceleration, "A") && colour(w.Velocity, "V") && colour(w.Displacement, "D") &&
                 (random || colour(w.Frequency, "F")),
             "field colours of the entry history"}};
        for (const auto& [holds, what] : layout)
            if (!holds) fail("layout", what, " in mode ", calcMode);
        return std::exchange(m_found, {});
    }

    tessomar::Tessomar w;

private:
    using Point = std::pair<float, float>;

    // A click where a box or a button lies in front, or a drag of the scroll
    // bar's thumb where the bar does.
    std::string click(Source& s) {
        const auto& all = w.controls();
        const bool thumb = s.pick(4) == 0;
        tk::Control* c = thumb ? &w.Scroll : all[s.pick(static_cast<std::uint32_t>(all.size()))];
        if (c == &w.ClearBut) c = all[s.pick(static_cast<std::uint32_t>(all.size()))]; // it undoes the runs' work
        auto* box = dynamic_cast<tk::TextBox*>(c);
        const int x = s.pick(16);
        const int y = s.pick(16);
        const int to = 1 + s.pick(w.Scroll.Max());
        const int caret = box ? s.pick(box->Text().size() + 2) : 0;
        if ((!box && c->kind() != tk::Kind::CommandButton && !thumb) || !onTop(w, *c, x, y)) return "";
        if (thumb) return perform([&] { w.Scroll.setValue(to); }, "scroll to " + std::to_string(to));
        return perform([&] { box ? w.clickText(*box, caret) : w.click(*c); },
                       "click " + c->name() + (box ? " at caret " + std::to_string(caret) : ""));
    }

    template <class... Parts> void fail(const char* invariant, const Parts&... parts) {
        std::ostringstream out;
        out.precision(9);
        ((out << invariant << ": ") << ... << parts);
        m_found.push_back(out.str());
    }

    std::multiset<Point> points() const {
        std::multiset<Point> out;
        for (int k = 1; k <= 50; ++k)
            if (w.fs.BkFreq[k] > 0 && w.fs.BkPsd[k] > 0) out.emplace(w.fs.BkFreq[k], w.fs.BkPsd[k]);
        return out;
    }

    bool userText(const tk::TextBox& box) const { return m_userText.count(&box) && m_userText.at(&box) == box.Text(); }

    void allow(int k) { m_allowed.emplace(w.fs.BkFreq[std::clamp(k, 0, 51)], w.fs.BkPsd[std::clamp(k, 0, 51)]); }

    // A commit may change the point of its own row, a focus gain may reset a
    // half-filled row, Delete removes one point and Clear All every one.
    void enter(const tk::Control& c, Event event, int key) {
        checkpoint();
        const bool inF = c.baseName() == "F", inTable = inF || c.baseName() == "A";
        const int row = inTable ? c.index() : -1;
        const int k = row + w.Scroll.Value();
        const int edit = w.editEntry() - w.Scroll.Value();
        // Leaving a box, Enter, and an arrow that moves on commit the box: its
        // entry may change when the box reads another value than it holds.
        if (inTable && k <= 50 && (event == LostFocus || event == KeyDown || (event == KeyPress && key == 13)) &&
            num::store(num::val((inF ? w.F : w.A)[row].Text())) != (inF ? w.fs.BkFreq : w.fs.BkPsd)[k])
            allow(k);
        // Another row's box taking the focus resets the entry being filled in
        // when it shows no value, or would not where a scroll carried it.
        const auto lacks = [&](int r, int entry) {
            return r >= 0 && r < kRows ? num::val(w.F[r].Text()) <= 0 || num::val(w.A[r].Text()) <= 0
                                       : !(w.fs.BkFreq[entry] >= 0.005f && w.fs.BkPsd[entry] >= 5e-7f);
        };
        if (row > 0 && event == GotFocus && edit != row && lacks(edit, w.editEntry())) allow(w.editEntry());
        if (event == Click && &c == &w.DelBut) allow(w.fs.FocusRow + w.Scroll.Value());
        m_allowAll = m_allowAll || (event == Click && &c == &w.ClearBut);
    }

    // After an integration the table stands sorted and closed up.
    void checkpoint() {
        if (w.integrationRuns() == m_runs) return;
        m_runs = w.integrationRuns();
        const auto& f = w.fs.BkFreq;
        for (int k = 2; k <= 50; ++k)
            if (f[k] != 0 && (f[k - 1] == 0 || f[k - 1] > f[k]))
                return fail("sorted-after-integration", "entry ", k, " (", f[k], " Hz) follows ", f[k - 1], " Hz");
    }

    int m_runs = 0;                           // integrations seen
    std::string m_keys;                       // the rest of what is being typed
    bool m_edited = false;                    // the action changed the focused box's text by hand
    bool m_allowAll = false;                  // Clear All ran
    std::multiset<Point> m_before, m_allowed; // the points before the action; those it may remove
    std::vector<std::string> m_found;         // broken invariants
    const tk::TextBox* m_focusBefore = nullptr;
    std::map<const tk::TextBox*, std::string> m_userText; // what the user left in each box
};

} // namespace

std::string runSession(Source& src, const Screen& screen, long length) {
    Session session(screen);
    std::string done;
    std::vector<std::string> broken = session.check(); // the state at start
    for (long n = 0; broken.empty() && n < length && !src.exhausted(); ++n) {
        const std::string what = session.act(src);
        if (!what.empty()) done += what + "\n";
        broken = session.check();
    }
    return broken.empty() ? "" : broken.front() + "\nafter these actions:\n" + done;
}

} // namespace reliability
