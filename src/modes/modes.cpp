// The Sine and Shock screens and the pulse-shape switch.
#include "frame/numbers.h"
#include "frame/tessomar.h"
#include "modes/screen.h"

namespace tessomar {

void Tessomar::SineButton_Click() {
    using num::format;
    using num::Pattern;

    screen::begin(*this, 1, SineButton);

    fs.SineFreq = 0;
    fs.SineAccel = 0;
    fs.SineVel = 0;
    fs.SineDisp = 0;

    FreqLbl.Caption = "Frequency";
    FreqUnits.Caption = "Hz";
    FreqLbl.Visible = true;
    Frequency.Visible = true;
    FreqUnits.Visible = true;

    DelBut.Visible = false;
    ClearBut.Visible = false;

    screen::place(*this, screen::kSineLayout);

    MarkEntries();

    AccelUnits.Caption = "g's pk";
    Acceleration.setText(format(fs.SineAccel, Pattern::Fixed2));
    Frequency.setText(format(fs.SineFreq, Pattern::Fixed2));
    if (fs.EnglishUnits == kTrue) {
        VelUnits.Caption = "ips pk";
        DispUnits.Caption = "in. p-p";
        Velocity.setText(format(fs.SineVel, Pattern::Fixed1));
        Displacement.setText(format(fs.SineDisp, Pattern::Fixed3));
    } else {
        VelUnits.Caption = "mps pk";
        DispUnits.Caption = "mm p-p";
        Velocity.setText(format(static_cast<double>(fs.SineVel) * 0.0254, Pattern::Fixed2));
        Displacement.setText(format(static_cast<double>(fs.SineDisp) * 25.4, Pattern::Fixed2));
    }

    screen::routeKeys(*this, true);
}

void Tessomar::ShockButton_Click() {
    SineButton_Click();
    fs.CalcMode = 2;
    AccelButton.Caption = "Half Sine Accl";
    AccelButton.Visible = true;
    SineButton.BackColor = screen::kOtherMode;
    ShockButton.BackColor = screen::kCurrentMode;
    FreqLbl.Caption = "Duration";
    FreqUnits.Caption = "msec";
    FreqLbl.Visible = true;
    Frequency.Visible = true;
    FreqUnits.Visible = true;
}

void Tessomar::AccelButton_Click() {
    if (fs.CalcMode == 2) {
        AccelButton.Caption = "Term Pk Accl";
        fs.CalcMode = 3;
    } else {
        AccelButton.Caption = "Half Sine Accl";
        fs.CalcMode = 2;
    }
    fs.EntryPending = kTrue;
    UpdateShock();
}

} // namespace tessomar
