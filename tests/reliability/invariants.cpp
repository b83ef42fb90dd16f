#include "reliability/invariants.h"

#include "frame/numbers.h"
#include "reliability/wording.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>

namespace reliability {

namespace num = tessomar::num;
using tessomar::kRows;

namespace {

enum Event { GotFocus, LostFocus, Click, KeyPress, KeyDown, Change };
constexpr char kMarker = '\x1f';

bool isLetter(const std::string& s) { return s == "A" || s == "V" || s == "D" || s == "F"; }

} // namespace

std::string describe(const Checker::Point& p) { return "(" + show(p.first) + " Hz, " + show(p.second) + ")"; }

Checker::Checker(tessomar::Tessomar& window) : w(window) {
    wrapEvents();
    m_before = completed();
}

// Every event handler is wrapped so the checker sees it begin and end: a
// commit may overwrite the point of its own row, a focus gain may reset a
// half-filled row, Delete removes one point and Clear All every point.
void Checker::wrapEvents() {
    for (tk::Control* c : w.controls()) {
        if (auto inner = c->GotFocus)
            c->GotFocus = [this, c, inner] {
                onEnter(c, GotFocus, 0);
                inner();
                onLeave(GotFocus);
            };
        if (auto inner = c->LostFocus)
            c->LostFocus = [this, c, inner] {
                onEnter(c, LostFocus, 0);
                inner();
                onLeave(LostFocus);
            };
        if (auto inner = c->Click)
            c->Click = [this, c, inner] {
                onEnter(c, Click, 0);
                inner();
                onLeave(Click);
            };
        if (c->kind() == tk::Kind::TextBox) {
            auto* box = static_cast<tk::TextBox*>(c);
            if (auto inner = box->KeyPress)
                box->KeyPress = [this, c, inner](int& k) {
                    onEnter(c, KeyPress, k);
                    inner(k);
                    onLeave(KeyPress);
                };
            if (auto inner = box->KeyDown)
                box->KeyDown = [this, c, inner](int& k, int shift) {
                    onEnter(c, KeyDown, k);
                    inner(k, shift);
                    onLeave(KeyDown);
                };
        }
        if (c->kind() == tk::Kind::ScrollBar) {
            auto* bar = static_cast<tk::ScrollBar*>(c);
            if (auto inner = bar->Change)
                bar->Change = [this, c, inner] {
                    onEnter(c, Change, 0);
                    inner();
                    onLeave(Change);
                };
        }
    }
}

int Checker::rowOf(const tk::Control* c, const std::array<tk::TextBox, kRows>& column) const {
    for (int r = 0; r < kRows; ++r)
        if (c == &column[static_cast<std::size_t>(r)]) return r;
    return -1;
}

void Checker::onEnter(const tk::Control* c, int event, int keyAscii) {
    integrationCheckpoint();
    if (event == Change) ++m_scrollEvents;
    const int fRow = rowOf(c, w.F), aRow = rowOf(c, w.A);
    const int row = fRow >= 0 ? fRow : aRow;
    // Leaving a box, Enter, and an arrow that moves on from it commit the box.
    if (row >= 0 && (event == LostFocus || event == KeyDown || (event == KeyPress && keyAscii == 13)))
        allowCommit(row, fRow >= 0);
    if (row > 0 && event == GotFocus) allowReset(row);
    if (event == Click && c == &w.DelBut) allowEntry(w.fs.FocusRow + w.Scroll.Value());
    if (event == Click && c == &w.ClearBut) m_allowAll = true;
}

void Checker::onLeave(int event) {
    if (event == Change) {
        --m_scrollEvents;
        if (m_armed && redrawn()) arm(); // a scroll redraws without integrating
        return;
    }
    integrationCheckpoint();
}

// A redraw that no scroll event made is the integration's (or Clear All's,
// which integrates at once): the table must stand sorted and closed up.
void Checker::integrationCheckpoint() {
    if (!m_armed || !redrawn()) return;
    ++m_integrations;
    int m = 0;
    for (int k = 1; k <= 50; ++k) {
        if (w.fs.BkFreq[static_cast<std::size_t>(k)] == 0) continue;
        if (k != m + 1) {
            add(m_pending, "sorted-after-integration",
                "entry " + std::to_string(k) + " is filled after an empty entry " + std::to_string(m + 1));
            break;
        }
        if (m > 0 && w.fs.BkFreq[static_cast<std::size_t>(k - 1)] > w.fs.BkFreq[static_cast<std::size_t>(k)]) {
            add(m_pending, "sorted-after-integration",
                "entry " + std::to_string(k - 1) + " (" + show(w.fs.BkFreq[static_cast<std::size_t>(k - 1)]) +
                    " Hz) stands before entry " + std::to_string(k) + " (" +
                    show(w.fs.BkFreq[static_cast<std::size_t>(k)]) + " Hz)");
            break;
        }
        m = k;
    }
    arm();
}

void Checker::arm() {
    std::string t = w.B[0].Text();
    if (!t.empty() && t.back() == kMarker) t.pop_back();
    m_marked = t + kMarker;
    w.B[0].setText(m_marked);
    m_armed = true;
}

void Checker::disarm() {
    if (m_armed && !redrawn()) w.B[0].setText(m_marked.substr(0, m_marked.size() - 1));
    m_armed = false;
}

bool Checker::redrawn() const { return w.B[0].Text() != m_marked; }

void Checker::allowEntry(int k) {
    if (k < 1 || k > 50) return;
    const Point p{w.fs.BkFreq[static_cast<std::size_t>(k)], w.fs.BkPsd[static_cast<std::size_t>(k)]};
    if (p.first > 0 && p.second > 0) m_allowed.push_back(p);
}

// A commit may change its own entry only when the box reads another value.
void Checker::allowCommit(int row, bool frequency) {
    const int k = row + w.Scroll.Value();
    if (k < 1 || k > 50) return;
    const auto& box = frequency ? w.F[static_cast<std::size_t>(row)] : w.A[static_cast<std::size_t>(row)];
    const float stored = frequency ? w.fs.BkFreq[static_cast<std::size_t>(k)] : w.fs.BkPsd[static_cast<std::size_t>(k)];
    if (num::store(num::val(box.Text())) != stored) allowEntry(k);
}

bool Checker::halfFilled(int row) const {
    return num::val(w.F[static_cast<std::size_t>(row)].Text()) <= 0 ||
           num::val(w.A[static_cast<std::size_t>(row)].Text()) <= 0;
}

// Gaining the focus in another row resets the row being filled in, if it is
// half-filled by what its boxes show.
void Checker::allowReset(int row) {
    const int edit = w.fs.EditRow;
    if (edit < 0 || edit >= kRows || edit == row || !halfFilled(edit)) return;
    allowEntry(edit + w.Scroll.Value());
}

std::vector<Checker::Point> Checker::completed() const {
    std::vector<Point> out;
    for (std::size_t k = 1; k <= 50; ++k)
        if (w.fs.BkFreq[k] > 0 && w.fs.BkPsd[k] > 0) out.emplace_back(w.fs.BkFreq[k], w.fs.BkPsd[k]);
    std::sort(out.begin(), out.end());
    return out;
}

bool Checker::isUserText(const tk::TextBox& box) const {
    const auto it = m_userText.find(&box);
    return it != m_userText.end() && it->second == box.Text();
}

void Checker::add(std::vector<Violation>& out, const char* invariant, const std::string& detail) {
    out.push_back({invariant, detail});
}

void Checker::beforeAction() {
    m_before = completed();
    m_allowed.clear();
    m_allowAll = false;
    m_pending.clear();
    m_focusBefore = w.focused();
    m_textBefore = m_focusBefore && m_focusBefore->kind() == tk::Kind::TextBox
                       ? static_cast<const tk::TextBox*>(m_focusBefore)->Text()
                       : std::string{};
    arm();
}

std::vector<Violation> Checker::afterAction(const Action& a) {
    integrationCheckpoint();
    disarm();
    // What the user typed, pasted or cut stays theirs until the program writes the box.
    const bool edit = (a.op == Op::Type && a.ch != 13) || a.op == Op::Paste || a.op == Op::Cut ||
                      (a.op == Op::Key && a.ch == tk::key::Delete);
    if (edit && w.focused() == m_focusBefore && m_focusBefore && m_focusBefore->kind() == tk::Kind::TextBox) {
        const auto* box = static_cast<const tk::TextBox*>(m_focusBefore);
        if (box->Text() != m_textBefore) m_userText[box] = box->Text();
    }
    std::vector<Violation> out = std::move(m_pending);
    m_pending.clear();
    checkLost(out);
    for (Violation& v : checkState()) out.push_back(std::move(v));
    return out;
}

std::vector<Violation> Checker::checkState() {
    std::vector<Violation> out;
    checkScroll(out);
    checkRows(out);
    checkTable(out);
    checkValues(out);
    checkTexts(out);
    checkShown(out);
    checkFocus(out);
    checkLayout(out);
    return out;
}

void Checker::checkScroll(std::vector<Violation>& out) {
    ++m_checks;
    const tk::ScrollBar& s = w.Scroll;
    if (s.Min() != 1 || s.Value() < 1 || s.Value() > s.Max() || s.Max() > 42)
        add(out, "scroll-range",
            "Min " + std::to_string(s.Min()) + ", Value " + std::to_string(s.Value()) + ", Max " +
                std::to_string(s.Max()));
}

// Row r shows entry Value + r; a box the user is typing into may differ.
void Checker::checkRows(std::vector<Violation>& out) {
    ++m_checks;
    const int v = w.Scroll.Value();
    for (int r = 0; r < kRows; ++r) {
        const auto i = static_cast<std::size_t>(r);
        const int k = v + r;
        if (k < 1 || k > 50) return; // reported as scroll-range
        const auto ki = static_cast<std::size_t>(k);
        const std::string number = num::format(k, num::Pattern::Int2);
        if (w.B[i].Text() != number)
            add(out, "rows", "B(" + std::to_string(r) + ") shows " + quoted(w.B[i].Text()) + ", not " + number);
        const std::pair<const tk::TextBox*, std::string> boxes[] = {
            {&w.F[i], num::format(w.fs.BkFreq[ki], num::Pattern::Fixed2)},
            {&w.A[i], num::format(w.fs.BkPsd[ki], num::Pattern::Fixed6)}};
        for (const auto& [box, want] : boxes) {
            if (box->Text() == want || (box->hasFocus() && isUserText(*box))) continue;
            add(out, "rows",
                box->name() + " shows " + quoted(box->Text()) + " but entry " + std::to_string(k) + " holds " +
                    quoted(want));
        }
    }
}

void Checker::checkTable(std::vector<Violation>& out) {
    ++m_checks;
    const auto& f = w.fs.BkFreq;
    const auto& p = w.fs.BkPsd;
    if (f[0] != 0 || f[51] != 0 || p[0] != 0 || p[51] != 0)
        add(out, "guard-slots",
            "BkFreq(0) " + show(f[0]) + ", BkFreq(51) " + show(f[51]) + ", BkPsd(0) " + show(p[0]) + ", BkPsd(51) " +
                show(p[51]));
    for (std::size_t k = 1; k <= 50; ++k) {
        // Every stored value came through a commit and its limits (or is the
        // integration's stand-in for a zero PSD).
        if (!std::isfinite(f[k]) || f[k] < 0 || f[k] > 20000 || !std::isfinite(p[k]) || std::fabs(p[k]) > 1000)
            add(out, "table-values", "entry " + std::to_string(k) + " holds " + describe({f[k], p[k]}));
    }
}

// No completed break point disappears unless a handler was entitled to it.
void Checker::checkLost(std::vector<Violation>& out) {
    ++m_checks;
    const std::vector<Point> now = completed();
    if (m_allowAll) return;
    std::vector<Point> gone;
    std::set_difference(m_before.begin(), m_before.end(), now.begin(), now.end(), std::back_inserter(gone));
    std::sort(m_allowed.begin(), m_allowed.end());
    std::vector<Point> unexplained;
    std::set_difference(gone.begin(), gone.end(), m_allowed.begin(), m_allowed.end(), std::back_inserter(unexplained));
    for (const Point& pt : unexplained) add(out, "break-point-lost", describe(pt) + " disappeared");
}

void Checker::checkValues(std::vector<Violation>& out) {
    ++m_checks;
    const auto& s = w.fs;
    const std::pair<const char*, float> values[] = {
        {"SineAccel", s.SineAccel}, {"SineVel", s.SineVel}, {"SineDisp", s.SineDisp}, {"SineFreq", s.SineFreq}};
    for (const auto& [name, v] : values)
        if (!std::isfinite(v) || v < 0) add(out, "stored-values", std::string(name) + " holds " + show(v));
    // A result with no meaning as a number (negative PSD values, beyond the
    // float range) is held as NaN or infinity and shown as a marker; a
    // number it holds is never negative.
    const std::pair<const char*, float> results[] = {
        {"RandomGrms", s.RandomGrms}, {"RandomVel", s.RandomVel}, {"RandomDisp", s.RandomDisp}};
    for (const auto& [name, v] : results)
        if (v < 0) add(out, "stored-values", std::string(name) + " holds " + show(v));
    checkRelations(out);
    if (s.CalcMode < 0 || s.CalcMode > 3) add(out, "mode-state", "CalcMode " + std::to_string(s.CalcMode));
    if (s.EntryPending != 0 && s.EntryPending != -1)
        add(out, "mode-state", "EntryPending " + std::to_string(s.EntryPending));
    if (s.EnglishUnits != 0 && s.EnglishUnits != -1)
        add(out, "mode-state", "EnglishUnits " + std::to_string(s.EnglishUnits));
    for (const std::string* e : {&s.LastEntry, &s.PriorEntry})
        if (!e->empty() && !isLetter(*e)) add(out, "mode-state", "entry history holds " + quoted(*e));
    if (isLetter(s.LastEntry) && s.LastEntry == s.PriorEntry)
        add(out, "mode-state", "LastEntry and PriorEntry both " + quoted(s.LastEntry));
    if (s.EditRow < 0 || s.EditRow >= kRows || s.FocusRow < 0 || s.FocusRow >= kRows)
        add(out, "mode-state", "EditRow " + std::to_string(s.EditRow) + ", FocusRow " + std::to_string(s.FocusRow));
}

} // namespace reliability
