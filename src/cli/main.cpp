// tessomar-calc: the window's calculators for scripts. Everything is worked
// out first; only then is anything written, so a refused run prints one line
// on standard error and nothing else.
#include "cli/run.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iostream>

namespace {

bool readFile(const std::string& path, std::string& text) {
    const bool standardInput = path == "-";
    std::FILE* in = standardInput ? stdin : std::fopen(path.c_str(), "rb");
    if (!in) return text = std::string("cannot read: ") + std::strerror(errno), false;
    text.clear();
    char buf[65536];
    for (std::size_t n; (n = std::fread(buf, 1, sizeof buf, in)) > 0;) text.append(buf, n);
    const bool failed = std::ferror(in);
    const int error = errno;
    if (!standardInput) std::fclose(in);
    if (failed) return text = std::string("cannot read: ") + std::strerror(error), false;
    return true;
}

} // namespace

int main(int argc, char** argv) {
    using namespace tessomar::cli;
    const std::vector<std::string> args(argv + 1, argv + argc);
    const Outcome o = run(args, readFile);
    if (!o.plotPath.empty()) {
        std::ofstream svg(o.plotPath, std::ios::binary | std::ios::trunc);
        svg << o.plot;
        svg.close();
        if (!svg) {
            std::cerr << "tessomar-calc: " << o.plotPath << ": cannot write the plot\n";
            return kBadInput;
        }
    }
    std::cerr << o.err;
    std::cout << o.out;
    std::cout.flush();
    return std::cout ? o.code : kBadInput;
}
