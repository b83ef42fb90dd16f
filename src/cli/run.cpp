#include "cli/run.h"

#include "cli/calc.h"
#include "cli/output.h"
#include "cli/plot.h"
#include "cli/request.h"

namespace tessomar::cli {

namespace {

Outcome refused(std::string line) { return {kBadInput, {}, std::move(line) + '\n', {}, {}}; }

std::string warningLines(const std::vector<std::string>& warnings) {
    std::string out;
    for (const std::string& w : warnings) out += "tessomar-calc: warning: " + w + '\n';
    return out;
}

int codeOf(const std::vector<Margin>& margins) {
    for (const Margin& m : margins)
        if (m.exceeded) return kRatingExceeded;
    return kDone;
}

} // namespace

std::string usage() {
    return "Usage: tessomar-calc [--json] [--exact] [--shaker RATINGS]\n"
           "                     sine PARAM=VALUE PARAM=VALUE\n"
           "       tessomar-calc [--json] [--exact] [--shaker RATINGS]\n"
           "                     shock half-sine|terminal-peak PARAM=VALUE PARAM=VALUE\n"
           "       tessomar-calc [--json] [--exact] [--sigma N] [--shaker RATINGS]\n"
           "                     [--plot FILE.svg|-] random FILE|-\n"
           "\n"
           "The window's calculators on the command line, with the window's limits, rounding\n"
           "and numbers.\n"
           "\n"
           "sine    any two of A (g pk), V (ips pk, or V=0.1m/s), D (in p-p, or D=2mm)\n"
           "        and F (Hz); prints all four in English and Metric units.\n"
           "shock   any two of A, V, D (as for sine) and T, the pulse duration in ms.\n"
           "        The pulse is compensated, as the window's shock help draws it: the\n"
           "        half-sine or terminal-peak sawtooth between linear pre- and post-pulse\n"
           "        ramps of at most 20 % of the amplitude, opposite in sign, timed for\n"
           "        the least displacement, so that the velocity ends near 0. V is the\n"
           "        peak velocity and D the peak-to-peak displacement of that whole ideal\n"
           "        pulse; a real controller gives larger displacements.\n"
           "random  a PSD profile from FILE, or from standard input with -: one point\n"
           "        (\"20 0.01\"), level band (\"80-350 Hz 0.04\") or slope band\n"
           "        (\"20-80 Hz +3 dB/oct\") a line, 2 to 50 points, at most 64 KiB;\n"
           "        prints the sorted break points with the slope to the next and each\n"
           "        band's share of g\xC2\xB2, then g rms and the 3 sigma velocity and\n"
           "        displacement.\n"
           "\n"
           "Values are taken as the window takes them: above a field's limit as the\n"
           "limit, otherwise at the field's precision (D=0.0015 as 0.002 in), and a\n"
           "segment steeper than the window integrates is left out; each is said on\n"
           "standard error.\n"
           "\n"
           "Options:\n"
           "  --json            print the results as JSON\n"
           "  --exact           take the values as given, in double precision, and\n"
           "                    integrate every segment; refuse a value above a limit\n"
           "  --sigma N         peak velocity and displacement at N sigma, at most 1000\n"
           "                    (random; 3)\n"
           "  --shaker RATINGS  compare with a shaker's data sheet, for example\n"
           "                    stroke=2in,velocity=70ips,sine-force=8.9kN,\n"
           "                    random-force=6.2kN,mass=45kg\n"
           "                    stroke p-p (in or mm), velocity pk (ips or m/s), sine-force\n"
           "                    (pk) and random-force (rms) (N, kN or lbf) with the moving\n"
           "                    mass (kg or lb). Sine and shock check the sine force against\n"
           "                    mass x peak g, random the random force against mass x g rms;\n"
           "                    force= alone is refused. Stroke 0.1 to 2000 mm, velocity\n"
           "                    0.01 to 20 m/s, forces 1 N to 5000 kN, mass 0.001 to\n"
           "                    100000 kg.\n"
           "  --plot FILE.svg   draw the profile log-log into FILE.svg (random); with -\n"
           "                    to standard output, and the report to standard error\n"
           "  -h, --help        print this help\n"
           "\n"
           "Exit status: 0 done; 2 bad input, said in one line on standard error;\n"
           "3 a shaker rating exceeded.\n";
}

Outcome run(const std::vector<std::string>& args, const FileReader& read) {
    const Parsed parsed = parse(args);
    if (!parsed.ok()) return refused(parsed.error);
    const Request& r = parsed.request;
    if (r.help) return {kDone, usage(), {}, {}, {}};

    std::vector<Margin> m;
    if (r.command != Command::Random) {
        SineResult s = computeSine(r);
        if (!s.error.empty()) return refused("tessomar-calc: " + s.error);
        if (r.shaker) m = margins(*r.shaker, demandOf(s), s.warnings);
        return {codeOf(m), r.json ? sineJson(r, s, m) : sineText(r, s, m), warningLines(s.warnings), {}, {}};
    }

    const std::string name = r.profile == "-" ? "<stdin>" : r.profile;
    std::string text;
    if (!read(r.profile, text)) return refused("tessomar-calc: " + name + ": " + text);
    RandomResult res = computeRandom(name, text, r);
    if (!res.error.empty()) return refused(res.error);
    if (r.shaker) m = margins(*r.shaker, demandOf(res), res.warnings);
    const std::string report = r.json ? randomJson(r, res, m) : randomText(r, res, m);
    Outcome o{codeOf(m), report, warningLines(res.warnings), {}, {}};
    // Standard output carries the plot alone, so that it can be piped on.
    if (r.plot == "-") o.out = plotSvg(res), o.err += report;
    if (!r.plot.empty() && r.plot != "-") o.plotPath = r.plot, o.plot = plotSvg(res);
    return o;
}

} // namespace tessomar::cli
