#include "qt/artwork.h"

#include <QApplication>
#include <QImage>
#include <QtTest>

// The window icon comes from the PNGs compiled into the view; a missing or
// mis-named resource would leave the window with no icon at all.
class AppIconTest : public QObject {
    Q_OBJECT

private slots:
    void offersEverySizeFromItsOwnBitmap_data() {
        QTest::addColumn<int>("size");
        for (int size : {16, 24, 32, 48, 64, 128, 256}) QTest::addRow("%dpx", size) << size;
    }
    void offersEverySizeFromItsOwnBitmap() {
        QFETCH(int, size);
        const QIcon icon = tessomar::view::appIcon();
        QVERIFY(icon.availableSizes().contains(QSize(size, size)));

        const QImage image = icon.pixmap(QSize(size, size)).toImage().convertToFormat(QImage::Format_ARGB32);
        QCOMPARE(image.size(), QSize(size, size));
        // Rounded corners stay transparent, the centre of the panel is opaque.
        QCOMPARE(qAlpha(image.pixel(0, 0)), 0);
        QCOMPARE(qAlpha(image.pixel(size / 2, size - size / 5)), 255);
        // The green trace is drawn: some pixel is clearly green.
        bool green = false;
        for (int y = 0; y < size && !green; ++y)
            for (int x = 0; x < size && !green; ++x) {
                const QRgb p = image.pixel(x, y);
                green = qAlpha(p) == 255 && qGreen(p) > 200 && qRed(p) < 160 && qBlue(p) < 190;
            }
        QVERIFY2(green, "no pixel of the sine trace found");
    }
};

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    AppIconTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "app_icon_test.moc"
