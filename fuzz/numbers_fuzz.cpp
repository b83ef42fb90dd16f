// The leading-number reader and the display patterns on any bytes.
#include "calc/numbers.h"

#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

namespace num = tessomar::num;

namespace {

void expect(bool holds, const char* what, double v, const std::string& text) {
    if (holds) return;
    std::fprintf(stderr, "numbers_fuzz: %s: %.17g \"%s\"\n", what, v, text.c_str());
    std::abort();
}

// A shown number has no "-" on a zero, reads back to itself and lies within
// half a last digit of the value. (The patterns' exact forms are the number
// rules' own tables.)
void checkShown(double v) {
    const num::Pattern patterns[] = {num::Pattern::Fixed2, num::Pattern::Fixed1, num::Pattern::Fixed3,
                                     num::Pattern::Fixed6, num::Pattern::Int2};
    const int places[] = {2, 1, 3, 6, 0};
    for (int i = 0; i < 5; ++i) {
        const std::string s = num::format(v, patterns[i]);
        expect(s[0] != '-' || s.find_first_not_of("-0.") != s.npos, "negative zero shown", v, s);
        const num::Reading back = num::readLeading(s);
        expect(!back.overflow && num::format(back.value, patterns[i]) == s, "no read-back to itself", v, s);
        expect(std::fabs(back.value - v) <= std::pow(10.0, -places[i]) / 2 + std::fabs(v) * 4 * DBL_EPSILON,
               "not the value rounded", v, s);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // The fuzzer hands over a heap buffer of exactly this size: reading past
    // the text is caught.
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const num::Reading r = num::readLeading(text);
    expect(std::isfinite(r.value), "reader gave a non-finite value", r.value, std::string(text.substr(0, 60)));
    expect(!r.overflow || std::fabs(r.value) == DBL_MAX, "overflow not read as the largest double", r.value, "");
    checkShown(r.value);
    checkShown(num::store(r.value));
    return 0;
}
