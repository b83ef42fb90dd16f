#include "calc/profile.h"

#include "calc/profile_lines.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <map>
#include <optional>
#include <set>

namespace tessomar::profile {

namespace {

using lines::Meaning;
using lines::Num;
using words::Line;
using words::Token;
using words::Unit;

// A level and the range its written digits allow.
struct Level {
    double value, lo, hi;
};

class Reader {
public:
    Profile run(std::string_view text);

private:
    void readLine(const Line& l);
    void take(const Meaning& m, const Line& l);
    bool checkFreq(const Num& f, int line);
    bool checkLevel(const Num& p, int line);
    void checkOverlaps();
    void resolveSlopes();
    std::optional<Level> levelAt(double f, bool bandStartsHere) const;
    void fail(int line, const std::string& error) {
        if (!m_out.ok()) return;
        m_out.error = line > 0 ? words::message(m_lines[static_cast<std::size_t>(line - 1)], error) : error;
        m_out.errorLine = line;
    }
    void appears(double f, int line) {
        m_appearance.push_back(f);
        m_lineOf.emplace(f, line);
    }
    void addLevel(double f, const Num& p, int line) {
        appears(f, line);
        m_own[f].push_back({p.value, p.value - p.half, p.value + p.half});
    }

    struct Band {
        Num f1, f2, slope;
        int line;
        bool resolved = false;
    };
    std::vector<Line> m_lines;
    Profile m_out;
    std::optional<lines::Columns> m_columns;
    bool m_results = false;                     // the result lines have begun
    std::vector<double> m_appearance;           // frequencies in text order
    std::map<double, int> m_lineOf;             // where each frequency first appears
    std::map<double, std::vector<Level>> m_own; // levels given in the text
    std::map<double, Level> m_derived;          // levels reached along a slope
    std::vector<Band> m_bands;                  // level and slope bands
    std::vector<std::pair<double, int>> m_points;
};

Profile Reader::run(std::string_view text) {
    m_lines = words::linesOf(text);
    for (const Line& l : m_lines) {
        if (!m_out.ok()) return m_out;
        readLine(l);
    }
    if (m_out.ok()) checkOverlaps();
    if (m_out.ok()) resolveSlopes();
    if (m_out.ok() && m_appearance.empty()) fail(0, "no break points");
    if (!m_out.ok()) return m_out;

    std::set<double> done;
    for (double f : m_appearance) {
        if (!done.insert(f).second) continue;
        const auto own = m_own.find(f);
        if (own == m_own.end()) {
            m_out.points.push_back({f, m_derived.at(f).value, m_lineOf.at(f)});
            continue;
        }
        // The same level twice is one point; different levels are a step.
        std::vector<double> seen;
        for (const Level& p : own->second) {
            if (std::find(seen.begin(), seen.end(), p.value) != seen.end()) continue;
            seen.push_back(p.value);
            m_out.points.push_back({f, p.value, m_lineOf.at(f)});
        }
    }
    return m_out;
}

// Before the first break point a line of words is a header; after it only
// the result lines are, and a line is read where it says one thing.
void Reader::readLine(const Line& l) {
    if (l.tokens.empty()) return;
    const bool started = m_out.dataLines > 0;
    if (started && lines::isResultLine(l)) {
        m_results = true;
        return;
    }
    std::string columnError, error;
    std::optional<Meaning> m = m_columns ? lines::byColumns(l, *m_columns, columnError) : std::nullopt;
    if (!m) {
        m = lines::meaningOf(l, error);
        // Bare numbers read as "frequency PSD" only where no header says otherwise.
        const bool bare =
            m && m->kind == Meaning::Kind::Point && m->f1.unit == Unit::None && m->level.unit == Unit::None;
        if (bare && m_columns && m_columns->psd < m_columns->freq) {
            m.reset();
            error = "not in the header's columns";
        }
    }
    const Token& first = l.tokens[0];
    const bool number = first.kind == Token::Kind::Number || first.numberLike();
    const bool attempt = l.tokens.size() == 2 && !first.problem.empty() && l.tokens[1].kind == Token::Kind::Number;
    if (!m && !started && !number && !attempt && columnError.empty()) {
        if (const auto columns = lines::columnsOf(l)) m_columns = columns;
        return;
    }
    if (!m) return fail(l.number, columnError.empty() ? error : columnError);
    if (m_results) return fail(l.number, "a break point after the results");
    ++m_out.dataLines;
    take(*m, l);
}

void Reader::take(const Meaning& m, const Line& l) {
    const int n = l.number;
    if (!checkFreq(m.f1, n)) return;
    if (m.kind == Meaning::Kind::Point) {
        if (!checkLevel(m.level, n)) return;
        addLevel(m.f1.value, m.level, n);
        m_points.emplace_back(m.f1.value, n);
        return;
    }
    if (!checkFreq(m.f2, n)) return;
    if (!(m.f2.value > m.f1.value)) return fail(n, "band end not above its start");
    if (m.kind == Meaning::Kind::SlopeBand) {
        appears(m.f1.value, n);
        appears(m.f2.value, n);
    } else {
        if (!checkLevel(m.level, n)) return;
        addLevel(m.f1.value, m.level, n);
        addLevel(m.f2.value, m.level, n);
    }
    m_bands.push_back({m.f1, m.f2, m.kind == Meaning::Kind::SlopeBand ? m.level : Num{}, n});
    if (m.kind == Meaning::Kind::LevelBand) m_bands.back().resolved = true;
}

bool Reader::checkFreq(const Num& f, int line) {
    if (f.value < kMinFreq)
        fail(line, "frequency " + f.plain + " below 0.01 Hz");
    else if (f.value > kMaxFreq)
        fail(line, "frequency " + f.plain + " above 20000 Hz");
    else
        return true;
    return false;
}

bool Reader::checkLevel(const Num& p, int line) {
    if (p.value <= 0)
        fail(line, "PSD " + p.plain + " not above 0");
    else if (p.value < kMinPsd)
        fail(line, "PSD " + p.plain + " below 0.000001 g\xC2\xB2/Hz");
    else if (p.value > kMaxPsd)
        fail(line, "PSD " + p.plain + " above 1000 g\xC2\xB2/Hz");
    else
        return true;
    return false;
}

// Bands that overlap, or a point inside a band, give two levels to one
// frequency range: the first line that makes such a pair is refused.
void Reader::checkOverlaps() {
    int worst = 0, other = 0;
    const char* what = "";
    auto note = [&](int a, int b, const char* laterIsBand) {
        const int later = std::max(a, b);
        if (worst == 0 || later < worst) worst = later, other = std::min(a, b), what = laterIsBand;
    };
    for (std::size_t i = 0; i < m_bands.size(); ++i) {
        const Band& a = m_bands[i];
        for (std::size_t j = i + 1; j < m_bands.size(); ++j) {
            const Band& b = m_bands[j];
            if (std::max(a.f1.value, b.f1.value) < std::min(a.f2.value, b.f2.value))
                note(a.line, b.line, "overlaps the band of line ");
        }
        for (const auto& [f, line] : m_points)
            if (a.f1.value < f && f < a.f2.value)
                note(a.line, line, line > a.line ? "inside the band of line " : "spans the point of line ");
    }
    if (worst) fail(worst, what + std::to_string(other));
}

// At a step the text lists the level below the step first: a band that
// rises from the step takes the last level given there, one that ends at
// it the first.
std::optional<Level> Reader::levelAt(double f, bool bandStartsHere) const {
    if (const auto own = m_own.find(f); own != m_own.end())
        return bandStartsHere ? own->second.back() : own->second.front();
    if (const auto derived = m_derived.find(f); derived != m_derived.end()) return derived->second;
    return std::nullopt;
}

namespace slope {

const double kDbPerOctaveOfFirstPower = 10 * std::log10(2.0); // a PSD rising as f^1 rises ~3.01 dB/oct

// The slopes that the written digits of two levels and their frequencies
// allow, against the stated slope's: they disagree when the ranges part.
bool agrees(const Num& f1, const Num& f2, const Level& p1, const Level& p2, const Num& s) {
    const double octLo = std::log2((f2.value - f2.half) / (f1.value + f1.half));
    const double octHi = std::log2((f2.value + f2.half) / (f1.value - f1.half));
    if (!(octLo > 0) || !(p1.lo > 0) || !(p2.lo > 0)) return true; // the digits allow any slope
    const double dbLo = 10 * std::log10(p2.lo / p1.hi), dbHi = 10 * std::log10(p2.hi / p1.lo);
    const double lo = std::min(dbLo / octLo, dbLo / octHi), hi = std::max(dbHi / octLo, dbHi / octHi);
    return s.value + s.half >= lo && s.value - s.half <= hi;
}

// The level at the far end of a slope, with the range the digits allow.
Level carried(const Level& from, double ratio, double ratioLo, double ratioHi, const Num& s) {
    Level out{from.value * std::pow(ratio, s.value / kDbPerOctaveOfFirstPower), HUGE_VAL, -HUGE_VAL};
    for (double p : {from.lo, from.hi})
        for (double r : {ratioLo, ratioHi})
            for (double e : {s.value - s.half, s.value + s.half}) {
                const double v = p * std::pow(r, e / kDbPerOctaveOfFirstPower);
                out.lo = std::min(out.lo, v);
                out.hi = std::max(out.hi, v);
            }
    return out;
}

} // namespace slope

// Each slope band takes its level from an end that has one and carries it
// to the other; a chain of slopes resolves outward from any anchored end.
// Where both ends have levels the slope must agree with them.
void Reader::resolveSlopes() {
    for (bool progress = true; progress && m_out.ok();) {
        progress = false;
        for (Band& b : m_bands) {
            if (b.resolved || !m_out.ok()) continue;
            const auto low = levelAt(b.f1.value, true), high = levelAt(b.f2.value, false);
            if (!low && !high) continue;
            b.resolved = progress = true;
            if (low && high) {
                if (!slope::agrees(b.f1, b.f2, *low, *high, b.slope)) {
                    const double implied =
                        10 * std::log10(high->value / low->value) / std::log2(b.f2.value / b.f1.value);
                    char buf[32];
                    std::snprintf(buf, sizeof buf, "%.2f", implied);
                    fail(b.line, "slope disagrees with the levels at its ends (" + std::string(buf) + " dB/oct)");
                }
                continue;
            }
            const double f1 = b.f1.value, f2 = b.f2.value, h1 = b.f1.half, h2 = b.f2.half;
            const Level level =
                low ? slope::carried(*low, f2 / f1, (f2 - h2) / (f1 + h1), (f2 + h2) / (f1 - h1), b.slope)
                    : slope::carried(*high, f1 / f2, (f1 - h1) / (f2 + h2), (f1 + h1) / (f2 - h2), b.slope);
            if (!(level.value >= kMinPsd))
                fail(b.line, "slope takes PSD below 0.000001 g\xC2\xB2/Hz");
            else if (level.value > kMaxPsd)
                fail(b.line, "slope takes PSD above 1000 g\xC2\xB2/Hz");
            else
                m_derived[low ? f2 : f1] = level;
        }
    }
    for (const Band& b : m_bands)
        if (!b.resolved) fail(b.line, "slope not anchored to a level");
}

} // namespace

Profile read(std::string_view text) { return Reader().run(text); }

} // namespace tessomar::profile
