#pragma once

#include "calc/psd.h"

#include <optional>
#include <string>
#include <vector>

namespace tessomar {

// One break point of the table with what its segment to the next point
// does: the slope in dB/oct and the share of the overall g².
struct BreakPointRow {
    float freq = 0;                // Hz, as stored
    float psd = 0;                 // g²/Hz, as stored
    std::optional<double> slope;   // none for the last point, or where no slope exists
    std::optional<double> share;   // percent; none for the last point, or with no g² at all
    psd::Gap gap = psd::Gap::None; // why the segment to the next point added nothing
};

// The entries the integration reads, in frequency order (a PSD of 0 as the
// 1e-9 that stands in for it), and the three results they give (English
// units: g rms, 3 sigma in/s pk, 3 sigma in p-p).
struct BreakPointReport {
    std::vector<BreakPointRow> rows;
    float grms = 0, vel = 0, disp = 0;
};

// The report of a table's columns (entries 1 to 50, in any order). The
// shares come from the integration itself, run on a copy of the filled
// entries, so they add up to what the window shows.
BreakPointReport breakPointReport(const psd::Column& freq, const psd::Column& psd);

// A row's texts through the table's patterns; slope and share are empty
// where the row has none, and a segment left out says so in place of its
// share. entry counts from 1.
struct BreakPointTexts {
    std::string entry, freq, psd, slope, share;
};
BreakPointTexts textsOf(int entry, const BreakPointRow& row);

// Why a segment was left out, in a few words ("slope steeper than 903 dB/oct").
const char* gapText(psd::Gap gap);

// The copy-out of the table: a header line, a line a break point with its
// slope and share, and the three results in the unit system given, as
// tab-separated cells a spreadsheet takes; its own header line marks it.
std::string reportText(const BreakPointReport& report, bool english);
// The same cells as an HTML table, which spreadsheets paste as cells
// without asking how to split them.
std::string reportHtml(const BreakPointReport& report, bool english);

} // namespace tessomar
