#include "cli/planning_args.h"

#include "calc/profile.h"

#include <cmath>
#include <vector>

namespace tessomar::cli {

namespace {

constexpr double kMostDb = 100;         // the table's levels span 90 dB
constexpr double kMostToleranceDb = 60; // far wider than any test's lines
constexpr double kMostQ = 1000;

std::string lower(std::string_view s) {
    std::string out(s);
    for (char& c : out)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return out;
}

std::vector<std::string> split(const std::string& s, char at) {
    std::vector<std::string> out;
    for (std::size_t from = 0;;) {
        const std::size_t end = s.find(at, from);
        out.push_back(s.substr(from, end - from));
        if (end == std::string::npos) return out;
        from = end + 1;
    }
}

// A number as typed or pasted, the minus a word processor writes (U+2212) as
// "-", and what follows it in lower case; none without a number.
std::optional<NumberAndUnit> numberIn(std::string& text) {
    if (text.rfind("\xE2\x88\x92", 0) == 0) text = "-" + text.substr(3);
    return splitNumber(text);
}

// "-3", "+3", "3dB": a number of dB.
std::optional<double> decibels(std::string text) {
    const auto n = numberIn(text);
    if (!n || !(n->unit.empty() || lower(n->unit) == "db")) return std::nullopt;
    return n->value;
}

std::optional<Error> readResponse(const std::string& value, Request& r) {
    const auto fail = [&](std::string what) { return Error{"--response " + value, std::move(what)}; };
    std::optional<double> fn, q;
    std::string fnGiven, qGiven;
    for (std::string item : split(value, ',')) {
        const std::size_t eq = item.find('=');
        const std::string key = lower(item.substr(0, eq));
        if (key != "fn" && key != "q") return fail("unknown parameter " + item + " (fn= and Q=)");
        if (key == "fn" ? fn.has_value() : q.has_value())
            return fail(std::string(key == "fn" ? "fn" : "Q") + " given twice");
        if (eq == std::string::npos || eq + 1 == item.size()) return fail(item + ": missing value");
        std::string number = item.substr(eq + 1);
        const auto n = numberIn(number);
        if (!n) return fail(item + ": not a number");
        if (key == "fn" && !(n->unit.empty() || lower(n->unit) == "hz")) return fail(item + ": give fn in Hz");
        if (key == "q" && !n->unit.empty()) return fail(item + ": Q is a ratio, without a unit");
        (key == "fn" ? fn : q) = n->value;
        (key == "fn" ? fnGiven : qGiven) = item;
    }
    if (!fn || !q) return fail("give fn= and Q=, as fn=150,Q=10");
    // No profile reaches past the table's highest frequency, so neither does a resonance it can drive.
    if (!(*fn > 0 && *fn <= profile::kMaxFreq))
        return fail(fnGiven + ": give a natural frequency above 0, at most 20000 Hz");
    if (!(*q > 0 && *q <= kMostQ)) return fail(qGiven + ": give a Q above 0, at most 1000");
    r.responses.push_back({{*fn, *q}, value});
    return std::nullopt;
}

std::optional<Error> readScale(const std::string& name, const std::string& value, Request& r) {
    const std::string where = name + " " + value;
    if (r.scale) return Error{where, "give --scale-db or --scale-to, not both"};
    std::string text = value;
    if (name == "--scale-db") {
        const auto db = decibels(text);
        if (!db) return Error{where, "not a number of dB"};
        if (!(std::fabs(*db) <= kMostDb)) return Error{where, "give a level from -100 to 100 dB"};
        r.scale = Scale{*db, std::nullopt, where};
        return std::nullopt;
    }
    const auto n = numberIn(text);
    const std::string unit = n ? lower(n->unit) : "";
    if (!n || !(unit.empty() || unit == "g" || unit == "grms") || !(n->value > 0))
        return Error{where, "give the g rms to run the profile at, above 0"};
    r.scale = Scale{0, n->value, where};
    return std::nullopt;
}

// "3,6", "3", "+3/-3,+6/-6": the alarm lines, then the abort lines.
std::optional<Error> readTolerance(const std::string& value, Request& r) {
    const auto fail = [&](std::string what) { return Error{"--tolerance " + value, std::move(what)}; };
    const std::vector<std::string> parts = split(value, ',');
    if (parts.size() > 2) return fail("give the alarm, then the abort, in dB: 3,6 or +3/-3,+6/-6");
    std::vector<levels::Band> bands;
    for (const std::string& part : parts) {
        const std::vector<std::string> sides = split(part, '/');
        std::vector<double> db;
        for (std::string side : sides) {
            // "±3" as the plan writes it: the same number up and down.
            if (sides.size() == 1 && side.rfind("\xC2\xB1", 0) == 0) side = side.substr(2);
            const auto n = decibels(side);
            if (!n) return fail((side.empty() ? "\"\"" : side) + " is not a number of dB");
            db.push_back(*n);
        }
        if (db.size() > 2) return fail(part + ": give one number, or the upper and the lower line as +3/-3");
        const levels::Band band = db.size() == 1 ? levels::Band{db[0], -db[0]} : levels::Band{db[0], db[1]};
        if (!(band.up > 0 && band.down < 0))
            return fail(part + ": the upper line lies above 0 dB and the lower below, as +3/-3");
        if (band.up > kMostToleranceDb || band.down < -kMostToleranceDb)
            return fail(part + ": at most 60 dB either way");
        bands.push_back(band);
    }
    if (bands.size() == 2 && !(bands[1].up > bands[0].up && bands[1].down < bands[0].down))
        return fail("the abort lines must lie outside the alarm lines: give the alarm first, as 3,6");
    r.tolerance = levels::Tolerance{bands[0], std::nullopt};
    if (bands.size() == 2) r.tolerance->abort = bands[1];
    return std::nullopt;
}

} // namespace

bool isPlanningOption(std::string_view name) {
    return name == "--response" || name == "--scale-db" || name == "--scale-to" || name == "--tolerance";
}

std::optional<Error> readPlanningOption(const std::string& name, const std::string& value, Request& request) {
    if (name == "--response") return readResponse(value, request);
    if (name == "--tolerance") return readTolerance(value, request);
    return readScale(name, value, request);
}

} // namespace tessomar::cli
