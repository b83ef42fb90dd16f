#include "cli/plot.h"

#include "cli/random.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace tessomar::cli {

namespace {

// The drawing area inside a 640 × 440 picture, in SVG user units.
constexpr double kWidth = 640, kHeight = 440;
constexpr double kLeft = 90, kRight = 620, kTop = 50, kBottom = 380;

// Coordinates with two decimals and a "." whatever the locale.
std::string at(double v) {
    char buf[32];
    return std::string(buf, std::to_chars(buf, buf + sizeof buf, v, std::chars_format::fixed, 2).ptr);
}

// "0.01", "1", "100": a power of ten as people write it on an axis.
std::string decade(int k) {
    if (k >= 0) return "1" + std::string(static_cast<std::size_t>(k), '0');
    return "0." + std::string(static_cast<std::size_t>(-k - 1), '0') + "1";
}

// Whole decades around the values, at least one. A value a hair off a
// decade, as 0.01 held in 32 bits is, stands on it rather than opening a
// decade of its own.
struct Axis {
    int low = 0, high = 1;
    Axis(double min, double max)
        : low(static_cast<int>(std::floor(std::log10(min) + 1e-6))),
          high(static_cast<int>(std::ceil(std::log10(max) - 1e-6))) {
        if (high <= low) high = low + 1;
    }
    double fraction(double v) const { return (std::log10(v) - low) / (high - low); }
};

std::string line(double x1, double y1, double x2, double y2, const char* cls) {
    return "<line class=\"" + std::string(cls) + "\" x1=\"" + at(x1) + "\" y1=\"" + at(y1) + "\" x2=\"" + at(x2) +
           "\" y2=\"" + at(y2) + "\"/>\n";
}

std::string text(double x, double y, const char* anchor, const std::string& s, const std::string& extra = "") {
    return "<text x=\"" + at(x) + "\" y=\"" + at(y) + "\" text-anchor=\"" + anchor + "\"" + extra + ">" + s +
           "</text>\n";
}

} // namespace

std::string plotSvg(const RandomResult& result) {
    double fMin = 10, fMax = 2000, pMin = 0.001, pMax = 0.1; // an empty profile's frame
    if (!result.rows.empty()) {
        fMin = pMin = HUGE_VAL;
        fMax = pMax = 0;
        for (const PointRow& r : result.rows) {
            fMin = std::min<double>(fMin, r.freq), fMax = std::max<double>(fMax, r.freq);
            pMin = std::min<double>(pMin, r.psd), pMax = std::max<double>(pMax, r.psd);
        }
    }
    const Axis fx(fMin, fMax), py(pMin, pMax);
    auto x = [&](double f) { return kLeft + fx.fraction(f) * (kRight - kLeft); };
    auto y = [&](double p) { return kBottom - py.fraction(p) * (kBottom - kTop); };

    std::string svg = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                      "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" +
                      at(kWidth) + "\" height=\"" + at(kHeight) + "\" viewBox=\"0 0 " + at(kWidth) + " " + at(kHeight) +
                      "\" font-family=\"sans-serif\" font-size=\"12\">\n"
                      "<style>.minor{stroke:#eee}.major{stroke:#bbb}.frame{stroke:#000;fill:none}"
                      ".profile{stroke:#1f5fa8;stroke-width:2;fill:none}.point{fill:#1f5fa8}</style>\n"
                      "<rect width=\"100%\" height=\"100%\" fill=\"#fff\"/>\n";
    svg += text(kWidth / 2, 28, "middle", "Acceleration PSD, " + resultTexts(result).grms + " g rms",
                " font-size=\"16\" font-weight=\"bold\"");
    for (int k = fx.low; k <= fx.high; ++k) {
        const double f = std::pow(10.0, k);
        svg += line(x(f), kTop, x(f), kBottom, "major");
        svg += text(x(f), kBottom + 18, "middle", decade(k));
        for (int m = 2; m <= 9 && k < fx.high; ++m) svg += line(x(m * f), kTop, x(m * f), kBottom, "minor");
    }
    for (int k = py.low; k <= py.high; ++k) {
        const double p = std::pow(10.0, k);
        svg += line(kLeft, y(p), kRight, y(p), "major");
        svg += text(kLeft - 6, y(p) + 4, "end", decade(k));
        for (int m = 2; m <= 9 && k < py.high; ++m) svg += line(kLeft, y(m * p), kRight, y(m * p), "minor");
    }
    svg += "<rect class=\"frame\" x=\"" + at(kLeft) + "\" y=\"" + at(kTop) + "\" width=\"" + at(kRight - kLeft) +
           "\" height=\"" + at(kBottom - kTop) + "\"/>\n";
    svg += text((kLeft + kRight) / 2, kBottom + 42, "middle", "Frequency (Hz)");
    svg += text(20, (kTop + kBottom) / 2, "middle", "PSD (g\xC2\xB2/Hz)",
                " transform=\"rotate(-90 20 " + at((kTop + kBottom) / 2) + ")\"");
    std::string points;
    for (const PointRow& r : result.rows) points += (points.empty() ? "" : " ") + at(x(r.freq)) + "," + at(y(r.psd));
    if (result.rows.size() > 1) svg += "<polyline class=\"profile\" points=\"" + points + "\"/>\n";
    for (const PointRow& r : result.rows)
        svg += "<circle class=\"point\" cx=\"" + at(x(r.freq)) + "\" cy=\"" + at(y(r.psd)) + "\" r=\"4\"/>\n";
    return svg + "</svg>\n";
}

} // namespace tessomar::cli
