// Any bytes as profile text, as a paste into a table box and into a sine
// field, then pasted into the table of a started window holding two points.
// The checks stand apart from the reader's rules: what is taken lies in the
// table's range and reads back the same once written out; a value is one
// run of the text's digits; a refusal names a line of the text; a paste
// the window refuses changes nothing.
#include "calc/numbers.h"
#include "calc/profile.h"
#include "frame/tessomar.h"

#include <cctype>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

namespace profile = tessomar::profile;

// A broken property names itself and stops the run, so libFuzzer keeps the input.
#define CHECK(c) ((c) ? void() : (std::fprintf(stderr, "profile_fuzz: broken: %s\n", #c), std::abort()))

int lineCount(const std::string& t) {
    int n = 1;
    for (std::size_t i = 0; i < t.size(); ++i)
        if (t[i] == '\n' || (t[i] == '\r' && (i + 1 == t.size() || t[i + 1] != '\n'))) ++n;
    return n;
}

bool hasAlnum(const std::string& t) {
    for (unsigned char c : t)
        if (std::isalnum(c)) return true;
    return false;
}

bool samePoints(const std::vector<profile::Point>& a, const std::vector<profile::Point>& b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (a[i].freq != b[i].freq || a[i].psd != b[i].psd) return false;
    return true;
}

// The points as plain "f p" lines, and as rows of the copy-out.
std::string written(const std::vector<profile::Point>& points, bool copy) {
    std::string out = copy ? std::string(profile::kCopyHeader) + "\n" : "";
    char line[96];
    int entry = 0;
    for (const profile::Point& p : points) {
        if (copy)
            std::snprintf(line, sizeof line, "%02d\t%.17g\t%.17g\t\t\n", ++entry, p.freq, p.psd);
        else
            std::snprintf(line, sizeof line, "%.17g %.17g\n", p.freq, p.psd);
        out += line;
    }
    return out;
}

// The digits of a value stand together in the text, parted at most by a
// "." or ",": nothing was joined to make it. A kHz value has digits of its own.
bool oneRunOfDigits(const std::string& value, const std::string& text) {
    std::string digits;
    for (char c : value.substr(0, value.find_first_of("eE")))
        if (std::isdigit(static_cast<unsigned char>(c)) && (c != '0' || !digits.empty())) digits += c;
    if (digits.empty() || text.find_first_of("kK") != std::string::npos) return true;
    std::string run;
    for (char c : text + ' ') {
        if (std::isdigit(static_cast<unsigned char>(c))) {
            run += c;
        } else if (c != '.' && c != ',') {
            if (run.find(digits) != std::string::npos) return true;
            run.clear();
        }
    }
    return false;
}

void checkPaste(const profile::Paste& p, const std::string& text, bool table) {
    using Kind = profile::Paste::Kind;
    CHECK(p.kind != Kind::Nothing || !hasAlnum(text));
    if (p.kind == Kind::Value) {
        CHECK(!p.value.empty() && tessomar::num::plainNumberLength(p.value) == p.value.size());
        CHECK(oneRunOfDigits(p.value, text));
    }
    if (p.kind == Kind::Refused) CHECK(!p.error.empty() && p.errorLine >= 0 && p.errorLine <= lineCount(text));
    CHECK(p.kind != Kind::Points || (table && !p.points.empty()));
    for (const profile::Point& pt : p.points) {
        CHECK(std::isfinite(pt.freq) && std::isfinite(pt.psd));
        CHECK(p.verbatim || (pt.freq >= 0.01 && pt.freq <= 20000 && pt.psd >= 1e-6 && pt.psd <= 1000));
    }
    if (p.verbatim) CHECK(samePoints(profile::readTablePaste(written(p.points, true)).points, p.points));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    const profile::Profile p = profile::read(text);
    if (p.ok()) {
        CHECK(!p.points.empty());
        for (const profile::Point& pt : p.points)
            CHECK(pt.freq >= 0.01 && pt.freq <= 20000 && pt.psd >= 1e-6 && pt.psd <= 1000);
        CHECK(samePoints(profile::read(written(p.points, false)).points, p.points));
        CHECK(samePoints(profile::read(written(p.points, true)).points, p.points));
    } else {
        CHECK(p.points.empty() && p.errorLine >= 0 && p.errorLine <= lineCount(text));
    }
    checkPaste(profile::readTablePaste(text), text, true);
    checkPaste(profile::readFieldPaste(text), text, false);

    tessomar::Tessomar w;
    w.twipsPerPixelX = 15.1f;
    w.load();
    w.activate();
    w.click(w.RandomButton);
    for (const char* c = "20\r0.01\r2000\r0.04\r"; *c; ++c) w.keyPress(*c);
    int beeps = 0;
    w.Beep = [&] { ++beeps; };
    w.clickText(w.A[size % tessomar::kRows], 0); // may be sent on to the first free row
    const tessomar::FormState before = w.fs;
    w.pasteKey(text);
    CHECK(beeps == 0 || w.fs == before);
    for (int k = 0; k < 52; ++k) CHECK(std::isfinite(w.fs.BkFreq[k]) && std::isfinite(w.fs.BkPsd[k]));
    CHECK(std::isfinite(w.fs.RandomGrms) && std::isfinite(w.fs.RandomVel) && std::isfinite(w.fs.RandomDisp));
    return 0;
}
