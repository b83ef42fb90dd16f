// The shaker command: what a shaker's force ratings do with a moving mass.
#include "calc/shaker_sizing.h"
#include "cli/commands.h"
#include "cli/json.h"
#include "cli/operands.h"
#include "cli/sine_planning.h"
#include "cli/text.h"

#include <cmath>

namespace tessomar::cli {

namespace {

using shaker::Quantity;

struct Asked {
    shaker::SizingAsked sizing;
    bool wholeMass = false; // mass= given, not its parts
    double derate = 100;    // percent
    std::string derateWord; // "derate=80%", where given
};

const char* kMassParts[] = {"armature", "fixture", "payload"};
using Part = std::optional<Quantity> shaker::MassParts::*;
constexpr Part kParts[] = {&shaker::MassParts::armature, &shaker::MassParts::fixture, &shaker::MassParts::payload};

std::string given(const Quantity& q) { return shortest(q.value) + " " + q.unit; }
std::string computed(const Quantity& q) { return significant(q.value, 4) + " " + q.unit; }

// "75 lb (34.02 kg)": a mass in pounds, with kilograms beside it.
std::string massText(const Quantity& q) {
    return computed(q) + (q.unit == "kg" ? "" : " (" + significant(q.base(), 4) + " kg)");
}

std::string ratingsText(const Asked& a) {
    if (a.derateWord.empty()) return "the ratings in full";
    return "the ratings at " + significant(a.derate, 6) + " % (" + a.derateWord + ")";
}

// "2000 lbf pk, 1600 lbf used".
std::string forceText(const Asked& a, const Quantity& f, const char* kind) {
    std::string out = given(f) + " " + kind;
    if (!a.derateWord.empty()) out += ", " + significant(f.value * a.sizing.derate, 4) + " " + f.unit + " used";
    return out;
}

std::string sizingText(const Asked& a, const shaker::Sizing& s) {
    const shaker::SizingAsked& k = a.sizing;
    std::vector<Cells> rows;
    if (k.sineForce) rows.push_back({"Sine force", forceText(a, *k.sineForce, "pk")});
    if (k.randomForce) rows.push_back({"Random force", forceText(a, *k.randomForce, "rms")});
    std::string parts;
    for (std::size_t i = 0; i < 3 && !a.wholeMass; ++i) {
        // A payload found is shown to the digits of a result, one given as given.
        const auto& part = k.parts.*kParts[i];
        const bool found = i == 2 && s.payload && s.reached;
        if (part || found)
            parts += (parts.empty() ? ": " : ", ") + std::string(kMassParts[i]) + " " +
                     (found ? computed(*s.payload) : given(*part));
    }
    if (s.payload) {
        const std::string label = "Heaviest payload at " + significant(*k.accel, 6) + " g pk";
        rows.push_back({label, s.reached ? massText(*s.payload)
                                         : "none: the armature and fixture alone allow " +
                                               significant(*s.sineAccel, 4) + " g pk"});
    }
    rows.push_back({"Moving mass", massText(s.movingMass) + parts});
    if (s.sineAccel) rows.push_back({"Most sine acceleration", significant(*s.sineAccel, 4) + " g pk"});
    if (s.randomGrms) rows.push_back({"Most random acceleration", significant(*s.randomGrms, 4) + " g rms"});
    std::string out = "Shaker sizing, " + ratingsText(a) + "\n" + table(rows, "ll");
    return s.reached ? out : out + "Rating exceeded: sine-force.\n";
}

std::string sizingJson(const Asked& a, const shaker::Sizing& s) {
    const shaker::SizingAsked& k = a.sizing;
    const auto force = [&](const std::optional<Quantity>& f) {
        if (!f) return std::string("null");
        const double used = f->value * k.derate;
        return object({{"rating", field(number(f->value), shortest(f->value), f->unit)},
                       {"used", field(number(used), significant(used, 4), f->unit)}});
    };
    const auto mass = [](const Quantity& q) { return field(number(q.value), significant(q.value, 4), q.unit); };
    const auto accel = [](const std::optional<double>& g, const char* unit) {
        return g ? field(number(*g), significant(*g, 4), unit) : "null";
    };
    Members m{{"command", quoted("shaker")},
              {"derate", number(a.derate)},
              {"sine_force", force(k.sineForce)},
              {"random_force", force(k.randomForce)},
              {"moving_mass", mass(s.movingMass)},
              {"moving_mass_kg", number(s.movingMass.base())},
              {"acceleration_asked", accel(k.accel, "g pk")},
              {"payload", s.payload && s.reached ? mass(*s.payload) : "null"},
              {"sine_acceleration", accel(s.sineAccel, "g pk")},
              {"random_acceleration", accel(s.randomGrms, "g rms")},
              {"exceeded", s.reached ? "false" : "true"}};
    addShakerAndWarnings(m, {}, {});
    return document(m);
}

// The sizing the operands ask for, or what is wrong with them.
std::optional<Asked> read(const Request& r, std::string& what) {
    const auto ops = readOperands(r.operands, findCommand("shaker")->keys, what);
    if (!ops) return std::nullopt;
    if (!ops->range.empty()) return what = ops->range + ": give KEY=VALUE parameters only", std::nullopt;
    Asked a;
    shaker::SizingAsked& k = a.sizing;
    for (const Parameter& p : ops->parameters) {
        if (p.key == std::string("A") || p.key == std::string("derate")) continue;
        const auto q = ratingValue(p.key + "=" + p.value, what);
        if (!q) return what = p.word + what.substr(what.find(':')), std::nullopt;
        if (p.key == std::string("sine-force")) k.sineForce = q;
        if (p.key == std::string("random-force")) k.randomForce = q;
        if (p.key == std::string("mass")) k.parts.armature = q, a.wholeMass = true;
        for (std::size_t i = 0; i < 3; ++i)
            if (p.key == std::string(kMassParts[i])) k.parts.*kParts[i] = q;
    }
    const Parameter *accel = find(*ops, "A"), *derate = find(*ops, "derate");
    const bool parts = find(*ops, "armature") || find(*ops, "fixture") || find(*ops, "payload");
    if (!k.sineForce && !k.randomForce)
        return what = "give sine-force= (pk) or random-force= (rms), or both", std::nullopt;
    if (a.wholeMass && parts)
        return what = "give mass= (all that moves) or armature=, fixture=, payload=, not both", std::nullopt;
    if (!a.wholeMass && !find(*ops, "armature"))
        return what = parts ? "the fixture and payload ride on the armature, give armature= too"
                            : "give the moving mass, armature= (with fixture= and payload=) or mass=",
               std::nullopt;
    if (accel) {
        if (find(*ops, "payload") || a.wholeMass)
            return what = "A= finds the payload: give armature= and fixture=, without payload= or mass=", std::nullopt;
        if (!k.sineForce) return what = "A= needs sine-force=, the peak rating", std::nullopt;
        const auto v = readValue(accel->word, accel->value, {{"", 1, false}, {"g", 1, false}}, what);
        if (!v) return std::nullopt;
        k.accel = v->base;
        if (!std::isfinite(k.derate * k.sineForce->base() / *k.accel))
            return what = accel->word + ": beyond the range of a double", std::nullopt;
    }
    if (derate) {
        const auto n = splitNumber(derate->value);
        if (!n || n->unit != "%" || !(n->value > 0 && n->value <= 100))
            return what = derate->word + ": give the share of each rating used, above 0 % and at most 100 %, as " +
                          "derate=80%",
                   std::nullopt;
        a.derate = n->value, k.derate = n->value / 100, a.derateWord = derate->word;
    }
    return a;
}

} // namespace

Outcome runShakerSizing(const Request& r, const FileReader&) {
    std::string what;
    const auto a = read(r, what);
    if (!a) return refused({"shaker", what});
    const shaker::Sizing s = shaker::size(a->sizing);
    return {s.reached ? kDone : kRatingExceeded, r.json ? sizingJson(*a, s) : sizingText(*a, s), {}, {}, {}};
}

} // namespace tessomar::cli
