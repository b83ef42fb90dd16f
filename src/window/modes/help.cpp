// The help panels: filled once at activation, shown by the Help button.
#include "frame/scaling.h"
#include "frame/tessomar.h"
#include "modes/help_texts.h"

namespace tessomar {

void Tessomar::FillHelpText() {
    SineHelp.setText(sineHelpText());
    RanHelp.setText(randomHelpText());
}

// Shows the current mode's panel. It never hides one: the mode buttons do
// that, and the panel stays until the user picks a mode.
void Tessomar::HelpBut_Click() {
    switch (fs.CalcMode) {
    case mode::kSine:
        SineHelp.Visible = true;
        break;
    case mode::kHalfSine:
    case mode::kTerminalPeak:
        // The drawing is taller than the Sine screen, and covers the table.
        Height = scaledTwips(7470, fs.ScaleFactor);
        clientLimit = kNoClientLimit;
        ShockHelp.Visible = true;
        break;
    default:
        RanHelp.Visible = true;
        break;
    }
}

} // namespace tessomar
