// The leading-number reader and the display patterns on any bytes.
#include "frame/numbers.h"

#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>

namespace num = tessomar::num;

namespace {

[[noreturn]] void fail(const char* what, const std::string& detail) {
    std::fprintf(stderr, "numbers_fuzz: %s: %s\n", what, detail.c_str());
    std::abort();
}

struct Shape {
    num::Pattern pattern;
    int decimals;
    std::size_t minInteger;
};
constexpr Shape kShapes[] = {{num::Pattern::Fixed2, 2, 1},
                             {num::Pattern::Fixed1, 1, 1},
                             {num::Pattern::Fixed3, 3, 1},
                             {num::Pattern::Fixed6, 6, 1},
                             {num::Pattern::Int2, 0, 2}};

// A shown number has the pattern's form, reads back to itself at its
// precision, and lies within half a last digit of the value shown.
void checkShown(double v) {
    char buf[40];
    std::snprintf(buf, sizeof buf, "%.17g", v);
    for (const Shape& sh : kShapes) {
        const std::string s = num::format(v, sh.pattern);
        const std::size_t digitsFrom = s.size() > 0 && s[0] == '-' ? 1 : 0;
        const std::size_t point = s.find('.');
        const std::size_t integer = (point == std::string::npos ? s.size() : point) - digitsFrom;
        const std::size_t decimals = point == std::string::npos ? 0 : s.size() - point - 1;
        if (integer < sh.minInteger || decimals != static_cast<std::size_t>(sh.decimals))
            fail("pattern form", std::string(buf) + " -> " + s);
        for (std::size_t i = digitsFrom; i < s.size(); ++i)
            if (i != point && (s[i] < '0' || s[i] > '9')) fail("pattern characters", std::string(buf) + " -> " + s);
        if (s.find_first_not_of("-0.") == std::string::npos && s[0] == '-')
            fail("negative zero shown", std::string(buf) + " -> " + s);
        const num::Reading back = num::readLeading(s);
        if (back.overflow) fail("shown number overflows", std::string(buf) + " -> " + s);
        if (num::format(back.value, sh.pattern) != s)
            fail("shown number does not read back to itself",
                 std::string(buf) + " -> " + s + " -> " + num::format(back.value, sh.pattern));
        const double unit = std::pow(10.0, -sh.decimals);
        if (std::fabs(back.value - v) > unit / 2 + std::fabs(v) * 4 * DBL_EPSILON)
            fail("shown number is not the value rounded", std::string(buf) + " -> " + s);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // An exact-size heap copy: reading one byte past the text is caught.
    std::unique_ptr<char[]> text(new char[size]);
    if (size) std::memcpy(text.get(), data, size);
    const num::Reading r = num::readLeading(std::string_view(text.get(), size));
    const std::string shown(text.get(), std::min<std::size_t>(size, 60));
    if (!std::isfinite(r.value)) fail("reader gave a non-finite value", shown);
    if (r.overflow && std::fabs(r.value) != DBL_MAX) fail("overflow not read as the largest double", shown);

    checkShown(r.value);
    checkShown(static_cast<double>(num::store(r.value)));
    // The same bytes taken as a double and as a float, as a handler might compute them.
    if (size >= sizeof(double)) {
        double d;
        std::memcpy(&d, data, sizeof d);
        if (std::isfinite(d)) checkShown(d);
    }
    if (size >= sizeof(float)) {
        float f;
        std::memcpy(&f, data + size - sizeof f, sizeof f);
        if (std::isfinite(f)) checkShown(f);
    }
    return 0;
}
