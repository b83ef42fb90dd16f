#include "calc/table.h"

#include <algorithm>
#include <cmath>

namespace tessomar::table {

namespace {

bool inRange(const profile::Point& p) {
    return p.freq >= profile::kMinFreq && p.freq <= profile::kMaxFreq && p.psd >= profile::kMinPsd &&
           p.psd <= profile::kMaxPsd;
}

} // namespace

float committed(double typed, const ColumnRule& rule) {
    const double taken = std::fabs(typed) > rule.limit ? rule.limit : typed;
    return num::store(rule.absolute ? std::fabs(taken) : taken);
}

float asCommitted(double value, const ColumnRule& rule) {
    return num::store(num::val(num::format(committed(value, rule), rule.pattern)));
}

Refusal placementRefusal(const std::vector<profile::Point>& points, int first, bool verbatim) {
    if (points.empty() || first < 1) return {"no break points", 0};
    const std::size_t room = static_cast<std::size_t>(std::max(0, kLastEntry + 1 - first));
    if (points.size() > room)
        return {std::to_string(points.size()) + " break points from entry " + std::to_string(first) +
                    " run past entry 50",
                points[room].line};
    if (!verbatim)
        for (const profile::Point& p : points)
            if (!inRange(p)) return {"point outside the table's range", p.line};
    return {};
}

void place(const std::vector<profile::Point>& points, int first, psd::Column& freq, psd::Column& psd) {
    for (std::size_t i = 0; i < points.size(); ++i) {
        const std::size_t k = static_cast<std::size_t>(first) + i;
        freq[k] = asCommitted(points[i].freq, kFreqColumn);
        psd[k] = asCommitted(points[i].psd, kPsdColumn);
    }
}

} // namespace tessomar::table
