#include "cli/calc.h"

#include "calc/psd_exact.h"
#include "calc/report.h"
#include "calc/sine.h"
#include "calc/sine_fields.h"
#include "cli/output.h"
#include "frame/tessomar.h"
#include "random/entries.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <memory>

namespace tessomar::cli {

namespace {

// A window as the user first sees it.
std::unique_ptr<Tessomar> startedWindow() {
    auto w = std::make_unique<Tessomar>();
    w->twipsPerPixelX = 15;
    w->load();
    w->activate();
    return w;
}

// The four value fields by letter: the box an entry is typed into, where the
// window stores it, and the field's limit on the number as typed.
// The field's factors for a Metric entry (to inches or inches per second)
// and for its Metric display.
struct Field {
    char letter;
    tk::TextBox Tessomar::*box;
    float FormState::*stored;
    double limit;
    std::string FieldTexts::*text;
    double metricEntry, metricShown;
};
constexpr std::array<Field, 4> kFields{{
    {'A', &Tessomar::Acceleration, &FormState::SineAccel, sine::kAccelLimit, &FieldTexts::accel, 1, 1},
    {'V', &Tessomar::Velocity, &FormState::SineVel, sine::kVelLimit, &FieldTexts::vel, 39.3701, 0.0254},
    {'D', &Tessomar::Displacement, &FormState::SineDisp, sine::kDispLimit, &FieldTexts::disp, 0.0393701, 25.4},
    {'F', &Tessomar::Frequency, &FormState::SineFreq, sine::kFreqLimit, &FieldTexts::freq, 1, 1},
}};

const Field& fieldOf(char letter) {
    for (const Field& f : kFields)
        if (f.letter == letter) return f;
    return kFields.back();
}

// The unit of a value as typed: its field's English unit, or the Metric one.
const char* unitOf(char letter, bool metric, bool shock) {
    switch (letter) {
    case 'A':
        return "g";
    case 'V':
        return metric ? "m/s" : "ips";
    case 'D':
        return metric ? "mm" : "in";
    default:
        return shock ? "ms" : "Hz";
    }
}

FieldTexts textsOf(const Tessomar& w) {
    return {w.Acceleration.Text(), w.Velocity.Text(), w.Displacement.Text(), w.Frequency.Text()};
}

std::string limitText(const Field& f, const Entry& e, bool shock) {
    return significant(f.limit, 6) + " " + unitOf(e.letter, e.metric, shock);
}

// The window's screens after typing each entry into its field with Enter.
SineResult windowSine(const Request& request) {
    SineResult out;
    const bool shock = request.command == Command::Shock;
    const auto w = startedWindow();
    if (shock) w->click(w->ShockButton);
    if (shock && request.pulse == Pulse::TerminalPeak) w->click(w->AccelButton);
    for (const Entry& e : request.entries) {
        // A Metric value is typed while the window shows Metric units.
        const bool metricShown = w->fs.EnglishUnits != kTrue;
        if ((e.letter == 'V' || e.letter == 'D') && e.metric != metricShown)
            w->click(e.metric ? w->MetricBut : w->EnglishBut);
        const Field& field = fieldOf(e.letter);
        w->clickText((*w).*field.box, 0);
        w->selectAll();
        for (char c : e.number) w->keyPress(static_cast<unsigned char>(c));
        w->keyPress(13);
    }
    for (const Entry& e : request.entries)
        if (w->fs.*fieldOf(e.letter).stored == 0 && out.error.empty())
            out.error = std::string(shock ? "shock: " : "sine: ") + e.given + " is 0 at the field's precision";
    w->click(w->EnglishBut);
    out.english = textsOf(*w);
    w->click(w->MetricBut);
    out.metric = textsOf(*w);
    out.accel = w->fs.SineAccel;
    out.vel = w->fs.SineVel;
    out.disp = w->fs.SineDisp;
    out.freq = w->fs.SineFreq;
    // What each field took, as it shows it in the unit it was given in: the
    // limit, or the value at the field's precision.
    for (const Entry& e : request.entries) {
        const Field& f = fieldOf(e.letter);
        std::string text = (e.metric ? out.metric : out.english).*f.text;
        if (num::store(num::val(text)) == num::store(e.value)) {
            text.clear();
        } else {
            text += std::string(" ") + unitOf(e.letter, e.metric, shock);
            out.warnings.push_back(e.value > f.limit
                                       ? e.given + " is above the field's limit, " + limitText(f, e, shock) + " taken"
                                       : e.given + " taken as " + text +
                                             ", the field's precision (--exact takes it as given)");
        }
        out.taken.push_back(text);
    }
    return out;
}

// The relations on the values as given, in double precision.
SineResult exactSine(const Request& request) {
    SineResult out;
    out.exact = true;
    const bool shock = request.command == Command::Shock;
    sine::Values v;
    double* held[] = {&v.accel, &v.vel, &v.disp, &v.freq};
    for (const Entry& e : request.entries) {
        const Field& f = fieldOf(e.letter);
        if (e.value > f.limit && out.error.empty())
            out.error = std::string(shock ? "shock: " : "sine: ") + e.given + " is above the field's limit, " +
                        limitText(f, e, shock) + " (--exact takes values as given or not at all)";
        *held[&f - kFields.data()] = e.value * (e.metric ? f.metricEntry : 1);
    }
    const std::string prior(1, request.entries[0].letter), last(1, request.entries[1].letter);
    const auto pair = sine::findPair(last, prior);
    if (!out.error.empty() || !pair) return out;
    const auto& ref = request.pulse == Pulse::TerminalPeak ? sine::kTerminalPeak : sine::kHalfSine;
    const sine::Results r = shock ? sine::shockRelation(*pair, v, ref) : sine::sineRelation(*pair, v);
    for (const sine::Computed& c : {r.first, r.second}) *held[static_cast<int>(c.param)] = c.value;
    // Only values far below any field's precision (1e-300 in) get there.
    if (!std::isfinite(r.first.value) || !std::isfinite(r.second.value))
        out.error = std::string(shock ? "shock: " : "sine: ") + "a result beyond the range of a double";
    out.accel = v.accel, out.vel = v.vel, out.disp = v.disp, out.freq = v.freq;
    for (const Field& f : kFields) {
        out.english.*f.text = significant(*held[&f - kFields.data()], 6);
        out.metric.*f.text = significant(*held[&f - kFields.data()] * f.metricShown, 6);
    }
    return out;
}

// The value a table box takes when it is typed and committed.
float committed(double value, num::Pattern pattern) {
    return num::store(num::val(num::format(num::store(value), pattern)));
}

void windowRandom(const profile::Profile& p, const std::string& where, double sigma, RandomResult& out) {
    const auto w = startedWindow();
    w->click(w->RandomButton);
    if (!w->placeProfile(p.points, 1)) {
        out.error = where + ": the profile does not fit the table";
        return;
    }
    const BreakPointReport report = breakPointReport(w->fs.BkFreq, w->fs.BkPsd);
    for (const BreakPointRow& r : report.rows) out.rows.push_back({r.freq, r.psd, r.slope, r.share, r.gap});
    out.grms = report.grms;
    // 3 sigma is what the window holds: the factor 1 keeps it bit for bit.
    out.vel = num::store(report.vel * (sigma / 3));
    out.disp = num::store(report.disp * (sigma / 3));
    const char* asGiven = " (--exact takes it as given)";
    for (const profile::Point& pt : p.points) {
        const std::string at = where + ":" + std::to_string(pt.line) + ": ";
        const float f = committed(pt.freq, num::Pattern::Fixed2), psd = committed(pt.psd, num::Pattern::Fixed6);
        if (f != num::store(pt.freq))
            out.warnings.push_back(at + "frequency " + significant(pt.freq, 9) + " taken as " +
                                   num::format(f, num::Pattern::Fixed2) + " Hz, the table's precision" + asGiven);
        if (psd != num::store(pt.psd))
            out.warnings.push_back(at + "PSD " + significant(pt.psd, 9) + " taken as " +
                                   num::format(psd, num::Pattern::Fixed6) + " g\xC2\xB2/Hz, the table's precision" +
                                   asGiven);
    }
    for (std::size_t i = 0; i + 1 < out.rows.size(); ++i)
        if (out.rows[i].gap != psd::Gap::None)
            out.warnings.push_back(where + ": the segment " + num::format(out.rows[i].freq, num::Pattern::Fixed2) +
                                   " to " + num::format(out.rows[i + 1].freq, num::Pattern::Fixed2) +
                                   " Hz is left out (" + gapText(out.rows[i].gap) +
                                   "), as in the window; --exact integrates it");
}

void exactRandom(const profile::Profile& p, double sigma, RandomResult& out) {
    std::vector<psd::ExactPoint> points;
    for (const profile::Point& pt : p.points) points.push_back({pt.freq, pt.psd});
    std::stable_sort(points.begin(), points.end(), [](const auto& a, const auto& b) { return a.freq < b.freq; });
    const psd::ExactSums sums = psd::integrateExact(points);
    for (std::size_t i = 0; i < points.size(); ++i) {
        PointRow row{points[i].freq, points[i].psd, {}, {}, psd::Gap::None};
        if (i + 1 < points.size() && points[i + 1].freq > points[i].freq) {
            row.slope =
                10 * std::log10(points[i + 1].psd / points[i].psd) / std::log2(points[i + 1].freq / points[i].freq);
            row.share = 100 * sums.accelTerms[i] / sums.accel;
        }
        out.rows.push_back(row);
    }
    out.grms = std::sqrt(sums.accel);
    out.vel = sigma * std::sqrt(sums.vel);
    out.disp = 2 * sigma * std::sqrt(sums.disp);
}

} // namespace

SineResult computeSine(const Request& request) { return request.exact ? exactSine(request) : windowSine(request); }

RandomResult computeRandom(std::string_view name, std::string_view text, const Request& request) {
    RandomResult out;
    out.exact = request.exact;
    const profile::Profile p = profile::read(text);
    const std::string where(name);
    if (!p.ok()) {
        const std::string line = p.errorLine > 0 ? ":" + std::to_string(p.errorLine) : "";
        out.error = where + line + ": " + p.error;
    } else if (p.points.size() > entries::kLastEntry) {
        const int line = p.points[entries::kLastEntry].line; // the 51st point
        out.error = where + ":" + std::to_string(line) + ": " + std::to_string(p.points.size()) +
                    " break points, more than the table's 50";
    } else if (p.points.size() < 2) {
        out.error = where + ": one break point; a profile needs two break points";
    } else if (request.exact) {
        exactRandom(p, request.sigma, out);
    } else {
        windowRandom(p, where, request.sigma, out);
    }
    return out;
}

Demand demandOf(const SineResult& r) { return {r.disp, r.vel, r.accel * kStandardGravity, false}; }
Demand demandOf(const RandomResult& r) { return {r.disp, r.vel, r.grms * kStandardGravity, true}; }

std::vector<Margin> margins(const Shaker& shaker, const Demand& d, std::vector<std::string>& warnings) {
    std::vector<Margin> out;
    auto add = [&](const char* name, double demandBase, const Quantity& rating) {
        Margin m{name, demandBase * rating.perBase, rating.value, rating.unit};
        if (rating.unit == "in") m.pattern = num::Pattern::Fixed3;
        if (rating.unit == "ips") m.pattern = num::Pattern::Fixed1;
        m.percent = 100 * (m.rating - m.demand) / m.rating;
        m.exceeded = m.demand > m.rating;
        out.push_back(m);
    };
    add("stroke", d.disp, shaker.stroke);
    add("velocity", d.vel, shaker.velocity);
    const auto& force = d.random ? shaker.randomForce : shaker.sineForce;
    if (force) add(d.random ? "random-force" : "sine-force", shaker.mass->base() * d.forcePerKg, *force);
    if (!force && (d.random ? shaker.sineForce : shaker.randomForce))
        warnings.push_back(d.random ? "sine-force= is a peak rating; a random test's rms force is checked "
                                      "against random-force="
                                    : "random-force= is an rms rating; this test's peak force is checked "
                                      "against sine-force=");
    return out;
}

} // namespace tessomar::cli
