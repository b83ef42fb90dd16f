#pragma once

#include "calc/shaker.h"

#include <string>
#include <utility>
#include <vector>

// The pieces of the JSON reports. Numbers are the values computed, each in
// the shortest form that reads back to the same bits.
namespace tessomar::cli {

// A JSON string. Bytes that are not UTF-8 (a file name from another
// system) cannot stand in JSON: each becomes U+FFFD, the replacement
// character, so the document stays valid and the loss shows.
std::string quoted(const std::string& s);

// A number, or null for one that is not finite.
std::string number(double value);
std::string number(float value);

// A computed value: without --exact a stored 32-bit value, printed as one.
std::string held(double value, bool exact);

using Members = std::vector<std::pair<std::string, std::string>>;
std::string object(const Members& members);   // on one line
std::string document(const Members& members); // the top level, one member a line
std::string nested(const Members& members);   // a member of the top level, one of its own a line
std::string array(const std::vector<std::string>& items);
std::string strings(const std::vector<std::string>& items);

// A value with the text shown for it and its unit.
std::string field(const std::string& value, const std::string& text, const std::string& unit);

// The members every report ends with: the shaker check and the warnings.
void addShakerAndWarnings(Members& m, const std::vector<shaker::Margin>& margins,
                          const std::vector<std::string>& warnings);

} // namespace tessomar::cli
