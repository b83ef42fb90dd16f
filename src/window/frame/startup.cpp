// Load and activation: the window's way into its starting state.
#include "calc/numbers.h"
#include "frame/tessomar.h"

namespace tessomar {

void Tessomar::Form_Load() { ScaleLayout(); }

void Tessomar::Form_Activate() {
    using num::format;
    using num::Pattern;

    fs.EnglishUnits = kTrue;
    FillHelpText();
    SineButton_Click();

    // The stored value first, then its text from what was stored.
    fs.SineAccel = 0;
    Acceleration.setText(format(fs.SineAccel, Pattern::Fixed2));
    fs.SineVel = 0;
    Velocity.setText(format(fs.SineVel, Pattern::Fixed1));
    fs.SineDisp = 0;
    Displacement.setText(format(fs.SineDisp, Pattern::Fixed3));
    fs.SineFreq = 0;
    Frequency.setText(format(fs.SineFreq, Pattern::Fixed2));

    fs.RandomGrms = 0;
    fs.RandomVel = 0;
    fs.RandomDisp = 0;
    for (std::size_t k = 1; k <= 51; ++k) {
        fs.BkFreq[k] = 0;
        fs.BkPsd[k] = 0;
    }

    MarkEntries();

    for (int i = 0; i < kRows; ++i) {
        B[i].setText(format(Scroll.Value() + i, Pattern::Int2));
        F[i].setText(format(fs.BkFreq[static_cast<std::size_t>(Scroll.Value() + i)], Pattern::Fixed2));
        A[i].setText(format(fs.BkPsd[static_cast<std::size_t>(Scroll.Value() + i)], Pattern::Fixed6));
    }

    // Whole texts selected, so the first key typed replaces the value.
    for (tk::TextBox* box : {&Acceleration, &Velocity, &Displacement, &Frequency}) {
        box->setSelStart(0);
        box->setSelLength(10);
    }

    // Nothing to scroll until the table editor adds break points.
    Scroll.setMax(1);
}

} // namespace tessomar
