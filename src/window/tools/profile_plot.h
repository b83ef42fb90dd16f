#pragma once

#include "calc/chart.h"
#include "tools/tool.h"

#include <string>

namespace tessomar::tools {

// The main window's break-point table drawn log-log, as the command line
// draws a profile: optionally at a level in dB (the table unchanged) and with
// the ±3 dB alarm and ±6 dB abort lines around it.
class ProfilePlot : public Tool {
public:
    explicit ProfilePlot(const Tessomar& main);
    std::string title() const override;

    static constexpr double kMinLevel = -20, kMaxLevel = 20; // dB
    void setLevel(double db);                                // clamped to the range above
    double level() const { return m_level; }
    enum Band { kAlarm, kAbort };
    void setBand(Band band, bool shown);
    bool band(Band b) const { return m_bands[b]; }

    const chart::Chart& chart() const { return m_chart; }
    int points() const { return static_cast<int>(profile().rows.size()); }
    // What a reader hears for the plot: "4 break points, 6.06 g rms".
    std::string description() const;

    // Writes the chart as SVG, whole or not at all (a file already there
    // stays as it was when the write fails); status() then says where it
    // went, or why not.
    bool save(const std::string& path);
    const std::string& status() const { return m_status; }

protected:
    void update() override;

private:
    double m_level = 0;
    bool m_bands[2] = {false, false};
    std::string m_grms; // of the profile drawn, as the window shows g rms
    chart::Chart m_chart;
    std::string m_status;
};

} // namespace tessomar::tools
