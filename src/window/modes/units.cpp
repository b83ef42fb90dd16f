#include "calc/units.h"
#include "calc/result_text.h"
#include "calc/sine_fields.h"
#include "frame/tessomar.h"

namespace tessomar {

namespace {

// Velocity and displacement are held in English units in every mode; the
// unit system only decides how they are shown. Nothing is recomputed.
void showUnits(Tessomar& w, bool english, const char* metricDispCaption) {
    w.fs.EnglishUnits = english ? kTrue : kFalse;
    w.VelUnits.Caption = english ? units::caption::kVelEnglish : units::caption::kVelMetric;
    w.DispUnits.Caption = english ? units::caption::kDispEnglish : metricDispCaption;
    if (w.fs.CalcMode > mode::kRandom) {
        w.Velocity.setText(sine::velocityText(w.fs.SineVel, english));
        w.Displacement.setText(sine::displacementText(w.fs.SineDisp, english));
    } else {
        w.Velocity.setText(psd::velText(w.fs.RandomVel, english));
        w.Displacement.setText(psd::dispText(w.fs.RandomDisp, english));
    }
}

} // namespace

void Tessomar::EnglishBut_Click() { showUnits(*this, true, nullptr); }

void Tessomar::MetricBut_Click() { showUnits(*this, false, units::caption::kDispMetricButton); }

} // namespace tessomar
