// The floor for start-up time and memory: the smallest Qt Widgets program
// that shows a top-level window, built with the same flags as tessomar.
#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle("Bare window");
    window.show();
    return app.exec();
}
