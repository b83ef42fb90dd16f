#include "frame/numbers.h"
#include "frame/tessomar.h"
#include "random/result_text.h"

namespace tessomar {

namespace {

constexpr double kMetersPerInch = 0.0254;
constexpr double kMmPerInch = 25.4;

// Velocity and displacement are held in English units in every mode; the
// unit system only decides how they are shown. Nothing is recomputed.
void showUnits(Tessomar& w, bool english, const char* metricDispCaption) {
    w.fs.EnglishUnits = english ? kTrue : kFalse;
    w.VelUnits.Caption = english ? "ips pk" : "mps pk";
    w.DispUnits.Caption = english ? "in. p-p" : metricDispCaption;
    if (w.fs.CalcMode > 0) {
        const float vel = w.fs.SineVel;
        const float disp = w.fs.SineDisp;
        w.Velocity.setText(english ? num::format(vel, num::Pattern::Fixed1)
                                   : num::format(vel * kMetersPerInch, num::Pattern::Fixed2));
        w.Displacement.setText(english ? num::format(disp, num::Pattern::Fixed3)
                                       : num::format(disp * kMmPerInch, num::Pattern::Fixed2));
    } else {
        w.Velocity.setText(psd::velText(w.fs.RandomVel, english));
        w.Displacement.setText(psd::dispText(w.fs.RandomDisp, english));
    }
}

} // namespace

void Tessomar::EnglishBut_Click() { showUnits(*this, true, nullptr); }

void Tessomar::MetricBut_Click() { showUnits(*this, false, "mm. p-p"); }

} // namespace tessomar
