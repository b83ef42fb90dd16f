#include "calc/numbers.h"
#include "frame/tessomar.h"
#include "random/entries.h"

#include <algorithm>

namespace tessomar {

namespace {

constexpr int kEnter = 13;
constexpr int kSelectAll = 10; // the whole of any value the rows show

bool validRow(int index) { return index >= 0 && index < kRows; }

// A row lacks a value when either box shows none above 0; the boxes show the
// stored values through their patterns, so a value too small to show counts
// as missing too.
bool halfFilled(const Tessomar& w, int row) { return num::val(w.F[row].Text()) <= 0 || num::val(w.A[row].Text()) <= 0; }

void blankResults(Tessomar& w) {
    w.Acceleration.setText({});
    w.Velocity.setText({});
    w.Displacement.setText({});
}

void focusSelected(tk::TextBox& box) {
    box.setSelStart(0);
    box.setSelLength(kSelectAll);
    box.SetFocus();
}

} // namespace

// The entry being filled in lacks a value: read from its row's boxes while
// the row shows it, from its stored values as they would show otherwise.
bool Tessomar::editEntryLacks() const {
    const int row = editEntry() - Scroll.Value();
    if (validRow(row)) return halfFilled(*this, row);
    const int k = std::clamp(editEntry(), 1, entries::kLastEntry);
    return num::val(num::format(fs.BkFreq[k], num::Pattern::Fixed2)) <= 0 ||
           num::val(num::format(fs.BkPsd[k], num::Pattern::Fixed6)) <= 0;
}

void Tessomar::setEditRow(int row) {
    fs.EditRow = static_cast<std::int16_t>(row);
    m_editScroll = Scroll.Value();
}

// Leaving a half-filled entry for another row drops its unfinished point. A
// frequency box keeps the frequency that the row left still shows; a PSD box
// drops both, and so does any box once a scroll has carried the entry off
// the row it was typed in, where a kept frequency would be a point no one
// finished. With the row taken half-filled too, the focus goes on to the
// first free entry.
void Tessomar::rowGotFocus(int index, bool frequencyBox) {
    fs.FocusRow = static_cast<std::int16_t>(index);
    const int k = editEntry();
    if (index == 0 || k == index + Scroll.Value() || k > entries::kLastEntry || !editEntryLacks()) {
        setEditRow(index);
        return;
    }
    const bool keepFrequency = frequencyBox && m_editScroll == Scroll.Value();
    if (!keepFrequency) fs.BkFreq[k] = 0;
    fs.BkPsd[k] = 0;
    if (const int row = k - Scroll.Value(); validRow(row)) {
        F[row].setText(num::format(fs.BkFreq[k], num::Pattern::Fixed2));
        A[row].setText("0.000000");
    }
    if (halfFilled(*this, index)) {
        FindEnd();
        (frequencyBox ? F : A)[fs.EditRow].SetFocus();
    } else if (!keepFrequency) {
        setEditRow(index);
    }
}

void Tessomar::F_GotFocus(int index) {
    if (validRow(index)) rowGotFocus(index, true);
}

void Tessomar::A_GotFocus(int index) {
    if (validRow(index)) rowGotFocus(index, false);
}

void Tessomar::B_GotFocus(int index) {
    if (!validRow(index)) return;
    setEditRow(index);
    fs.FocusRow = static_cast<std::int16_t>(index);
}

void Tessomar::F_KeyPress(int index, int& keyAscii) {
    if (!validRow(index)) return;
    if (keyAscii != kEnter) {
        blankResults(*this); // the shown results no longer match the table
        return;
    }
    keyAscii = 0;
    F_LostFocus(index);
    focusSelected(A[index]);
    F[index].setText(num::format(fs.BkFreq[index + Scroll.Value()], num::Pattern::Fixed2));
}

void Tessomar::A_KeyPress(int index, int& keyAscii) {
    if (!validRow(index)) return;
    if (keyAscii != kEnter) {
        blankResults(*this);
        return;
    }
    keyAscii = 0;
    const int runsBefore = integrationRuns();
    A_LostFocus(index);
    int r = index;
    if (r == entries::kBottomRow && Scroll.Value() < entries::kMaxScroll && entries::filled(fs, r + Scroll.Value())) {
        Scroll.setValue(Scroll.Value() + 1); // the commit has opened the line
        r = entries::kBottomRow - 1;         // the row that now shows the same entry
    }
    if (r + Scroll.Value() == entries::kLastEntry) {
        // The last entry always integrates; a commit that just did so has
        // left nothing for a second run to change.
        if (integrationRuns() == runsBefore) UpdateRandom();
        r = entries::kBottomRow - 1;
    }
    // Stay on a row that still lacks a value; otherwise go on to the next.
    const bool lacking = num::val(F[r].Text()) == 0 || num::val(A[r].Text()) == 0;
    const int next = lacking ? r : std::min(r + 1, entries::kBottomRow);
    focusSelected(F[next]);
}

// The arrows follow the screen: Up to the row above, Down to the row below,
// scrolling by one entry at the top and bottom rows. A scroll rewrites the
// box under the caret, so what was typed there is committed first; with no
// scroll the box keeps its text and caret. Whether to scroll is settled
// before the commit, which may open a line below the bottom row.
void Tessomar::F_KeyDown(int index, int& keyCode, int) {
    if (!validRow(index)) return;
    if (keyCode == tk::key::Up) {
        if (index > 0) {
            F[index - 1].SetFocus();
        } else if (Scroll.Value() > 1) {
            F_LostFocus(index);
            Scroll.setValue(Scroll.Value() - 1);
        }
    } else if (keyCode == tk::key::Down) {
        if (index < entries::kBottomRow) {
            F[index + 1].SetFocus();
        } else if (Scroll.Value() < Scroll.Max()) {
            F_LostFocus(index);
            Scroll.setValue(Scroll.Value() + 1);
        }
    }
}

void Tessomar::TabBounce_GotFocus() {
    if (Scroll.Value() < Scroll.Max()) Scroll.setValue(Scroll.Value() + 1);
    F[entries::kBottomRow].SetFocus();
}

void Tessomar::TabDnBounce_GotFocus() {
    if (Scroll.Value() > 1) Scroll.setValue(Scroll.Value() - 1);
    A[0].SetFocus();
}

} // namespace tessomar
