#pragma once

#include <string>
#include <string_view>
#include <vector>

// The words of profile text: lines split into cells and tokens, numbers read
// with their units and with the comma settled, before any line is given a
// meaning.
namespace tessomar::profile::words {

enum class Unit { None, Hz, Psd, Slope, Percent };

struct Token {
    enum class Kind { Number, Dash, Word };
    Kind kind = Kind::Word;
    std::string text;        // as written
    double value = 0;        // Number: in Hz where written in kHz
    double half = 0;         // Number: half a unit of its last written digit, on the same scale
    Unit unit = Unit::None;  // Number: the unit written after it
    std::string plain;       // Number: as a box takes it ("0.01" for "0,01", "2000" for "2 kHz")
    std::string problem;     // Word: why a number-like word is no number ("is not a number")
    std::size_t cell = 0;    // which cell of its line
    bool numberLike() const; // starts as a number does ("l00" does not, "2,000" or "1.2.3" do)
};

struct Line {
    int number = 0;
    std::string text;                // document blanks and dashes made plain
    std::string shown;               // blanks squeezed, for messages
    char separator = ' ';            // what splits its cells: '\t', ';', ',' or blanks
    std::vector<std::string> cells;  // blank-separated: a field, its unit word joined to it
    std::vector<Token> tokens;       // all cells' tokens in order; none for a blank line
    bool commaCouldSeparate = false; // "20,5": a decimal comma, or two cells of a CSV row
    std::vector<const Token*> inCell(std::size_t cell) const;
};

// The lines of a text, a byte-order mark at its start left out. The decimal
// comma is settled over the whole text: a comma that can only be a decimal
// comma ("0,01") or a "." decimal point elsewhere tells which a comma in
// "2,000" is; where nothing tells, that word stays a word with its problem.
std::vector<Line> linesOf(std::string_view text);

// Column titles of a header line: its cells, or for blank-aligned text the
// runs that two or more blanks part (a title and its unit in parentheses
// otherwise).
std::vector<std::string> titlesOf(const Line& line);

// A refusal as it is said: the line, then what is wrong with it; a reason
// that starts by naming the whole line ("2,000 has a comma ...") stands alone.
std::string message(const Line& line, const std::string& reason);

std::string lower(std::string_view s);

} // namespace tessomar::profile::words
