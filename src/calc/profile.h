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
// from a document, the copy-out and tessomar-calc's report. One point
// ("20 0.01", "20 Hz 0.01 g²/Hz"), level band ("80-350 Hz 0.04", "80 to
// 350 Hz 0.04") or slope band ("20-80 Hz +3dB/oct", "−3 dB/oct") a line;
// cells part at tabs, ";", "," where the text uses it so, or blanks. "." is
// a decimal point; a comma is one where it can be nothing else ("0,01") or
// the text's other numbers say so, a thousands separator where "." is the
// point ("2,000" beside "0.01"); a comma that could be either is refused.
// Lines of words before the first point are headers, and one naming the
// frequency and PSD columns places them for the rows after it; after the
// first point a line with words is read only when a "Hz" tells its
// frequency, and the result lines that a report ends with are passed over.
// A slope that its two levels deny and bands that overlap are refused.
Profile read(std::string_view text);

// What a paste into a box holds, read before anything goes in.
struct Paste {
    enum class Kind { Nothing, Value, Points, Refused };
    Kind kind = Kind::Nothing;
    std::string value;         // Value: the one number's text to put in the box ("0.01" for "0,01", "-3" for "−3")
    std::vector<Point> points; // Points: in text order, placed from the row's entry on
    bool verbatim = false;     // Points in the copy-out's own format (recognised by its header line): restored
                               // entry for entry whatever they hold (PSD of 0 or below, repeated frequency),
                               // no range checks
    std::string error;         // Refused: what is wrong, e.g. "30 abc: not a PSD", as the command line says it
    int errorLine = 0;         // Refused: 1-based line, 0 for the text as a whole
};

// Into a frequency or PSD box of the break-point table. Empty text is
// Nothing; two or more lines are a profile, read whole or refused; one line
// is a point only when its numbers stand in two cells (a tab or ";" between
// them) or carry their units ("20 Hz 0.01"), otherwise a single value.
Paste readTablePaste(std::string_view text);

// Into one of the four sine fields: a single value, or refused.
Paste readFieldPaste(std::string_view text);

// The header line of the copy-out; a text that starts with it is restored
// entry for entry.
inline constexpr std::string_view kCopyHeader =
    "No.\tFrequency (Hz)\tPSD (g\xC2\xB2/Hz)\tSlope (dB/oct)\tShare of g\xC2\xB2 (%)";

} // namespace tessomar::profile
