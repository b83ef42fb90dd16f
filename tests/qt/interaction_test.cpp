#include "fixture.h"

#include <QClipboard>
#include <QMenu>
#include <QScrollBar>
#include <QStyleOptionSlider>
#include <QTimer>

using namespace tessomar::testing;

namespace {

// A key script: "\t" Tab, "\x02" Shift+Tab, "\n" Enter, "\b" Backspace,
// "v"/"^" Down/Up, anything else typed as is.
void play(tessomar::view::MainWindow& w, const QString& script) {
    for (QChar ch : script) {
        switch (ch.unicode()) {
        case '\t':
            key(w, Qt::Key_Tab);
            break;
        case 0x02:
            key(w, Qt::Key_Backtab, Qt::ShiftModifier);
            break;
        case '\n':
            key(w, Qt::Key_Return);
            break;
        case '\b':
            key(w, Qt::Key_Backspace);
            break;
        case 'v':
            key(w, Qt::Key_Down);
            break;
        case '^':
            key(w, Qt::Key_Up);
            break;
        default:
            QTest::keyClick(keyTarget(w), ch.toLatin1());
        }
    }
}

void dragMouse(QWidget* target, QPoint from, QPoint to) {
    QTest::mousePress(target, Qt::LeftButton, {}, from);
    QMouseEvent move(QEvent::MouseMove, to, target->mapToGlobal(to), Qt::NoButton, Qt::LeftButton, {});
    QApplication::sendEvent(target, &move);
}

QRect partOf(QScrollBar* bar, QStyle::SubControl part) {
    QStyleOptionSlider opt;
    opt.initFrom(bar);
    opt.orientation = Qt::Vertical;
    opt.minimum = bar->minimum();
    opt.maximum = bar->maximum();
    opt.sliderPosition = bar->sliderPosition();
    opt.sliderValue = bar->value();
    opt.singleStep = bar->singleStep();
    opt.pageStep = bar->pageStep();
    return bar->style()->subControlRect(QStyle::CC_ScrollBar, &opt, part, bar);
}

const QColor kGreen(0xDB, 0xFF, 0xDD), kYellow(0xFD, 0xFF, 0xE1), kWhite(255, 255, 255);

} // namespace

// The user's keys, clicks, drags and clipboard on the real widgets, and
// what the widgets show afterwards.
class InteractionTest : public QObject {
    Q_OBJECT

    std::unique_ptr<tessomar::view::MainWindow> w;

    void enterPoint(int row, const char* freq, const char* psd) {
        clickCentre(widget(*w, QStringLiteral("F(%1)").arg(row).toLatin1()));
        key(*w, Qt::Key_A, Qt::ControlModifier);
        play(*w, QString::fromLatin1("%1\n%2\n").arg(QLatin1String(freq), QLatin1String(psd)));
    }

private slots:
    void init() {
        w = startedWindow();
        QGuiApplication::clipboard()->clear();
    }
    void cleanup() { w.reset(); }

    void keysEnterValuesAndMoveTheFocus_data() {
        QTest::addColumn<QString>("script");
        QTest::addColumn<QStringList>("fields");
        QTest::addColumn<QString>("focus");
        QTest::addColumn<QString>("selected");
        const QStringList zeros{"0.00", "0.0", "0.000", "0.00"};
        QTest::addRow("start") << "" << zeros << "Acceleration"
                               << "0.00";
        QTest::addRow("first key replaces the selection")
            << "5" << QStringList{"5", "0.0", "0.000", "0.00"} << "Acceleration"
            << "";
        QTest::addRow("backspace") << "12\b3" << QStringList{"13", "0.0", "0.000", "0.00"} << "Acceleration"
                                   << "";
        QTest::addRow("tab") << "\t" << zeros << "Velocity"
                             << "0.0";
        QTest::addRow("tab wraps") << "\t\t\t\t" << zeros << "Acceleration"
                                   << "0.00";
        QTest::addRow("shift-tab stays") << "\t\t\x02" << zeros << "Displacement"
                                         << "0.000";
        QTest::addRow("enter selects velocity again") << "\t12\n"
                                                      << QStringList{"0.00", "12.0", "0.000", "0.00"} << "Velocity"
                                                      << "12.0";
        QTest::addRow("acceleration then frequency") << "10\n\t\t\t100\n"
                                                     << QStringList{"10.00", "6.1", "0.020", "100.00"} << "Frequency"
                                                     << "100.00";
        QTest::addRow("frequency then acceleration by tab")
            << "\t\t\t100\t10\n"
            << QStringList{"10.00", "6.1", "0.020", "100.00"} << "Acceleration"
            << "";
    }
    void keysEnterValuesAndMoveTheFocus() {
        QFETCH(QString, script);
        QFETCH(QStringList, fields);
        QFETCH(QString, focus);
        QFETCH(QString, selected);
        play(*w, script);
        const char* names[] = {"Acceleration", "Velocity", "Displacement", "Frequency"};
        for (int i = 0; i < 4; ++i) QCOMPARE(shown(*w, names[i]), fields[i]);
        QCOMPARE(focusName(*w), focus);
        QCOMPARE(w->core().focused()->name(), focus.toStdString());
        QCOMPARE(widget<QLineEdit>(*w, focus.toLatin1())->selectedText(), selected);
        // Only the focused field shows a selection; the core keeps the others.
        for (const char* name : names)
            if (focus != QLatin1String(name)) QVERIFY(!widget<QLineEdit>(*w, name)->hasSelectedText());
    }

