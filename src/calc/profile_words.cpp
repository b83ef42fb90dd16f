#include "calc/profile_words.h"

#include "calc/numbers.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <utility>

namespace tessomar::profile::words {

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }
bool isBlank(char c) { return c == ' ' || c == '\t'; }
bool has(std::string_view s, char c) { return s.find(c) != std::string_view::npos; }

std::string_view trimmed(std::string_view s) {
    while (!s.empty() && isBlank(s.front())) s.remove_prefix(1);
    while (!s.empty() && isBlank(s.back())) s.remove_suffix(1);
    return s;
}

// Documents bring no-break and thin spaces, en and em dashes for bands and
// the minus sign for slopes.
std::string normalized(std::string_view line) {
    static const std::pair<std::string_view, char> kPlain[] = {
        {"\xC2\xA0", ' '},     {"\xE2\x80\xAF", ' '}, {"\xE2\x80\x89", ' '}, {"\xE2\x80\x87", ' '},
        {"\xE2\x80\x93", '-'}, {"\xE2\x80\x94", '-'}, {"\xE2\x88\x92", '-'}};
    std::string out;
    for (std::size_t i = 0; i < line.size();) {
        bool mapped = false;
        for (const auto& [from, to] : kPlain)
            if (line.substr(i, from.size()) == from) {
                out += to;
                i += from.size();
                mapped = true;
                break;
            }
        if (mapped) continue;
        const char c = line[i++];
        out += c == '\v' || c == '\f' ? ' ' : c;
    }
    return out;
}

struct UnitWord {
    std::string_view word;
    Unit unit;
    double scale;
};
constexpr UnitWord kUnits[] = {{"hz", Unit::Hz, 1},        {"khz", Unit::Hz, 1000},     {"g\xC2\xB2/hz", Unit::Psd, 1},
                               {"g^2/hz", Unit::Psd, 1},   {"g2/hz", Unit::Psd, 1},     {"g**2/hz", Unit::Psd, 1},
                               {"db/oct", Unit::Slope, 1}, {"db/oct.", Unit::Slope, 1}, {"db/octave", Unit::Slope, 1},
                               {"%", Unit::Percent, 1}};

const UnitWord* unitWord(std::string_view w) {
    const std::string l = lower(w);
    for (const UnitWord& u : kUnits)
        if (l == u.word) return &u;
    return nullptr;
}

// A number as written, its commas not yet settled: the texts it reads as
// with a decimal comma and with thousands separators (either may be empty).
struct Written {
    bool number = false; // the whole text is one
    std::string plain, asDecimal, asThousands;
    const UnitWord* unit = nullptr;
};

bool digitsOnly(std::string_view s) {
    if (s.empty()) return false;
    for (char c : s)
        if (!isDigit(c)) return false;
    return true;
}

// Groups of three after the first: "2,000", "12,345,678".
bool thousandsGroups(std::string_view body) {
    std::size_t from = 0, group = 0;
    for (std::size_t at;; from = at + 1, ++group) {
        at = body.find(',', from);
        const std::string_view g = body.substr(from, at == std::string_view::npos ? at : at - from);
        if (!digitsOnly(g)) return false;
        if (group == 0 ? g.size() > 3 || g[0] == '0' : g.size() != 3) return false;
        if (at == std::string_view::npos) return true;
    }
}

