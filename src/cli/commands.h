#pragma once

#include "cli/args.h"
#include "cli/outcome.h"

#include <span>
#include <string>
#include <vector>

// The table of commands and options: what each takes and says, and what runs
// it. The usage and --help are made from it; the manual page's synopsis and
// options and the bash completion are checked against it.
namespace tessomar::cli {

struct CommandRow {
    Command command;
    const char* name;
    const char* operands;             // after the name in the synopsis
    const char* letters;              // the parameters taken as LETTER=VALUE; "" for none
    std::vector<const char*> shapes;  // the words the first operand is one of (shock's pulse shapes)
    std::vector<const char*> summary; // the help's lines
    Outcome (*run)(const Request&, const FileReader&);
    std::vector<const char*> keys{}; // the parameters taken as KEY=VALUE, after the letters
};
std::span<const CommandRow> commands();
const CommandRow* findCommand(std::string_view name);

struct OptionRow {
    const char* name;
    const char* value;    // what follows the name in the help ("N"); "" for a flag
    const char* synopsis; // what follows it in the synopsis
    bool randomOnly;
    std::vector<const char*> help; // the help's lines
    std::vector<Command> only{};   // the commands it applies to, where not every one (or random alone)
};
std::span<const OptionRow> options();
const OptionRow* findOption(std::string_view name);
bool appliesTo(const OptionRow& option, Command command);
// The commands an option applies to: "random", "random and sine-profile".
std::string takers(std::string_view option);

// "sine, shock or random".
std::string commandList();

// A command's line of the synopsis, without the program's name:
// "[--json] [--exact] [--shaker RATINGS] sine PARAM=VALUE PARAM=VALUE".
std::string synopsis(const CommandRow& command);

// The --help text.
std::string usage();

} // namespace tessomar::cli
