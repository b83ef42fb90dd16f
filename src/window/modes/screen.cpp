#include "modes/screen.h"

#include "frame/scaling.h"

namespace tessomar::screen {

void begin(Tessomar& w, std::int16_t mode, tk::CommandButton& current) {
    w.fs.LastEntry.clear();
    w.fs.PriorEntry.clear();
    w.fs.CalcMode = mode;
    for (tk::Control* c : {static_cast<tk::Control*>(&w.RanHelp), static_cast<tk::Control*>(&w.SineHelp),
                           static_cast<tk::Control*>(&w.ShockHelp), static_cast<tk::Control*>(&w.AccelButton)})
        c->Visible = false;
    for (tk::CommandButton* b : {&w.SineButton, &w.RandomButton, &w.ShockButton})
        b->BackColor = b == &current ? kCurrentMode : kOtherMode;
}

void place(Tessomar& w, const Layout& layout) {
    const float k = w.fs.ScaleFactor;
    w.Height = scaledTwips(layout.height, k);
    // The scroll bar is the table's highest control.
    w.clientLimit = layout.showsTable ? tk::Window::kNoClientLimit : w.Scroll.Top;
    w.AddLbl1.Top = scaledTwips(layout.addLbl1Top, k);
    w.AddLbl2.Top = scaledTwips(layout.addLbl2Top, k);
    for (tk::CommandButton* b : {&w.EnglishBut, &w.MetricBut, &w.HelpBut}) b->Top = scaledTwips(layout.buttonsTop, k);
}

void routeKeys(Tessomar& w, bool sineFields) {
    for (tk::TextBox* box : {&w.Acceleration, &w.Velocity, &w.Displacement}) {
        box->Locked = !sineFields;
        box->TabStop = sineFields;
    }
    for (tk::CommandButton* catcher : {&w.AccelTab, &w.VelTab, &w.DispTab, &w.FreqTab}) catcher->TabStop = sineFields;
    for (int row = 0; row < kRows; ++row) {
        w.F[row].TabStop = !sineFields;
        w.A[row].TabStop = !sineFields;
    }
}

} // namespace tessomar::screen
