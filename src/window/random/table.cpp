#include "calc/table.h"
#include "calc/numbers.h"
#include "calc/psd.h"
#include "calc/result_text.h"
#include "frame/tessomar.h"
#include "random/entries.h"

#include <algorithm>
#include <cstring>
#include <string>
#include <utility>

namespace tessomar {

namespace {

// What tells the frequency column from the PSD column in a commit.
struct ColumnRule {
    std::array<float, 52> FormState::*values;
    const table::ColumnRule& takes;
};

constexpr ColumnRule kFreqColumn{&FormState::BkFreq, table::kFreqColumn};
constexpr ColumnRule kPsdColumn{&FormState::BkPsd, table::kPsdColumn};

bool validRow(int index) { return index >= 0 && index < kRows; }

// The commit of one table box, the same for both columns but for the rule.
// The entry is read afresh at every step: the integration sorts the table.
void commit(Tessomar& w, int r, const ColumnRule& rule, tk::TextBox& box) {
    FormState& fs = w.fs;
    auto entry = [&] { return r + w.Scroll.Value(); };
    auto& values = fs.*rule.values;

    const double typed = num::val(box.Text());
    if (psd::toFloat(typed) != values[entry()]) {
        w.forgetUndo(); // the table moves on from what a paste, delete or clear left
        values[entry()] = table::committed(typed, rule.takes);
    }
    // A gap inside the table: the shown results no longer match it.
    if (values[entry()] == 0 && values[entry() + 1] != 0) {
        w.Acceleration.setText({});
        w.Velocity.setText({});
        w.Displacement.setText({});
    }
    box.setText(num::format(values[entry()], rule.takes.pattern));
    if ((entry() > 1 || fs.BkPsd[entry() + 1] > 0) && entries::positive(fs, entry())) w.UpdateRandom();
    // A filled bottom row opens one more line of the table. The range only
    // grows here: lowering it would strand points further down the table.
    if (r == entries::kBottomRow && entries::filled(fs, entry())) {
        const int wanted = std::max(w.Scroll.Max(), w.Scroll.Value() + 1);
        w.Scroll.setMax(std::min(wanted, entries::kMaxScroll));
    }
}

} // namespace

void Tessomar::UpdateRandom() {
    ++m_integrationRuns;
    const auto sameBits = [](const psd::Column& a, const psd::Column& b) {
        return std::memcmp(a.data(), b.data(), sizeof(float) * a.size()) == 0;
    };
    const bool again =
        m_integrated.valid && sameBits(fs.BkFreq, m_integrated.freq) && sameBits(fs.BkPsd, m_integrated.psd);
    if (!again) psd::sortBreakPoints(fs.BkFreq, fs.BkPsd);
    Scroll_Change();
    if (!again) {
        const psd::Results r = psd::results(psd::integrate(fs.BkFreq, fs.BkPsd));
        m_integrated = {true, fs.BkFreq, fs.BkPsd, r.grms, r.vel, r.disp};
    }
    fs.RandomGrms = m_integrated.grms;
    fs.RandomVel = m_integrated.vel;
    fs.RandomDisp = m_integrated.disp;
    const bool english = fs.EnglishUnits == kTrue;
    Acceleration.setText(psd::grmsText(fs.RandomGrms));
    Velocity.setText(psd::velText(fs.RandomVel, english));
    Displacement.setText(psd::dispText(fs.RandomDisp, english));
}

// A box whose text does not change is left alone, so that a redraw run by a
// commit or an integration keeps the selection that the next key replaces.
void Tessomar::Scroll_Change() {
    auto show = [](tk::TextBox& box, std::string text) {
        if (box.Text() != text) box.setText(std::move(text));
    };
    for (int r = 0; r < kRows; ++r) {
        const int k = std::min(r + Scroll.Value(), entries::kLastEntry);
        show(B[r], num::format(k, num::Pattern::Int2));
        show(F[r], num::format(fs.BkFreq[k], num::Pattern::Fixed2));
        show(A[r], num::format(fs.BkPsd[k], num::Pattern::Fixed6));
    }
}

void Tessomar::F_LostFocus(int index) {
    if (validRow(index)) commit(*this, index, kFreqColumn, F[index]);
}

void Tessomar::A_LostFocus(int index) {
    if (validRow(index)) commit(*this, index, kPsdColumn, A[index]);
}

void Tessomar::FindEnd() {
    int k = 1;
    while (k <= entries::kLastEntry && entries::taken(fs, k)) ++k;
    if (k <= entries::kBottomRow) {
        Scroll.setValue(1);
        setEditRow(k - 1);
        return;
    }
    // A full table has no free entry: show its last one in the bottom row.
    const int target = std::min(k - entries::kBottomRow, entries::kMaxScroll);
    // The free entry must be reachable even after the range was kept short.
    if (target > Scroll.Max()) Scroll.setMax(target);
    Scroll.setValue(target);
    setEditRow(entries::kBottomRow);
}

void Tessomar::DelBut_Click() {
    const int k = Scroll.Value() + fs.FocusRow;
    if (k < 1 || k > entries::kLastEntry) return;
    keepForUndo("Delete Break Pt");
    fs.BkFreq[k] = 0;
    fs.BkPsd[k] = 0;
    UpdateRandom();
}

void Tessomar::ClearBut_Click() {
    keepForUndo("Clear All");
    for (int k = 1; k <= entries::kLastEntry; ++k) {
        fs.BkFreq[k] = 0;
        fs.BkPsd[k] = 0;
    }
    if (Scroll.Value() == 1)
        Scroll_Change();
    else
        Scroll.setValue(1);
    UpdateRandom();
}

} // namespace tessomar
