#include "frame/numbers.h"
#include "frame/tessomar.h"
#include "sine/limits.h"

#include <array>
#include <cmath>

namespace tessomar {

namespace {

using num::Pattern;

// How one of the four value fields takes an entry.
struct FieldRow {
    const char* letter;
    tk::TextBox Tessomar::*box;
    float FormState::*stored;
    double limit; // on the number as typed, in the unit shown beside the field
    const char* limitText;
    double metricFactor; // Metric entry to the English unit held; 0: same in both systems
    Pattern pattern;     // English pattern: the precision an entry is kept at
    tk::CommandButton Tessomar::*focusReturn;
    bool (*returnsFocus)(int calcMode);
};

// When an entry hands the field back with its text selected, ready for the
// next value: acceleration in the shock modes, the other three in Sine mode.
bool inShockModes(int calcMode) { return calcMode > 1; }
bool inSineMode(int calcMode) { return calcMode == 1; }

// Metric velocity and displacement are both shown through "0.00".
constexpr Pattern kMetricPattern = Pattern::Fixed2;

constexpr std::array<FieldRow, 4> kFields{{
    {"A", &Tessomar::Acceleration, &FormState::SineAccel, sine::kAccelLimit, "1000", 0, Pattern::Fixed2,
     &Tessomar::AccelBounce, inShockModes},
    {"V", &Tessomar::Velocity, &FormState::SineVel, sine::kVelLimit, "1000", 39.3701, Pattern::Fixed1,
     &Tessomar::VelBounce, inSineMode},
    {"D", &Tessomar::Displacement, &FormState::SineDisp, sine::kDispLimit, "100", 0.0393701, Pattern::Fixed3,
     &Tessomar::DispBounce, inSineMode},
    {"F", &Tessomar::Frequency, &FormState::SineFreq, sine::kFreqLimit, "20000", 0, Pattern::Fixed2,
     &Tessomar::FreqBounce, inSineMode},
}};
constexpr const FieldRow& kAccel = kFields[0];
constexpr const FieldRow& kVel = kFields[1];
constexpr const FieldRow& kDisp = kFields[2];
constexpr const FieldRow& kFreq = kFields[3];

// Stores the field's number, kept at the precision the field shows. An
// English entry is rounded at its English pattern and read back. A Metric
// entry is rounded at the Metric pattern in the unit typed, and only then
// converted, so the field keeps showing the user's own number in the unit
// beside it instead of coming back altered by an English rounding.
void storeEntry(Tessomar& w, const FieldRow& row) {
    tk::TextBox& box = w.*row.box;
    float& stored = w.fs.*row.stored;
    // A number too large for a double reads as the largest double, and so
    // lands on the limit like any other oversized entry.
    if (std::fabs(num::val(box.Text())) > row.limit) box.setText(row.limitText);
    const double typed = std::fabs(num::val(box.Text()));
    if (row.metricFactor != 0 && w.fs.EnglishUnits != kTrue) {
        box.setText(num::format(typed, kMetricPattern));
        stored = num::store(num::val(box.Text()) * row.metricFactor);
        return;
    }
    stored = num::store(typed);
    box.setText(num::format(stored, row.pattern));
    stored = num::store(num::val(box.Text()));
}

void fieldLostFocus(Tessomar& w, const FieldRow& row) {
    FormState& fs = w.fs;
    if (fs.EntryPending == kFalse) return;
    // A text that reads 0 is no entry: the stored value and history stay.
    if (num::val((w.*row.box).Text()) != 0) {
        storeEntry(w, row);
        if (fs.LastEntry != row.letter) {
            fs.PriorEntry = fs.LastEntry;
            fs.LastEntry = row.letter;
            w.MarkEntries();
        }
    }
    switch (fs.CalcMode) {
    case 1:
        w.UpdateSine();
        break;
    case 2:
    case 3:
        w.UpdateShock();
        break;
    case 0:
        w.UpdateRandom();
        break;
    default:
        break;
    }
    if (row.returnsFocus(fs.CalcMode)) (w.*row.focusReturn).SetFocus();
}

// Enter always enters, also a value only shown; any other key makes an
// entry only when it changes the text (see Tessomar::SineField_KeyChange).
void fieldKeyPress(Tessomar& w, const FieldRow& row, int& keyAscii) {
    if (keyAscii != 13) return;
    w.fs.EntryPending = kTrue;
    keyAscii = 0;
    fieldLostFocus(w, row);
}

constexpr tk::Color kLastColor = 0xDDFFDB;  // pale green
constexpr tk::Color kPriorColor = 0xE1FFFD; // pale yellow
constexpr tk::Color kPlainColor = 0xFFFFFF; // a calculated value

} // namespace

void Tessomar::MarkEntries() {
    if (fs.CalcMode == 0) {
        // Random mode shows results in the first three; Frequency is hidden.
        for (const FieldRow* row : {&kAccel, &kVel, &kDisp}) (this->*row->box).BackColor = kPlainColor;
        return;
    }
    for (const FieldRow& row : kFields)
        (this->*row.box).BackColor = fs.LastEntry == row.letter ? kLastColor : kPlainColor;
    for (const FieldRow& row : kFields)
        if (fs.PriorEntry == row.letter) (this->*row.box).BackColor = kPriorColor;
}

void Tessomar::Acceleration_KeyPress(int& keyAscii) { fieldKeyPress(*this, kAccel, keyAscii); }
void Tessomar::Velocity_KeyPress(int& keyAscii) { fieldKeyPress(*this, kVel, keyAscii); }
void Tessomar::Displacement_KeyPress(int& keyAscii) { fieldKeyPress(*this, kDisp, keyAscii); }
void Tessomar::Frequency_KeyPress(int& keyAscii) { fieldKeyPress(*this, kFreq, keyAscii); }
void Tessomar::SineField_KeyChange() { fs.EntryPending = kTrue; }
void Tessomar::Acceleration_LostFocus() { fieldLostFocus(*this, kAccel); }
void Tessomar::Velocity_LostFocus() { fieldLostFocus(*this, kVel); }
void Tessomar::Displacement_LostFocus() { fieldLostFocus(*this, kDisp); }
void Tessomar::Frequency_LostFocus() { fieldLostFocus(*this, kFreq); }

} // namespace tessomar
