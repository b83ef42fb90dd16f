#include "fixture.h"

#include <QPushButton>
#include <QScrollBar>
#include <QStyleOptionSlider>
#include <QWheelEvent>

using namespace tessomar::testing;

namespace {

QRect partOf(QScrollBar* bar, QStyle::SubControl part) {
    QStyleOptionSlider opt;
    opt.initFrom(bar);
    opt.subControls = QStyle::SC_All;
    opt.orientation = bar->orientation();
    opt.minimum = bar->minimum();
    opt.maximum = bar->maximum();
    opt.sliderPosition = bar->sliderPosition();
    opt.sliderValue = bar->value();
    opt.singleStep = bar->singleStep();
    opt.pageStep = bar->pageStep();
    opt.upsideDown = bar->invertedAppearance();
    return bar->style()->subControlRect(QStyle::CC_ScrollBar, &opt, part, bar);
}

void clickPart(QScrollBar* bar, QStyle::SubControl part) {
    const QRect r = partOf(bar, part);
    QVERIFY2(r.isValid(), "part of the scroll bar not found");
    QTest::mouseClick(bar, Qt::LeftButton, {}, r.center());
}

} // namespace

// The break-point table on the Random screen: its nine rows, the scroll
// bar's gestures and the two table buttons, through the real widgets.
class TableTest : public QObject {
    Q_OBJECT

    std::unique_ptr<tessomar::view::MainWindow> w;

    QScrollBar* bar() { return widget<QScrollBar>(*w, "Scroll"); }

    // Opens the table with every entry reachable by scrolling.
    void openFullTable() {
        clickCentre(widget(*w, "RandomButton"));
        w->core().Scroll.setMax(42);
        w->sync();
    }

    void enterPoint(int row, const char* freq, const char* psd) {
        clickCentre(widget(*w, QStringLiteral("F(%1)").arg(row).toLatin1()));
        key(*w, Qt::Key_A, Qt::ControlModifier);
        type(*w, QString::fromLatin1(freq));
        key(*w, Qt::Key_Return);
        key(*w, Qt::Key_A, Qt::ControlModifier);
        type(*w, QString::fromLatin1(psd));
        key(*w, Qt::Key_Return);
    }

private slots:
    void init() { w = startedWindow(); }
    void cleanup() { w.reset(); }

    void nineRowsShowOnTheRandomScreen_data() {
        QTest::addColumn<int>("row");
        for (int row = 0; row < 9; ++row) QTest::addRow("row %d", row + 1) << row;
    }
    void nineRowsShowOnTheRandomScreen() {
        QFETCH(int, row);
        clickCentre(widget(*w, "RandomButton"));
        for (const char* column : {"B(%1)", "F(%1)", "A(%1)"}) {
            const QString name = QString::fromLatin1(column).arg(row);
            auto* box = widget<QLineEdit>(*w, name.toLatin1());
            QVERIFY(box->isVisible());
            QVERIFY2(w->rect().contains(box->geometry()), qPrintable(name));
            QCOMPARE(box->geometry().top(), px(4245.0f + 300.0f * float(row)));
        }
        QCOMPARE(shown(*w, QStringLiteral("B(%1)").arg(row).toLatin1()),
                 QStringLiteral("%1").arg(row + 1, 2, 10, QLatin1Char('0')));
        QCOMPARE(shown(*w, QStringLiteral("F(%1)").arg(row).toLatin1()), QStringLiteral("0.00"));
        QCOMPARE(shown(*w, QStringLiteral("A(%1)").arg(row).toLatin1()), QStringLiteral("0.000000"));
    }

    void tableLiesBelowTheSineWindow() {
        // In Sine mode the window's bottom edge hides the table.
        QVERIFY(widget(*w, "F(0)")->geometry().top() >= w->height());
    }

    void scrollBarGesturesStepTheCore_data() {
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("part");
        QTest::addColumn<int>("expected");
        QTest::addRow("down arrow") << 1 << int(QStyle::SC_ScrollBarAddLine) << 2;
        QTest::addRow("up arrow") << 5 << int(QStyle::SC_ScrollBarSubLine) << 4;
        QTest::addRow("up arrow at the top") << 1 << int(QStyle::SC_ScrollBarSubLine) << 1;
        QTest::addRow("trough below the thumb") << 1 << int(QStyle::SC_ScrollBarAddPage) << 8;
        QTest::addRow("trough above the thumb") << 20 << int(QStyle::SC_ScrollBarSubPage) << 13;
        QTest::addRow("trough near the end") << 40 << int(QStyle::SC_ScrollBarAddPage) << 42;
    }
    void scrollBarGesturesStepTheCore() {
        QFETCH(int, start);
        QFETCH(int, part);
        QFETCH(int, expected);
        openFullTable();
        w->core().Scroll.setValue(start);
        w->sync();
        clickPart(bar(), QStyle::SubControl(part));
        QCOMPARE(w->core().Scroll.Value(), expected);
        QCOMPARE(bar()->value(), expected);
        // The rows show the entries from the new top on.
        QCOMPARE(shown(*w, "B(0)"), QStringLiteral("%1").arg(expected, 2, 10, QLatin1Char('0')));
        // A click on the bar gives it the focus, as any clicked control.
        QCOMPARE(w->core().focused(), &w->core().Scroll);
        QCOMPARE(focusName(*w), QStringLiteral("Scroll"));
    }

