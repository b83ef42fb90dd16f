#include "frame/numbers.h"
#include "random/profile.h"

namespace tessomar::profile {

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f'; }

std::string_view trimmed(std::string_view s) {
    while (!s.empty() && isBlank(s.front())) s.remove_prefix(1);
    while (!s.empty() && isBlank(s.back())) s.remove_suffix(1);
    return s;
}

std::vector<std::string_view> contentLines(std::string_view text, std::vector<int>& numbers) {
    std::vector<std::string_view> out;
    int lineNo = 0;
    for (std::size_t from = 0; from <= text.size();) {
        std::size_t end = text.find_first_of("\r\n", from);
        if (end == std::string_view::npos) end = text.size();
        ++lineNo;
        if (!trimmed(text.substr(from, end - from)).empty()) {
            out.push_back(text.substr(from, end - from));
            numbers.push_back(lineNo);
        }
        from = end + (text.substr(end, 2) == "\r\n" ? 2 : 1);
    }
    return out;
}

Paste refused(std::string error, int line) {
    Paste p;
    p.kind = Paste::Kind::Refused;
    p.error = std::move(error);
    p.errorLine = line;
    return p;
}

// One number and nothing else: "0.01", "-3", "0,01".
Paste singleValue(std::string_view line, int lineNo) {
    const std::string_view t = trimmed(line);
    std::string text(t);
    const std::size_t comma = text.find(',');
    if (comma != std::string::npos && comma > 0 && text.find(',', comma + 1) == std::string::npos &&
        text.find('.') == std::string::npos && text.size() - comma - 1 != 3)
        text[comma] = '.';
    const std::size_t n = num::plainNumberLength(text);
    if (n == 0 || n != text.size()) return refused(std::string(t) + ": not one number", lineNo);
    Paste p;
    p.kind = Paste::Kind::Value;
    p.value = text;
    return p;
}

Paste fromProfile(std::string_view text) {
    const Profile read = profile::read(text);
    if (!read.ok()) return refused(read.error, read.errorLine);
    Paste p;
    p.kind = Paste::Kind::Points;
    p.points = read.points;
    return p;
}

// The copy-out, restored entry for entry: "NN\tfreq\tpsd\t..." rows, then
// the result lines, which start with a word.
Paste verbatim(const std::vector<std::string_view>& lines, const std::vector<int>& numbers) {
    Paste p;
    p.kind = Paste::Kind::Points;
    p.verbatim = true;
    for (std::size_t i = 1; i < lines.size(); ++i) {
        std::vector<std::string_view> cells;
        std::string_view rest = lines[i];
        for (std::size_t at; (at = rest.find('\t')) != std::string_view::npos; rest.remove_prefix(at + 1))
            cells.push_back(rest.substr(0, at));
        cells.push_back(trimmed(rest));
        const auto whole = [](std::string_view t) { return !t.empty() && num::plainNumberLength(t) == t.size(); };
        if (cells.size() >= 3 && whole(cells[0]) && whole(cells[1]) && whole(cells[2])) {
            p.points.push_back({num::val(cells[1]), num::val(cells[2]), numbers[i]});
        } else if (cells[0].empty() || whole(cells[0]) || p.points.empty()) {
            return refused(std::string(trimmed(lines[i])) + ": not a row of the copy", numbers[i]);
        }
    }
    if (p.points.empty()) return refused("no break points", 0);
    return p;
}

} // namespace

Paste readTablePaste(std::string_view text) {
    if (text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);
    std::vector<int> numbers;
    const auto lines = contentLines(text, numbers);
    if (lines.empty()) return {};
    if (trimmed(lines[0]) == kCopyHeader) return verbatim(lines, numbers);
    if (lines.size() >= 2) return fromProfile(text);
    const std::string_view line = trimmed(lines[0]);
    const bool cells = line.find('\t') != std::string_view::npos || line.find(';') != std::string_view::npos;
    if (cells || line.find("Hz") != std::string_view::npos) {
        Paste p = fromProfile(text);
        if (p.kind == Paste::Kind::Points || !cells) return p;
    }
    return singleValue(line, numbers[0]);
}

Paste readFieldPaste(std::string_view text) {
    if (text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);
    std::vector<int> numbers;
    const auto lines = contentLines(text, numbers);
    if (lines.empty()) return {};
    if (lines.size() >= 2) return refused("several lines, not one value", 0);
    return singleValue(lines[0], numbers[0]);
}

} // namespace tessomar::profile
