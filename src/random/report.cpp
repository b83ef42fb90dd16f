#include "random/report.h"

#include "frame/numbers.h"
#include "random/entries.h"

#include <cmath>

namespace tessomar {

BreakPointReport breakPointReport(const FormState& fs) {
    // The integration's own run on a copy of the table: the same sort, the
    // same entries, the same stand-in for a PSD of 0.
    psd::Column freq = fs.BkFreq, level = fs.BkPsd;
    psd::sortBreakPoints(freq, level);
    psd::Segments segments;
    const double total = psd::integrate(freq, level, &segments).accel;

    BreakPointReport report{{}, fs.RandomGrms, fs.RandomVel, fs.RandomDisp};
    int count = 0;
    while (count < entries::kLastEntry && freq[count + 1] != 0) ++count;
    for (int i = 1; i <= count; ++i) {
        BreakPointRow row{freq[i], level[i], {}, {}, psd::Gap::None};
        if (i < count) {
            const double slope = 10 * std::log10(static_cast<double>(level[i + 1]) / level[i]) /
                                 std::log2(static_cast<double>(freq[i + 1]) / freq[i]);
            if (std::isfinite(slope)) row.slope = slope;
            row.gap = segments[i].gap;
            if (row.gap == psd::Gap::None && total > 0 && std::isfinite(total))
                row.share = 100 * segments[i].accel / total;
        }
        report.rows.push_back(row);
    }
    return report;
}

const char* gapText(psd::Gap gap) {
    switch (gap) {
    case psd::Gap::None:
        return "";
    case psd::Gap::CloseFrequencies:
        return "ends closer than 0.01 %";
    case psd::Gap::TooSteep:
        return "slope steeper than 903 dB/oct";
    case psd::Gap::NoLogLine:
        return "no log-log line (PSD not above 0)";
    case psd::Gap::OutOfRange:
        return "beyond the range of a double";
    }
    return "";
}

BreakPointTexts textsOf(int entry, const BreakPointRow& row) {
    using num::format;
    using num::Pattern;
    std::string share = row.share ? format(*row.share, Pattern::Fixed1) : "";
    if (row.gap != psd::Gap::None) share = std::string("left out: ") + gapText(row.gap);
    return {format(entry, Pattern::Int2), format(row.freq, Pattern::Fixed2), format(row.psd, Pattern::Fixed6),
            row.slope ? format(*row.slope, Pattern::Fixed2) : "", std::move(share)};
}

} // namespace tessomar
