#include "tools/form.h"

#include "calc/numbers.h"

#include <charconv>
#include <system_error>

namespace tessomar::tools {

namespace {

// "2000", "0.5": short, and read back as typed.
std::string bound(double v) {
    char buf[32];
    return std::string(buf, std::to_chars(buf, buf + sizeof buf, v).ptr);
}

// Blanks around the number, and the line break a spreadsheet cell ends in.
std::string trimmed(const std::string& t) {
    const std::size_t first = t.find_first_not_of(" \t\r\n"), last = t.find_last_not_of(" \t\r\n");
    return first == std::string::npos ? "" : t.substr(first, last - first + 1);
}

} // namespace

FormTool::FormTool(const Tessomar& main, unsigned reads, std::vector<Field> fields)
    : Tool(main, reads), m_fields(std::move(fields)) {}

void FormTool::setText(std::size_t i, std::string text) {
    if (i >= m_fields.size() || m_fields[i].text == text) return;
    m_fields[i].text = std::move(text);
    update();
}

void FormTool::setChoice(std::size_t i, std::size_t choice) {
    if (i >= m_fields.size() || choice >= m_fields[i].choices.size() || m_fields[i].choice == choice) return;
    m_fields[i].choice = choice;
    update();
}

std::optional<double> FormTool::number(std::size_t i, double low, double high) {
    Field& f = m_fields[i];
    std::string t = trimmed(f.text);
    if (t.rfind("\xE2\x88\x92", 0) == 0) t = "-" + t.substr(3); // U+2212, as word processors write a minus
    f.reason.clear();
    if (t.empty()) {
        f.reason = "Enter a value";
        return std::nullopt;
    }
    if (num::plainNumberLength(t) != t.size()) {
        f.reason = "Not a number";
        return std::nullopt;
    }
    // "." whatever the locale; a number beyond a double is out of range.
    double v = 0;
    const char* from = t.data() + (t[0] == '+');
    const bool read = std::from_chars(from, t.data() + t.size(), v).ec == std::errc();
    if (!read || !(v >= low && v <= high)) {
        f.reason = "From " + bound(low) + " to " + bound(high);
        return std::nullopt;
    }
    return v;
}

std::optional<double> FormTool::above(std::size_t i, double low, double high) {
    const auto v = number(i, low, high);
    if (v && *v > low) return v;
    Field& f = m_fields[i];
    if (v || f.reason.rfind("From ", 0) == 0) f.reason = "Above " + bound(low) + ", at most " + bound(high);
    return std::nullopt;
}

bool FormTool::blank(std::size_t i) {
    if (!trimmed(m_fields[i].text).empty()) return false;
    m_fields[i].reason.clear();
    return true;
}

} // namespace tessomar::tools