    void thumbDragIsReportedOnRelease() {
        openFullTable();
        QScrollBar* b = bar();
        const QPoint from = partOf(b, QStyle::SC_ScrollBarSlider).center();
        const QPoint to(from.x(), partOf(b, QStyle::SC_ScrollBarGroove).bottom() - 2);
        QTest::mousePress(b, Qt::LeftButton, {}, from);
        QMouseEvent move(QEvent::MouseMove, to, b->mapToGlobal(to), Qt::NoButton, Qt::LeftButton, {});
        QApplication::sendEvent(b, &move);
        QVERIFY(b->sliderPosition() > 1);
        QCOMPARE(w->core().Scroll.Value(), 1);
        QTest::mouseRelease(b, Qt::LeftButton, {}, to);
        QCOMPARE(w->core().Scroll.Value(), b->sliderPosition());
        QVERIFY(w->core().Scroll.Value() > 30);
        QCOMPARE(b->value(), w->core().Scroll.Value());
    }

    void wheelStepsByLines_data() {
        QTest::addColumn<int>("delta");
        QTest::addColumn<int>("expected");
        QTest::addRow("one notch down") << -120 << 11;
        QTest::addRow("two notches up") << 240 << 8;
        QTest::addRow("half a notch waits") << -60 << 10;
    }
    void wheelStepsByLines() {
        QFETCH(int, delta);
        QFETCH(int, expected);
        openFullTable();
        w->core().Scroll.setValue(10);
        w->sync();
        const QPointF at = bar()->rect().center();
        QWheelEvent wheel(at, bar()->mapToGlobal(at), {}, QPoint(0, delta), Qt::NoButton, {}, Qt::NoScrollPhase, false);
        QApplication::sendEvent(bar(), &wheel);
        QCOMPARE(w->core().Scroll.Value(), expected);
        QCOMPARE(bar()->value(), expected);
    }

    void tableButtonsWorkFromTheMouse_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("firstFrequency");
        QTest::addColumn<QString>("secondFrequency");
        QTest::addRow("delete the first point") << "DelBut"
                                                << "2000.00"
                                                << "0.00";
        QTest::addRow("clear all") << "ClearBut"
                                   << "0.00"
                                   << "0.00";
    }
    void tableButtonsWorkFromTheMouse() {
        QFETCH(QString, button);
        QFETCH(QString, firstFrequency);
        QFETCH(QString, secondFrequency);
        clickCentre(widget(*w, "RandomButton"));
        enterPoint(0, "20", "0.04");
        enterPoint(1, "2000", "0.04");
        QCOMPARE(shown(*w, "F(0)"), QStringLiteral("20.00"));
        QCOMPARE(shown(*w, "F(1)"), QStringLiteral("2000.00"));
        QVERIFY(shown(*w, "Acceleration").toDouble() > 0);
        // The row number picks the row the delete acts on.
        clickCentre(widget(*w, "B(0)"));
        clickCentre(widget(*w, button.toLatin1()));
        QCOMPARE(shown(*w, "F(0)"), firstFrequency);
        QCOMPARE(shown(*w, "F(1)"), secondFrequency);
    }

    void keysMoveBetweenFilledRows_data() {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("focus");
        QTest::addRow("down goes to the row below") << "v"
                                                    << "F(1)";
        QTest::addRow("down then up") << "v^"
                                      << "F(0)";
        QTest::addRow("tab goes to the psd") << "t"
                                             << "A(0)";
        QTest::addRow("tab then back") << "tT"
                                       << "F(0)";
        QTest::addRow("tab twice is the next row") << "tt"
                                                   << "F(1)";
    }
    void keysMoveBetweenFilledRows() {
        QFETCH(QString, keys);
        QFETCH(QString, focus);
        clickCentre(widget(*w, "RandomButton"));
        enterPoint(0, "20", "0.04");
        enterPoint(1, "2000", "0.04");
        clickCentre(widget(*w, "F(0)"));
        for (QChar k : keys) {
            if (k == QLatin1Char('v')) key(*w, Qt::Key_Down);
            if (k == QLatin1Char('^')) key(*w, Qt::Key_Up);
            if (k == QLatin1Char('t')) key(*w, Qt::Key_Tab);
            if (k == QLatin1Char('T')) key(*w, Qt::Key_Backtab, Qt::ShiftModifier);
        }
        QCOMPARE(focusName(*w), focus);
        QCOMPARE(w->core().focused()->name(), focus.toStdString());
    }
};

TESSOMAR_QT_TEST_MAIN(TableTest)
#include "table_test.moc"
