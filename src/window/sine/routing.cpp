#include "frame/tessomar.h"

namespace tessomar {

namespace {

// The tab catchers and focus-return buttons only pass the focus on: into
// their field, with its text selected so the next value typed replaces it.
// Ten characters cover every value the field shows in practice.
void selectAndFocus(tk::TextBox& field) {
    field.setSelStart(0);
    field.setSelLength(10);
    field.SetFocus();
}

} // namespace

void Tessomar::VelTab_GotFocus() { selectAndFocus(Velocity); }
void Tessomar::DispTab_GotFocus() { selectAndFocus(Displacement); }
void Tessomar::FreqTab_GotFocus() { selectAndFocus(Frequency); }
void Tessomar::AccelTab_GotFocus() { selectAndFocus(Acceleration); }
void Tessomar::AccelBounce_GotFocus() { selectAndFocus(Acceleration); }
void Tessomar::VelBounce_GotFocus() { selectAndFocus(Velocity); }
void Tessomar::DispBounce_GotFocus() { selectAndFocus(Displacement); }
void Tessomar::FreqBounce_GotFocus() { selectAndFocus(Frequency); }

} // namespace tessomar
