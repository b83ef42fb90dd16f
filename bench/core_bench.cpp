// Response of the headless core to single user actions on a started window.
// Each benchmark checks that the action did its work, so that a broken
// handler shows up as a failure, not as a fast figure.
#include "bench/drive.h"
#include "bench/target_reporter.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

using tessomar::Tessomar;

constexpr double kCoreTarget = 20e-6;
constexpr int kSetupIterations = 400; // for actions that need a fresh table each time

// One character typed over the selected text of a sine field, as after an
// entry: the KeyPress handler and the box applying the character.
void TypeCharacterInSineField(benchmark::State& state) {
    auto w = bench::startedWindow();
    tk::TextBox& box = w->Acceleration;
    for (auto _ : state) {
        box.setSelStart(0);
        box.setSelLength(static_cast<int>(box.Text().size()));
        w->keyPress('7');
    }
    if (box.Text() != "7" || w->fs.EntryPending != tessomar::kTrue || !box.hasFocus())
        state.SkipWithError("the typed character did not land in Acceleration");
}

// Enter in Frequency with acceleration as the other entry: reading, limits,
// history, colours, the sine relations writing all four fields, and the
// focus bouncing back into the field. The text alternates so every Enter
// recomputes something new; the pending flag is what the digit typed before
// the Enter would have set.
void EnterInSineField(benchmark::State& state) {
    auto w = bench::startedWindow();
    bench::type(*w, "250");
    w->keyPress(13);
    w->clickText(w->Frequency, 0);
    w->selectAll();
    bench::type(*w, "50");
    w->keyPress(13);
    bool odd = false;
    for (auto _ : state) {
        w->Frequency.setText(odd ? "60" : "50");
        w->fs.EntryPending = tessomar::kTrue;
        w->keyPress(13);
        odd = !odd;
    }
    const std::string expected = odd ? "50.00" : "60.00";
    if (w->Frequency.Text() != expected || w->fs.EntryPending != tessomar::kFalse || w->fs.SineVel <= 0 ||
        w->fs.LastEntry != "F" || !w->Frequency.hasFocus())
        state.SkipWithError("Enter in Frequency did not recompute the sine fields");
}

// A started window on the Random screen with `count` break points entered
// from the keyboard, then the frequency and PSD of one more typed into its
// row but not yet entered.
std::unique_ptr<Tessomar> tableAwaitingEnter(int count, bool descending, double lastFreq) {
    auto w = bench::startedWindow();
    w->click(w->RandomButton);
    for (int i = 0; i < count; ++i) bench::enterPoint(*w, bench::spectrumFrequency(i, count + 1, descending), 0.04);
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.2f", lastFreq);
    bench::type(*w, buf);
    w->keyPress(13);
    bench::type(*w, "0.01");
    return w;
}

// The Enter that completes the last point of a spectrum: the commit, the
// sort, the nine rows redrawn, the integration and the results shown, and
// the focus moved on. Each iteration needs a fresh table of count - 1
// points, built with the clock stopped.
void completeSpectrum(benchmark::State& state, int count, bool descending, double lastFreq) {
    std::unique_ptr<Tessomar> w;
    for (auto _ : state) {
        state.PauseTiming();
        w.reset();
        w = tableAwaitingEnter(count - 1, descending, lastFreq);
        state.ResumeTiming();
        w->keyPress(13);
    }
    state.SetComplexityN(count);
    if (!w || !bench::tableSortedWith(w->fs, count) || w->fs.RandomGrms <= 0 || w->Acceleration.Text().empty())
        state.SkipWithError("the table did not hold the sorted spectrum with its results");
}

void EnterCompletingFiftyPointSpectrum(benchmark::State& state) {
    // The last point falls in the middle of the band, so the sort moves it.
    completeSpectrum(state, 50, false, 201.0);
}

