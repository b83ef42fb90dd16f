#include "cli/operands.h"

#include "cli/args.h"

#include <algorithm>
#include <cmath>

namespace tessomar::cli {

char upper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

namespace {

bool sameCaseless(std::string_view a, std::string_view b) {
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) { return upper(x) == upper(y); });
}

// "rate=, time= or sweeps=".
std::string keyList(const std::vector<const char*>& keys) {
    std::string out;
    for (std::size_t i = 0; i < keys.size(); ++i)
        out += (i == 0 ? "" : i + 1 == keys.size() ? " or " : ", ") + std::string(keys[i]) + "=";
    return out;
}

// What follows a frequency: nothing, or "Hz".
std::string_view afterHz(std::string_view s) { return sameCaseless(s.substr(0, 2), "Hz") ? s.substr(2) : s; }

} // namespace

const UnitRow* findUnit(const std::vector<UnitRow>& units, std::string_view given) {
    for (const UnitRow& u : units)
        if (sameCaseless(u.name, given)) return &u;
    return nullptr;
}

std::string unitList(const std::vector<UnitRow>& units) {
    std::vector<std::string> names;
    for (const UnitRow& u : units) names.push_back(*u.name ? u.name : "none");
    if (names.front() == "none") std::rotate(names.begin(), names.begin() + 1, names.end());
    std::string out;
    for (std::size_t i = 0; i < names.size(); ++i)
        out += (i == 0 ? "" : i + 1 == names.size() ? " or " : ", ") + names[i];
    return out;
}

std::optional<Value> readValue(const std::string& word, std::string_view text, const std::vector<UnitRow>& units,
                               std::string& what) {
    const auto n = splitNumber(text);
    if (!n) return what = word + ": not a number", std::nullopt;
    const UnitRow* unit = findUnit(units, n->unit);
    if (!unit && n->unit.empty()) return what = word + ": give its unit, " + unitList(units), std::nullopt;
    if (!unit) return what = word + ": unknown unit (" + unitList(units) + ")", std::nullopt;
    if (!(n->value > 0)) return what = word + ": give a value above 0", std::nullopt;
    if (!std::isfinite(n->value / unit->perBase)) return what = word + ": beyond the range of a double", std::nullopt;
    return Value{n->value / unit->perBase, unit};
}

std::optional<Operands> readOperands(const std::vector<std::string>& words, const std::vector<const char*>& keys,
                                     std::string& what) {
    Operands out;
    for (const std::string& word : words) {
        const std::size_t eq = word.find('=');
        if (eq == std::string::npos) {
            if (!out.range.empty()) return what = "one range only, " + word + " is one too many", std::nullopt;
            out.range = word;
            continue;
        }
        const std::string given = word.substr(0, eq);
        const auto key = std::find_if(keys.begin(), keys.end(), [&](const char* k) { return sameCaseless(k, given); });
        if (key == keys.end()) return what = "unknown parameter " + word + " (" + keyList(keys) + ")", std::nullopt;
        if (find(out, *key)) return what = std::string(*key) + " given twice", std::nullopt;
        if (eq + 1 == word.size()) return what = word + ": missing value", std::nullopt;
        out.parameters.push_back({word, *key, word.substr(eq + 1)});
    }
    return out;
}

const Parameter* find(const Operands& operands, std::string_view key) {
    for (const Parameter& p : operands.parameters)
        if (p.key == key) return &p;
    return nullptr;
}

std::optional<Range> readRange(const std::string& word, std::string& what) {
    what = word + ": give the range as FROM-TO in Hz, as 10-1000 or 10-1000Hz";
    const auto from = splitNumber(word);
    if (!from) return std::nullopt;
    std::string_view rest = afterHz(from->unit);
    // A plain hyphen, or the en or em dash of a document.
    std::size_t dash = rest.starts_with('-') ? 1 : 0;
    for (const char* d : {"\xE2\x80\x93", "\xE2\x80\x94"})
        if (rest.starts_with(d)) dash = 3;
    if (dash == 0) return std::nullopt;
    const auto to = splitNumber(rest.substr(dash));
    if (!to || !afterHz(to->unit).empty()) return std::nullopt;
    what.clear();
    return Range{from->value, to->value};
}

} // namespace tessomar::cli
