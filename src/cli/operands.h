#pragma once

#include "cli/outcome.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The words commands take as operands: numbers with their units, KEY=VALUE
// parameters and a frequency range.
namespace tessomar::cli {

char upper(char c);

// A unit a value may be given in: how many of it make the base unit (in,
// ips, N, kg, ...), and whether it is a Metric one. The empty name is a bare
// number.
struct UnitRow {
    const char* name;
    double perBase;
    bool metric;
};
// Units are matched without regard to case: MM, Hz and hz alike.
const UnitRow* findUnit(const std::vector<UnitRow>& units, std::string_view given);
// "in or mm", "N, kN or lbf"; "or none" where a bare number is taken.
std::string unitList(const std::vector<UnitRow>& units);

// A value given as a number and one of the units, in the base unit; its
// unit, where given; or what is wrong with it (the word is named). A value
// of 0 or below is refused.
struct Value {
    double base = 0;
    const UnitRow* unit = nullptr;
};
std::optional<Value> readValue(const std::string& word, std::string_view text, const std::vector<UnitRow>& units,
                               std::string& what);

// "rate=2oct/min": the key and the text after "=".
struct Parameter {
    std::string word, key, value;
};
// Each KEY=VALUE word of the operands, the key one of keys (matched without
// regard to case, and held as the list writes it), each at most once, and
// at most one word without "=" (the range); or what is wrong.
struct Operands {
    std::vector<Parameter> parameters;
    std::string range; // empty when none was given
};
std::optional<Operands> readOperands(const std::vector<std::string>& words, const std::vector<const char*>& keys,
                                     std::string& what);
const Parameter* find(const Operands& operands, std::string_view key);

// A frequency range as test plans write it: "10-1000", "10-1000Hz",
// "10Hz-1000Hz", with an en dash too. The caller checks its order.
struct Range {
    double from = 0, to = 0;
};
std::optional<Range> readRange(const std::string& word, std::string& what);

} // namespace tessomar::cli
