#include "calc/profile.h"
#include "calc/psd.h"
#include "calc/report.h"
#include "calc/table.h"
#include "frame/tessomar.h"
#include "random/entries.h"

#include <algorithm>

namespace tessomar {

namespace {

constexpr int kSelectAll = 10;

// The beep, and the reason at the box: "Line 3: 30 abc: not a PSD".
void refuse(Tessomar& w, const tk::TextBox& box, const std::string& error, int line) {
    if (w.Beep) w.Beep();
    if (w.Notice) w.Notice(box, line > 0 ? "Line " + std::to_string(line) + ": " + error : error);
}

// Scrolls as little as it takes to show entries lo to hi (from lo on when
// they do not fit).
void showEntries(Tessomar& w, int lo, int hi) {
    int value = w.Scroll.Value();
    if (hi > value + entries::kBottomRow) value = hi - entries::kBottomRow;
    if (lo < value) value = lo;
    w.Scroll.setValue(value);
}

// A value goes in as typed; points are placed from the row's entry on and
// shown where they sorted to, the box's text selected as after Enter; a
// paste of nothing changes nothing; anything else is refused, the table
// left as it was.
bool tablePaste(Tessomar& w, tk::TextBox& box, int row, std::string& text) {
    if (row < 0 || row >= kRows) return false;
    const profile::Paste p = profile::readTablePaste(text);
    switch (p.kind) {
    case profile::Paste::Kind::Nothing:
        return true;
    case profile::Paste::Kind::Value:
        text = p.value;
        return false;
    case profile::Paste::Kind::Refused:
        refuse(w, box, p.error, p.errorLine);
        return true;
    case profile::Paste::Kind::Points:
        break;
    }
    const int first = row + w.Scroll.Value();
    if (const table::Refusal no = table::placementRefusal(p.points, first, p.verbatim); !no.error.empty()) {
        refuse(w, box, no.error, no.line);
        return true;
    }
    w.keepForUndo("Paste");
    std::pair<int, int> sortedTo;
    w.placeProfile(p.points, first, p.verbatim, &sortedTo);
    showEntries(w, sortedTo.first, sortedTo.second);
    box.setSelStart(0);
    box.setSelLength(kSelectAll);
    return true;
}

} // namespace

bool Tessomar::F_Pasting(int index, std::string& text) { return tablePaste(*this, F.at(index), index, text); }
bool Tessomar::A_Pasting(int index, std::string& text) { return tablePaste(*this, A.at(index), index, text); }

bool Tessomar::SineField_Pasting(tk::TextBox& field, std::string& text) {
    const profile::Paste p = profile::readFieldPaste(text);
    if (p.kind == profile::Paste::Kind::Value) {
        text = p.value;
        return false;
    }
    if (p.kind == profile::Paste::Kind::Refused) refuse(*this, field, p.error, p.errorLine);
    if (p.kind == profile::Paste::Kind::Points) refuse(*this, field, "one value goes into this field", 0);
    return true;
}

bool Tessomar::placeProfile(const std::vector<profile::Point>& points, int first, bool verbatim,
                            std::pair<int, int>* sortedTo) {
    if (!table::placementRefusal(points, first, verbatim).error.empty()) return false;
    const int last = first + static_cast<int>(points.size()) - 1;
    table::place(points, first, fs.BkFreq, fs.BkPsd);
    // Where the sort will take them: the same sort, on the entry numbers.
    psd::Column freq = fs.BkFreq, origin{};
    for (int k = 1; k <= entries::kLastEntry; ++k) origin[k] = static_cast<float>(k);
    psd::sortBreakPoints(freq, origin);
    UpdateRandom();
    if (sortedTo) {
        *sortedTo = {entries::kLastEntry, 1};
        for (int k = 1; k <= entries::kLastEntry; ++k)
            if (freq[k] != 0 && origin[k] >= first && origin[k] <= last)
                *sortedTo = {std::min(sortedTo->first, k), std::max(sortedTo->second, k)};
    }
    // The sort has closed the table up: the scroll bar must reach every
    // point and the free entry after them.
    int used = 0;
    while (used < entries::kLastEntry && fs.BkFreq[used + 1] != 0) ++used;
    const int reach = std::min(used + 1 - entries::kBottomRow, entries::kMaxScroll);
    if (reach > Scroll.Max()) Scroll.setMax(reach);
    return true;
}

std::string Tessomar::breakPointsText() const {
    return reportText(breakPointReport(fs.BkFreq, fs.BkPsd), fs.EnglishUnits == kTrue);
}
std::string Tessomar::breakPointsHtml() const {
    return reportHtml(breakPointReport(fs.BkFreq, fs.BkPsd), fs.EnglishUnits == kTrue);
}

bool Tessomar::isTableBox(const tk::Control& c) const {
    for (int r = 0; r < kRows; ++r)
        if (&c == &F[r] || &c == &A[r] || &c == &B[r]) return true;
    return false;
}

} // namespace tessomar
