#include "random/profile.h"

#include "frame/numbers.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <map>
#include <optional>
#include <set>

namespace tessomar::profile {

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }
bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f'; }
bool isSeparator(char c) { return isBlank(c) || c == ',' || c == ';'; }

std::string lower(std::string_view s) {
    std::string out(s);
    for (char& c : out)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return out;
}

// Text from documents brings no-break spaces and en dashes ("20–80 Hz").
std::string normalized(std::string_view line) {
    std::string out;
    for (std::size_t i = 0; i < line.size(); ++i) {
        if (line.substr(i, 2) == "\xC2\xA0") {
            out += ' ';
            ++i;
        } else if (line.substr(i, 3) == "\xE2\x80\x93") {
            out += '-';
            i += 2;
        } else {
            out += line[i];
        }
    }
    return out;
}

// Fields split on runs of blanks, "," and ";".
std::vector<std::string_view> fieldsOf(std::string_view line) {
    std::vector<std::string_view> out;
    std::size_t i = 0;
    while (i < line.size()) {
        while (i < line.size() && isSeparator(line[i])) ++i;
        const std::size_t from = i;
        while (i < line.size() && !isSeparator(line[i])) ++i;
        if (i > from) out.push_back(line.substr(from, i - from));
    }
    return out;
}

// A spreadsheet row keeps its empty cells, so its columns line up with the
// header's: cells split on the strongest separator the header uses.
char cellSeparator(std::string_view header) {
    for (char c : {'\t', ';', ','})
        if (header.find(c) != std::string_view::npos) return c;
    return ' ';
}

std::vector<std::string_view> cellsOf(std::string_view line, char separator) {
    if (separator == ' ') return fieldsOf(line);
    std::vector<std::string_view> out;
    std::size_t from = 0;
    for (std::size_t at; (at = line.find(separator, from)) != std::string_view::npos; from = at + 1)
        out.push_back(line.substr(from, at - from));
    out.push_back(line.substr(from));
    return out;
}

// The whole field is a number.
bool isNumber(std::string_view t) {
    const std::size_t n = num::plainNumberLength(t);
    return n > 0 && n == t.size();
}

// A field that looks like the start of a number but is none ("20Hz", "1.2.3").
bool numberLike(std::string_view t) {
    std::size_t i = 0;
    if (i < t.size() && (t[i] == '+' || t[i] == '-')) ++i;
    if (i < t.size() && t[i] == '.') ++i;
    return i < t.size() && isDigit(t[i]);
}

enum class Unit { None, Plain, Slope };

Unit unitOf(std::string_view field) {
    const std::string f = lower(field);
    if (f == "hz" || f == "g\xC2\xB2/hz" || f == "g^2/hz" || f == "g2/hz") return Unit::Plain;
    if (f == "db/oct" || f == "db/octave") return Unit::Slope;
    return Unit::None;
}

bool namesPsd(std::string_view cell) {
    const std::string c = lower(cell);
    for (const char* word : {"psd", "g\xC2\xB2/hz", "g^2/hz", "g2/hz"})
        if (c.find(word) != std::string::npos) return true;
    return false;
}
bool namesFreq(std::string_view cell) {
    const std::string c = lower(cell);
    return !namesPsd(cell) && (c.find("freq") != std::string::npos || c.find("hz") != std::string::npos);
}

// A line as a sequence of numbers, band dashes and words, unit words left out.
struct Item {
    enum Kind { Number, Dash, Word } kind;
    double value = 0;
    std::string_view text;
};
struct Line {
    std::vector<Item> items;
    bool slope = false; // a dB/oct unit marks the number as a slope
};

Line itemsOf(std::string_view text) {
    Line line;
    auto number = [&](std::string_view t) { line.items.push_back({Item::Number, num::val(t), t}); };
    for (std::string_view f : fieldsOf(text)) {
        if (const Unit u = unitOf(f); u != Unit::None) {
            line.slope = line.slope || u == Unit::Slope;
        } else if (f == "-") {
            line.items.push_back({Item::Dash, 0, f});
        } else if (isNumber(f)) {
            number(f);
        } else {
            // "80-350", "80-": a band written without blanks.
            std::size_t at = f.find('-', 1);
            for (; at != std::string_view::npos; at = f.find('-', at + 1))
                if (isNumber(f.substr(0, at)) && (at + 1 == f.size() || isNumber(f.substr(at + 1)))) break;
            if (at == std::string_view::npos) {
                line.items.push_back({Item::Word, 0, f});
                continue;
            }
            number(f.substr(0, at));
            line.items.push_back({Item::Dash, 0, f.substr(at, 1)});
            if (at + 1 < f.size()) number(f.substr(at + 1));
        }
    }
    return line;
}

