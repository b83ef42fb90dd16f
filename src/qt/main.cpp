#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QWidget w;
    w.setWindowTitle("Tessomar 5.1");
    w.show();
    return app.exec();
}
