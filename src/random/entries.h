#pragma once

#include "frame/form_state.h"

namespace tessomar::entries {

// The tests of one break point, on the stored values; the thresholds are
// 32-bit floats so that they compare with the stored values as stored.
inline bool positive(const FormState& fs, int k) { return fs.BkFreq[k] > 0.0f && fs.BkPsd[k] > 0.0f; }
inline bool filled(const FormState& fs, int k) { return fs.BkFreq[k] > 0.0099f && fs.BkPsd[k] > 9.99e-7f; }
inline bool taken(const FormState& fs, int k) { return fs.BkFreq[k] >= 0.01f && fs.BkPsd[k] >= 1e-6f; }

inline constexpr int kLastEntry = 50;
inline constexpr int kMaxScroll = 42; // the bottom row then shows entry 50
inline constexpr int kBottomRow = 8;

} // namespace tessomar::entries
