#include "reliability/session.h"

#include "reliability/ddmin.h"

#include <algorithm>
#include <cstdio>
#include <sstream>

namespace reliability {

Session::Session(Screen screen) : checker(w) {
    w.twipsPerPixelX = screen.twipsPerPixelX;
    w.frameHeight = screen.frameHeight;
    checker.focusInSight = screen.focusInSight;
    w.load();
    w.activate();
    m_atStart = checker.checkState();
}

std::vector<Violation> Session::step(const Action& a, bool* performed) {
    checker.beforeAction();
    const bool done = perform(w, a);
    if (performed) *performed = done;
    return checker.afterAction(a);
}

std::optional<Failure> replay(const Screen& screen, const std::vector<Action>& actions) {
    Session s(screen);
    if (!s.atStart().empty()) return Failure{{}, s.atStart().front()};
    std::vector<Action> done;
    for (const Action& a : actions) {
        bool performed = false;
        const auto v = s.step(a, &performed);
        if (performed || !v.empty()) done.push_back(a);
        if (!v.empty()) return Failure{done, v.front()};
    }
    return std::nullopt;
}

std::vector<Action> shrink(const Screen& screen, const std::vector<Action>& failing, const std::string& invariant,
                           std::chrono::seconds budget) {
    auto stillFails = [&](const std::vector<Action>& c) -> std::optional<std::vector<Action>> {
        auto f = replay(screen, c);
        if (f && f->violation.invariant == invariant) return f->actions;
        return std::nullopt;
    };
    auto first = stillFails(failing);
    return first ? ddmin(std::move(*first), stillFails, budget) : failing;
}

namespace {

// 15.1f, 450.0f: a float literal C++ accepts.
std::string floatLiteral(float v) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%g", static_cast<double>(v));
    std::string s = buf;
    if (s.find_first_of(".e") == std::string::npos) s += ".0";
    return s + "f";
}

} // namespace

std::string reproducer(const Screen& screen, const std::vector<Action>& actions, const Violation& v) {
    std::ostringstream out;
    out << "// " << v.invariant << ": " << v.detail << "\n";
    out << "tessomar::Tessomar w;\n";
    out << "w.twipsPerPixelX = " << floatLiteral(screen.twipsPerPixelX) << ";\n";
    if (screen.frameHeight != 0) out << "w.frameHeight = " << floatLiteral(screen.frameHeight) << ";\n";
    out << "w.load();\nw.activate();\n";
    for (const Action& a : actions) out << toCode(a) << "\n";
    out << "// script: \"" << toScript(actions) << "\"\n";
    return out.str();
}

std::optional<Failure> runGenerated(Source& src, const Screen& screen, long length, Tally& tally) {
    Session s(screen);
    ++tally.sessions;
    std::optional<Failure> failure;
    if (!s.atStart().empty()) failure = Failure{{}, s.atStart().front()};
    std::vector<Action> done;
    for (long count = 0; !failure && count < length && !src.exhausted();) {
        for (const Action& a : nextBurst(src, s.w)) {
            bool performed = false;
            const auto v = s.step(a, &performed);
            ++count;
            ++tally.actions;
            if (performed) ++tally.performed;
            int points = 0;
            for (std::size_t k = 1; k <= 50; ++k) points += s.w.fs.BkFreq[k] > 0 && s.w.fs.BkPsd[k] > 0;
            tally.mostPoints = std::max(tally.mostPoints, points);
            tally.highestMax = std::max(tally.highestMax, s.w.Scroll.Max());
            if (s.w.fs.CalcMode >= 0 && s.w.fs.CalcMode <= 3) ++tally.inMode[s.w.fs.CalcMode];
            if (performed || !v.empty()) done.push_back(a);
            if (!v.empty()) {
                failure = Failure{done, v.front()};
                break;
            }
        }
    }
    tally.checks += s.checker.checks();
    tally.integrations += s.checker.integrations();
    return failure;
}

} // namespace reliability
