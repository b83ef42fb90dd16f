#include "cli/calc.h"

#include "frame/tessomar.h"
#include "random/entries.h"
#include "sine/limits.h"

#include <array>
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
struct Field {
    char letter;
    tk::TextBox Tessomar::*box;
    float FormState::*stored;
    double limit;
};
constexpr std::array<Field, 4> kFields{{
    {'A', &Tessomar::Acceleration, &FormState::SineAccel, sine::kAccelLimit},
    {'V', &Tessomar::Velocity, &FormState::SineVel, sine::kVelLimit},
    {'D', &Tessomar::Displacement, &FormState::SineDisp, sine::kDispLimit},
    {'F', &Tessomar::Frequency, &FormState::SineFreq, sine::kFreqLimit},
}};

const Field& fieldOf(char letter) {
    for (const Field& f : kFields)
        if (f.letter == letter) return f;
    return kFields.back();
}

// The unit a limit is given in, for the warning.
const char* limitUnit(const Entry& e, bool shock) {
    switch (e.letter) {
    case 'A':
        return "g";
    case 'V':
        return e.metric ? "m/s" : "ips";
    case 'D':
        return e.metric ? "mm" : "in";
    default:
        return shock ? "ms" : "Hz";
    }
}

FieldTexts textsOf(const Tessomar& w) {
    return {w.Acceleration.Text(), w.Velocity.Text(), w.Displacement.Text(), w.Frequency.Text()};
}

} // namespace

SineResult computeSine(const Request& request) {
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
        if (e.value > field.limit)
            out.warnings.push_back("tessomar-calc: warning: " + e.given + " is above the field's limit, " +
                                   std::to_string(static_cast<int>(field.limit)) + " " + limitUnit(e, shock) +
                                   " taken");
    }
    for (const Entry& e : request.entries)
        if (w->fs.*fieldOf(e.letter).stored == 0 && out.error.empty())
            out.error = "tessomar-calc: " + std::string(shock ? "shock: " : "sine: ") + e.given +
                        " is 0 at the field's precision";
    w->click(w->EnglishBut);
    out.english = textsOf(*w);
    w->click(w->MetricBut);
    out.metric = textsOf(*w);
    out.accel = w->fs.SineAccel;
    out.vel = w->fs.SineVel;
    out.disp = w->fs.SineDisp;
    out.freq = w->fs.SineFreq;
    return out;
}

RandomResult computeRandom(std::string_view name, std::string_view text, double sigma) {
    RandomResult out;
    const profile::Profile p = profile::read(text);
    const std::string where(name);
    if (!p.ok()) {
        const std::string line = p.errorLine > 0 ? ":" + std::to_string(p.errorLine) : "";
        out.error = where + line + ": " + p.error;
        return out;
    }
    if (p.points.size() > entries::kLastEntry) {
        const int line = p.points[entries::kLastEntry].line; // the 51st point
        out.error = where + ":" + std::to_string(line) + ": " + std::to_string(p.points.size()) +
                    " break points, more than the table's 50";
        return out;
    }
    const auto w = startedWindow();
    w->click(w->RandomButton);
    if (!w->placeProfile(p.points, 1)) {
        out.error = where + ": the profile does not fit the table";
        return out;
    }
    out.report = breakPointReport(w->fs);
    // 3 sigma is what the window holds: the factor 1 keeps it bit for bit.
    out.vel = num::store(out.report.vel * (sigma / 3));
    out.disp = num::store(out.report.disp * (sigma / 3));
    return out;
}

std::vector<Margin> margins(const Shaker& shaker, const RandomResult& result, double sigma) {
    std::vector<Margin> out;
    auto add = [&](const char* name, double demandBase, const Quantity& rating) {
        Margin m{name, demandBase * rating.perBase, rating.value, rating.unit, num::Pattern::Fixed2, 0, false};
        if (rating.unit == "in") m.pattern = num::Pattern::Fixed3;
        if (rating.unit == "ips") m.pattern = num::Pattern::Fixed1;
        m.percent = 100 * (m.rating - m.demand) / m.rating;
        m.exceeded = m.demand > m.rating;
        out.push_back(m);
    };
    add("stroke", result.disp, shaker.stroke);
    add("velocity", result.vel, shaker.velocity);
    if (shaker.force && shaker.mass)
        add("force", shaker.mass->base() * result.report.grms * sigma * kStandardGravity, *shaker.force);
    return out;
}

} // namespace tessomar::cli
