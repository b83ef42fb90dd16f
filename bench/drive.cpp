#include "bench/drive.h"

#include <cmath>
#include <cstdio>

namespace bench {

std::unique_ptr<tessomar::Tessomar> startedWindow() {
    auto w = std::make_unique<tessomar::Tessomar>();
    w->twipsPerPixelX = 15.1f;
    w->load();
    w->activate();
    return w;
}

void type(tessomar::Tessomar& w, std::string_view text) {
    for (char c : text) w.keyPress(static_cast<unsigned char>(c));
}

void enterPoint(tessomar::Tessomar& w, double freqHz, double psd) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.2f", freqHz);
    type(w, buf);
    w.keyPress(13);
    std::snprintf(buf, sizeof buf, "%.6f", psd);
    type(w, buf);
    w.keyPress(13);
}

double spectrumFrequency(int index, int count, bool descending) {
    const int step = descending ? count - 1 - index : index;
    const double span = count > 1 ? static_cast<double>(step) / (count - 1) : 0;
    return std::round(20.0 * std::pow(100.0, span) * 100) / 100;
}

bool tableSortedWith(const tessomar::FormState& fs, int count) {
    for (int k = 1; k <= 50; ++k) {
        const bool filled = fs.BkFreq[k] > 0 && fs.BkPsd[k] > 0;
        if (filled != (k <= count)) return false;
        if (k > 1 && k <= count && !(fs.BkFreq[k - 1] < fs.BkFreq[k])) return false;
    }
    return true;
}

} // namespace bench
