#include "cli/commands.h"

#include "cli/sine_planning.h"
#include "cli/random.h"
#include "cli/sine.h"

#include <algorithm>
#include <array>

namespace tessomar::cli {

namespace {

const std::array<CommandRow, 6> kCommands{{
    {Command::Sine,
     "sine",
     "PARAM=VALUE PARAM=VALUE",
     "AVDF",
     {},
     {"any two of A (g pk), V (ips pk, or V=0.1m/s), D (in p-p, or D=2mm)",
      "and F (Hz); prints all four in English and Metric units."},
     runSine},
    {Command::Shock,
     "shock",
     "half-sine|terminal-peak PARAM=VALUE PARAM=VALUE",
     "AVDT",
     {"half-sine", "terminal-peak"},
     {"any two of A, V, D (as for sine) and T, the pulse duration in ms.",
      "The pulse is compensated, as the window's shock help draws it: the",
      "half-sine or terminal-peak sawtooth between linear pre- and post-pulse",
      "ramps of at most 20 % of the amplitude, opposite in sign, timed for",
      "the least displacement, so that the velocity ends near 0. V is the",
      "peak velocity and D the peak-to-peak displacement of that whole ideal",
      "pulse; a real controller gives larger displacements."},
     runSine},
    {Command::Random,
     "random",
     "FILE|-",
     "",
     {},
     {"a PSD profile from FILE, or from standard input with -: one point",
      "(\"20 0.01\"), level band (\"80-350 Hz 0.04\") or slope band",
      "(\"20-80 Hz +3 dB/oct\") a line, 2 to 50 points, at most 64 KiB;",
      "prints the sorted break points with the slope to the next and each",
      "band's share of g\xC2\xB2, then g rms and the 3 sigma velocity and", "displacement."},
     runRandom},
    {Command::Sweep,
     "sweep",
     "FROM-TO rate=R|time=T [sweeps=N]",
     "",
     {},
     {"a sine sweep from FROM to TO Hz at rate=R, in oct/min or oct/s",
      "(logarithmic) or Hz/s or Hz/min (linear), or in time=T, in s, min or",
      "h (logarithmic, or linear with --linear): prints the octaves, the",
      "time of one sweep, one pass from end to end, and the cycles in it, or",
      "the rate; sweeps=N the time of N sweeps (a sweep cycle, up and down,", "is two)."},
     runSweep,
     {"rate", "time", "sweeps"}},
    {Command::SineProfile,
     "sine-profile",
     "FROM-TO LIMIT...",
     "DVA",
     {},
     {"the least of the limits D (in p-p, or D=25mm), V (ips pk, or",
      "V=0.5m/s) and A (g pk) at each frequency from FROM to TO Hz, as",
      "\"0.1 in p-p or 10 g, whichever is less\": prints the crossovers,",
      "each segment and what governs it, and the peak acceleration, velocity", "and displacement over the sweep."},
     runSineProfile},
    {Command::Shaker,
     "shaker",
     "FORCE... MASS... [A=G] [derate=P%]",
     "",
     {},
     {"the most sine acceleration (g pk) and random acceleration (g rms)",
      "that the force ratings, sine-force= (pk) and random-force= (rms), in",
      "N, kN or lbf, give the moving mass, in kg or lb: armature= with",
      "fixture= and payload= added up, or mass=. With A= in place of",
      "payload=, the heaviest payload that reaches A g pk; derate=80% uses", "80 % of each rating."},
     runShakerSizing,
     {"sine-force", "random-force", "armature", "fixture", "payload", "mass", "A", "derate"}},
}};

const std::array<OptionRow, 10> kOptions{{
    {"--json", "", "", false, {"print the results as JSON"}},
    {"--exact",
     "",
     "",
     false,
     {"take the values as given, in double precision, and", "integrate every segment; refuse a value above a limit"},
     {Command::Sine, Command::Shock, Command::Random}},
    {"--sigma", "N", "N", true, {"peak velocity and displacement at N sigma, at most 1000", "(random; 3)"}},
    {"--shaker",
     "RATINGS",
     "RATINGS",
     false,
     {"compare with a shaker's data sheet, for example", "stroke=2in,velocity=70ips,sine-force=8.9kN,",
      "random-force=6.2kN,mass=45kg", "stroke p-p (in or mm), velocity pk (ips or m/s), sine-force",
      "(pk) and random-force (rms) (N, kN or lbf) with the moving",
      "mass (kg or lb), as mass= or as armature= with fixture= and",
      "payload= added up. Sine, shock and sine-profile check the",
      "sine force against mass x peak g, random the random force",
      "against mass x g rms; force= alone is refused. Stroke 0.1",
      "to 2000 mm, velocity 0.01 to 20 m/s, forces 1 N to 5000 kN,", "masses 0.001 to 100000 kg."},
     {Command::Sine, Command::Shock, Command::Random, Command::SineProfile}},
    {"--plot",
     "FILE.svg",
     "FILE.svg|-",
     true,
     {"draw the profile log-log into FILE.svg (random,", "sine-profile); with - to standard output, and the report",
      "to standard error"},
     {Command::Random, Command::SineProfile}},
    {"--linear", "", "", false, {"a sweep in time= climbs by steady hertz (sweep)"}, {Command::Sweep}},
    {"--response",
     "fn=F,Q=Q",
     "fn=F,Q=Q",
     true,
     {"what a part with a resonance at F Hz and gain Q feels:",
      "Miles' approximation and the exact response, g rms and",
      "relative displacement; once for each resonance (random)"}},
    {"--scale-db", "N", "N", true, {"run the profile at N dB, every PSD x 10^(N/10) (random)"}},
    {"--scale-to", "G", "G", true, {"run the profile at G g rms (random)"}},
    {"--tolerance",
     "A,B",
     "A,B",
     true,
     {"alarm lines at +-A dB and abort lines at +-B dB around the",
      "profile; A alone: alarm lines only; +3/-2,+6/-4 for lines", "that are not symmetric (random)"}},
}};

constexpr const char* kProgram = "tessomar-calc";
constexpr std::size_t kWidth = 80;        // of the help's lines
constexpr std::size_t kSummaryColumn = 8; // where a command's summary starts
constexpr std::size_t kOptionColumn = 20; // where an option's help starts

// "--sigma N" in the help, "[--sigma N]" in the synopsis.
std::string label(const OptionRow& o, const char* value) { return std::string(o.name) + (*value ? " " : "") + value; }

// Lines each starting with a label in a column of its own width, the rest
// of its lines indented to the same column.
std::string columned(const std::string& label, const std::vector<const char*>& lines, std::size_t column) {
    // A label too long for its column stands on a line of its own.
    std::string out = label.size() + 1 < column ? "" : label + "\n";
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::string head = i == 0 && out.empty() ? label : "";
        out += head + std::string(column - head.size(), ' ') + lines[i] + "\n";
    }
    return out;
}

} // namespace

