#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tessomar::profile {

// One break point of a profile: a frequency in Hz and a PSD in g²/Hz.
struct Point {
    double freq = 0;
    double psd = 0;
    int line = 0; // the line that first names the frequency
    friend bool operator==(const Point&, const Point&) = default;
};

// What a text holds as a profile. Taken: the points, every level resolved.
// Refused: no points, and an error naming the line (1-based; 0 for the
// text as a whole), short enough to print as "FILE:LINE: error".
struct Profile {
    std::vector<Point> points; // in text order of each frequency's first appearance
    int dataLines = 0;         // lines that read as a point or a band, refused ones included
    std::string error;         // empty when taken
    int errorLine = 0;
    bool ok() const { return error.empty(); }
};

// The usable range of the break-point table; anything outside is refused.
inline constexpr double kMinFreq = 0.01, kMaxFreq = 20000;
inline constexpr double kMinPsd = 1e-6, kMaxPsd = 1000;

// Reads a profile as people hand them over: spreadsheet cells, CSV, text
// from a document. One point ("20 0.01"), level band ("80-350 Hz 0.04") or
// slope band ("20-80 Hz +3 dB/oct") a line; fields split on tabs, blanks,
// "," and ";"; "." is the only decimal point; unit words are skipped; a line
// that starts with a word is a header or label. A header naming the
// frequency and PSD columns tells where they stand in the lines after it.
Profile read(std::string_view text);

} // namespace tessomar::profile
