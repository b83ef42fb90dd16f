// Measures, from outside, how long a Qt program takes from process start to
// its window's first frame on screen, and its peak resident set once started.
//
//   first_frame [--runs N] [--warmup N] [--settle MS] [--timeout MS] [--reference] PROGRAM FLOOR
//
// Runs PROGRAM and FLOOR alternately on the X display in $DISPLAY (meant for
// a private Xvfb), N times each after the warm-up runs, and prints every run
// and then the medians with their targets. For each run: the clock starts
// just before fork(); "mapped" is the MapNotify of the program's top-level
// window, seen through SubstructureNotify on the root; "painted" is the
// first poll after that in which no sampled pixel of the window still shows
// the sentinel colour painted on the root beforehand (a Qt top-level has no
// X background, so the root shows through until the first frame is put).
// The CPU time of all the program's threads (ended ones too) is read at the
// first frame from the process's CPU clock: on a busy machine it shows the
// program's own work where the wall clock also shows the wait for a CPU. The peak resident
// set (VmHWM) is read SETTLE ms after the first frame.
#include "bench/startup_stats.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <optional>
#include <poll.h>
#include <time.h>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace {

using Clock = std::chrono::steady_clock;
constexpr unsigned long kSentinel = 0x3A0B6D; // an odd purple no widget style uses

int g_xErrors = 0;
int countError(Display*, XErrorEvent*) {
    ++g_xErrors;
    return 0;
}

double msSince(Clock::time_point t0) { return std::chrono::duration<double, std::milli>(Clock::now() - t0).count(); }

struct Run {
    bool ok = false;
    double mappedMs = 0, paintedMs = 0, cpuMs = 0;
    long peakKiB = 0;
    std::string error;
};

// A thin strip of the window's pixels; empty when the window cannot be read.
void appendStrip(Display* d, Window w, int x, int y, unsigned width, unsigned height, std::vector<std::uint32_t>& out) {
    const int before = g_xErrors;
    XImage* img = XGetImage(d, w, x, y, width, height, AllPlanes, ZPixmap);
    if (!img || g_xErrors != before) {
        if (img) XDestroyImage(img);
        out.clear();
        return;
    }
    for (unsigned j = 0; j < height; ++j)
        for (unsigned i = 0; i < width; ++i)
            out.push_back(static_cast<std::uint32_t>(XGetPixel(img, static_cast<int>(i), static_cast<int>(j))));
    XDestroyImage(img);
}

// Top and bottom rows, middle row and middle column: a first frame put in
// strips (large windows) or partly (one widget) leaves one of them unpainted.
std::vector<std::uint32_t> samplePixels(Display* d, Window w, unsigned width, unsigned height) {
    std::vector<std::uint32_t> px;
    if (width == 0 || height == 0) return px;
    const int bottom = static_cast<int>(height) - 1;
    appendStrip(d, w, 0, 0, width, 1, px);
    if (!px.empty()) appendStrip(d, w, 0, bottom, width, 1, px);
    if (!px.empty()) appendStrip(d, w, 0, bottom / 2, width, 1, px);
    if (!px.empty()) appendStrip(d, w, static_cast<int>(width / 2), 0, 1, height, px);
    return px;
}

