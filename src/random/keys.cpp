#include "frame/numbers.h"
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

// Leaving a half-filled row for another one drops its unfinished point; the
// frequency column keeps the stored frequency, the PSD column drops both.
void Tessomar::F_GotFocus(int index) {
    if (!validRow(index)) return;
    fs.FocusRow = static_cast<std::int16_t>(index);
    const int edit = fs.EditRow;
    if (index > 0 && edit != index && validRow(edit) && halfFilled(*this, edit)) {
        const int k = edit + Scroll.Value();
        F[edit].setText(num::format(fs.BkFreq[k], num::Pattern::Fixed2));
        A[edit].setText("0.000000");
        fs.BkPsd[k] = 0;
        if (halfFilled(*this, index)) {
            FindEnd();
            F[fs.EditRow].SetFocus();
        }
        return;
    }
    fs.EditRow = static_cast<std::int16_t>(index);
}

void Tessomar::A_GotFocus(int index) {
    if (!validRow(index)) return;
    fs.FocusRow = static_cast<std::int16_t>(index);
    const int edit = fs.EditRow;
    if (index > 0 && edit != index && validRow(edit) && halfFilled(*this, edit)) {
        const int k = edit + Scroll.Value();
        F[edit].setText("0.00");
        fs.BkFreq[k] = 0;
        A[edit].setText("0.000000");
        fs.BkPsd[k] = 0;
        if (halfFilled(*this, index)) {
            FindEnd();
            A[fs.EditRow].SetFocus();
            return;
        }
    }
    fs.EditRow = static_cast<std::int16_t>(index);
}

void Tessomar::B_GotFocus(int index) {
    if (!validRow(index)) return;
    fs.EditRow = static_cast<std::int16_t>(index);
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