// A sign, digits with "." or commas, an exponent, and nothing after but a
// unit word.
Written written(std::string_view t) {
    Written w;
    std::size_t i = 0;
    if (i < t.size() && (t[i] == '+' || t[i] == '-')) ++i;
    const std::size_t from = i;
    while (i < t.size() && (isDigit(t[i]) || t[i] == ',' || t[i] == '.')) ++i;
    const std::string_view body = t.substr(from, i - from);
    std::string tail(1, '0'); // a digit before what follows, so that only an exponent reads on
    tail += t.substr(i);
    i += num::plainNumberLength(tail) - 1; // the exponent, where digits follow its "e"
    const std::string_view rest = t.substr(i);
    if (!rest.empty() && !(w.unit = unitWord(rest))) return w;
    const std::string sign(t.substr(0, from)), exponent(t.substr(from + body.size(), i - from - body.size()));
    const std::size_t dot = body.find('.'), comma = body.find(',');
    if (comma == std::string_view::npos) {
        if (num::plainNumberLength(body) != body.size() || body.empty()) return w;
        w.plain = sign + std::string(body) + exponent;
    } else {
        const std::string_view integer = body.substr(0, dot);
        if (dot != std::string_view::npos &&
            (!thousandsGroups(integer) || (dot + 1 < body.size() && !digitsOnly(body.substr(dot + 1)))))
            return w;
        if (dot == std::string_view::npos && comma == body.rfind(',') && digitsOnly(body.substr(0, comma)) &&
            digitsOnly(body.substr(comma + 1)))
            w.asDecimal =
                sign + std::string(body.substr(0, comma)) + '.' + std::string(body.substr(comma + 1)) + exponent;
        if (thousandsGroups(integer)) {
            std::string digits;
            for (char c : body)
                if (c != ',') digits += c;
            w.asThousands = sign + digits + exponent;
        }
        if (w.asDecimal.empty() && w.asThousands.empty()) return w;
    }
    w.number = true;
    return w;
}

// Cells split on the separator, each trimmed; a cell in double quotes (CSV)
// is taken whole, its separators and doubled quotes included.
std::vector<std::string> splitCells(std::string_view line, char separator) {
    std::vector<std::string> out;
    std::size_t i = 0;
    while (true) {
        while (i < line.size() && isBlank(line[i]) && line[i] != separator) ++i;
        const std::size_t from = i;
        std::string cell;
        if (i < line.size() && line[i] == '"') {
            for (++i; i < line.size(); ++i) {
                if (line[i] != '"') {
                    cell += line[i];
                } else if (i + 1 < line.size() && line[i + 1] == '"') {
                    cell += '"';
                    ++i;
                } else {
                    ++i;
                    break;
                }
            }
        }
        const std::size_t end = std::min(line.find(separator, i), line.size());
        // Text after the closing quote makes no CSV cell: the cell stays as written.
        if (!trimmed(line.substr(i, end - i)).empty()) cell = line.substr(from, end - from);
        out.emplace_back(trimmed(cell));
        if (end == line.size()) return out;
        i = end + 1;
    }
}

std::vector<std::string_view> piecesOf(std::string_view s) {
    std::vector<std::string_view> out;
    for (std::size_t i = 0; i < s.size();) {
        while (i < s.size() && isBlank(s[i])) ++i;
        const std::size_t from = i;
        while (i < s.size() && !isBlank(s[i])) ++i;
        if (i > from) out.push_back(s.substr(from, i - from));
    }
    return out;
}

bool namesFreqAndPsd(std::string_view line) {
    const std::string l = lower(line);
    const bool psd = l.find("psd") != std::string::npos || l.find("/hz") != std::string::npos;
    return psd && l.find("freq") != std::string::npos;
}

bool allNumbers(std::string_view s, char separator) {
    std::size_t count = 0;
    for (const std::string& part : splitCells(s, separator)) {
        if (!written(part).number) return false;
        ++count;
    }
    return count >= 2;
}

// Whether "," parts cells in this text: in a data or header line it stands
// beside a blank, a quote or a letter ("20, 0.01", "Frequency,PSD"), or
// it joins what cannot be one number ("20,0.01").
bool commaSeparates(const std::vector<std::string>& lines) {
    for (const std::string& raw : lines) {
        const std::string_view line = trimmed(raw);
        if (has(line, '\t') || has(line, ';') || !has(line, ',')) continue;
        const char c = line[0];
        const bool data = isDigit(c) || c == '+' || c == '-' || c == '.' || c == '"';
        if (!data && !namesFreqAndPsd(line)) continue;
        for (std::size_t k = line.find(','); k != std::string_view::npos; k = line.find(',', k + 1))
            if (k == 0 || k + 1 == line.size() || !isDigit(line[k - 1]) || !isDigit(line[k + 1])) return true;
        if (data && line.find(' ') == std::string_view::npos && !written(line).number && allNumbers(line, ','))
            return true;
    }
    return false;
}

