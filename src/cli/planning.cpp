#include "cli/planning.h"

#include "calc/levels.h"
#include "calc/numbers.h"
#include "calc/units.h"
#include "cli/text.h"

#include <cmath>

namespace tessomar::cli {

namespace {

using levels::roundedDown;
using units::kMmPerInch;

// Responses are worked out in double precision: four digits as the window's
// results give, six with --exact.
std::string digits(const RandomResult& res, double v) { return significant(v, res.exact ? 6 : 4); }

// A tolerance line's level: the table's six decimals while they keep two
// digits, fewer decimals would hide a low line.
std::string levelText(const RandomResult& res, double v) {
    if (res.exact) return significant(v, 6);
    return v >= 0.0001 ? num::format(v, num::Pattern::Fixed6) : significant(v, 3);
}

// "stroke", "random force".
std::string ratingName(std::string name) {
    for (char& c : name)
        if (c == '-') c = ' ';
    return name;
}

// The response's values as shown: acceleration rms and peak, the relative
// displacement rms and peak in inches and in millimetres.
struct Shown {
    double values[6];
    const char* units[6];
};
Shown shown(double grms, double disp, double sigma) {
    return {{grms, sigma * grms, disp, sigma * disp, disp * kMmPerInch, sigma * disp * kMmPerInch},
            {"g rms", "g pk", "in rms", "in pk", "mm rms", "mm pk"}};
}

std::string responseJson(const RandomResult& res, double grms, double disp, double sigma) {
    const Shown s = shown(grms, disp, sigma);
    std::vector<std::string> f;
    for (int i = 0; i < 6; ++i) f.push_back(field(number(s.values[i]), digits(res, s.values[i]), s.units[i]));
    return object({{"acceleration", object({{"rms", f[0]}, {"peak", f[1]}})},
                   {"relative_displacement", object({{"english", object({{"rms", f[2]}, {"peak", f[3]}})},
                                                     {"metric", object({{"rms", f[4]}, {"peak", f[5]}})}})}});
}

} // namespace

std::string scaleText(const Request& r, const RandomResult& res) {
    if (!r.scale) return "";
    const double factor = levels::psdFactor(res.scaleDb);
    const std::string by = "every PSD x " + significant(factor, 6) + ", g rms x " + significant(std::sqrt(factor), 6);
    if (r.scale->grms) return "Scaled to " + shortest(*r.scale->grms) + " g rms: " + dbText(res.scaleDb) + " dB, " + by;
    return "Scaled to " + dbText(res.scaleDb) + " dB: " + by;
}

std::string toleranceText(const Request& r, const RandomResult& res) {
    if (!r.tolerance) return "";
    const levels::Tolerance& t = *r.tolerance;
    const bool abort = t.abort.has_value();
    std::string out = "\nTolerance: alarm " + levels::bandText(t.alarm) +
                      (abort ? ", abort " + levels::bandText(*t.abort) : "") + ", PSD at each break point\n";
    std::vector<Cells> rows{{"No.", "Frequency (Hz)"}};
    for (const char* h : {"Abort low", "Alarm low", "Profile", "Alarm high", "Abort high"}) rows[0].push_back(h);
    if (!abort) rows[0] = {"No.", "Frequency (Hz)", "Alarm low", "Profile", "Alarm high"};
    const auto lines = levels::bandLevels(pointsOf(res), t);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const levels::BandLevels& b = lines[i];
        const BreakPointTexts row = rowTexts(res, i);
        Cells c{row.entry, row.freq};
        if (abort) c.push_back(levelText(res, *b.abortLow));
        for (double v : {b.alarmLow, b.psd, b.alarmHigh}) c.push_back(levelText(res, v));
        if (abort) c.push_back(levelText(res, *b.abortHigh));
        rows.push_back(c);
    }
    return out + table(rows, abort ? "lrrrrrr" : "lrrrr");
}

