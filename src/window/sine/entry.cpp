#include "calc/numbers.h"
#include "calc/sine_fields.h"
#include "frame/tessomar.h"

#include <array>
#include <utility>

namespace tessomar {

namespace {

// One of the four value fields: where it stores its entry and where the
// focus goes after one.
struct FieldRow {
    const char* letter;
    sine::Param param;
    tk::TextBox Tessomar::*box;
    float FormState::*stored;
    tk::CommandButton Tessomar::*focusReturn;
    bool (*returnsFocus)(int calcMode);
};

// When an entry hands the field back with its text selected, ready for the
// next value: acceleration in the shock modes, the other three in Sine mode.
bool inShockModes(int calcMode) { return calcMode > mode::kSine; }
bool inSineMode(int calcMode) { return calcMode == mode::kSine; }

constexpr std::array<FieldRow, 4> kFields{{
    {"A", sine::Param::Accel, &Tessomar::Acceleration, &FormState::SineAccel, &Tessomar::AccelBounce, inShockModes},
    {"V", sine::Param::Vel, &Tessomar::Velocity, &FormState::SineVel, &Tessomar::VelBounce, inSineMode},
    {"D", sine::Param::Disp, &Tessomar::Displacement, &FormState::SineDisp, &Tessomar::DispBounce, inSineMode},
    {"F", sine::Param::Freq, &Tessomar::Frequency, &FormState::SineFreq, &Tessomar::FreqBounce, inSineMode},
}};
constexpr const FieldRow& kAccel = kFields[0];
constexpr const FieldRow& kVel = kFields[1];
constexpr const FieldRow& kDisp = kFields[2];
constexpr const FieldRow& kFreq = kFields[3];

// Stores the field's number, kept at the precision the field shows, in the
// unit system shown.
void storeEntry(Tessomar& w, const FieldRow& row) {
    tk::TextBox& box = w.*row.box;
    sine::Taken taken = sine::takeEntry(row.param, box.Text(), w.fs.EnglishUnits != kTrue);
    w.fs.*row.stored = taken.stored;
    box.setText(std::move(taken.text));
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
    case mode::kSine:
        w.UpdateSine();
        break;
    case mode::kHalfSine:
    case mode::kTerminalPeak:
        w.UpdateShock();
        break;
    case mode::kRandom:
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
    if (fs.CalcMode == mode::kRandom) {
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
