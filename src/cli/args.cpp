#include "cli/args.h"

#include "calc/numbers.h"
#include "calc/units.h"
#include "cli/commands.h"
#include "cli/operands.h"
#include "cli/planning_args.h"
#include "cli/text.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace tessomar::cli {

namespace {

// The units each field takes. The empty name is a bare number, taken in the
// field's English unit; Metric units are typed with Metric units shown.
const std::vector<UnitRow>& unitsOf(char letter, Command command) {
    static const std::vector<UnitRow> accel{{"", 1, false}, {"g", 1, false}};
    static const std::vector<UnitRow> vel{{"", 1, false}, {"ips", 1, false}, {"m/s", 1, true}, {"mps", 1, true}};
    static const std::vector<UnitRow> disp{{"", 1, false}, {"in", 1, false}, {"mm", 1, true}};
    static const std::vector<UnitRow> freq{{"", 1, false}, {"Hz", 1, false}};
    static const std::vector<UnitRow> duration{{"", 1, false}, {"ms", 1, false}};
    switch (letter) {
    case 'A':
        return accel;
    case 'V':
        return vel;
    case 'D':
        return disp;
    default:
        return command == Command::Shock ? duration : freq;
    }
}

struct Rating {
    const char* key;
    std::vector<UnitRow> units;
    double low, high; // what shakers have, in inches, inches per second, newtons or kilograms
};

using units::kMetersPerInch;
using units::kMmPerInch;

const std::vector<UnitRow> kForceUnits{
    {"N", 1, false}, {"kN", 0.001, true}, {"lbf", 1 / units::kNewtonsPerPoundForce, false}};

const std::vector<UnitRow> kMassUnits{{"kg", 1, true}, {"lb", 1 / units::kKgPerPound, false}};

// Each unit against inches, inches per second, newtons and kilograms: the
// factors of the window's Metric display, and the exact pound and pound-force.
// The bounds take in every shaker from a small modal exciter to a large
// hydraulic table: 0.1 to 2000 mm, 0.01 to 20 m/s, 1 N to 5000 kN, 1 g to 100 t.
const std::vector<Rating> kRatings{
    {"stroke", {{"in", 1, false}, {"mm", kMmPerInch, true}}, 0.1 / kMmPerInch, 2000 / kMmPerInch},
    {"velocity", {{"ips", 1, false}, {"m/s", kMetersPerInch, true}}, 0.01 / kMetersPerInch, 20 / kMetersPerInch},
    {"sine-force", kForceUnits, 1, 5e6},
    {"random-force", kForceUnits, 1, 5e6},
    {"mass", kMassUnits, 0.001, 1e5},
    {"armature", kMassUnits, 0.001, 1e5},
    {"fixture", kMassUnits, 0.001, 1e5},
    {"payload", kMassUnits, 0.001, 1e5},
};

constexpr double kMaxSigma = 1000;

bool endsWithSvg(const std::string& name) {
    if (name.size() < 4) return false;
    std::string end = name.substr(name.size() - 4);
    for (char& c : end) c = upper(c);
    return end == ".SVG";
}

// "A, V, D or F": the four parameter letters of a command.
std::string letterList(std::string_view letters) {
    return std::string(1, letters[0]) + ", " + letters[1] + ", " + letters[2] + " or " + letters[3];
}

class Parser {
public:
    explicit Parser(const std::vector<std::string>& args) : m_args(args) {}
    Parsed run();

private:
    bool option(const std::string& arg, std::size_t& i);
    bool positional(const std::vector<std::string>& words);
    bool entry(const std::string& word, const CommandRow& command);
    bool shakerRatings(const std::string& ratings);
    bool fail(std::string where, std::string what) {
        if (!m_out.error) m_out.error = Error{std::move(where), std::move(what)};
        return false;
    }

