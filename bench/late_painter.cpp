// A stand-in program for checking the first-frame probe: it maps a window
// with no background of its own, as a Qt top-level has, and fills it only
// after LATE_PAINT_MS milliseconds (never when the value is negative). Its
// first frame is then known to the millisecond.
#include <X11/Xlib.h>

#include <chrono>
#include <cstdlib>
#include <thread>

int main() {
    const char* env = std::getenv("LATE_PAINT_MS");
    const int delayMs = env ? std::atoi(env) : 0;
    Display* d = XOpenDisplay(nullptr);
    if (!d) return 1;
    const int screen = DefaultScreen(d);
    XSetWindowAttributes attrs{};
    attrs.background_pixmap = None;
    const Window w = XCreateWindow(d, RootWindow(d, screen), 0, 0, 320, 240, 0, CopyFromParent, InputOutput,
                                   CopyFromParent, CWBackPixmap, &attrs);
    XMapWindow(d, w);
    XSync(d, False);
    if (delayMs >= 0) {
        std::this_thread::sleep_for(std::chrono::milliseconds(delayMs));
        const GC gc = DefaultGC(d, screen);
        XSetForeground(d, gc, 0xEFEFEF);
        XFillRectangle(d, w, gc, 0, 0, 320, 240);
        XSync(d, False);
    }
    for (;;) std::this_thread::sleep_for(std::chrono::seconds(1)); // ended by the probe
}