std::string slurp(const std::string& path) {
    std::ifstream in(path);
    std::stringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

// The process's CPU clock counts every thread, also those that have ended
// (a helper thread of the start-up has, by the first frame).
double cpuMs(pid_t pid) {
    clockid_t clock;
    timespec ts{};
    if (clock_getcpuclockid(pid, &clock) != 0 || clock_gettime(clock, &ts) != 0) return 0;
    return static_cast<double>(ts.tv_sec) * 1e3 + static_cast<double>(ts.tv_nsec) / 1e6;
}

std::optional<long> readPeak(pid_t pid) {
    return bench::peakResidentKiB(slurp("/proc/" + std::to_string(pid) + "/status"));
}

void stop(pid_t pid) {
    kill(pid, SIGTERM);
    for (int i = 0; i < 200; ++i) {
        if (waitpid(pid, nullptr, WNOHANG) == pid) return;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
}

// Discards queued events, so that a run never sees the previous one's.
void drain(Display* d) {
    XSync(d, False);
    XEvent ev;
    while (XPending(d)) XNextEvent(d, &ev);
}

bool waitEvent(Display* d, Clock::time_point deadline, XEvent& ev) {
    while (!XPending(d)) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
        if (left <= 0) return false;
        pollfd p{ConnectionNumber(d), POLLIN, 0};
        poll(&p, 1, static_cast<int>(std::min<long long>(left, 50)));
    }
    XNextEvent(d, &ev);
    return true;
}

// A window already on the display would show through the new one in place
// of the root's colour and pass for its first frame.
bool otherWindowShown(Display* d) {
    Window root = 0, parent = 0, *children = nullptr;
    unsigned count = 0;
    if (!XQueryTree(d, DefaultRootWindow(d), &root, &parent, &children, &count)) return false;
    bool shown = false;
    for (unsigned i = 0; i < count && !shown; ++i) {
        XWindowAttributes attrs;
        shown = XGetWindowAttributes(d, children[i], &attrs) && attrs.map_state == IsViewable;
    }
    if (children) XFree(children);
    return shown;
}

Run measure(Display* d, const std::string& program, int settleMs, std::chrono::milliseconds timeout) {
    Run run;
    drain(d);
    if (otherWindowShown(d)) {
        run.error = "another window is shown on the display";
        return run;
    }
    const auto t0 = Clock::now();
    const pid_t pid = fork();
    if (pid < 0) {
        run.error = "fork failed";
        return run;
    }
    if (pid == 0) {
        execl(program.c_str(), program.c_str(), static_cast<char*>(nullptr));
        std::perror(program.c_str());
        _exit(127);
    }
    const auto deadline = t0 + timeout;
    Window win = 0;
    unsigned width = 0, height = 0;
    XEvent ev;
    while (!win) {
        if (!waitEvent(d, deadline, ev)) {
            run.error = waitpid(pid, nullptr, WNOHANG) == pid ? "exited before mapping" : "no window mapped";
            stop(pid);
            return run;
        }
        if (ev.type == MapNotify && ev.xmap.event == DefaultRootWindow(d) && !ev.xmap.override_redirect) {
            run.mappedMs = msSince(t0);
            win = ev.xmap.window;
        }
    }
    XWindowAttributes attrs;
    if (XGetWindowAttributes(d, win, &attrs)) width = attrs.width, height = attrs.height;
    for (;;) {
        while (XPending(d)) {
            XNextEvent(d, &ev);
            if (ev.type == ConfigureNotify && ev.xconfigure.window == win)
                width = ev.xconfigure.width, height = ev.xconfigure.height;
        }
        if (bench::painted(samplePixels(d, win, width, height), kSentinel)) break;
        if (Clock::now() > deadline) {
            run.error = "window never painted";
            stop(pid);
            return run;
        }
        std::this_thread::sleep_for(std::chrono::microseconds(250));
    }
    run.paintedMs = msSince(t0);
    run.cpuMs = cpuMs(pid);
    std::this_thread::sleep_for(std::chrono::milliseconds(settleMs));
    if (auto peak = readPeak(pid))
        run.peakKiB = *peak;
    else
        run.error = "no VmHWM";
    stop(pid);
    run.ok = run.error.empty();
    return run;
}

void paintRoot(Display* d) {
    const Window root = DefaultRootWindow(d);
    XSetWindowBackground(d, root, kSentinel);
    XClearWindow(d, root);
    XSelectInput(d, root, SubstructureNotifyMask);
    XSync(d, False);
}

int usage() {
    std::fprintf(stderr,
                 "usage: first_frame [--runs N] [--warmup N] [--settle MS] [--timeout MS] [--reference] PROGRAM FLOOR\n");
    return 2;
}

} // namespace