// Tokens of one piece: a number, a band written without blanks ("80-350",
// "20Hz-80Hz"), a dash, a unit word joined to the number before it, or a word.
void tokenize(std::string_view piece, std::size_t cell, Line& line,
              std::vector<std::pair<std::size_t, Written>>& numbers) {
    if (piece.size() >= 2 && piece.front() == '"' && piece.back() == '"') piece = piece.substr(1, piece.size() - 2);
    auto push = [&](Token::Kind kind, std::string_view text) {
        Token t;
        t.kind = kind;
        t.text = text;
        t.cell = cell;
        line.tokens.push_back(std::move(t));
    };
    auto number = [&](std::string_view text, Written w) {
        push(Token::Kind::Number, text);
        numbers.emplace_back(line.tokens.size() - 1, std::move(w));
    };
    const UnitWord* unit = unitWord(piece);
    if (unit && !numbers.empty() && numbers.back().first + 1 == line.tokens.size() && !numbers.back().second.unit &&
        line.tokens.back().cell == cell) {
        numbers.back().second.unit = unit;
        line.tokens.back().text += ' ' + std::string(piece);
        return;
    }
    if (piece == "-" || lower(piece) == "to") return push(Token::Kind::Dash, piece);
    if (Written w = written(piece); w.number) return number(piece, std::move(w));
    for (std::size_t at = piece.find('-', 1); at != std::string_view::npos; at = piece.find('-', at + 1)) {
        Written low = written(piece.substr(0, at)), high = written(piece.substr(at + 1));
        if (!low.number || (!high.number && at + 1 < piece.size())) continue;
        number(piece.substr(0, at), std::move(low));
        push(Token::Kind::Dash, "-");
        if (at + 1 < piece.size()) number(piece.substr(at + 1), std::move(high));
        return;
    }
    push(Token::Kind::Word, piece);
    // A word that a number was meant to be: "l00", "1.2.3", "NaN".
    const std::string l = lower(piece);
    const bool digit = piece.find_first_of("0123456789") != std::string_view::npos;
    if (!unit && (digit || line.tokens.back().numberLike() || l == "nan" || l == "inf" || l == "infinity"))
        line.tokens.back().problem = "is not a number";
}

double halfUnit(const std::string& plain) {
    const std::size_t e = plain.find_first_of("eE"), dot = plain.find('.');
    long exponent = 0;
    if (e != std::string::npos) {
        const char* from = plain.data() + e + 1 + (plain[e + 1] == '+' ? 1 : 0);
        if (std::from_chars(from, plain.data() + plain.size(), exponent).ec != std::errc{}) exponent = 0;
    }
    const long decimals = dot == std::string::npos ? 0 : static_cast<long>(std::min(e, plain.size()) - dot - 1);
    return 0.5 * std::pow(10.0, static_cast<double>(exponent - decimals));
}

std::string shortest(double v) {
    char buf[32];
    return std::string(buf, std::to_chars(buf, buf + sizeof buf, v).ptr);
}

} // namespace

bool Token::numberLike() const {
    std::size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
    if (i < text.size() && text[i] == '.') ++i;
    return i < text.size() && isDigit(text[i]);
}

std::vector<const Token*> Line::inCell(std::size_t cell) const {
    std::vector<const Token*> out;
    for (const Token& t : tokens)
        if (t.cell == cell) out.push_back(&t);
    return out;
}

std::string message(const Line& line, const std::string& reason) {
    if (reason.rfind(line.shown + ' ', 0) == 0) return reason;
    return line.shown + ": " + reason;
}

std::string lower(std::string_view s) {
    std::string out(s);
    for (char& c : out)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return out;
}