    void lastTwoEntriesArePaintedGreenAndYellow() {
        play(*w, "10\n\t\t\t100\n");
        QCOMPARE(widget(*w, "Frequency")->palette().color(QPalette::Base), kGreen);
        QCOMPARE(widget(*w, "Acceleration")->palette().color(QPalette::Base), kYellow);
        QCOMPARE(widget(*w, "Velocity")->palette().color(QPalette::Base), kWhite);
    }

    void pasteAndDeleteTakeNoEntry_data() {
        QTest::addColumn<QString>("clipboard");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("mods");
        QTest::addColumn<QString>("text");
        QTest::addRow("delete") << "" << int(Qt::Key_Delete) << 0 << "";
    }
    void pasteAndDeleteTakeNoEntry() {
        QFETCH(QString, clipboard);
        QFETCH(int, key);
        QFETCH(int, mods);
        QFETCH(QString, text);
        QGuiApplication::clipboard()->setText(clipboard);
        QTest::keyClick(keyTarget(*w), Qt::Key(key), Qt::KeyboardModifiers(mods));
        QCOMPARE(shown(*w, "Acceleration"), text);
        play(*w, "\t");
        QCOMPARE(focusName(*w), QStringLiteral("Velocity"));
        QVERIFY(w->core().fs.LastEntry.empty());
    }

    void clickingAnotherFieldTakesTheEntryAndStaysThere() {
        for (const char* target : {"Frequency", "Velocity"}) {
            key(*w, Qt::Key_A, Qt::ControlModifier);
            play(*w, "10");
            clickCentre(widget(*w, target));
            QCOMPARE(focusName(*w), QString::fromLatin1(target));
            QCOMPARE(shown(*w, "Acceleration"), QStringLiteral("10.00"));
            QCOMPARE(widget(*w, "Acceleration")->palette().color(QPalette::Base), kGreen);
            clickCentre(widget(*w, "Acceleration"));
        }
    }

