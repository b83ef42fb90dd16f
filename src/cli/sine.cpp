#include "cli/sine.h"

#include "calc/numbers.h"
#include "calc/sine.h"
#include "calc/units.h"
#include "cli/json.h"
#include "cli/text.h"

#include <array>
#include <cmath>

namespace tessomar::cli {

namespace {

sine::Param paramOf(char letter) {
    switch (letter) {
    case 'A':
        return sine::Param::Accel;
    case 'V':
        return sine::Param::Vel;
    case 'D':
        return sine::Param::Disp;
    default:
        return sine::Param::Freq;
    }
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

std::string commandOf(const Request& r) { return r.command == Command::Shock ? "shock" : "sine"; }

std::string limitText(const Entry& e, bool shock) {
    return significant(sine::fieldRule(paramOf(e.letter)).limit, 6) + " " + unitOf(e.letter, e.metric, shock);
}

// The values by parameter, in the order of sine::Param.
using Held = std::array<double, 4>;
double& at(Held& h, sine::Param p) { return h[static_cast<std::size_t>(p)]; }

sine::Results relation(const Request& r, const Held& h) {
    const sine::Values v{h[0], h[1], h[2], h[3]};
    // The entries are typed in order: the second is the last one entered.
    const auto pair = sine::findPair(std::string(1, r.entries[1].letter), std::string(1, r.entries[0].letter));
    return r.command == Command::Shock ? sine::shockRelation(*pair, v, sine::shockReference(r.pulse))
                                       : sine::sineRelation(*pair, v);
}

// The screen after typing each entry into its field with Enter, in the unit
// system of its unit: each field takes it at its limit and precision, and
// the relation of the two gives the other two, each stored in 32 bits.
SineResult asTheWindow(const Request& request) {
    SineResult out;
    const bool shock = request.command == Command::Shock;
    Held held{};
    for (const Entry& e : request.entries)
        at(held, paramOf(e.letter)) = sine::takeEntry(paramOf(e.letter), e.number, e.metric).stored;
    for (const Entry& e : request.entries)
        if (at(held, paramOf(e.letter)) == 0 && !out.error)
            out.error = Error{commandOf(request), e.given + " is 0 at the field's precision"};
    if (out.error) return out;
    const sine::Results r = relation(request, held);
    for (const sine::Computed& c : {r.first, r.second}) at(held, c.param) = num::store(c.value);
    const auto texts = [&](bool english) {
        return sine::fieldTexts(static_cast<float>(held[0]), static_cast<float>(held[1]), static_cast<float>(held[2]),
                                static_cast<float>(held[3]), english);
    };
    out.english = texts(true);
    out.metric = texts(false);
    out.accel = held[0], out.vel = held[1], out.disp = held[2], out.freq = held[3];
    // What each field took, as it shows it in the unit it was given in: the
    // limit, or the value at the field's precision.
    const std::string sine::FieldTexts::*text[] = {&sine::FieldTexts::accel, &sine::FieldTexts::vel,
                                                   &sine::FieldTexts::disp, &sine::FieldTexts::freq};
    for (const Entry& e : request.entries) {
        const sine::Param p = paramOf(e.letter);
        std::string shown = (e.metric ? out.metric : out.english).*text[static_cast<std::size_t>(p)];
        if (num::store(num::val(shown)) == num::store(e.value)) {
            shown.clear();
        } else {
            shown += std::string(" ") + unitOf(e.letter, e.metric, shock);
            out.warnings.push_back(e.value > sine::fieldRule(p).limit
                                       ? e.given + " is above the field's limit, " + limitText(e, shock) + " taken"
                                       : e.given + " taken as " + shown +
                                             ", the field's precision (--exact takes it as given)");
        }
        out.taken.push_back(shown);
    }
    return out;
}

// The relations on the values as given, in double precision.
SineResult exact(const Request& request) {
    SineResult out;
    out.exact = true;
    const bool shock = request.command == Command::Shock;
    Held held{};
    for (const Entry& e : request.entries) {
        const sine::FieldRule& rule = sine::fieldRule(paramOf(e.letter));
        if (e.value > rule.limit && !out.error)
            out.error = Error{commandOf(request), e.given + " is above the field's limit, " + limitText(e, shock) +
                                                      " (--exact takes values as given or not at all)"};
        at(held, paramOf(e.letter)) = e.value * (e.metric ? rule.metricFactor : 1);
    }
    if (out.error) return out;
    const sine::Results r = relation(request, held);
    for (const sine::Computed& c : {r.first, r.second}) at(held, c.param) = c.value;
    // Only values far below any field's precision (1e-300 in) get there.
    if (!std::isfinite(r.first.value) || !std::isfinite(r.second.value))
        out.error = Error{commandOf(request), "a result beyond the range of a double"};
    out.accel = held[0], out.vel = held[1], out.disp = held[2], out.freq = held[3];
    out.english = {significant(held[0], 6), significant(held[1], 6), significant(held[2], 6), significant(held[3], 6)};
    out.metric = {significant(held[0], 6), significant(held[1] * units::kMetersPerInch, 6),
                  significant(held[2] * units::kMmPerInch, 6), significant(held[3], 6)};
    return out;
}

std::string pulseName(const Request& r) { return r.pulse == sine::Pulse::HalfSine ? "half-sine" : "terminal-peak"; }

std::string entered(const Request& r, const std::vector<std::string>& taken) {
    std::string out;
    for (std::size_t i = 0; i < r.entries.size(); ++i)
        out += " " + r.entries[i].given + (i < taken.size() && !taken[i].empty() ? " (taken as " + taken[i] + ")" : "");
    return out;
}

std::string sineText(const Request& r, const SineResult& s, const std::vector<shaker::Margin>& margins) {
    const bool shock = r.command == Command::Shock;
    std::string out = shock ? "Shock, " + pulseName(r) + " pulse" : "Sine";
    if (s.exact) out += ", exact (values as given, in double precision)";
    out += ", entered" + entered(r, s.taken) + "\n";
    const std::string freqUnit = shock ? " ms" : " Hz";
    out += table({{"", "English", "Metric"},
                  {"Acceleration", s.english.accel + " g pk", s.metric.accel + " g pk"},
                  {"Velocity", s.english.vel + " ips pk", s.metric.vel + " m/s pk"},
                  {"Displacement", s.english.disp + " in p-p", s.metric.disp + " mm p-p"},
                  {shock ? "Duration" : "Frequency", s.english.freq + freqUnit, s.metric.freq + freqUnit}},
                 "lll");
    return out + shakerText(r, margins, "Shaker");
}

std::string sineJson(const Request& r, const SineResult& s, const std::vector<shaker::Margin>& margins) {
    const bool shock = r.command == Command::Shock;
    const std::string freqKey = shock ? "duration" : "frequency", freqUnit = shock ? "ms" : "Hz";
    std::vector<std::string> letters;
    for (const Entry& e : r.entries)
        letters.push_back(quoted(std::string(1, shock && e.letter == 'F' ? 'T' : e.letter)));
    std::string list = "[";
    for (const std::string& l : letters) list += (list.size() > 1 ? ", " : "") + l;
    Members m{{"command", quoted(shock ? "shock" : "sine")}};
    if (shock) m.emplace_back("pulse", quoted(pulseName(r)));
    m.emplace_back("exact", s.exact ? "true" : "false");
    m.emplace_back("entered", list + "]");
    const bool x = s.exact;
    m.emplace_back("english", nested({{"acceleration", field(held(s.accel, x), s.english.accel, "g pk")},
                                      {"velocity", field(held(s.vel, x), s.english.vel, "ips pk")},
                                      {"displacement", field(held(s.disp, x), s.english.disp, "in p-p")},
                                      {freqKey, field(held(s.freq, x), s.english.freq, freqUnit)}}));
    m.emplace_back("metric",
                   nested({{"acceleration", field(held(s.accel, x), s.metric.accel, "g pk")},
                           {"velocity", field(number(s.vel * units::kMetersPerInch), s.metric.vel, "m/s pk")},
                           {"displacement", field(number(s.disp * units::kMmPerInch), s.metric.disp, "mm p-p")},
                           {freqKey, field(held(s.freq, x), s.metric.freq, freqUnit)}}));
    addShakerAndWarnings(m, margins, s.warnings);
    return document(m);
}

} // namespace

SineResult computeSine(const Request& request) { return request.exact ? exact(request) : asTheWindow(request); }

Outcome runSine(const Request& r, const FileReader&) {
    SineResult s = computeSine(r);
    if (s.error) return refused(*s.error);
    const std::vector<shaker::Margin> m = margins(r, shaker::sineDemand(s.accel, s.vel, s.disp), s.warnings);
    return {codeOf(m), r.json ? sineJson(r, s, m) : sineText(r, s, m), warningLines(s.warnings), {}, {}};
}

} // namespace tessomar::cli
