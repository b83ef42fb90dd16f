#pragma once

#include "calc/profile_words.h"

#include <optional>
#include <string>

// What one line of profile text says: a point, a level band or a slope band,
// read from its words alone or from the columns a header placed.
namespace tessomar::profile::lines {

// A number of the text and how far its written digits let it be off.
struct Num {
    double value = 0, half = 0;
    words::Unit unit = words::Unit::None;
    std::string plain, text;
};

struct Meaning {
    enum class Kind { Point, LevelBand, SlopeBand };
    Kind kind = Kind::Point;
    Num f1, f2, level; // a point has f1 and level
};

// A point ("20 0.01", "20 Hz 0.01 g²/Hz"), a level band ("80-350 Hz 0.04",
// "80 to 350 Hz 0.04") or a slope band ("20-80 Hz +3 dB/oct"), or why the
// line is none. Words may stand beside the numbers only where a "Hz" tells
// which is the frequency.
std::optional<Meaning> meaningOf(const words::Line& line, std::string& error);

// Where a header line puts the frequency and the PSD.
struct Columns {
    char separator;
    std::size_t freq, psd;
};
std::optional<Columns> columnsOf(const words::Line& header);

// A row under such a header: the two numbers in their columns, whatever the
// other cells hold. No meaning and no error: the row is not one of the
// table's (a band, a line of words, another separator).
std::optional<Meaning> byColumns(const words::Line& line, const Columns& columns, std::string& error);

// The lines that the copy-out and the command line's report end with:
// results, the shaker's table, notes on segments left out.
bool isResultLine(const words::Line& line);

} // namespace tessomar::profile::lines