// How the completing Enter grows with the table when the points arrive in
// descending frequency: every new point is the lowest, and the sort carries
// it from the end of the table to the top.
void EnterCompletingDescendingSpectrum(benchmark::State& state) {
    const int count = static_cast<int>(state.range(0));
    completeSpectrum(state, count, true, bench::spectrumFrequency(count - 1, count, true));
}

// The integration routine alone on a table already sorted: the floor of the
// completing Enter at the same size.
void UpdateRandomOnSortedTable(benchmark::State& state) {
    const int count = static_cast<int>(state.range(0));
    auto w = tableAwaitingEnter(count - 1, true, bench::spectrumFrequency(count - 1, count, true));
    w->keyPress(13);
    // The first PSD alternates between two values, so that every run has a
    // table it has not just integrated and so integrates it.
    const float psd = w->fs.BkPsd[1];
    bool odd = false;
    for (auto _ : state) {
        w->fs.BkPsd[1] = odd ? psd * 2 : psd;
        odd = !odd;
        w->UpdateRandom();
    }
    state.SetComplexityN(count);
    if (!bench::tableSortedWith(w->fs, count) || w->fs.RandomGrms <= 0)
        state.SkipWithError("the table did not hold the sorted spectrum with its results");
}

// A click on a mode button, alternating between two modes so that every
// click is a real switch: screen layout, captions, colours, recompute.
void modeSwitch(benchmark::State& state, tk::CommandButton Tessomar::*first, tk::CommandButton Tessomar::*second,
                int firstMode, int secondMode) {
    auto w = bench::startedWindow();
    bench::type(*w, "10");
    w->keyPress(13);
    bool toFirst = true;
    for (auto _ : state) {
        w->click(toFirst ? (*w).*first : (*w).*second);
        toFirst = !toFirst;
    }
    const int expected = toFirst ? secondMode : firstMode;
    if (w->fs.CalcMode != expected) state.SkipWithError("the mode buttons did not switch the mode");
}

void ModeSwitchSineRandom(benchmark::State& state) {
    modeSwitch(state, &Tessomar::RandomButton, &Tessomar::SineButton, tessomar::mode::kRandom, tessomar::mode::kSine);
}
void ModeSwitchSineShock(benchmark::State& state) {
    modeSwitch(state, &Tessomar::ShockButton, &Tessomar::SineButton, tessomar::mode::kHalfSine, tessomar::mode::kSine);
}

BENCHMARK(TypeCharacterInSineField);
BENCHMARK(EnterInSineField);
BENCHMARK(EnterCompletingFiftyPointSpectrum)->Iterations(kSetupIterations);
BENCHMARK(ModeSwitchSineRandom);
BENCHMARK(ModeSwitchSineShock);
BENCHMARK(EnterCompletingDescendingSpectrum)
    ->Arg(2)
    ->Arg(5)
    ->Arg(10)
    ->Arg(20)
    ->Arg(30)
    ->Arg(40)
    ->Arg(50)
    ->Iterations(kSetupIterations)
    ->Complexity();
BENCHMARK(UpdateRandomOnSortedTable)->Arg(2)->Arg(5)->Arg(10)->Arg(20)->Arg(30)->Arg(40)->Arg(50)->Complexity();

} // namespace

int main(int argc, char** argv) {
    return bench::runWithTargets(
        argc, argv,
        {
            {"TypeCharacterInSineField", kCoreTarget, "one typed character in a sine field"},
            {"EnterInSineField", kCoreTarget, "Enter in a sine field, full recompute and redisplay"},
            {"EnterCompletingFiftyPointSpectrum", kCoreTarget, "Enter completing point 50 (sort, redraw, integrate)"},
            {"ModeSwitchSineRandom", kCoreTarget, "a mode switch, Sine <-> Random"},
            {"ModeSwitchSineShock", kCoreTarget, "a mode switch, Sine <-> Shock"},
            {"EnterCompletingDescendingSpectrum", 0, "completing Enter, points entered in descending order"},
            {"UpdateRandomOnSortedTable", 0, "integration alone, table already sorted"},
        });
}
