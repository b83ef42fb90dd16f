// The Sine and Shock screens and the pulse-shape switch.
#include "calc/numbers.h"
#include "calc/sine_fields.h"
#include "calc/units.h"
#include "frame/tessomar.h"
#include "modes/screen.h"

namespace tessomar {

void Tessomar::SineButton_Click() {
    using num::format;
    using num::Pattern;

    screen::begin(*this, mode::kSine, SineButton);

    fs.SineFreq = 0;
    fs.SineAccel = 0;
    fs.SineVel = 0;
    fs.SineDisp = 0;

    FreqLbl.Caption = "Frequency";
    FreqUnits.Caption = units::caption::kFrequency;
    FreqLbl.Visible = true;
    Frequency.Visible = true;
    FreqUnits.Visible = true;

    DelBut.Visible = false;
    ClearBut.Visible = false;

    screen::place(*this, screen::kSineLayout);

    MarkEntries();

    const bool english = fs.EnglishUnits == kTrue;
    AccelUnits.Caption = units::caption::kAccelPeak;
    Acceleration.setText(format(fs.SineAccel, Pattern::Fixed2));
    Frequency.setText(format(fs.SineFreq, Pattern::Fixed2));
    VelUnits.Caption = english ? units::caption::kVelEnglish : units::caption::kVelMetric;
    DispUnits.Caption = english ? units::caption::kDispEnglish : units::caption::kDispMetric;
    Velocity.setText(sine::velocityText(fs.SineVel, english));
    Displacement.setText(sine::displacementText(fs.SineDisp, english));

    screen::routeKeys(*this, true);
}

void Tessomar::ShockButton_Click() {
    SineButton_Click();
    fs.CalcMode = mode::kHalfSine;
    AccelButton.Caption = "Half Sine Accl";
    AccelButton.Visible = true;
    SineButton.BackColor = screen::kOtherMode;
    ShockButton.BackColor = screen::kCurrentMode;
    FreqLbl.Caption = "Duration";
    FreqUnits.Caption = units::caption::kDuration;
    FreqLbl.Visible = true;
    Frequency.Visible = true;
    FreqUnits.Visible = true;
}

void Tessomar::AccelButton_Click() {
    if (fs.CalcMode == mode::kHalfSine) {
        AccelButton.Caption = "Term Pk Accl";
        fs.CalcMode = mode::kTerminalPeak;
    } else {
        AccelButton.Caption = "Half Sine Accl";
        fs.CalcMode = mode::kHalfSine;
    }
    fs.EntryPending = kTrue;
    UpdateShock();
}

} // namespace tessomar
