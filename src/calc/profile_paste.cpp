#include "calc/profile.h"
#include "calc/profile_words.h"

#include <algorithm>

namespace tessomar::profile {

namespace {

using words::Line;
using words::Token;
using words::Unit;

Paste refused(const Line* line, const std::string& error) {
    Paste p;
    p.kind = Paste::Kind::Refused;
    p.error = line ? words::message(*line, error) : error;
    p.errorLine = line ? line->number : 0;
    return p;
}

// The lines that hold anything, blank ones and empty cells aside.
std::vector<const Line*> filled(const std::vector<Line>& lines) {
    std::vector<const Line*> out;
    for (const Line& l : lines)
        if (!l.tokens.empty()) out.push_back(&l);
    return out;
}

std::size_t count(const Line& l, Token::Kind kind) {
    return static_cast<std::size_t>(
        std::count_if(l.tokens.begin(), l.tokens.end(), [&](const Token& t) { return t.kind == kind; }));
}

// A line that is one number and nothing else, or why it is not.
Paste value(const Line& l, bool table) {
    const Token& t = l.tokens[0];
    if (l.tokens.size() == 1 && t.kind == Token::Kind::Number) {
        if (t.unit == Unit::Percent) return refused(&l, "a percentage, not a value for this box");
        if (t.unit == Unit::Slope || (!table && t.unit == Unit::Psd)) return refused(&l, "not a value for this box");
        Paste p;
        p.kind = Paste::Kind::Value;
        p.value = t.plain;
        return p;
    }
    if (l.tokens.size() == 1 && !t.problem.empty()) return refused(&l, t.text + " " + t.problem);
    const std::size_t numbers = count(l, Token::Kind::Number);
    if (numbers >= 2) return refused(&l, std::to_string(numbers) + " numbers, not one value");
    return refused(&l, "not one value");
}

// The copy-out, restored entry for entry: "NN\tfreq\tpsd\t..." rows, then
// the result lines, which start with a word.
Paste verbatim(const std::vector<const Line*>& lines) {
    Paste p;
    p.kind = Paste::Kind::Points;
    p.verbatim = true;
    bool results = false;
    for (std::size_t i = 1; i < lines.size(); ++i) {
        const Line& l = *lines[i];
        const auto number = [&](std::size_t cell) {
            const auto in = l.inCell(cell);
            return l.separator == '\t' && in.size() == 1 && in[0]->kind == Token::Kind::Number &&
                           in[0]->unit == Unit::None
                       ? in[0]
                       : nullptr;
        };
        const Token *entry = number(0), *freq = number(1), *psd = number(2);
        if (entry && freq && psd && !results) {
            p.points.push_back({freq->value, psd->value, l.number});
        } else if (l.tokens[0].kind == Token::Kind::Word && !l.tokens[0].numberLike()) {
            results = true;
        } else {
            return refused(&l, results ? "a row after the results" : "not a row of the copy");
        }
    }
    if (p.points.empty()) return refused(nullptr, "no break points");
    return p;
}

Paste fromProfile(std::string_view text) {
    const Profile read = profile::read(text);
    Paste p;
    p.kind = read.ok() ? Paste::Kind::Points : Paste::Kind::Refused;
    p.points = read.points;
    p.error = read.error;
    p.errorLine = read.errorLine;
    return p;
}

std::string_view trimmed(std::string_view s) {
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
    return s;
}

} // namespace

Paste readTablePaste(std::string_view text) {
    const std::vector<Line> all = words::linesOf(text);
    const std::vector<const Line*> lines = filled(all);
    if (lines.empty()) return {};
    if (trimmed(lines[0]->text) == kCopyHeader) return verbatim(lines);
    if (lines.size() >= 2) return fromProfile(text);
    // One line: a spreadsheet row of two cells, or numbers with their units,
    // is a point; anything else must be one value.
    const Line& l = *lines[0];
    std::size_t cells = 0;
    for (std::size_t c = 0; c < l.cells.size(); ++c) cells += !l.inCell(c).empty();
    const bool units = std::any_of(l.tokens.begin(), l.tokens.end(), [](const Token& t) {
        return t.kind == Token::Kind::Number && (t.unit == Unit::Hz || t.unit == Unit::Psd);
    });
    if (((l.separator == '\t' || l.separator == ';') && cells >= 2) || (units && l.tokens.size() > 1))
        return fromProfile(text);
    return value(l, true);
}

Paste readFieldPaste(std::string_view text) {
    const std::vector<Line> all = words::linesOf(text);
    const std::vector<const Line*> lines = filled(all);
    if (lines.empty()) return {};
    if (lines.size() >= 2) return refused(lines[1], "a second line; the field takes one value");
    return value(*lines[0], false);
}

} // namespace tessomar::profile
