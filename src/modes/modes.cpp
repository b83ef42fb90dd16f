// The Sine and Shock screens and the pulse-shape switch.
#include "frame/numbers.h"
#include "frame/scaling.h"
#include "frame/tessomar.h"

namespace tessomar {

namespace {
constexpr tk::Color kCurrentMode = 0xC0FFC0; // light green
constexpr tk::Color kOtherMode = 0xE0E0E0;   // light grey
constexpr double kSineHeight = 4210;         // window, outer, design twips
constexpr double kSineButtonsTop = 3020;     // English, Metric, Help
constexpr double kSineAddLbl1Top = 3340;
constexpr double kSineAddLbl2Top = 3550;
} // namespace

void Tessomar::SineButton_Click() {
    using num::format;
    using num::Pattern;

    fs.LastEntry.clear();
    fs.PriorEntry.clear();
    fs.CalcMode = 1;

    RanHelp.Visible = false;
    SineHelp.Visible = false;
    ShockHelp.Visible = false;
    AccelButton.Visible = false;

    SineButton.BackColor = kCurrentMode;
    RandomButton.BackColor = kOtherMode;
    ShockButton.BackColor = kOtherMode;

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

    const float k = fs.ScaleFactor;
    Height = scaledTwips(kSineHeight, k);
    AddLbl1.Top = scaledTwips(kSineAddLbl1Top, k);
    AddLbl2.Top = scaledTwips(kSineAddLbl2Top, k);
    EnglishBut.Top = scaledTwips(kSineButtonsTop, k);
    MetricBut.Top = scaledTwips(kSineButtonsTop, k);
    HelpBut.Top = scaledTwips(kSineButtonsTop, k);

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

    for (tk::TextBox* box : {&Acceleration, &Velocity, &Displacement}) {
        box->Locked = false;
        box->TabStop = true;
    }
    for (tk::CommandButton* catcher : {&AccelTab, &VelTab, &DispTab, &FreqTab}) catcher->TabStop = true;
    for (int row = 0; row < kRows; ++row) {
        F[row].TabStop = false;
        A[row].TabStop = false;
    }
}

void Tessomar::ShockButton_Click() {
    SineButton_Click();
    fs.CalcMode = 2;
    AccelButton.Caption = "Half Sine Accl";
    AccelButton.Visible = true;
    SineButton.BackColor = kOtherMode;
    ShockButton.BackColor = kCurrentMode;
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