std::vector<Line> linesOf(std::string_view text) {
    if (text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);
    std::vector<std::string> texts;
    for (std::size_t from = 0; from <= text.size();) {
        std::size_t end = text.find_first_of("\r\n", from);
        if (end == std::string_view::npos) end = text.size();
        texts.push_back(normalized(text.substr(from, end - from)));
        from = end + (text.substr(end, 2) == "\r\n" ? 2 : 1);
    }
    const bool commas = commaSeparates(texts);

    std::vector<Line> lines(texts.size());
    std::vector<std::pair<Token*, Written>> numbers;
    for (std::size_t n = 0; n < texts.size(); ++n) {
        Line& l = lines[n];
        l.number = static_cast<int>(n + 1);
        l.text = texts[n];
        for (std::string_view p : piecesOf(l.text)) {
            if (!l.shown.empty()) l.shown += ' ';
            l.shown += p;
        }
        l.separator = has(l.text, '\t') ? '\t' : has(l.text, ';') ? ';' : commas && has(l.text, ',') ? ',' : ' ';
        std::vector<std::pair<std::size_t, Written>> found;
        if (l.separator == ' ') {
            for (std::string_view p : piecesOf(l.text)) {
                if (!unitWord(p) || l.cells.empty()) l.cells.emplace_back();
                l.cells.back() += (l.cells.back().empty() ? "" : " ") + std::string(p);
                tokenize(p, l.cells.size() - 1, l, found);
            }
            const std::string_view t = trimmed(l.text);
            l.commaCouldSeparate = has(t, ',') && !has(t, ' ') && allNumbers(t, ',');
        } else {
            l.cells = splitCells(l.text, l.separator);
            for (std::size_t c = 0; c < l.cells.size(); ++c)
                for (std::string_view p : piecesOf(l.cells[c])) tokenize(p, c, l, found);
        }
        for (auto& [index, w] : found) numbers.emplace_back(&l.tokens[index], std::move(w));
    }

    // Settle the commas over the whole text, then give every number its value.
    bool point = false, decimalComma = false;
    for (const auto& [t, w] : numbers) {
        point = point || has(w.plain, '.') || has(w.asThousands, '.');
        decimalComma = decimalComma || (!w.asDecimal.empty() && w.asThousands.empty());
    }
    for (auto& [t, w] : numbers) {
        if (w.plain.empty()) {
            if (w.asThousands.empty() || (!w.asDecimal.empty() && decimalComma && !point)) {
                w.plain = w.asDecimal;
            } else if (w.asDecimal.empty() || (point && !decimalComma)) {
                w.plain = w.asThousands;
            } else {
                t->kind = Token::Kind::Word;
                t->problem = "has a comma that could be a decimal comma or a thousands separator";
                continue;
            }
        }
        const double scale = w.unit ? w.unit->scale : 1;
        t->unit = w.unit ? w.unit->unit : Unit::None;
        t->value = num::val(w.plain) * scale;
        if (!std::isfinite(t->value)) { // "1e308 kHz"
            t->kind = Token::Kind::Word;
            t->problem = "is not a number";
            continue;
        }
        t->half = halfUnit(w.plain) * scale;
        t->plain = scale == 1 ? w.plain : shortest(t->value);
    }
    return lines;
}

std::vector<std::string> titlesOf(const Line& line) {
    if (line.separator != ' ') return line.cells;
    std::vector<std::string> out;
    const std::string_view t = trimmed(line.text);
    if (t.find("  ") != std::string_view::npos) {
        for (std::size_t i = 0; i < t.size();) {
            const std::size_t end = std::min(t.find("  ", i), t.size());
            out.emplace_back(t.substr(i, end - i));
            i = end;
            while (i < t.size() && isBlank(t[i])) ++i;
        }
        return out;
    }
    for (std::string_view p : piecesOf(t)) {
        if (out.empty() || !(p.front() == '(' || p.front() == '[' || unitWord(p))) out.emplace_back();
        if (!out.back().empty()) out.back() += ' ';
        out.back() += p;
    }
    return out;
}

} // namespace tessomar::profile::words