// The one number a cell holds, unit words aside.
std::optional<double> cellNumber(std::string_view cell) {
    const Line l = itemsOf(cell);
    if (l.slope || l.items.size() != 1 || l.items[0].kind != Item::Number) return std::nullopt;
    return l.items[0].value;
}

struct Columns {
    char separator;
    std::size_t freq, psd;
};

class Reader {
public:
    Profile run(std::string_view text);

private:
    void readLine(std::string_view raw, int lineNo);
    void header(std::string_view text);
    bool readMapped(std::string_view text, int lineNo);
    bool readGrammar(const Line& line, int lineNo);
    bool checkFreq(double f, int lineNo);
    bool checkLevel(double p, int lineNo);
    void fail(std::string error, int lineNo) {
        if (!m_out.ok()) return;
        m_out.error = std::move(error);
        m_out.errorLine = lineNo;
    }
    void appears(double f, int lineNo) {
        m_appearance.push_back(f);
        m_lineOf.emplace(f, lineNo);
    }
    void addLevel(double f, double p, int lineNo) {
        appears(f, lineNo);
        m_own[f].push_back(p);
    }
    void resolveSlopes();
    std::optional<double> levelAt(double f, bool bandStartsHere) const;

    struct SlopeBand {
        double f1, f2, dbPerOct;
        int lineNo;
        bool resolved = false;
    };
    Profile m_out;
    std::optional<Columns> m_columns;
    std::vector<double> m_appearance;            // frequencies in text order
    std::map<double, int> m_lineOf;              // where each frequency first appears
    std::map<double, std::vector<double>> m_own; // levels given in the text
    std::map<double, double> m_derived;          // levels reached along a slope
    std::vector<SlopeBand> m_slopes;
};

Profile Reader::run(std::string_view text) {
    if (text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3); // a byte-order mark
    int lineNo = 0;
    for (std::size_t from = 0; from <= text.size();) {
        std::size_t end = text.find_first_of("\r\n", from);
        if (end == std::string_view::npos) end = text.size();
        readLine(text.substr(from, end - from), ++lineNo);
        from = end + (text.substr(end, 2) == "\r\n" ? 2 : 1);
    }
    if (m_out.ok()) resolveSlopes();
    if (m_out.ok() && m_appearance.empty()) fail("no break points", 0);
    if (!m_out.ok()) return m_out;

    std::set<double> done;
    for (double f : m_appearance) {
        if (!done.insert(f).second) continue;
        const auto own = m_own.find(f);
        if (own == m_own.end()) {
            m_out.points.push_back({f, m_derived.at(f), m_lineOf.at(f)});
            continue;
        }
        // The same level twice is one point; different levels are a step.
        std::vector<double> seen;
        for (double p : own->second) {
            if (std::find(seen.begin(), seen.end(), p) != seen.end()) continue;
            seen.push_back(p);
            m_out.points.push_back({f, p, m_lineOf.at(f)});
        }
    }
    return m_out;
}

void Reader::readLine(std::string_view raw, int lineNo) {
    const std::string text = normalized(raw);
    const Line line = itemsOf(text);
    if (line.items.empty() || (line.items[0].kind == Item::Word && !numberLike(line.items[0].text))) {
        header(text);
        return;
    }
    if ((m_columns && !line.slope && readMapped(text, lineNo)) || readGrammar(line, lineNo)) {
        ++m_out.dataLines;
        return;
    }
    fail("line reads as nothing", lineNo);
}

void Reader::header(std::string_view text) {
    const char separator = cellSeparator(text);
    const auto cells = cellsOf(text, separator);
    std::optional<std::size_t> freq, psd;
    for (std::size_t i = 0; i < cells.size(); ++i) {
        if (!psd && namesPsd(cells[i]))
            psd = i;
        else if (!freq && namesFreq(cells[i]))
            freq = i;
    }
    if (freq && psd) m_columns = Columns{separator, *freq, *psd};
}

