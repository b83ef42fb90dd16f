#include "calc/profile_lines.h"

#include <algorithm>

namespace tessomar::profile::lines {

namespace {

using words::Line;
using words::Token;
using words::Unit;

Num numOf(const Token& t) { return {t.value, t.half, t.unit, t.plain, t.text}; }

bool namesPsd(const std::string& title) {
    const std::string t = words::lower(title);
    for (const char* word : {"psd", "g\xC2\xB2/hz", "g^2/hz", "g2/hz", "g**2/hz"})
        if (t.find(word) != std::string::npos) return true;
    return false;
}
bool namesFreq(const std::string& title) {
    const std::string t = words::lower(title);
    return !namesPsd(title) && (t.find("freq") != std::string::npos || t.find("hz") != std::string::npos);
}

bool frequencyUnit(Unit u) { return u == Unit::None || u == Unit::Hz; }

std::string percentError(const Num& n) { return n.text + " is a percentage, not a PSD"; }

} // namespace

std::optional<Meaning> meaningOf(const Line& l, std::string& error) {
    std::vector<const Token*> seq;
    const Token* word = nullptr;
    for (const Token& t : l.tokens) {
        if (t.kind != Token::Kind::Word) {
            seq.push_back(&t);
        } else if (!t.problem.empty()) {
            error = t.text + " " + t.problem;
            return std::nullopt;
        } else if (!word) {
            word = &t;
        }
    }
    const auto numbers =
        std::count_if(seq.begin(), seq.end(), [](const Token* t) { return t->kind == Token::Kind::Number; });
    auto is = [&](std::string_view kinds) {
        if (kinds.size() != seq.size()) return false;
        for (std::size_t i = 0; i < kinds.size(); ++i)
            if ((kinds[i] == 'N') != (seq[i]->kind == Token::Kind::Number)) return false;
        return true;
    };
    Meaning m;
    if (is("NN")) {
        Num a = numOf(*seq[0]), b = numOf(*seq[1]);
        if (a.unit == Unit::Psd || a.unit == Unit::Slope || a.unit == Unit::Percent || b.unit == Unit::Hz)
            std::swap(a, b);
        m.f1 = a;
        m.level = b;
        if (!frequencyUnit(a.unit))
            error = "two levels and no frequency";
        else if (b.unit == Unit::Hz)
            error = "two frequencies and no level";
        else if (b.unit == Unit::Slope)
            error = "a slope needs a band (20-80 Hz +3 dB/oct)";
        else if (b.unit == Unit::Percent)
            error = percentError(b);
    } else if (is("N-NN") || is("NN-N")) {
        const std::size_t from = is("N-NN") ? 0 : 1;
        m.f1 = numOf(*seq[from]);
        m.f2 = numOf(*seq[from + 2]);
        m.level = numOf(*seq[from == 0 ? 3 : 0]);
        const Unit u = m.level.unit;
        m.kind = u == Unit::Slope ? Meaning::Kind::SlopeBand : Meaning::Kind::LevelBand;
        if (!frequencyUnit(m.f1.unit) || !frequencyUnit(m.f2.unit))
            error = "a band's ends are frequencies";
        else if (u == Unit::Hz || (from == 1 && u == Unit::None))
            error = "a band needs one level after it";
        else if (u == Unit::Percent)
            error = percentError(m.level);
    } else if (word) {
        const bool pair = numbers == 1 && l.tokens.size() == 2;
        error = !pair ? "not a break point" : l.tokens[0].kind == Token::Kind::Number ? "not a PSD" : "not a frequency";
    } else if (numbers == 1 && l.commaCouldSeparate) {
        error = "the comma could be a decimal comma or a separator";
    } else if (numbers <= 1) {
        error = numbers == 0 ? "not a break point" : "one number, not a break point";
    } else if (is("N-N")) {
        error = "a band needs a level";
    } else {
        error = numbers == 2 ? "not a break point" : std::to_string(numbers) + " numbers, not a frequency and a level";
    }
    if (error.empty() && word) {
        const bool hz = m.f1.unit == Unit::Hz || (m.kind != Meaning::Kind::Point && m.f2.unit == Unit::Hz);
        if (!hz) error = word->text + " beside the numbers, and no frequency in Hz";
    }
    if (!error.empty()) return std::nullopt;
    return m;
}

std::optional<Columns> columnsOf(const Line& header) {
    const std::vector<std::string> titles = words::titlesOf(header);
    std::optional<std::size_t> freq, psd;
    for (std::size_t i = 0; i < titles.size(); ++i) {
        if (!psd && namesPsd(titles[i]))
            psd = i;
        else if (!freq && namesFreq(titles[i]))
            freq = i;
    }
    if (!freq || !psd) return std::nullopt;
    return Columns{header.separator, *freq, *psd};
}

std::optional<Meaning> byColumns(const Line& l, const Columns& columns, std::string& error) {
    if (l.separator != columns.separator) return std::nullopt;
    const auto f = l.inCell(columns.freq), p = l.inCell(columns.psd);
    const auto one = [](const std::vector<const Token*>& cell) {
        return cell.size() == 1 && cell[0]->kind == Token::Kind::Number;
    };
    if (!one(f)) {
        if (f.size() == 1 && !f[0]->problem.empty()) error = "not a frequency";
        return std::nullopt;
    }
    Meaning m;
    m.f1 = numOf(*f[0]);
    if (one(p)) m.level = numOf(*p[0]);
    if (!frequencyUnit(m.f1.unit))
        error = "not a frequency";
    else if (!one(p) || m.level.unit == Unit::Hz || m.level.unit == Unit::Slope)
        error = p.empty() ? "no PSD in its column" : "not a PSD";
    else if (m.level.unit == Unit::Percent)
        error = percentError(m.level);
    if (!error.empty()) return std::nullopt;
    return m;
}

bool isResultLine(const Line& l) {
    if (l.tokens[0].kind != Token::Kind::Word || l.tokens[0].numberLike()) return false;
    const std::string text = words::lower(l.shown);
    for (const char* start : {"acceleration", "velocity", "displacement", "g rms", "grms", "english", "metric",
                              "shaker", "stroke", "force", "sine-force", "random-force", "within", "rating"})
        if (text.rfind(start, 0) == 0) return true;
    return text.find("left out") != std::string::npos;
}

} // namespace tessomar::profile::lines