    const std::vector<std::string>& m_args;
    Parsed m_out;
    std::vector<std::string> m_given; // the options seen, each at most once
};

Parsed Parser::run() {
    for (const std::string& a : m_args)
        if (a == "--help" || a == "-h") {
            m_out.request.help = true;
            return m_out;
        }
    std::vector<std::string> words;
    bool optionsEnded = false;
    for (std::size_t i = 0; i < m_args.size(); ++i) {
        const std::string& a = m_args[i];
        if (optionsEnded || a == "-" || a.empty() || a[0] != '-') {
            words.push_back(a);
        } else if (a == "--") {
            optionsEnded = true;
        } else if (!option(a, i)) {
            return m_out;
        }
    }
    positional(words);
    if (m_out.ok())
        for (const std::string& o : m_given)
            if (!appliesTo(*findOption(o), m_out.request.command)) fail(o, "applies to " + takers(o) + " only");
    return m_out;
}

bool Parser::option(const std::string& arg, std::size_t& i) {
    const std::size_t eq = arg.find('=');
    const std::string name = arg.substr(0, eq);
    const OptionRow* known = findOption(name);
    if (!known) return fail(name, "unknown option (see --help)");
    for (const std::string& seen : m_given)
        if (seen == name && name != "--response") return fail(name, "given twice"); // one resonance each
    m_given.push_back(name);
    if (!*known->value) {
        if (eq != std::string::npos) return fail(name, "takes no value");
        (name == "--json"     ? m_out.request.json
         : name == "--linear" ? m_out.request.linear
                              : m_out.request.exact) = true;
        return true;
    }
    std::string value;
    if (eq != std::string::npos) {
        value = arg.substr(eq + 1);
    } else if (i + 1 < m_args.size()) {
        value = m_args[++i];
    }
    if (value.empty()) return fail(name, "needs a value");
    if (name == "--plot") {
        // The plot is SVG text: under another name it would mislead whatever opens it.
        if (value != "-" && !endsWithSvg(value))
            return fail("--plot " + value, "the plot is SVG, give a name ending in .svg (or - for standard output)");
        m_out.request.plot = value;
        return true;
    }
    if (name == "--shaker") return shakerRatings(value);
    if (isPlanningOption(name)) {
        if (auto e = readPlanningOption(name, value, m_out.request)) return fail(e->where, e->what);
        return true;
    }
    const auto sigma = splitNumber(value);
    if (!sigma || !sigma->unit.empty() || !(sigma->value > 0) || !(sigma->value <= kMaxSigma))
        return fail("--sigma " + value, "give a number above 0, at most 1000");
    m_out.request.sigma = sigma->value;
    return true;
}

bool Parser::positional(const std::vector<std::string>& words) {
    Request& r = m_out.request;
    if (words.empty()) return fail("", "no command: give " + commandList() + " (see --help)");
    const CommandRow* command = findCommand(words[0]);
    if (!command) return fail(words[0], "unknown command (" + commandList() + ")");
    const std::string name = command->name;
    r.command = command->command;
    if (r.command == Command::Random) {
        if (words.size() < 2) return fail(name, "give a profile file, or - for standard input");
        if (words.size() > 2) return fail(name, "one profile only, " + words[2] + " is one too many");
        r.profile = words[1];
        return true;
    }
    if (r.command == Command::Sweep || r.command == Command::SineProfile || r.command == Command::Shaker) {
        r.operands.assign(words.begin() + 1, words.end());
        return true;
    }
    std::size_t next = 1;
    if (!command->shapes.empty()) {
        const std::string shapes = std::string(command->shapes[0]) + " or " + command->shapes[1];
        if (words.size() < 2) return fail(name, "give the pulse shape, " + shapes);
        if (words[1] == command->shapes[0]) {
            r.pulse = sine::Pulse::HalfSine;
        } else if (words[1] == command->shapes[1]) {
            r.pulse = sine::Pulse::TerminalPeak;
        } else {
            return fail(name, "unknown pulse shape " + words[1] + " (" + shapes + ")");
        }
        next = 2;
    }
    for (std::size_t i = next; i < words.size(); ++i)
        if (!entry(words[i], *command)) return false;
    if (r.entries.size() != 2)
        return fail(name, "give exactly two of " + letterList(command->letters) + ", not " +
                              std::to_string(r.entries.size()));
    return true;
}

bool Parser::entry(const std::string& word, const CommandRow& command) {
    const std::string where = command.name;
    const std::size_t eq = word.find('=');
    const std::string name = word.substr(0, eq);
    const std::string_view letterSet(command.letters);
    if (name.size() != 1 || letterSet.find(upper(name[0])) == std::string_view::npos)
        return fail(where, "unknown parameter " + word + " (" + letterList(letterSet) + ")");
    // T is the Frequency field of the shock screen.
    const char letter = upper(name[0]) == 'T' ? 'F' : upper(name[0]);
    for (const Entry& e : m_out.request.entries)
        if (e.letter == letter) return fail(where, std::string(1, upper(name[0])) + " given twice");
    if (eq == std::string::npos || eq + 1 == word.size()) return fail(where, word + ": missing value");
    const auto n = splitNumber(std::string_view(word).substr(eq + 1));
    if (!n) return fail(where, word + ": not a number");
    const auto& units = unitsOf(letter, command.command);
    const UnitRow* unit = findUnit(units, n->unit);
    if (!unit) return fail(where, word + ": unknown unit (" + unitList(units) + ")");
    if (!(n->value > 0)) return fail(where, word + ": give a value above 0");
    m_out.request.entries.push_back({letter, word, std::string(n->number), n->value, unit->metric});
    return true;
}

bool Parser::shakerRatings(const std::string& ratings) {
    std::string keyList; // "stroke, velocity, sine-force, random-force, mass"
    for (const std::string& key : ratingKeys()) keyList += (keyList.empty() ? "" : ", ") + key;
    shaker::Shaker s;
    bool seen[8] = {};
    shaker::MassParts parts;
    for (std::size_t from = 0; from <= ratings.size();) {
        std::size_t comma = ratings.find(',', from);
        if (comma == std::string::npos) comma = ratings.size();
        const std::string item = ratings.substr(from, comma - from);
        from = comma + 1;
        const std::size_t eq = item.find('=');
        const std::string key = item.substr(0, eq);
        std::size_t k = 0;
        while (k < kRatings.size() && key != kRatings[k].key) ++k;
        if (key == "force")
            return fail("--shaker", item + ": say which force, sine-force= (peak) or random-force= (rms)");
        if (k == kRatings.size())
            return fail("--shaker", "unknown rating " + (item.empty() ? "\"\"" : item) + " (" + keyList + ")");
        if (seen[k]) return fail("--shaker", key + " given twice");
        seen[k] = true;
        if (eq == std::string::npos || eq + 1 == item.size()) return fail("--shaker", item + ": missing value");
        std::string what;
        const auto value = ratingValue(item, what);
        if (!value) return fail("--shaker", what);
        const shaker::Quantity q = *value;
        if (k == 0) s.stroke = q;
        if (k == 1) s.velocity = q;
        if (k == 2) s.sineForce = q;
        if (k == 3) s.randomForce = q;
        if (k == 4) s.mass = q;
        if (k == 5) parts.armature = q;
        if (k == 6) parts.fixture = q;
        if (k == 7) parts.payload = q;
    }
    const bool byParts = seen[5] || seen[6] || seen[7];
    if (!seen[0] || !seen[1]) return fail("--shaker", "give at least stroke and velocity");
    if (seen[4] && byParts)
        return fail("--shaker", "give mass= (all that moves) or armature=, fixture=, payload=, not both");
    if (byParts && !seen[5])
        return fail("--shaker", "the fixture and payload ride on the armature, give armature= too");
    if (byParts) s.mass = shaker::movingMass(parts);
    if ((seen[2] || seen[3]) && !s.mass) return fail("--shaker", "a force rating needs mass=, the moving mass");
    if (s.mass && !seen[2] && !seen[3])
        return fail("--shaker", "the moving mass serves a force rating, give sine-force= or random-force=");
    m_out.request.shaker = s;
    return true;
}

} // namespace