bool Reader::readMapped(std::string_view text, int lineNo) {
    const auto cells = cellsOf(text, m_columns->separator);
    if (std::max(m_columns->freq, m_columns->psd) >= cells.size()) return false;
    const auto f = cellNumber(cells[m_columns->freq]);
    const auto p = cellNumber(cells[m_columns->psd]);
    if (!f || !p) return false;
    if (checkFreq(*f, lineNo) && checkLevel(*p, lineNo)) addLevel(*f, *p, lineNo);
    return true;
}

bool Reader::readGrammar(const Line& line, int lineNo) {
    const auto& it = line.items;
    auto kinds = [&](std::initializer_list<Item::Kind> want) {
        if (it.size() != want.size()) return false;
        std::size_t i = 0;
        for (Item::Kind k : want)
            if (it[i++].kind != k) return false;
        return true;
    };
    if (!line.slope && kinds({Item::Number, Item::Number})) {
        if (checkFreq(it[0].value, lineNo) && checkLevel(it[1].value, lineNo))
            addLevel(it[0].value, it[1].value, lineNo);
        return true;
    }
    if (!kinds({Item::Number, Item::Dash, Item::Number, Item::Number})) return false;
    const double f1 = it[0].value, f2 = it[2].value, value = it[3].value;
    if (!checkFreq(f1, lineNo) || !checkFreq(f2, lineNo)) return true;
    if (!(f2 > f1)) {
        fail("band end not above its start", lineNo);
    } else if (line.slope) {
        appears(f1, lineNo);
        appears(f2, lineNo);
        m_slopes.push_back({f1, f2, value, lineNo});
    } else if (checkLevel(value, lineNo)) {
        addLevel(f1, value, lineNo);
        addLevel(f2, value, lineNo);
    }
    return true;
}

bool Reader::checkFreq(double f, int lineNo) {
    if (f < kMinFreq)
        fail("frequency below 0.01 Hz", lineNo);
    else if (f > kMaxFreq)
        fail("frequency above 20000 Hz", lineNo);
    else
        return true;
    return false;
}

bool Reader::checkLevel(double p, int lineNo) {
    if (p <= 0)
        fail("PSD must be above 0", lineNo);
    else if (p < kMinPsd)
        fail("PSD below 0.000001 g\xC2\xB2/Hz", lineNo);
    else if (p > kMaxPsd)
        fail("PSD above 1000 g\xC2\xB2/Hz", lineNo);
    else
        return true;
    return false;
}

// At a step the text lists the level below the step first: a band that
// rises from the step takes the last level given there, one that ends at
// it the first.
std::optional<double> Reader::levelAt(double f, bool bandStartsHere) const {
    if (const auto own = m_own.find(f); own != m_own.end())
        return bandStartsHere ? own->second.back() : own->second.front();
    if (const auto derived = m_derived.find(f); derived != m_derived.end()) return derived->second;
    return std::nullopt;
}

// Each slope band takes its level from an end that has one and carries it
// to the other; a chain of slopes resolves outward from any anchored end.
void Reader::resolveSlopes() {
    const double dbPerOctaveOfFirstPower = 10 * std::log10(2.0); // a PSD rising as f^1 rises ~3.01 dB/oct
    for (bool progress = true; progress && m_out.ok();) {
        progress = false;
        for (SlopeBand& b : m_slopes) {
            if (b.resolved) continue;
            const auto low = levelAt(b.f1, true), high = levelAt(b.f2, false);
            if (!low && !high) continue;
            b.resolved = progress = true;
            if (low && high) continue; // both ends have levels of their own
            const double exponent = b.dbPerOct / dbPerOctaveOfFirstPower;
            const double level = low ? *low * std::pow(b.f2 / b.f1, exponent) : *high * std::pow(b.f1 / b.f2, exponent);
            if (!(level >= kMinPsd))
                fail("slope takes PSD below 0.000001 g\xC2\xB2/Hz", b.lineNo);
            else if (level > kMaxPsd)
                fail("slope takes PSD above 1000 g\xC2\xB2/Hz", b.lineNo);
            else
                m_derived[low ? b.f2 : b.f1] = level;
        }
    }
    for (const SlopeBand& b : m_slopes)
        if (!b.resolved) fail("slope not anchored to a level", b.lineNo);
}

} // namespace

Profile read(std::string_view text) { return Reader().run(text); }

} // namespace tessomar::profile
