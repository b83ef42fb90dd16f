#include "frame/tessomar.h"

namespace tessomar {

Tessomar::Tessomar() {
    applyDesign();
    wireEvents();
}

// Every event a handler is written for, and nothing else.
void Tessomar::wireEvents() {
    Load = [this] { Form_Load(); };
    Activate = [this] { Form_Activate(); };

    Acceleration.KeyPress = [this](int& k) { Acceleration_KeyPress(k); };
    Velocity.KeyPress = [this](int& k) { Velocity_KeyPress(k); };
    Displacement.KeyPress = [this](int& k) { Displacement_KeyPress(k); };
    Frequency.KeyPress = [this](int& k) { Frequency_KeyPress(k); };
    for (tk::TextBox* field : {&Acceleration, &Velocity, &Displacement, &Frequency}) {
        field->KeyChange = [this] { SineField_KeyChange(); };
        field->Pasting = [this, field](std::string& text) { return SineField_Pasting(*field, text); };
    }
    Acceleration.LostFocus = [this] { Acceleration_LostFocus(); };
    Velocity.LostFocus = [this] { Velocity_LostFocus(); };
    Displacement.LostFocus = [this] { Displacement_LostFocus(); };
    Frequency.LostFocus = [this] { Frequency_LostFocus(); };

    VelTab.GotFocus = [this] { VelTab_GotFocus(); };
    DispTab.GotFocus = [this] { DispTab_GotFocus(); };
    FreqTab.GotFocus = [this] { FreqTab_GotFocus(); };
    AccelTab.GotFocus = [this] { AccelTab_GotFocus(); };
    AccelBounce.GotFocus = [this] { AccelBounce_GotFocus(); };
    VelBounce.GotFocus = [this] { VelBounce_GotFocus(); };
    DispBounce.GotFocus = [this] { DispBounce_GotFocus(); };
    FreqBounce.GotFocus = [this] { FreqBounce_GotFocus(); };

    for (int i = 0; i < kRows; ++i) {
        F[i].GotFocus = [this, i] { F_GotFocus(i); };
        F[i].KeyPress = [this, i](int& k) { F_KeyPress(i, k); };
        F[i].KeyDown = [this, i](int& k, int shift) { F_KeyDown(i, k, shift); };
        F[i].LostFocus = [this, i] { F_LostFocus(i); };
        A[i].GotFocus = [this, i] { A_GotFocus(i); };
        A[i].KeyPress = [this, i](int& k) { A_KeyPress(i, k); };
        A[i].LostFocus = [this, i] { A_LostFocus(i); };
        F[i].Pasting = [this, i](std::string& text) { return F_Pasting(i, text); };
        A[i].Pasting = [this, i](std::string& text) { return A_Pasting(i, text); };
        B[i].GotFocus = [this, i] { B_GotFocus(i); };
        for (tk::TextBox* box : {&F[i], &A[i], &B[i]}) box->Undo = [this] { Table_Undo(); };
    }
    Scroll.Change = [this] { Scroll_Change(); };
    TabBounce.GotFocus = [this] { TabBounce_GotFocus(); };
    TabDnBounce.GotFocus = [this] { TabDnBounce_GotFocus(); };

    DelBut.Click = [this] { DelBut_Click(); };
    ClearBut.Click = [this] { ClearBut_Click(); };
    SineButton.Click = [this] { SineButton_Click(); };
    ShockButton.Click = [this] { ShockButton_Click(); };
    AccelButton.Click = [this] { AccelButton_Click(); };
    RandomButton.Click = [this] { RandomButton_Click(); };
    EnglishBut.Click = [this] { EnglishBut_Click(); };
    MetricBut.Click = [this] { MetricBut_Click(); };
    HelpBut.Click = [this] { HelpBut_Click(); };
}

} // namespace tessomar
