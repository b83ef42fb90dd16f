#include "calc/numbers.h"

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

std::size_t plainNumberLength(std::string_view t) {
    std::size_t i = 0;
    if (i < t.size() && (t[i] == '+' || t[i] == '-')) ++i;
    int digits = 0;
    bool point = false;
    for (; i < t.size() && (isDigit(t[i]) || (t[i] == '.' && !point)); ++i) {
        if (t[i] == '.')
            point = true;
        else
            ++digits;
    }
    if (digits == 0) return 0;
    if (i < t.size() && (t[i] == 'e' || t[i] == 'E')) {
        std::size_t j = i + 1;
        if (j < t.size() && (t[j] == '+' || t[j] == '-')) ++j;
        if (j < t.size() && isDigit(t[j])) {
            while (j < t.size() && isDigit(t[j])) ++j;
            i = j;
        }
    }
    return i;
}

std::string format(double value, Pattern pattern) {
    if (!std::isfinite(value)) return {}; // callers never store such values
    int decimals = 0;
    std::size_t minInteger = 1;
    switch (pattern) {
    case Pattern::Fixed2:
        decimals = 2;
        break;
    case Pattern::Fixed1:
        decimals = 1;
        break;
    case Pattern::Fixed3:
        decimals = 3;
        break;
    case Pattern::Fixed6:
        decimals = 6;
        break;
    case Pattern::Int2:
        decimals = 0;
        minInteger = 2;
        break;
    }

    // Shortest decimal form: d.ddd e X. Built in fixed buffers: tables are
    // redrawn on every completed break point, so this runs often.
    char sci[32];
    const auto res = std::to_chars(sci, sci + sizeof sci, std::fabs(value), std::chars_format::scientific);
    char mantissa[24];
    std::size_t digits = 0;
    const char* p = sci;
    for (; p < res.ptr && *p != 'e'; ++p)
        if (isDigit(*p)) mantissa[digits++] = *p;
    int exponent = 0;
    if (p < res.ptr) std::from_chars(p + 1 + (p[1] == '+' ? 1 : 0), res.ptr, exponent);

    // The value times 10^decimals has (exponent + decimals + 1) integer
    // digits; a double has at most 309 before the point.
    const long keep = static_cast<long>(exponent) + decimals + 1;
    char scaled[352];
    char* const end = scaled + sizeof scaled;
    char* first = end; // digits fill from the right
    std::size_t count = 0;
    int roundDigit = 0;
    if (keep > 0) {
        count = static_cast<std::size_t>(keep);
        first = end - count;
        for (std::size_t i = 0; i < count; ++i) first[i] = i < digits ? mantissa[i] : '0';
        if (static_cast<std::size_t>(keep) < digits) roundDigit = mantissa[keep] - '0';
    } else if (keep == 0) {
        roundDigit = mantissa[0] - '0';
    }
    if (count == 0) *--first = '0', count = 1;
    if (roundDigit >= 5) { // half away from zero: the shortest form is exact here
        char* q = end - 1;
        for (; q >= first && *q == '9'; --q) *q = '0';
        if (q < first)
            *--first = '1', ++count;
        else
            ++*q;
    }
    const std::size_t width = static_cast<std::size_t>(decimals) + minInteger;
    for (; count < width; ++count) *--first = '0';

    bool allZero = true;
    for (const char* q = first; q < end; ++q) allZero = allZero && *q == '0';
    std::string out;
    out.reserve(count + 2);
    if (value < 0 && !allZero) out += '-';
    out.append(first, end - static_cast<std::ptrdiff_t>(decimals));
    if (decimals > 0) out.append(1, '.').append(end - decimals, end);
    return out;
}

std::string significant(double value, int digits) {
    char buf[64];
    if (value == 0 || !std::isfinite(value)) return std::string(buf, std::to_chars(buf, buf + sizeof buf, value).ptr);
    const int magnitude = static_cast<int>(std::floor(std::log10(std::fabs(value))));
    std::to_chars_result r;
    if (magnitude < -6 || magnitude >= 15)
        r = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::scientific, digits - 1);
    else
        r = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::fixed, std::max(0, digits - 1 - magnitude));
    std::string s(buf, r.ptr);
    const std::size_t e = s.find('e');
    std::string mantissa = s.substr(0, e), exponent = e == std::string::npos ? "" : s.substr(e);
    if (mantissa.find('.') != std::string::npos) {
        while (mantissa.back() == '0') mantissa.pop_back();
        if (mantissa.back() == '.') mantissa.pop_back();
    }
    return mantissa + exponent;
}

} // namespace tessomar::num
