#include "qt/artwork.h"

#include <QApplication>
#include <QImage>
#include <QtTest>

#include <cmath>

namespace {

// Dark enough to be ink: text and line work, not background or shading.
bool isInk(QRgb p) { return qGray(p) < 110 && qAlpha(p) == 255; }

int inkIn(const QImage& image, const QRect& logical, qreal dpr) {
    const QRect r(static_cast<int>(logical.x() * dpr), static_cast<int>(logical.y() * dpr),
                  static_cast<int>(logical.width() * dpr), static_cast<int>(logical.height() * dpr));
    int ink = 0;
    for (int y = r.top(); y <= r.bottom() && y < image.height(); ++y)
        for (int x = r.left(); x <= r.right() && x < image.width(); ++x) ink += isInk(image.pixel(x, y));
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
        for (qreal dpr : {1.0, 1.25, 2.0, 3.0}) {
            QTest::addRow("banner@%g", dpr) << 0 << dpr << QSize(245, 62);
            QTest::addRow("shock@%g", dpr) << 1 << dpr << QSize(229, 373);
        }
    }
    void drawsAtItsLogicalSizeWithDprTimesThePixels() {
        QFETCH(int, which);
        QFETCH(qreal, dpr);
        QFETCH(QSize, logical);
        const QPixmap pm = which == 0 ? tessomar::view::bannerPixmap(dpr) : tessomar::view::shockHelpPixmap(dpr);
        QCOMPARE(pm.devicePixelRatio(), dpr);
        QCOMPARE(pm.size(), QSize(static_cast<int>(std::lround(logical.width() * dpr)),
                                  static_cast<int>(std::lround(logical.height() * dpr))));
        QCOMPARE(pm.deviceIndependentSize().toSize(), logical);
    }

    void nonsenseRatioFallsBackToOne_data() {
        QTest::addColumn<qreal>("dpr");
        QTest::newRow("zero") << 0.0;
        QTest::newRow("negative") << -2.0;
        QTest::newRow("nan") << qreal(std::nan(""));
    }
    void nonsenseRatioFallsBackToOne() {
        QFETCH(qreal, dpr);
        QCOMPARE(tessomar::view::bannerPixmap(dpr).size(), QSize(245, 62));
        QCOMPARE(tessomar::view::shockHelpPixmap(dpr).size(), QSize(229, 373));
    }

    void shockPictureIsBlackOnOpaqueWhite_data() {
        QTest::addColumn<qreal>("dpr");
        QTest::newRow("1x") << 1.0;
        QTest::newRow("2x") << 2.0;
    }
    void shockPictureIsBlackOnOpaqueWhite() {
        QFETCH(qreal, dpr);
        const QImage image = tessomar::view::shockHelpPixmap(dpr).toImage().convertToFormat(QImage::Format_ARGB32);
        int white = 0, coloured = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                const QRgb p = image.pixel(x, y);
                QCOMPARE(qAlpha(p), 255);
                white += p == qRgb(255, 255, 255);
                coloured += std::abs(qRed(p) - qGreen(p)) > 8 || std::abs(qGreen(p) - qBlue(p)) > 8;
            }
        QVERIFY2(white > image.width() * image.height() * 7 / 10, "the ground is not mostly white");
        QCOMPARE(coloured, 0);
    }

    // Each band of the picture holds what belongs there: the title, the
    // pulses, the legend and the three paragraphs down to the last line.
    void shockPictureFillsEachBand_data() {
        QTest::addColumn<qreal>("dpr");
        QTest::addColumn<QRect>("band");
        QTest::addColumn<int>("minimumInk"); // in logical pixels
        for (qreal dpr : {1.0, 2.0}) {
            QTest::addRow("title@%g", dpr) << dpr << QRect(30, 2, 170, 16) << 150;
            QTest::addRow("half sine@%g", dpr) << dpr << QRect(3, 25, 120, 70) << 150;
            QTest::addRow("terminal peak@%g", dpr) << dpr << QRect(140, 25, 86, 70) << 100;
            QTest::addRow("legend@%g", dpr) << dpr << QRect(20, 134, 180, 42) << 300;
            QTest::addRow("last paragraph@%g", dpr) << dpr << QRect(0, 320, 229, 45) << 300;
        }
    }
    void shockPictureFillsEachBand() {
        QFETCH(qreal, dpr);
        QFETCH(QRect, band);
        QFETCH(int, minimumInk);
        const QImage image = tessomar::view::shockHelpPixmap(dpr).toImage();
        QVERIFY(inkIn(image, band, dpr) >= minimumInk * dpr * dpr);
    }

    void shockPictureTitleIsCentred() {
        const QImage image = tessomar::view::shockHelpPixmap(1).toImage();
        int left = image.width(), right = -1;
        for (int y = 2; y < 18; ++y)
            for (int x = 0; x < image.width(); ++x)
                if (isInk(image.pixel(x, y))) {
                    left = std::min(left, x);
                    right = std::max(right, x);
                }
        QVERIFY(right > left);
        QVERIFY(std::abs(left - (image.width() - 1 - right)) <= 3);
    }

    // Picture1 shows only the top-left 225 x 48 pixels of the banner; the
    // name must stand there, and nothing but background beyond it.
    void bannerKeepsItsContentInTheVisibleCorner_data() {
        QTest::addColumn<qreal>("dpr");
        QTest::newRow("1x") << 1.0;
        QTest::newRow("2x") << 2.0;
    }
    void bannerKeepsItsContentInTheVisibleCorner() {
        QFETCH(qreal, dpr);
        const QImage image = tessomar::view::bannerPixmap(dpr).toImage();
        QVERIFY(inkIn(image, QRect(48, 2, 175, 30), dpr) > 400 * dpr * dpr); // the name
        QVERIFY(inkIn(image, QRect(4, 4, 40, 40), dpr) > 600 * dpr * dpr);   // the emblem
        QCOMPARE(inkIn(image, QRect(225, 0, 20, 62), dpr), 0);
        QCOMPARE(inkIn(image, QRect(0, 48, 245, 14), dpr), 0);
    }
};

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ArtworkTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "artwork_test.moc"
