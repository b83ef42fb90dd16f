// The Qt view's round trip, offscreen: a key event handed to the window as
// the platform hands it over, the core's handlers, the widgets brought in
// line, and the repaint that puts them on screen. Each benchmark checks
// afterwards that every widget shows what the core holds.
#include "bench/target_reporter.h"
#include "qt/main_window.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <memory>
#include <string>

namespace {

using tessomar::view::MainWindow;

constexpr double kViewTarget = 1e-3;

// A window shown and activated as the program shows it, unscaled.
std::unique_ptr<MainWindow> shownWindow() {
    auto w = std::make_unique<MainWindow>(15.1f);
    w->show();
    if (!QTest::qWaitForWindowExposed(w.get())) return nullptr;
    QApplication::processEvents();
    w->sync(); // makes the widgets the first frame left for later
    return w;
}

// The text, caption and visibility of every bound widget against its
// control; empty when they all agree, else the first that does not.
std::string firstMismatch(const MainWindow& w) {
    for (const tk::Control* c : w.core().controls()) {
        const QWidget* widget = w.widgetFor(*c);
        if (!widget) continue;
        if (widget->isVisibleTo(&w) != c->Visible) return c->name() + " visibility";
        std::string shown;
        std::string held = c->Caption;
        if (auto* edit = qobject_cast<const QLineEdit*>(widget)) {
            shown = edit->text().toStdString();
            held = static_cast<const tk::TextBox*>(c)->Text();
        } else if (auto* label = qobject_cast<const QLabel*>(widget)) {
            shown = label->text().toStdString();
        } else if (auto* button = qobject_cast<const QPushButton*>(widget)) {
            shown = button->text().toStdString();
        } else {
            continue;
        }
        if (shown != held) return c->name() + " shows \"" + shown + "\" for \"" + held + "\"";
    }
    return {};
}

// Press and release of one key through the window system's entry point,
// then the posted work (repaints) done.
void deliverKey(MainWindow& w, Qt::Key key, Qt::KeyboardModifiers mods = Qt::NoModifier) {
    QTest::keyClick(w.windowHandle(), key, mods);
    QApplication::processEvents();
}

void check(benchmark::State& state, const MainWindow& w, bool done, const char* what) {
    if (!done) {
        state.SkipWithError(what);
        return;
    }
    if (const std::string m = firstMismatch(w); !m.empty()) state.SkipWithError(("widget out of line: " + m).c_str());
}

// A digit typed over the selected text of Acceleration.
void ViewTypeDigit(benchmark::State& state) {
    auto w = shownWindow();
    if (!w) return state.SkipWithError("the window was never exposed");
    tk::TextBox& box = w->core().Acceleration;
    for (auto _ : state) {
        state.PauseTiming();
        box.setSelStart(0);
        box.setSelLength(static_cast<int>(box.Text().size()));
        w->sync();
        state.ResumeTiming();
        deliverKey(*w, Qt::Key_7);
    }
    check(state, *w, box.Text() == "7", "the digit did not reach Acceleration");
}

// Enter in Frequency with acceleration entered before: the four fields
// recomputed, recoloured and redrawn.
void ViewEnterInSineField(benchmark::State& state) {
    auto w = shownWindow();
    if (!w) return state.SkipWithError("the window was never exposed");
    tessomar::Tessomar& core = w->core();
    deliverKey(*w, Qt::Key_2);
    deliverKey(*w, Qt::Key_5);
    deliverKey(*w, Qt::Key_Return);
    core.clickText(core.Frequency, 0);
    core.selectAll();
    w->sync();
    bool odd = false;
    for (auto _ : state) {
        state.PauseTiming();
        core.Frequency.setText(odd ? "60" : "50");
        core.fs.EntryPending = tessomar::kTrue;
        w->sync();
        state.ResumeTiming();
        deliverKey(*w, Qt::Key_Return);
        odd = !odd;
    }
    check(state, *w, core.fs.SineVel > 0 && core.fs.EntryPending == tessomar::kFalse && core.Frequency.hasFocus(),
          "Enter in Frequency did not recompute");
}

// Alt+R and Alt+S in turn: a whole screen changed, the window resized.
void ViewAccessKeyModeSwitch(benchmark::State& state) {
    auto w = shownWindow();
    if (!w) return state.SkipWithError("the window was never exposed");
    bool toRandom = true;
    for (auto _ : state) {
        deliverKey(*w, toRandom ? Qt::Key_R : Qt::Key_S, Qt::AltModifier);
        toRandom = !toRandom;
    }
    // The last key pressed chose the other mode than the next would.
    const int expected = toRandom ? tessomar::mode::kSine : tessomar::mode::kRandom;
    check(state, *w, w->core().fs.CalcMode == expected, "the access keys did not switch the mode");
}

BENCHMARK(ViewTypeDigit);
BENCHMARK(ViewEnterInSineField);
BENCHMARK(ViewAccessKeyModeSwitch);

// The offscreen platform warns on every window resize; nothing to act on.
void quietOffscreen(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (message.contains(QLatin1String("propagateSizeHints"))) return;
    std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, message)));
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(quietOffscreen);
    QApplication app(argc, argv);
    return bench::runWithTargets(argc, argv,
                                 {
                                     {"ViewTypeDigit", kViewTarget, "key to widgets in line: a digit"},
                                     {"ViewEnterInSineField", kViewTarget, "key to widgets in line: Enter, recompute"},
                                     {"ViewAccessKeyModeSwitch", kViewTarget, "key to widgets in line: Alt+R / Alt+S"},
                                 });
}
