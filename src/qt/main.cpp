#include "qt/font_config.h"
#include "qt/main_window.h"

#include <QApplication>

#include <thread>

int main(int argc, char* argv[]) {
    // Reading the font configuration takes several milliseconds and needs
    // nothing from Qt; QApplication uses no font while it connects to the
    // display, so the two run side by side.
    std::thread fonts(tessomar::view::loadFontConfiguration);
    QApplication app(argc, argv);
    fonts.join();
    tessomar::view::MainWindow window;
    window.show();
    return app.exec();
}
