#include "frame/tessomar.h"
#include "random/result_text.h"

namespace tessomar {

namespace {

constexpr tk::Color kCurrentMode = 0xC0FFC0;
constexpr tk::Color kOtherMode = 0xE0E0E0;

// Base layout of the Random screen in design twips, before ScaleFactor.
constexpr float kWindowHeight = 7470;
constexpr float kUnitButtonsTop = 2645;
constexpr float kAddLbl1Top = 3005;
constexpr float kAddLbl2Top = 3220;

constexpr int kSelectAll = 10;

} // namespace

// The Random screen: the window grows to show the break-point table, the
// three sine fields become locked result boxes, and the table takes the keys.
void Tessomar::RandomButton_Click() {
    fs.LastEntry.clear();
    fs.PriorEntry.clear();
    fs.CalcMode = 0;

    RanHelp.Visible = false;
    SineHelp.Visible = false;
    ShockHelp.Visible = false;
    AccelButton.Visible = false;

    RandomButton.BackColor = kCurrentMode;
    SineButton.BackColor = kOtherMode;
    ShockButton.BackColor = kOtherMode;

    FreqLbl.Visible = false;
    Frequency.Visible = false;
    FreqUnits.Visible = false;

    const float scale = fs.ScaleFactor;
    EnglishBut.Top = kUnitButtonsTop * scale;
    MetricBut.Top = kUnitButtonsTop * scale;
    HelpBut.Top = kUnitButtonsTop * scale;
    AddLbl1.Top = kAddLbl1Top * scale;
    AddLbl2.Top = kAddLbl2Top * scale;
    Height = kWindowHeight * scale;

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

    for (tk::TextBox* box : {&Acceleration, &Velocity, &Displacement}) {
        box->Locked = true;
        box->TabStop = false;
    }
    for (tk::CommandButton* tab : {&AccelTab, &VelTab, &DispTab, &FreqTab}) tab->TabStop = false;
    for (int row = 0; row < kRows; ++row) {
        F[row].TabStop = true;
        A[row].TabStop = true;
    }

    F[0].setSelStart(0);
    F[0].setSelLength(kSelectAll);
    F[0].SetFocus();

    UpdateRandom();
}

} // namespace tessomar
