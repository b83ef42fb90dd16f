#pragma once

#include "frame/tessomar.h"

#include <memory>
#include <string_view>

namespace bench {

// A window started as the program starts it: design twips, loaded,
// activated, the focus in Acceleration.
std::unique_ptr<tessomar::Tessomar> startedWindow();

// Types the characters one key at a time into the focused control.
void type(tessomar::Tessomar& w, std::string_view text);

// Enters one break point from the keyboard into the focused frequency box:
// frequency, Enter, PSD, Enter.
void enterPoint(tessomar::Tessomar& w, double freqHz, double psd);

// The frequencies of a spectrum of `count` points in the worst order for the
// table's sort (descending) or the easiest (ascending), 20 Hz to 2000 Hz on
// a log scale.
double spectrumFrequency(int index, int count, bool descending);

// True when entries 1..count are filled, in ascending frequency, and the
// rest are empty.
bool tableSortedWith(const tessomar::FormState& fs, int count);

} // namespace bench
