// The manual page and the bash completion against the table of commands the
// usage is made from: each command's synopsis, the options, and what the
// completion offers.
#include "cli/args.h"
#include "cli/commands.h"

#include <gtest/gtest.h>

#include <fstream>
#include <regex>
#include <sstream>

namespace {

using namespace tessomar::cli;

std::string source(const std::string& path) {
    std::ifstream in(std::string(TESSOMAR_SOURCE_DIR) + "/" + path);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

// A roff line as it reads: a font macro's arguments (quoted ones whole)
// joined, alternating macros (.BR, .IR, ...) without blanks; escapes of
// hyphens and fonts dropped.
std::string plain(const std::string& line) {
    std::string text = std::regex_replace(line, std::regex(R"(\\f[BIPR])"), "");
    text = std::regex_replace(text, std::regex(R"(\\-)"), "-");
    std::smatch m;
    if (!std::regex_match(text, m, std::regex(R"(\.([BIR]{1,2}) ?(.*))"))) return text;
    const bool alternating = m[1].length() == 2;
    std::string out;
    const std::regex arg(R"x("([^"]*)"|(\S+))x");
    const std::string args = m[2];
    for (auto it = std::sregex_iterator(args.begin(), args.end(), arg); it != std::sregex_iterator(); ++it)
        out += (out.empty() || alternating ? "" : " ") + std::string((*it)[1].matched ? (*it)[1] : (*it)[2]);
    return out;
}

// The lines of a section of the manual page, up to the next.
std::vector<std::string> section(const std::string& name) {
    std::istringstream in(source("data/tessomar-calc.1"));
    std::vector<std::string> lines;
    bool inside = false;
    for (std::string line; std::getline(in, line);) {
        if (line.rfind(".SH ", 0) == 0)
            inside = line == ".SH " + name;
        else if (inside)
            lines.push_back(line);
    }
    return lines;
}

// --help gives each command's synopsis on lines of its own, the later ones
// under the first option, and no line passes 80 columns.
TEST(Usage, GivesEachCommandsSynopsisAlignedWithinEightyColumns) {
    std::istringstream in(usage());
    std::vector<std::string> synopses;
    std::size_t column = 0;
    for (std::string line; std::getline(in, line) && !line.empty();) {
        EXPECT_LE(line.size(), 80u) << line;
        const std::size_t program = line.find("tessomar-calc");
        if (program != std::string::npos) {
            synopses.push_back(line.substr(program));
            column = line.find('[');
            continue;
        }
        EXPECT_EQ(line.find_first_not_of(' '), column) << line;
        synopses.back() += line.substr(column - 1);
    }
    ASSERT_EQ(synopses.size(), commands().size());
    for (std::size_t i = 0; i < commands().size(); ++i)
        EXPECT_EQ(synopses[i], "tessomar-calc " + synopsis(commands()[i]));
}

TEST(Manual, GivesEachCommandsSynopsis) {
    std::vector<std::string> synopses(1);
    for (const std::string& line : section("SYNOPSIS")) {
        if (line == ".br")
            synopses.emplace_back();
        else
            synopses.back() += (synopses.back().empty() ? "" : " ") + plain(line);
    }
    std::vector<std::string> want;
    for (const CommandRow& c : commands()) want.push_back("tessomar-calc " + synopsis(c));
    EXPECT_EQ(synopses, want);
}

TEST(Manual, DescribesEachOption) {
    std::vector<std::string> labels, want;
    const std::vector<std::string> lines = section("OPTIONS");
    for (std::size_t i = 0; i + 1 < lines.size(); ++i)
        if (lines[i] == ".TP") labels.push_back(plain(lines[i + 1]));
    for (const OptionRow& o : options()) want.push_back(o.name + std::string(*o.value ? " " : "") + o.value);
    want.push_back("-h, --help");
    EXPECT_EQ(labels, want);
}

// The completion's word lists in the order they stand: the commands, then
// for each command its pulse shapes and its parameters (letters, then keys).
TEST(Completion, OffersTheCommandsOptionsParametersAndRatings) {
    const std::string script = source("data/completion/tessomar-calc");
    const auto words = [&](const std::string& pattern) {
        std::vector<std::string> out;
        const std::regex re(pattern);
        for (auto it = std::sregex_iterator(script.begin(), script.end(), re); it != std::sregex_iterator(); ++it)
            out.push_back((*it)[1]);
        return out;
    };
    std::vector<std::string> lists{""}, valued;
    std::string all;
    for (const CommandRow& c : commands()) lists[0] += (lists[0].empty() ? "" : " ") + std::string(c.name);
    for (const CommandRow& c : commands()) {
        std::string shapes, letters;
        for (const char* s : c.shapes) shapes += (shapes.empty() ? "" : " ") + std::string(s);
        for (const char* l = c.letters; *l; ++l) letters += (letters.empty() ? "" : " ") + std::string(1, *l) + "=";
        for (const char* k : c.keys) letters += (letters.empty() ? "" : " ") + std::string(k) + "=";
        for (const std::string& list : {shapes, letters})
            if (!list.empty()) lists.push_back(list);
    }
    EXPECT_EQ(words(R"(compgen -W '([^']*)')"), lists);
    for (const OptionRow& o : options()) {
        all += o.name + std::string(" ");
        if (*o.value) valued.push_back(o.name);
    }
    EXPECT_EQ(words(R"(_tessomar_calc_options='([^']*)')"), std::vector<std::string>{all + "--help"});
    std::string joined;
    for (const std::string& v : valued) joined += (joined.empty() ? "" : " | ") + v;
    EXPECT_EQ(words(R"(\n\s*(--[a-z| -]+)\) \(\(i\+\+\)\))"), std::vector<std::string>{joined});
    std::string ratings;
    for (const std::string& k : ratingKeys()) ratings += (ratings.empty() ? "" : " ") + k;
    EXPECT_EQ(words(R"(_tessomar_calc_ratings='([^']*)')"), std::vector<std::string>{ratings});
}

} // namespace
