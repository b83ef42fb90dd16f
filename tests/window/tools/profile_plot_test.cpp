// The Profile plot's presenter on a started window: what it draws and says
// as the user changes the table, the level and the bands, and its saving.
#include "calc/chart.h"
#include "frame/tessomar.h"
#include "tools/profile_plot.h"
#include "tools/tool_fixtures.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include <unistd.h>

namespace {

using tessomar::tools::ProfilePlot;
using tessomar::tools::Screen;

// A flat 0.01 g²/Hz from 20 to 2000 Hz: sqrt(0.01 · 1980) = 4.4497 g rms.
const std::string kFlat = "20 0.01\n2000 0.01\n";

std::vector<std::pair<double, double>> pointsOf(const tessomar::chart::Series& s) {
    std::vector<std::pair<double, double>> out;
    for (const auto& p : s.points) out.emplace_back(p.x, p.y);
    return out;
}

TEST(ProfilePlot, DrawsTheTableAsItChangesAndSaysWhatItShows) {
    Screen s(true);
    ProfilePlot plot(s.w);
    EXPECT_EQ(plot.description(), "0 break points, 0.00 g rms");
    EXPECT_EQ(plot.title(), "Tessomar \xE2\x80\x94 Profile plot");

    // Typed as a user does: the published four-point profile of the README.
    for (const char* v : {"20", "0.01", "80", "0.04", "350", "0.04", "2000", "0.007"}) {
        for (const char* c = v; *c; ++c) s.w.keyPress(*c);
        s.w.keyPress('\r');
    }
    EXPECT_TRUE(plot.follow());
    EXPECT_EQ(plot.description(), "4 break points, 6.06 g rms");
    EXPECT_EQ(plot.chart().title, "Acceleration PSD, 6.06 g rms");
    ASSERT_EQ(plot.chart().series.size(), 1u);
    EXPECT_EQ(pointsOf(plot.chart().series[0]),
              (std::vector<std::pair<double, double>>{{20, 0.01f}, {80, 0.04f}, {350, 0.04f}, {2000, 0.007f}}));
    EXPECT_FALSE(plot.follow()); // nothing changed

    s.w.click(s.w.B[1]);
    s.w.click(s.w.DelBut);
    EXPECT_TRUE(plot.follow());
    EXPECT_EQ(plot.points(), 3);
    s.w.click(s.w.ClearBut);
    EXPECT_TRUE(plot.follow());
    EXPECT_EQ(plot.description(), "0 break points, 0.00 g rms");
    s.w.click(s.w.F[0]);
    s.w.pasteKey(kFlat);
    EXPECT_TRUE(plot.follow());
    EXPECT_EQ(plot.description(), "2 break points, 4.45 g rms");
    // A level changed where the frequencies stay is a change too.
    s.w.click(s.w.A[0]);
    for (char c : std::string("0.02\r")) s.w.keyPress(c);
    EXPECT_TRUE(plot.follow());
    EXPECT_EQ(pointsOf(plot.chart().series[0]).front(), (std::pair<double, double>{20, 0.02f}));
}

struct LevelCase {
    double db;
    const char* description;
    const char* title;
    double psd; // of each point: 0.01 · 10^(dB/10)
};

TEST(ProfilePlot, ALevelScalesTheDrawingAndItsGrmsNotTheTable) {
    const LevelCase cases[] = {
        {-3, "2 break points at -3.0 dB, 3.15 g rms", "Acceleration PSD at -3.0 dB, 3.15 g rms", 0.0050119},
        {6, "2 break points at +6.0 dB, 8.88 g rms", "Acceleration PSD at +6.0 dB, 8.88 g rms", 0.0398107},
        {0, "2 break points, 4.45 g rms", "Acceleration PSD, 4.45 g rms", 0.01},
        {35, "2 break points at +20.0 dB, 44.50 g rms", "Acceleration PSD at +20.0 dB, 44.50 g rms", 1},
    };
    for (const LevelCase& c : cases) {
        Screen s(true);
        s.w.pasteKey(kFlat);
        ProfilePlot plot(s.w);
        plot.setLevel(c.db);
        EXPECT_EQ(plot.description(), c.description);
        EXPECT_EQ(plot.chart().title, c.title);
        for (const auto& [f, psd] : pointsOf(plot.chart().series[0])) EXPECT_NEAR(psd, c.psd, c.psd * 1e-5) << f;
        EXPECT_EQ(s.w.fs.BkPsd[1], 0.01f);
        EXPECT_EQ(s.w.Acceleration.Text(), "4.45");
    }
}

TEST(ProfilePlot, ToleranceBandsAreDashedLinesAroundTheProfileInTheLegend) {
    Screen s(true);
    s.w.pasteKey(kFlat);
    ProfilePlot plot(s.w);
    EXPECT_FALSE(plot.chart().hasLegend());
    plot.setBand(ProfilePlot::kAlarm, true);
    plot.setBand(ProfilePlot::kAbort, true);
    plot.setLevel(-3);
    // Each band a line above and below the profile drawn, 10^(±dB/10) from it.
    const struct {
        const char* name;
        double psd;
    } want[] = {{"Profile", 0.0050119},
                {"Alarm \xC2\xB1"
                 "3 dB",
                 0.01},
                {"", 0.0025119},
                {"Abort \xC2\xB1"
                 "6 dB",
                 0.019953},
                {"", 0.0012589}};
    const auto& series = plot.chart().series;
    ASSERT_EQ(series.size(), std::size(want));
    for (std::size_t i = 0; i < series.size(); ++i) {
        EXPECT_EQ(series[i].name, want[i].name);
        EXPECT_EQ(series[i].dashed, i > 0);
        for (const auto& [f, psd] : pointsOf(series[i])) EXPECT_NEAR(psd, want[i].psd, want[i].psd * 1e-4) << i;
    }
    EXPECT_TRUE(plot.chart().hasLegend());
    EXPECT_EQ(plot.chart().y.low, -3); // the lowest line, 0.0013, stays inside the axis
    plot.setBand(ProfilePlot::kAlarm, false);
    EXPECT_EQ(plot.chart().series.size(), 3u);
}

TEST(ProfilePlot, SavesTheDrawingWholeOrSaysWhyNot) {
    Screen s(true);
    s.w.pasteKey(kFlat);
    ProfilePlot plot(s.w);
    const auto dir = std::filesystem::temp_directory_path() / ("tessomar-plot-" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    const std::string path = (dir / "p.svg").string();
    const std::string missing = (dir / "no" / "p.svg").string();
    EXPECT_FALSE(plot.save(missing));
    EXPECT_EQ(plot.status(), "Could not save " + missing + ": No such file or directory");
    // Written but not put in place: what stood there stays, and no part is left.
    std::filesystem::create_directories(dir / "taken" / "x");
    EXPECT_FALSE(plot.save((dir / "taken").string()));
    EXPECT_EQ(plot.status(), "Could not save " + (dir / "taken").string() + ": Is a directory");
    EXPECT_TRUE(std::filesystem::exists(dir / "taken" / "x"));
    std::filesystem::remove_all(dir / "taken");

    EXPECT_TRUE(plot.save(path));
    EXPECT_EQ(plot.status(), "Saved " + path);
    std::stringstream svg;
    svg << std::ifstream(path).rdbuf();
    EXPECT_TRUE(svg.str().starts_with("<?xml")) << svg.str();
    EXPECT_NE(svg.str().find(">Acceleration PSD, 4.45 g rms</text>"), std::string::npos);
    EXPECT_TRUE(svg.str().ends_with("</svg>\n"));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir), {}), 1); // nothing left beside it
    std::filesystem::remove_all(dir);
}

} // namespace
