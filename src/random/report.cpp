#include "random/report.h"

#include "frame/numbers.h"
#include "random/entries.h"
#include "random/psd.h"

#include <cmath>

namespace tessomar {

BreakPointReport breakPointReport(const FormState& fs) {
    psd::Column freq{}, level{};
    int count = 0;
    for (int k = 1; k <= entries::kLastEntry; ++k) {
        if (!entries::filled(fs, k)) continue;
        ++count;
        freq[count] = fs.BkFreq[k];
        level[count] = fs.BkPsd[k];
    }
    psd::sortBreakPoints(freq, level);
    psd::SegmentTerms terms;
    const double total = psd::integrate(freq, level, &terms).accel;

    BreakPointReport report{{}, fs.RandomGrms, fs.RandomVel, fs.RandomDisp};
    for (int i = 1; i <= count; ++i) {
        BreakPointRow row{freq[i], level[i], {}, {}};
        if (i < count) {
            const double slope = 10 * std::log10(static_cast<double>(level[i + 1]) / level[i]) /
                                 std::log2(static_cast<double>(freq[i + 1]) / freq[i]);
            if (std::isfinite(slope)) row.slope = slope;
            if (total > 0 && std::isfinite(total)) row.share = 100 * terms[i] / total;
        }
        report.rows.push_back(row);
    }
    return report;
}

BreakPointTexts textsOf(int entry, const BreakPointRow& row) {
    using num::format;
    using num::Pattern;
    return {format(entry, Pattern::Int2), format(row.freq, Pattern::Fixed2), format(row.psd, Pattern::Fixed6),
            row.slope ? format(*row.slope, Pattern::Fixed2) : "", row.share ? format(*row.share, Pattern::Fixed1) : ""};
}

} // namespace tessomar
