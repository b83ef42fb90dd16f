#include "frame/tessomar.h"
#include "modes/screen.h"
#include "random/result_text.h"

namespace tessomar {

namespace {

constexpr int kSelectAll = 10;

} // namespace

// The Random screen: the window grows to show the break-point table, the
// three sine fields become locked result boxes, and the table takes the keys.
void Tessomar::RandomButton_Click() {
    screen::begin(*this, 0, RandomButton);

    FreqLbl.Visible = false;
    Frequency.Visible = false;
    FreqUnits.Visible = false;

    screen::place(*this, screen::kRandomLayout);

    MarkEntries();

    const bool english = fs.EnglishUnits == kTrue;
    AccelUnits.Caption = "g's rms";
    VelUnits.Caption = english ? "ips pk" : "mps pk";
    DispUnits.Caption = english ? "in. p-p" : "mm p-p";
    Acceleration.setText(psd::grmsText(fs.RandomGrms));
    Velocity.setText(psd::velText(fs.RandomVel, english));
    Displacement.setText(psd::dispText(fs.RandomDisp, english));

    DelBut.Visible = true;
    ClearBut.Visible = true;

    screen::routeKeys(*this, false);

    F[0].setSelStart(0);
    F[0].setSelLength(kSelectAll);
    F[0].SetFocus();

    UpdateRandom();
}

} // namespace tessomar