int main(int argc, char* argv[]) {
    int runs = 21, warmup = 2, settleMs = 300, timeoutMs = 20000;
    bool reference = false; // figures without targets
    std::vector<std::string> programs;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        if (a == "--reference") {
            reference = true;
        } else if ((a == "--runs" || a == "--warmup" || a == "--settle" || a == "--timeout") && i + 1 < argc) {
            const int v = std::atoi(argv[++i]);
            (a == "--runs" ? runs : a == "--warmup" ? warmup : a == "--settle" ? settleMs : timeoutMs) = v;
        } else if (a.starts_with("-")) {
            return usage();
        } else {
            programs.push_back(a);
        }
    }
    if (programs.size() != 2 || runs < 1) return usage();

    Display* d = XOpenDisplay(nullptr);
    if (!d) {
        const char* name = std::getenv("DISPLAY");
        std::fprintf(stderr, "first_frame: cannot open display %s\n", name ? name : "(unset)");
        return 1;
    }
    XSetErrorHandler(countError);
    paintRoot(d);
    if (DefaultDepth(d, DefaultScreen(d)) < 24) {
        std::fprintf(stderr, "first_frame: the display needs 24-bit colour\n");
        return 1;
    }

    bench::StartupRuns results[2];
    for (int p = 0; p < 2; ++p) results[p].program = programs[static_cast<std::size_t>(p)];
    int failures = 0;
    std::vector<double> pairRatios; // each run of the program over the floor's run right after it
    for (int i = -warmup; i < runs; ++i) {
        double pairFirst = 0;
        for (int p = 0; p < 2; ++p) {
            const Run r =
                measure(d, programs[static_cast<std::size_t>(p)], settleMs, std::chrono::milliseconds(timeoutMs));
            if (!r.ok) {
                std::printf("run %3d  %-40s  FAILED: %s\n", i, programs[static_cast<std::size_t>(p)].c_str(),
                            r.error.c_str());
                ++failures;
                continue;
            }
            std::printf("run %3d  %-32s  mapped %6.1f ms  first frame %6.1f ms  CPU %6.1f ms  VmHWM %6ld KiB%s\n", i,
                        programs[static_cast<std::size_t>(p)].c_str(), r.mappedMs, r.paintedMs, r.cpuMs, r.peakKiB,
                        i < 0 ? "  (warm-up)" : "");
            if (i < 0) continue;
            if (p == 0)
                pairFirst = r.paintedMs;
            else if (pairFirst > 0)
                pairRatios.push_back(pairFirst / r.paintedMs);
            results[p].mappedMs.push_back(r.mappedMs);
            results[p].paintedMs.push_back(r.paintedMs);
            results[p].peakKiB.push_back(static_cast<double>(r.peakKiB));
            results[p].cpuMs.push_back(r.cpuMs);
        }
        std::fflush(stdout);
    }
    XCloseDisplay(d);

    const auto& prog = results[0];
    const auto& floor = results[1];
    std::printf("\nMedians over %zu and %zu runs, run alternately:\n", prog.paintedMs.size(), floor.paintedMs.size());
    for (const auto& r : results)
        std::printf("  %-32s  mapped %6.1f ms  first frame %6.1f ms  CPU %6.1f ms  VmHWM %6.1f MiB\n",
                    r.program.c_str(), bench::median(r.mappedMs), bench::median(r.paintedMs), bench::median(r.cpuMs),
                    bench::median(r.peakKiB) / 1024.0);
    const auto ratio = bench::startupRatio(prog, floor);
    const auto mem = bench::memoryExcessMiB(prog, floor);
    const auto verdict = [&](const bench::Verdict& v) {
        char text[64];
        if (reference)
            std::snprintf(text, sizeof text, "(for reference, no target)");
        else
            std::snprintf(text, sizeof text, "target <= %.2f   %s", v.target, v.met ? "met" : "MISSED");
        return std::string(text);
    };
    std::printf("start-up ratio (first frame)    %6.2f   %s\n", ratio.value, verdict(ratio).c_str());
    std::printf("median of the paired ratios     %6.2f   (each run over the floor's run next to it: load that\n"
                "                                         changes during the runs falls on both alike)\n",
                bench::median(pairRatios));
    const double floorCpu = bench::median(floor.cpuMs);
    std::printf("CPU to the first frame, ratio   %6.2f   (no target: the work itself, without waiting for a CPU)\n",
                floorCpu > 0 ? bench::median(prog.cpuMs) / floorCpu : 0.0);
    std::printf("memory above the floor (MiB)    %6.2f   %s\n", mem.value, verdict(mem).c_str());
    return failures == 0 ? 0 : 1;
}