    void mouseAndContextMenuSelectAndEditThroughTheCore() {
        play(*w, "123\n");
        auto* edit = widget<QLineEdit>(*w, "Acceleration");
        const QPoint left(2, edit->height() / 2), right(edit->width() - 2, edit->height() / 2);
        QTest::mouseClick(edit, Qt::LeftButton, {}, right);
        QCOMPARE(w->core().Acceleration.SelStart(), 6);
        QVERIFY(!edit->hasSelectedText());
        dragMouse(edit, right, left);
        QTest::mouseRelease(edit, Qt::LeftButton, {}, left);
        QCOMPARE(edit->selectedText(), QStringLiteral("123.00"));
        QCOMPARE(w->core().Acceleration.SelLength(), 6);
        // Cut from the context menu: the core's text and the clipboard change.
        QTimer::singleShot(0, this, [] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            QVERIFY(menu);
            QAction* cut = menu->actions().first();
            QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(cut).center());
        });
        QContextMenuEvent menuEvent(QContextMenuEvent::Mouse, left, edit->mapToGlobal(left));
        QApplication::sendEvent(edit, &menuEvent);
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("123.00"));
        QCOMPARE(edit->text(), QString());
        QCOMPARE(w->core().Acceleration.Text(), std::string());
    }

    void scrollBarGesturesStepTheCore_data() {
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("part");
        QTest::addColumn<int>("expected");
        QTest::addRow("down arrow") << 1 << int(QStyle::SC_ScrollBarAddLine) << 2;
        QTest::addRow("up arrow") << 5 << int(QStyle::SC_ScrollBarSubLine) << 4;
        QTest::addRow("trough below the thumb") << 1 << int(QStyle::SC_ScrollBarAddPage) << 8;
        QTest::addRow("trough above the thumb") << 20 << int(QStyle::SC_ScrollBarSubPage) << 13;
        QTest::addRow("trough near the end") << 40 << int(QStyle::SC_ScrollBarAddPage) << 42;
    }
    void scrollBarGesturesStepTheCore() {
        QFETCH(int, start);
        QFETCH(int, part);
        QFETCH(int, expected);
        clickCentre(widget(*w, "RandomButton"));
        w->core().Scroll.setMax(42);
        w->core().Scroll.setValue(start);
        w->sync();
        auto* bar = widget<QScrollBar>(*w, "Scroll");
        QTest::mouseClick(bar, Qt::LeftButton, {}, partOf(bar, QStyle::SubControl(part)).center());
        QCOMPARE(w->core().Scroll.Value(), expected);
        QCOMPARE(bar->value(), expected);
        QCOMPARE(shown(*w, "B(0)"), QStringLiteral("%1").arg(expected, 2, 10, QLatin1Char('0')));
        QCOMPARE(focusName(*w), QStringLiteral("Scroll")); // a clicked bar takes the focus
    }

    void thumbDragIsReportedOnRelease() {
        clickCentre(widget(*w, "RandomButton"));
        w->core().Scroll.setMax(42);
        w->sync();
        auto* bar = widget<QScrollBar>(*w, "Scroll");
        const QPoint from = partOf(bar, QStyle::SC_ScrollBarSlider).center();
        const QPoint to(from.x(), partOf(bar, QStyle::SC_ScrollBarGroove).bottom() - 2);
        dragMouse(bar, from, to);
        QVERIFY(bar->sliderPosition() > 30);
        QCOMPARE(w->core().Scroll.Value(), 1);
        QTest::mouseRelease(bar, Qt::LeftButton, {}, to);
        QCOMPARE(w->core().Scroll.Value(), bar->sliderPosition());
        QCOMPARE(bar->value(), w->core().Scroll.Value());
    }

    void tableWorksFromKeysAndMouse_data() {
        QTest::addColumn<QString>("action");
        QTest::addColumn<QStringList>("frequencies"); // rows 1 and 2
        QTest::addColumn<QString>("focus");
        QTest::addRow("down goes to the row below") << "v" << QStringList{"20.00", "2000.00"} << "F(1)";
        QTest::addRow("down then up") << "v^" << QStringList{"20.00", "2000.00"} << "F(0)";
        QTest::addRow("tab then back") << "\t\x02" << QStringList{"20.00", "2000.00"} << "F(0)";
        QTest::addRow("delete the first point") << "DelBut" << QStringList{"2000.00", "0.00"} << "";
        QTest::addRow("clear all") << "ClearBut" << QStringList{"0.00", "0.00"} << "";
    }
    void tableWorksFromKeysAndMouse() {
        QFETCH(QString, action);
        QFETCH(QStringList, frequencies);
        QFETCH(QString, focus);
        clickCentre(widget(*w, "RandomButton"));
        enterPoint(0, "20", "0.04");
        enterPoint(1, "2000", "0.04");
        QVERIFY(shown(*w, "Acceleration").toDouble() > 0);
        if (action.endsWith(QLatin1String("But"))) {
            clickCentre(widget(*w, "B(0)")); // the row number picks the row to delete
            clickCentre(widget(*w, action.toLatin1()));
        } else {
            clickCentre(widget(*w, "F(0)"));
            play(*w, action);
            QCOMPARE(focusName(*w), focus);
        }
        QCOMPARE(shown(*w, "F(0)"), frequencies[0]);
        QCOMPARE(shown(*w, "F(1)"), frequencies[1]);
    }
};

TESSOMAR_QT_TEST_MAIN(InteractionTest)
#include "interaction_test.moc"