std::optional<NumberAndUnit> splitNumber(std::string_view text) {
    const std::size_t i = num::plainNumberLength(text);
    if (i == 0) return std::nullopt;
    // The field's own reading, so that what is checked is what the window takes.
    return NumberAndUnit{num::val(text.substr(0, i)), text.substr(0, i), text.substr(i)};
}

Parsed parse(const std::vector<std::string>& args) { return Parser(args).run(); }

std::optional<shaker::Quantity> ratingValue(const std::string& item, std::string& what) {
    const std::size_t eq = item.find('=');
    const auto r = std::find_if(kRatings.begin(), kRatings.end(),
                                [&](const Rating& k) { return item.compare(0, eq, k.key) == 0; });
    const auto n = splitNumber(std::string_view(item).substr(eq + 1));
    if (!n) return what = item + ": not a number", std::nullopt;
    const UnitRow* unit = findUnit(r->units, n->unit);
    if (!unit) return what = item + ": give its unit, " + unitList(r->units), std::nullopt;
    const shaker::Quantity q{n->value, unit->name, unit->perBase};
    if (!(q.base() >= r->low && q.base() <= r->high))
        return what = item + ": no shaker has that, give " + significant(r->low * unit->perBase, 3) + " to " +
                      significant(r->high * unit->perBase, 3) + " " + unit->name,
               std::nullopt;
    return q;
}

std::vector<std::string> ratingKeys() {
    std::vector<std::string> out;
    for (const Rating& r : kRatings) out.emplace_back(r.key);
    return out;
}

} // namespace tessomar::cli
