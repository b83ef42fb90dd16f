#pragma once

#include <functional>
#include <string>

namespace tessomar::cli {

// Exit codes.
inline constexpr int kDone = 0, kBadInput = 2, kRatingExceeded = 3;

// What is wrong and where: the argument, or the file and line, that says
// it; empty where the command line as a whole does.
struct Error {
    std::string where, what;
};

// The one line an error is said in, on standard error:
// "tessomar-calc: WHERE: WHAT".
std::string errorLine(const Error& error);

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

// A refused run: its error line and nothing else.
Outcome refused(const Error& error);

} // namespace tessomar::cli
