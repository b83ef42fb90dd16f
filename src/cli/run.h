#pragma once

#include <functional>
#include <string>
#include <vector>

namespace tessomar::cli {

// Exit codes.
inline constexpr int kDone = 0, kBadInput = 2, kRatingExceeded = 3;

// Reads a whole file ("-": standard input) into text; on failure puts the
// reason into text and returns false.
using FileReader = std::function<bool(const std::string& path, std::string& text)>;

// Everything one run produces, built in full before any of it is written:
// standard output is empty when the run failed.
struct Outcome {
    int code = kDone;
    std::string out, err; // err: warnings, or the one line saying what is wrong
    std::string plotPath, plot;
};

Outcome run(const std::vector<std::string>& args, const FileReader& read);

std::string usage();

} // namespace tessomar::cli
