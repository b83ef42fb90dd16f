#include "calc/report.h"

#include "calc/numbers.h"
#include "calc/profile.h"
#include "calc/result_text.h"

#include <cmath>

namespace tessomar {

BreakPointReport breakPointReport(const psd::Column& entryFreq, const psd::Column& entryPsd) {
    // The integration's own run on a copy of the table: the same sort, the
    // same entries, the same stand-in for a PSD of 0.
    psd::Column freq = entryFreq, level = entryPsd;
    psd::sortBreakPoints(freq, level);
    psd::Segments segments;
    const psd::Sums sums = psd::integrate(freq, level, &segments);
    const double total = sums.accel;
    // The results of this run, so that they always belong to the rows listed,
    // also while a commit that ran no integration has left the stored ones behind.
    const psd::Results results = psd::results(sums);

    BreakPointReport report{{}, results.grms, results.vel, results.disp};
    int count = 0;
    while (count < psd::kLastEntry && freq[count + 1] != 0) ++count;
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

namespace {

// The copy-out's cells, a row a line: the header, a break point a row, the
// three results with their units.
std::vector<std::vector<std::string>> reportCells(const BreakPointReport& report, bool english) {
    // The header line is what marks a text as the copy-out when pasted back.
    std::vector<std::vector<std::string>> rows(1);
    for (std::size_t from = 0, tab = 0; tab != std::string_view::npos; from = tab + 1) {
        tab = profile::kCopyHeader.find('\t', from);
        rows[0].emplace_back(profile::kCopyHeader.substr(from, tab - from));
    }
    for (std::size_t i = 0; i < report.rows.size(); ++i) {
        BreakPointTexts t = textsOf(static_cast<int>(i + 1), report.rows[i]);
        rows.push_back(
            {std::move(t.entry), std::move(t.freq), std::move(t.psd), std::move(t.slope), std::move(t.share)});
    }
    rows.push_back({"Acceleration (g's rms)", psd::grmsText(report.grms)});
    rows.push_back(
        {english ? "Velocity 3 sigma (ips pk)" : "Velocity 3 sigma (mps pk)", psd::velText(report.vel, english)});
    rows.push_back({english ? "Displacement 3 sigma (in. p-p)" : "Displacement 3 sigma (mm p-p)",
                    psd::dispText(report.disp, english)});
    return rows;
}

std::string escaped(const std::string& text) {
    std::string out;
    for (char c : text) {
        switch (c) {
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '&':
            out += "&amp;";
            break;
        default:
            out += c;
        }
    }
    return out;
}

} // namespace

std::string reportText(const BreakPointReport& report, bool english) {
    std::string out;
    for (const auto& row : reportCells(report, english)) {
        for (std::size_t i = 0; i < row.size(); ++i) out += (i ? "\t" : "") + row[i];
        out += '\n';
    }
    return out;
}

std::string reportHtml(const BreakPointReport& report, bool english) {
    std::string out = "<html><head><meta charset=\"utf-8\"></head><body><table>";
    bool header = true;
    for (const auto& row : reportCells(report, english)) {
        out += "<tr>";
        for (const std::string& cell : row)
            out += (header ? "<th>" : "<td>") + escaped(cell) + (header ? "</th>" : "</td>");
        out += "</tr>\n";
        header = false;
    }
    return out + "</table></body></html>";
}

} // namespace tessomar
