// Runs the first-frame probe on a program whose first frame comes at a known
// moment, on the X display in $DISPLAY (scripts/bench provides one).
#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <regex>
#include <string>
#include <csignal>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

struct Measured {
    double mappedMs;
    double paintedMs;
};

struct ProbeOutput {
    int status = -1;
    std::string text;
    std::vector<Measured> runs;
};

ProbeOutput probe(int lateMs) {
    const std::string cmd = "LATE_PAINT_MS=" + std::to_string(lateMs) +
                            " " FIRST_FRAME " --runs 1 --warmup 0 --settle 20 --timeout 1500 " LATE_PAINTER
                            " " LATE_PAINTER " 2>&1";
    ProbeOutput out;
    FILE* pipe = popen(cmd.c_str(), "r");
    if (!pipe) return out;
    std::array<char, 512> buf{};
    while (fgets(buf.data(), buf.size(), pipe)) out.text += buf.data();
    const int rc = pclose(pipe);
    out.status = WIFEXITED(rc) ? WEXITSTATUS(rc) : -1;
    const std::regex line(R"((?:^|\n)run +[0-9]+ .* mapped +([0-9.]+) ms +first frame +([0-9.]+) ms)");
    for (std::sregex_iterator it(out.text.begin(), out.text.end(), line), end; it != end; ++it)
        out.runs.push_back({std::stod((*it)[1]), std::stod((*it)[2])});
    return out;
}

class FirstFrameProbeTest : public testing::TestWithParam<int> {
protected:
    void SetUp() override {
        if (!std::getenv("DISPLAY")) GTEST_SKIP() << "needs an X display";
    }
};

TEST_P(FirstFrameProbeTest, NeverSeesTheFrameBeforeItIsPainted) {
    const int lateMs = GetParam();
    const ProbeOutput out = probe(lateMs);
    ASSERT_EQ(out.status, 0) << out.text;
    ASSERT_EQ(out.runs.size(), 2u) << out.text; // the program and the floor, once each
    for (const Measured& m : out.runs) {
        EXPECT_GT(m.mappedMs, 0) << out.text;
        EXPECT_GE(m.paintedMs - m.mappedMs, lateMs) << out.text;
    }
}

INSTANTIATE_TEST_SUITE_P(PaintDelays, FirstFrameProbeTest, testing::Values(0, 100, 300),
                         [](const auto& info) { return "After" + std::to_string(info.param) + "ms"; });

TEST(FirstFrameProbe, WindowThatNeverPaintsIsAFailureNotAFigure) {
    if (!std::getenv("DISPLAY")) GTEST_SKIP() << "needs an X display";
    const ProbeOutput out = probe(-1);
    EXPECT_EQ(out.status, 1) << out.text;
    EXPECT_TRUE(out.runs.empty()) << out.text;
    EXPECT_NE(out.text.find("window never painted"), std::string::npos) << out.text;
}

// A painted window already on the display would show through the measured
// one and pass for its first frame.
TEST(FirstFrameProbe, WindowAlreadyShownIsAFailureNotAFigure) {
    if (!std::getenv("DISPLAY")) GTEST_SKIP() << "needs an X display";
    const pid_t other = fork();
    ASSERT_GE(other, 0);
    if (other == 0) {
        setenv("LATE_PAINT_MS", "0", 1);
        execl(LATE_PAINTER, LATE_PAINTER, static_cast<char*>(nullptr));
        _exit(127);
    }
    ProbeOutput out; // until the other window is up
    for (int i = 0; i < 50 && out.text.find("another window") == std::string::npos; ++i) out = probe(0);
    kill(other, SIGTERM);
    waitpid(other, nullptr, 0);
    EXPECT_EQ(out.status, 1) << out.text;
    EXPECT_TRUE(out.runs.empty()) << out.text;
    EXPECT_NE(out.text.find("another window is shown"), std::string::npos) << out.text;
}

} // namespace