std::span<const CommandRow> commands() { return kCommands; }
std::span<const OptionRow> options() { return kOptions; }

const CommandRow* findCommand(std::string_view name) {
    for (const CommandRow& c : kCommands)
        if (name == c.name) return &c;
    return nullptr;
}

const OptionRow* findOption(std::string_view name) {
    for (const OptionRow& o : kOptions)
        if (name == o.name) return &o;
    return nullptr;
}

bool appliesTo(const OptionRow& option, Command command) {
    if (!option.only.empty()) return std::find(option.only.begin(), option.only.end(), command) != option.only.end();
    return !option.randomOnly || command == Command::Random;
}

std::string takers(std::string_view option) {
    std::vector<std::string> names;
    for (const CommandRow& c : kCommands)
        if (appliesTo(*findOption(option), c.command)) names.emplace_back(c.name);
    std::string out;
    for (std::size_t i = 0; i < names.size(); ++i)
        out += (i == 0 ? "" : i + 1 == names.size() ? " and " : ", ") + names[i];
    return out;
}

std::string commandList() {
    std::string out;
    for (std::size_t i = 0; i < kCommands.size(); ++i)
        out += (i == 0 ? "" : i + 1 == kCommands.size() ? " or " : ", ") + std::string(kCommands[i].name);
    return out;
}

std::string synopsis(const CommandRow& command) {
    std::string out;
    for (const OptionRow& o : kOptions)
        if (appliesTo(o, command.command)) out += "[" + label(o, o.synopsis) + "] ";
    return out + command.name + " " + command.operands;
}

std::string usage() {
    // Each command's synopsis filled into lines of at most kWidth columns,
    // the lines after the first under its first option, the command and its
    // operands kept together.
    std::string out;
    const std::string indent(std::string("Usage: ").size() + std::string(kProgram).size() + 1, ' ');
    for (const CommandRow& c : kCommands) {
        std::string line = (out.empty() ? "Usage: " : "       ") + std::string(kProgram);
        std::vector<std::string> words;
        for (const OptionRow& o : kOptions)
            if (appliesTo(o, c.command)) words.push_back("[" + label(o, o.synopsis) + "]");
        words.push_back(std::string(c.name) + " " + c.operands);
        for (const std::string& word : words) {
            if (line.size() + 1 + word.size() > kWidth && line.size() > indent.size()) {
                out += line + "\n";
                line = indent.substr(1);
            }
            line += " " + word;
        }
        out += line + "\n";
    }
    out += "\n"
           "The window's calculators on the command line, with the window's limits, rounding\n"
           "and numbers.\n"
           "\n";
    for (const CommandRow& c : kCommands) out += columned(c.name, c.summary, kSummaryColumn);
    out += "\n"
           "Values are taken as the window takes them: above a field's limit as the\n"
           "limit, otherwise at the field's precision (D=0.0015 as 0.002 in), and a\n"
           "segment steeper than the window integrates is left out; each is said on\n"
           "standard error. sweep, sine-profile and shaker, which no field holds,\n"
           "take the values as given and compute in double precision.\n"
           "\n"
           "Options:\n";
    for (const OptionRow& o : kOptions) out += columned("  " + label(o, o.value), o.help, kOptionColumn);
    out += columned("  -h, --help", {"print this help"}, kOptionColumn);
    return out + "\n"
                 "Exit status: 0 done; 2 bad input, said in one line on standard error;\n"
                 "3 a shaker rating exceeded.\n";
}

} // namespace tessomar::cli
