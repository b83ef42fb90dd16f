#include "cli/run.h"

#include "cli/calc.h"
#include "cli/output.h"
#include "cli/plot.h"
#include "cli/request.h"

namespace tessomar::cli {

namespace {

Outcome refused(std::string line) { return {kBadInput, {}, std::move(line) + '\n', {}, {}}; }

} // namespace

std::string usage() {
    return "Usage: tessomar-calc [--json] sine PARAM=VALUE PARAM=VALUE\n"
           "       tessomar-calc [--json] shock half-sine|terminal-peak PARAM=VALUE PARAM=VALUE\n"
           "       tessomar-calc [--json] [--sigma N] [--shaker RATINGS] [--plot FILE.svg] random FILE|-\n"
           "\n"
           "The window's calculators on the command line, with the window's limits, rounding\n"
           "and numbers.\n"
           "\n"
           "sine    any two of A (g pk), V (ips pk, or V=0.1m/s), D (in p-p, or D=2mm)\n"
           "        and F (Hz); prints all four in English and Metric units.\n"
           "shock   any two of A, V, D (as for sine) and T, the pulse duration in ms.\n"
           "random  a PSD profile from FILE, or from standard input with -: one point\n"
           "        (\"20 0.01\"), level band (\"80-350 Hz 0.04\") or slope band\n"
           "        (\"20-80 Hz +3 dB/oct\") a line; prints the sorted break points with\n"
           "        the slope to the next and each band's share of g\xC2\xB2, then g rms and\n"
           "        the 3 sigma velocity and displacement.\n"
           "\n"
           "Options:\n"
           "  --json            print the results as JSON\n"
           "  --sigma N         peak velocity and displacement at N sigma (random; 3)\n"
           "  --shaker RATINGS  compare with a shaker (random):\n"
           "                    stroke=2in,velocity=70ips[,force=26.7kN,mass=45kg]\n"
           "                    in or mm, ips or m/s, N, kN or lbf, kg or lb\n"
           "  --plot FILE.svg   draw the profile log-log into FILE.svg (random)\n"
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

    if (r.command != Command::Random) {
        const SineResult s = computeSine(r);
        if (!s.error.empty()) return refused(s.error);
        Outcome o{kDone, r.json ? sineJson(r, s) : sineText(r, s), {}, {}, {}};
        for (const std::string& w : s.warnings) o.err += w + '\n';
        return o;
    }

    const std::string name = r.profile == "-" ? "<stdin>" : r.profile;
    std::string text;
    if (!read(r.profile, text)) return refused("tessomar-calc: " + name + ": " + text);
    const RandomResult res = computeRandom(name, text, r.sigma);
    if (!res.error.empty()) return refused(res.error);
    const std::vector<Margin> m = r.shaker ? margins(*r.shaker, res, r.sigma) : std::vector<Margin>{};
    Outcome o{kDone, r.json ? randomJson(r, res, m) : randomText(r, res, m), {}, r.plot, {}};
    if (!r.plot.empty()) o.plot = plotSvg(res.report);
    for (const Margin& g : m)
        if (g.exceeded) o.code = kRatingExceeded;
    return o;
}

} // namespace tessomar::cli
