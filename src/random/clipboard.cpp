#include "frame/numbers.h"
#include "frame/tessomar.h"
#include "random/entries.h"
#include "random/profile.h"
#include "random/report.h"

#include <algorithm>

namespace tessomar {

namespace {

using num::Pattern;

// A value as the table holds it once it was typed into its box and
// committed with Enter: stored, shown through the box's pattern, and taken
// again from what the box shows.
float asCommitted(double value, Pattern pattern) {
    return num::store(num::val(num::format(num::store(value), pattern)));
}

bool inRange(const profile::Point& p) {
    return p.freq >= profile::kMinFreq && p.freq <= profile::kMaxFreq && p.psd >= profile::kMinPsd &&
           p.psd <= profile::kMaxPsd;
}

bool tablePaste(Tessomar& w, int row, const std::string& text) {
    if (row < 0 || row >= kRows) return false;
    const profile::Profile p = profile::read(text);
    if (p.dataLines < 2) return false; // a single value, pasted as text
    if ((!p.ok() || !w.placeProfile(p.points, row + w.Scroll.Value())) && w.Beep) w.Beep();
    return true;
}

} // namespace

bool Tessomar::F_Pasting(int index, const std::string& text) { return tablePaste(*this, index, text); }
bool Tessomar::A_Pasting(int index, const std::string& text) { return tablePaste(*this, index, text); }

bool Tessomar::placeProfile(const std::vector<profile::Point>& points, int first) {
    const auto count = static_cast<int>(std::min<std::size_t>(points.size(), entries::kLastEntry + 1));
    if (count == 0 || first < 1 || first + count - 1 > entries::kLastEntry) return false;
    if (!std::all_of(points.begin(), points.end(), inRange)) return false;
    for (int i = 0; i < count; ++i) {
        fs.BkFreq[first + i] = asCommitted(points[i].freq, Pattern::Fixed2);
        fs.BkPsd[first + i] = asCommitted(points[i].psd, Pattern::Fixed6);
    }
    UpdateRandom();
    // The sort has closed the table up: the scroll bar must reach every
    // point and the free entry after them.
    int used = 0;
    while (used < entries::kLastEntry && fs.BkFreq[used + 1] != 0) ++used;
    const int reach = std::min(used + 1 - entries::kBottomRow, entries::kMaxScroll);
    if (reach > Scroll.Max()) Scroll.setMax(reach);
    return true;
}

std::string Tessomar::breakPointsText() const {
    const BreakPointReport report = breakPointReport(fs);
    std::string out = "No.\tFrequency (Hz)\tPSD (g\xC2\xB2/Hz)\tSlope (dB/oct)\tShare of g\xC2\xB2 (%)\n";
    for (std::size_t i = 0; i < report.rows.size(); ++i) {
        const BreakPointTexts t = textsOf(static_cast<int>(i + 1), report.rows[i]);
        out += t.entry + '\t' + t.freq + '\t' + t.psd + '\t' + t.slope + '\t' + t.share + '\n';
    }
    out += "Acceleration (" + AccelUnits.Caption + ")\t" + Acceleration.Text() + '\n';
    out += "Velocity 3 sigma (" + VelUnits.Caption + ")\t" + Velocity.Text() + '\n';
    out += "Displacement 3 sigma (" + DispUnits.Caption + ")\t" + Displacement.Text() + '\n';
    return out;
}

bool Tessomar::isTableBox(const tk::Control& c) const {
    for (int r = 0; r < kRows; ++r)
        if (&c == &F[r] || &c == &A[r] || &c == &B[r]) return true;
    return false;
}

} // namespace tessomar
