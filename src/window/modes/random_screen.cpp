#include "calc/result_text.h"
#include "calc/units.h"
#include "frame/tessomar.h"
#include "modes/screen.h"

namespace tessomar {

namespace {

constexpr int kSelectAll = 10;

} // namespace

// The Random screen: the window grows to show the break-point table, the
// three sine fields become locked result boxes, and the table takes the keys.
void Tessomar::RandomButton_Click() {
    screen::begin(*this, mode::kRandom, RandomButton);

    FreqLbl.Visible = false;
    Frequency.Visible = false;
    FreqUnits.Visible = false;

    screen::place(*this, screen::kRandomLayout);

    MarkEntries();

    const bool english = fs.EnglishUnits == kTrue;
    AccelUnits.Caption = units::caption::kAccelRms;
    VelUnits.Caption = english ? units::caption::kVelEnglish : units::caption::kVelMetric;
    DispUnits.Caption = english ? units::caption::kDispEnglish : units::caption::kDispMetric;
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
