#include "calc/levels.h"

#include "calc/profile.h"

#include <charconv>
#include <cmath>

namespace tessomar::levels {

namespace {

// "3", "1.5": the shortest text that reads back as the value.
std::string shortest(double value) {
    char buf[32];
    return std::string(buf, std::to_chars(buf, buf + sizeof buf, value).ptr);
}

std::string signedText(double value) { return (value > 0 ? "+" : "") + shortest(value); }

chart::Series line(const std::vector<ExactPoint>& points, double db, chart::Ink ink, std::string name) {
    chart::Series s{std::move(name), ink, true, false, {}};
    const double factor = psdFactor(db);
    for (const ExactPoint& p : points) s.points.push_back({p.freq, p.psd * factor});
    return s;
}

} // namespace

double psdFactor(double db) { return std::pow(10.0, db / 10); }

double dbToReach(double grms, double target) { return 20 * std::log10(target / grms); }

std::vector<ExactPoint> scaled(const std::vector<ExactPoint>& points, double db) {
    const double factor = psdFactor(db);
    std::vector<ExactPoint> out = points;
    for (ExactPoint& p : out) p.psd *= factor;
    return out;
}

std::optional<std::size_t> firstOutsideTable(const std::vector<ExactPoint>& points) {
    for (std::size_t i = 0; i < points.size(); ++i)
        if (!(points[i].psd >= profile::kMinPsd && points[i].psd <= profile::kMaxPsd)) return i;
    return std::nullopt;
}

std::string bandText(const Band& band) {
    if (band.up == -band.down) return "\xC2\xB1" + shortest(band.up) + " dB";
    return signedText(band.up) + "/" + signedText(band.down) + " dB";
}

std::vector<BandLevels> bandLevels(const std::vector<ExactPoint>& points, const Tolerance& t) {
    std::vector<BandLevels> out;
    for (const ExactPoint& p : points) {
        BandLevels b{p.freq, p.psd, p.psd * psdFactor(t.alarm.down), p.psd * psdFactor(t.alarm.up), {}, {}};
        if (t.abort) b.abortLow = p.psd * psdFactor(t.abort->down), b.abortHigh = p.psd * psdFactor(t.abort->up);
        out.push_back(b);
    }
    return out;
}

std::vector<chart::Series> toleranceSeries(const std::vector<ExactPoint>& points, const Tolerance& t) {
    std::vector<chart::Series> out{line(points, t.alarm.up, chart::Ink::Alarm, "Alarm " + bandText(t.alarm)),
                                   line(points, t.alarm.down, chart::Ink::Alarm, "")};
    if (t.abort) {
        out.push_back(line(points, t.abort->up, chart::Ink::Abort, "Abort " + bandText(*t.abort)));
        out.push_back(line(points, t.abort->down, chart::Ink::Abort, ""));
    }
    return out;
}

std::optional<Headroom> highestLevel(const std::vector<shaker::Margin>& margins) {
    std::optional<Headroom> out;
    for (const shaker::Margin& m : margins) {
        if (!(m.demand > 0)) continue;
        const double db = 20 * std::log10(m.rating / m.demand);
        if (!out || db < out->db) out = Headroom{db, m.name};
    }
    return out;
}

double roundedDown(double db) { return std::floor(db * 100) / 100; }

std::string dbText(double db) {
    std::string t = num::format(db, num::Pattern::Fixed2);
    if (t == "-0.00") return "0.00";
    return (db > 0 && t != "0.00" ? "+" : "") + t;
}

} // namespace tessomar::levels
