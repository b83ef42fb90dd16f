#include "calc/numbers.h"
#include "frame/tessomar.h"
#include "random/entries.h"

namespace tessomar {

namespace {

constexpr int kSelectAll = 10;

// A table box whose text is not what it shows for its entry holds typing.
bool holdsTyping(const Tessomar& w, const tk::Control* c) {
    for (int r = 0; r < kRows; ++r) {
        const int k = r + w.Scroll.Value();
        if (c == &w.F[r]) return w.F[r].Text() != num::format(w.fs.BkFreq[k], num::Pattern::Fixed2);
        if (c == &w.A[r]) return w.A[r].Text() != num::format(w.fs.BkPsd[k], num::Pattern::Fixed6);
    }
    return false;
}

} // namespace

void Tessomar::keepForUndo(const char* what) {
    m_undo = Snapshot{what,           fs.BkFreq,     fs.BkPsd,
                      Scroll.Value(), Scroll.Max(),  fs.RandomGrms,
                      fs.RandomVel,   fs.RandomDisp, {Acceleration.Text(), Velocity.Text(), Displacement.Text()}};
}

std::string Tessomar::undoCaption() const {
    return m_undo && !holdsTyping(*this, focused()) ? m_undo->what : std::string{};
}

void Tessomar::Table_Undo() {
    if (undoCaption().empty()) return;
    const Snapshot s = std::move(*m_undo);
    m_undo.reset();
    fs.BkFreq = s.freq;
    fs.BkPsd = s.psd;
    Scroll.setMax(s.max);
    Scroll.setValue(s.value);
    Scroll_Change(); // also when the value stayed
    fs.RandomGrms = s.grms;
    fs.RandomVel = s.vel;
    fs.RandomDisp = s.disp;
    Acceleration.setText(s.shown[0]);
    Velocity.setText(s.shown[1]);
    Displacement.setText(s.shown[2]);
    if (auto* box = dynamic_cast<tk::TextBox*>(focused())) {
        box->setSelStart(0);
        box->setSelLength(kSelectAll);
    }
}

} // namespace tessomar
