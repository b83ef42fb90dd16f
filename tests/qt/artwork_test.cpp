#include "qt/artwork.h"

#include <QApplication>
#include <QImage>
#include <QtTest>

#include <cmath>

namespace {

QPixmap draw(int which, qreal dpr) {
    return which == 0 ? tessomar::view::bannerPixmap(dpr) : tessomar::view::shockHelpPixmap(dpr);
}

// Pixels dark enough to be text or line work, in a rectangle given in logical pixels.
int inkIn(const QImage& image, const QRectF& logical, qreal dpr) {
    const QRect r = QRectF(logical.topLeft() * dpr, logical.size() * dpr).toRect() & image.rect();
    int ink = 0;
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x) ink += qGray(image.pixel(x, y)) < 110;
    return ink;
}

} // namespace

class ArtworkTest : public QObject {
    Q_OBJECT

private slots:
    void drawsAtItsLogicalSizeWithDprTimesThePixels_data() {
        QTest::addColumn<int>("which"); // 0 banner, 1 shock help
        QTest::addColumn<qreal>("dpr");
        QTest::addColumn<QSize>("logical");
        QTest::addColumn<QSize>("pixels");
        for (qreal dpr : {1.0, 1.25, 2.0, 3.0}) {
            QTest::addRow("banner@%g", dpr) << 0 << dpr << QSize(245, 62) << (QSizeF(245, 62) * dpr).toSize();
            QTest::addRow("shock@%g", dpr) << 1 << dpr << QSize(229, 373) << (QSizeF(229, 373) * dpr).toSize();
        }
        QTest::addRow("shock@0 is 1x") << 1 << 0.0 << QSize(229, 373) << QSize(229, 373);
        QTest::addRow("banner@nan is 1x") << 0 << qreal(std::nan("")) << QSize(245, 62) << QSize(245, 62);
    }
    void drawsAtItsLogicalSizeWithDprTimesThePixels() {
        QFETCH(int, which);
        QFETCH(qreal, dpr);
        QFETCH(QSize, logical);
        QFETCH(QSize, pixels);
        const QPixmap pm = draw(which, dpr);
        QCOMPARE(pm.size(), pixels);
        QCOMPARE(pm.deviceIndependentSize().toSize(), logical);
    }

    // Each region holds its content: for the shock picture the title, both
    // pulses, the legend and the last paragraph; for the banner the emblem and
    // the name inside the 225 x 48 corner that Picture1 shows, nothing beyond.
    void eachRegionHoldsItsInk_data() {
        QTest::addColumn<int>("which");
        QTest::addColumn<QRectF>("region");
        QTest::addColumn<int>("minimum"); // ink pixels at 1x
        QTest::addColumn<int>("maximum");
        QTest::newRow("title") << 1 << QRectF(30, 2, 170, 16) << 150 << 2000;
        QTest::newRow("title margins") << 1 << QRectF(0, 0, 25, 18) << 0 << 0;
        QTest::newRow("half sine") << 1 << QRectF(3, 25, 120, 70) << 150 << 3000;
        QTest::newRow("terminal peak") << 1 << QRectF(140, 25, 86, 70) << 100 << 3000;
        QTest::newRow("legend") << 1 << QRectF(20, 134, 180, 42) << 300 << 3000;
        QTest::newRow("last paragraph") << 1 << QRectF(0, 320, 229, 45) << 300 << 5000;
        QTest::newRow("banner emblem") << 0 << QRectF(4, 4, 40, 40) << 600 << 1600;
        QTest::newRow("banner name") << 0 << QRectF(48, 2, 175, 30) << 400 << 3000;
        QTest::newRow("banner right edge") << 0 << QRectF(225, 0, 20, 62) << 0 << 0;
        QTest::newRow("banner bottom edge") << 0 << QRectF(0, 48, 245, 14) << 0 << 0;
    }
    void eachRegionHoldsItsInk() {
        QFETCH(int, which);
        QFETCH(QRectF, region);
        QFETCH(int, minimum);
        QFETCH(int, maximum);
        for (qreal dpr : {1.0, 2.0}) {
            const QImage image = draw(which, dpr).toImage();
            if (which == 1) QCOMPARE(image.pixel(0, image.height() - 1), qRgb(255, 255, 255)); // white ground
            const int ink = inkIn(image, region, dpr);
            QVERIFY2(ink >= minimum * dpr * dpr && ink <= maximum * dpr * dpr, qPrintable(QString::number(ink)));
        }
    }
};

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ArtworkTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "artwork_test.moc"
