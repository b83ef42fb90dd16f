#include "frame/numbers.h"

#include <cfloat>
#include <charconv>
#include <cmath>
#include <string>

namespace tessomar::num {

namespace {

bool isSkipped(char c) { return c == ' ' || c == '\t' || c == '\n'; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

// Walks the text, passing over the characters the rule skips anywhere.
class Cursor {
public:
    explicit Cursor(std::string_view t) : m_text(t) {}
    char peek() {
        while (m_pos < m_text.size() && isSkipped(m_text[m_pos])) ++m_pos;
        return m_pos < m_text.size() ? m_text[m_pos] : '\0';
    }
    void next() { ++m_pos; }
    std::size_t pos() const { return m_pos; }
    void rewind(std::size_t p) { m_pos = p; }

private:
    std::string_view m_text;
    std::size_t m_pos = 0;
};

} // namespace

Reading readLeading(std::string_view text) {
    Cursor in(text);
    std::string number;
    bool negative = false;
    if (in.peek() == '+' || in.peek() == '-') {
        negative = in.peek() == '-';
        in.next();
    }
    bool point = false;
    int digits = 0;
    int integerDigits = 0; // significant digits before the point
    for (char c = in.peek();; c = in.peek()) {
        if (isDigit(c)) {
            if (!point && (integerDigits > 0 || c != '0')) ++integerDigits;
            number += c;
            ++digits;
        } else if (c == '.' && !point) {
            point = true;
            number += '.';
        } else {
            break;
        }
        in.next();
    }
    if (digits == 0) return {};

    long exponent = 0;
    const std::size_t beforeExponent = in.pos();
    char c = in.peek();
    if (c == 'e' || c == 'E' || c == 'd' || c == 'D') {
        in.next();
        bool expNegative = false;
        if (in.peek() == '+' || in.peek() == '-') {
            expNegative = in.peek() == '-';
            in.next();
        }
        if (isDigit(in.peek())) {
            for (char d = in.peek(); isDigit(d); d = in.peek()) {
                if (exponent < 100000) exponent = exponent * 10 + (d - '0');
                in.next();
            }
            if (expNegative) exponent = -exponent;
        } else {
            in.rewind(beforeExponent); // "1e" reads 1: no digits, no exponent
        }
    }
    number += 'e';
    number += std::to_string(exponent);

    double value = 0;
    const auto [end, ec] = std::from_chars(number.data(), number.data() + number.size(), value);
    (void)end;
    if (ec == std::errc::result_out_of_range) {
        // Too large or too small for a double: the sign of the decimal
        // magnitude tells which.
        if (integerDigits + exponent > 0) return {negative ? -DBL_MAX : DBL_MAX, true};
        return {};
    }
    if (ec != std::errc{}) return {};
    return {negative ? -value : value, false};
}

std::string format(double value, Pattern pattern) {
    if (!std::isfinite(value)) return {}; // callers never store such values
    int decimals = 0;
    std::size_t minInteger = 1;
    switch (pattern) {
    case Pattern::Fixed2: decimals = 2; break;
    case Pattern::Fixed1: decimals = 1; break;
    case Pattern::Fixed3: decimals = 3; break;
    case Pattern::Fixed6: decimals = 6; break;
    case Pattern::Int2: decimals = 0; minInteger = 2; break;
    }

    // Shortest decimal form: d.ddd e X
    char buf[64];
    const auto res = std::to_chars(buf, buf + sizeof buf, std::fabs(value), std::chars_format::scientific);
    const std::string_view sci(buf, static_cast<std::size_t>(res.ptr - buf));
    const std::size_t ePos = sci.find('e');
    std::string mantissa;
    for (char ch : sci.substr(0, ePos))
        if (isDigit(ch)) mantissa += ch;
    int exponent = 0;
    std::from_chars(sci.data() + ePos + 1 + (sci[ePos + 1] == '+' ? 1 : 0), sci.data() + sci.size(), exponent);

    // The value times 10^decimals has (exponent + decimals + 1) integer digits.
    const long keep = static_cast<long>(exponent) + decimals + 1;
    std::string scaled; // integer digits of value * 10^decimals
    int roundDigit = 0;
    if (keep > 0) {
        for (long i = 0; i < keep; ++i)
            scaled += i < static_cast<long>(mantissa.size()) ? mantissa[static_cast<std::size_t>(i)] : '0';
        if (keep < static_cast<long>(mantissa.size())) roundDigit = mantissa[static_cast<std::size_t>(keep)] - '0';
    } else if (keep == 0) {
        roundDigit = mantissa[0] - '0';
    }
    if (scaled.empty()) scaled = "0";
    if (roundDigit >= 5) { // half away from zero: the shortest form is exact here
        int i = static_cast<int>(scaled.size()) - 1;
        for (; i >= 0 && scaled[static_cast<std::size_t>(i)] == '9'; --i) scaled[static_cast<std::size_t>(i)] = '0';
        if (i < 0)
            scaled.insert(scaled.begin(), '1');
        else
            ++scaled[static_cast<std::size_t>(i)];
    }
    const std::size_t width = static_cast<std::size_t>(decimals) + minInteger;
    if (scaled.size() < width) scaled.insert(0, width - scaled.size(), '0');
    if (decimals > 0) scaled.insert(scaled.size() - static_cast<std::size_t>(decimals), 1, '.');

    const bool allZero = scaled.find_first_not_of("0.") == std::string::npos;
    if (value < 0 && !allZero) scaled.insert(scaled.begin(), '-');
    return scaled;
}

} // namespace tessomar::num
