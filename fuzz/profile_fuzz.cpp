// Any bytes as a profile: read, and pasted from the keyboard into the table
// of a started window that holds two points.
#include "frame/tessomar.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

// A broken property names itself and stops the run, so libFuzzer keeps the input.
#define CHECK(c) ((c) ? void() : (std::fprintf(stderr, "profile_fuzz: broken: %s\n", #c), std::abort()))

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    const tessomar::profile::Profile p = tessomar::profile::read(text);
    for (const tessomar::profile::Point& pt : p.points)
        CHECK(pt.freq >= 0.01 && pt.freq <= 20000 && pt.psd >= 1e-6 && pt.psd <= 1000);

    tessomar::Tessomar w;
    w.twipsPerPixelX = 15.1f;
    w.load();
    w.activate();
    w.click(w.RandomButton);
    for (const char* c = "20\r0.01\r2000\r0.04\r"; *c; ++c) w.keyPress(*c);
    int beeps = 0;
    w.Beep = [&] { ++beeps; };
    w.clickText(w.A[size % tessomar::kRows], 0); // may be sent on to the first free row
    int row = 0;
    while (row < tessomar::kRows && w.focused() != &w.A[row]) ++row;
    const int last = row + w.Scroll.Value() + static_cast<int>(p.points.size()) - 1;
    const bool refused = p.dataLines >= 2 && (!p.ok() || last > 50);
    const tessomar::FormState before = w.fs;
    w.pasteKey(text);
    CHECK(beeps == (refused ? 1 : 0)); // the window refuses what the reader refuses
    CHECK(!refused || w.fs == before);
    for (int k = 0; k < 52; ++k) CHECK(std::isfinite(w.fs.BkFreq[k]) && std::isfinite(w.fs.BkPsd[k]));
    CHECK(std::isfinite(w.fs.RandomGrms) && std::isfinite(w.fs.RandomVel) && std::isfinite(w.fs.RandomDisp));
    return 0;
}
