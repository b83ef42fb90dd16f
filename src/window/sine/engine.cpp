#include "calc/numbers.h"
#include "calc/sine.h"
#include "calc/sine_fields.h"
#include "frame/tessomar.h"

#include <utility>

namespace tessomar {

namespace {

float& slot(FormState& fs, sine::Param p) {
    switch (p) {
    case sine::Param::Accel:
        return fs.SineAccel;
    case sine::Param::Vel:
        return fs.SineVel;
    case sine::Param::Disp:
        return fs.SineDisp;
    case sine::Param::Freq:
        return fs.SineFreq;
    }
    return fs.SineFreq;
}

sine::Values valuesOf(const FormState& fs) { return {fs.SineAccel, fs.SineVel, fs.SineDisp, fs.SineFreq}; }

// Shared start of both engines. True when the run may go on to compute:
// something was entered, and neither entered parameter holds 0 (which keeps
// every divisor of the relations away from zero).
bool beginRun(FormState& fs) {
    if (fs.EntryPending == kFalse) return false;
    fs.EntryPending = kFalse;
    for (const char* letter : {"A", "D", "V", "F"}) {
        if (fs.LastEntry != letter && fs.PriorEntry != letter) continue;
        if (slot(fs, *sine::paramOf(letter)) == 0) return false;
    }
    return true;
}

void storeResults(FormState& fs, const sine::Results& r) {
    slot(fs, r.first.param) = num::store(r.first.value);
    slot(fs, r.second.param) = num::store(r.second.value);
}

} // namespace

void Tessomar::UpdateSine() {
    if (!beginRun(fs)) return;
    if (sine::paramOf(fs.PriorEntry)) {
        if (const auto pair = sine::findPair(fs.LastEntry, fs.PriorEntry))
            storeResults(fs, sine::sineRelation(*pair, valuesOf(fs)));
    }
    ShowSineFields();
}

void Tessomar::UpdateShock() {
    if (!beginRun(fs)) return;
    if (sine::paramOf(fs.PriorEntry)) {
        const sine::ShockReference& ref = sine::shockReference(
            fs.CalcMode == mode::kTerminalPeak ? sine::Pulse::TerminalPeak : sine::Pulse::HalfSine);
        if (const auto pair = sine::findPair(fs.LastEntry, fs.PriorEntry))
            storeResults(fs, sine::shockRelation(*pair, valuesOf(fs), ref));
    }
    ShowSineFields();
}

void Tessomar::ShowSineFields() {
    sine::FieldTexts t = sine::fieldTexts(fs.SineAccel, fs.SineVel, fs.SineDisp, fs.SineFreq, fs.EnglishUnits == kTrue);
    Acceleration.setText(std::move(t.accel));
    Velocity.setText(std::move(t.vel));
    Displacement.setText(std::move(t.disp));
    Frequency.setText(std::move(t.freq));
}

} // namespace tessomar
