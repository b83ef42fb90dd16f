#pragma once

#include "calc/table.h"
#include "frame/form_state.h"

namespace tessomar::entries {

// The table's tests of entry k as the window stores it.
inline bool positive(const FormState& fs, int k) { return table::positive(fs.BkFreq[k], fs.BkPsd[k]); }
inline bool filled(const FormState& fs, int k) { return table::filled(fs.BkFreq[k], fs.BkPsd[k]); }
inline bool taken(const FormState& fs, int k) { return table::taken(fs.BkFreq[k], fs.BkPsd[k]); }

inline constexpr int kLastEntry = table::kLastEntry;
inline constexpr int kMaxScroll = 42; // the bottom row then shows entry 50
inline constexpr int kBottomRow = 8;

} // namespace tessomar::entries