std::string responseText(const Request& r, const RandomResult& res) {
    std::string out;
    const std::string sigma = ", " + shortest(r.sigma) + " sigma", disp = "Relative displacement";
    const std::string labels[6] = {"Acceleration", "Acceleration" + sigma, disp, disp + sigma, disp, disp + sigma};
    for (const ResponseRow& row : res.responses) {
        const response::Response& v = row.values;
        const Shown miles = shown(v.milesGrms, v.milesDisp, r.sigma), exact = shown(v.grms, v.disp, r.sigma);
        std::vector<Cells> rows{{"Response, " + response::label(row.resonance), "Miles", "Exact"}};
        for (int i = 0; i < 6; ++i)
            rows.push_back({labels[i], digits(res, miles.values[i]) + " " + miles.units[i],
                            digits(res, exact.values[i]) + " " + exact.units[i]});
        out += "\n" + table(rows, "lrr") + "PSD at fn " + digits(res, v.psdAtFn) + " g\xC2\xB2/Hz.\n";
    }
    if (!out.empty())
        out += "Miles: sqrt(pi/2 fn Q PSD(fn)). Exact: the profile times the transmissibility,\n"
               "over every segment, to 1 part in a million. Displacement: of the part against\n"
               "the shaker, zero to peak.\n";
    return out;
}

std::string headroomText(const Request& r, const RandomResult& res, const std::vector<shaker::Margin>& margins) {
    const auto top = levels::highestLevel(margins);
    if (!top) return "";
    const double db = roundedDown(top->db + res.scaleDb);
    std::string out = "Highest level: " + dbText(db) + " dB";
    if (r.scale) out += " of the profile as given (" + dbText(roundedDown(top->db)) + " dB from this run)";
    return out + ", every PSD x " + significant(levels::psdFactor(db), 3) + "; " + ratingName(top->rating) +
           " limits it.\n";
}

void addPlanning(Members& m, const Request& r, const RandomResult& res, const std::vector<shaker::Margin>& margins) {
    if (r.scale)
        m.emplace_back("scale", object({{"db", number(res.scaleDb)},
                                        {"factor", number(levels::psdFactor(res.scaleDb))},
                                        {"target_grms", r.scale->grms ? number(*r.scale->grms) : "null"}}));
    if (r.tolerance) {
        const auto band = [](const std::optional<levels::Band>& b) {
            return b ? object({{"up", number(b->up)}, {"down", number(b->down)}}) : std::string("null");
        };
        std::vector<std::string> rows;
        for (const levels::BandLevels& b : levels::bandLevels(pointsOf(res), *r.tolerance))
            rows.push_back(object({{"frequency", number(b.freq)},
                                   {"abort_low", b.abortLow ? number(*b.abortLow) : "null"},
                                   {"alarm_low", number(b.alarmLow)},
                                   {"psd", number(b.psd)},
                                   {"alarm_high", number(b.alarmHigh)},
                                   {"abort_high", b.abortHigh ? number(*b.abortHigh) : "null"}}));
        m.emplace_back("tolerance", nested({{"alarm", band(r.tolerance->alarm)},
                                            {"abort", band(r.tolerance->abort)},
                                            {"unit", quoted("g\xC2\xB2/Hz")},
                                            {"levels", array(rows)}}));
    }
    if (!res.responses.empty()) {
        std::vector<std::string> items;
        for (const ResponseRow& row : res.responses) {
            const response::Response& v = row.values;
            items.push_back(object({{"fn", number(row.resonance.fn)},
                                    {"q", number(row.resonance.q)},
                                    {"psd_at_fn", number(v.psdAtFn)},
                                    {"miles", responseJson(res, v.milesGrms, v.milesDisp, r.sigma)},
                                    {"exact", responseJson(res, v.grms, v.disp, r.sigma)},
                                    {"relative_error", number(v.error)}}));
        }
        m.emplace_back("responses", array(items));
    }
    if (const auto top = levels::highestLevel(margins))
        m.emplace_back("highest_level", object({{"db", number(top->db + res.scaleDb)},
                                                {"db_from_this_run", number(top->db)},
                                                {"limited_by", quoted(top->rating)}}));
}

} // namespace tessomar::cli
