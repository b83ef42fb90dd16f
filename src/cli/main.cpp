// tessomar-calc: the window's calculators for scripts. Everything is worked
// out first; only then is anything written, so a refused run prints one line
// on standard error and nothing else.
#include "cli/run.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

// A profile of 50 break points is a few kilobytes, even with a header and
// notes: what passes this is no profile, and is not read into memory whole.
constexpr std::size_t kMaxProfile = 64 * 1024;

bool readFile(const std::string& path, std::string& text) {
    const bool standardInput = path == "-";
    std::FILE* in = standardInput ? stdin : std::fopen(path.c_str(), "rb");
    if (!in) return text = std::string("cannot read: ") + std::strerror(errno), false;
    text.assign(kMaxProfile + 1, '\0');
    const std::size_t n = std::fread(text.data(), 1, text.size(), in);
    const bool failed = std::ferror(in);
    const int error = errno;
    if (!standardInput) std::fclose(in);
    text.resize(n);
    if (failed) return text = std::string("cannot read: ") + std::strerror(error), false;
    if (n > kMaxProfile) return text = "more than 64 KiB, no profile of at most 50 break points", false;
    return true;
}

// The plot goes to a new file beside its name and is renamed over it only
// once written whole: a full disk leaves the old plot, not half a new one.
bool writeWhole(const std::string& path, const std::string& data, std::string& error) {
    std::vector<char> temp(path.begin(), path.end());
    for (char c : std::string(".XXXXXX")) temp.push_back(c);
    temp.push_back('\0');
    const int fd = mkstemp(temp.data());
    if (fd < 0) return error = std::strerror(errno), false;
    const mode_t mask = umask(0);
    umask(mask);
    fchmod(fd, 0666 & ~mask); // as any new file, not mkstemp's private 0600
    std::size_t done = 0;
    while (done < data.size()) {
        const ssize_t n = write(fd, data.data() + done, data.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) break;
        done += static_cast<std::size_t>(n);
    }
    const int writeError = errno;
    const bool closed = close(fd) == 0;
    if (done == data.size() && closed && std::rename(temp.data(), path.c_str()) == 0) return true;
    error = std::strerror(done < data.size() ? writeError : errno);
    unlink(temp.data());
    return false;
}

bool writeOut(const std::string& data) {
    return std::fwrite(data.data(), 1, data.size(), stdout) == data.size() && std::fflush(stdout) == 0;
}

} // namespace

int main(int argc, char** argv) {
    using namespace tessomar::cli;
    const std::vector<std::string> args(argv + 1, argv + argc);
    const Outcome o = run(args, readFile);
    std::string error;
    if (!o.plotPath.empty() && !writeWhole(o.plotPath, o.plot, error)) {
        std::fputs(errorLine({o.plotPath, "cannot write the plot: " + error}).c_str(), stderr);
        return kBadInput;
    }
    std::fputs(o.err.c_str(), stderr);
    if (!writeOut(o.out)) {
        const std::string reason = std::strerror(errno);
        std::fputs(errorLine({"", "cannot write to standard output: " + reason}).c_str(), stderr);
        return kBadInput;
    }
    return o.code;
}
