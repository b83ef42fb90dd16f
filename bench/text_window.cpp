// For reference beside the floor: the bare window with one label, so the
// first text a Qt program draws (font configuration, font database, one face
// and its glyphs) shows as a figure of its own.
#include <QApplication>
#include <QLabel>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle("Text window");
    QLabel label(QStringLiteral("Acceleration"), &window);
    label.move(10, 10);
    window.show();
    return app.exec();
}
