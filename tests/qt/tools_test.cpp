// What the view adds to the tools: how the main window reaches them (menus
// and shortcuts that never reach its boxes), the tool windows' keys and
// names, and the plot painted where the chart model places its points.
#include "qt/form_window.h"
#include "qt/main_window.h"
#include "qt/plot_widget.h"
#include "qt/tool_window.h"
#include "tools/tool_fixtures.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

using namespace tessomar::view;

class ToolsTest : public QObject {
    Q_OBJECT

    std::unique_ptr<MainWindow> w;

    QWidget* widget(const char* name) { return w->widgetFor(name); }
    ToolWindow* plotWindow() { return w->tools().window(0); }

    // Right-clicks the widget and reads the menu it opens: its items' texts,
    // each with its shortcut after a tab.
    QStringList menuOf(QWidget* target) {
        QStringList items;
        QTimer::singleShot(0, this, [&items] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            if (!menu) return;
            for (QAction* a : menu->actions())
                if (!a->isSeparator())
                    items << a->text() +
                                 (a->shortcut().isEmpty() ? QString() : QLatin1Char('\t') + a->shortcut().toString());
            menu->close();
        });
        QTest::mousePress(target, Qt::RightButton, {}, QPoint(3, 3));
        QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(3, 3), target->mapToGlobal(QPoint(3, 3)));
        QApplication::sendEvent(target, &event);
        return items;
    }

private slots:
    void init() {
        w = std::make_unique<MainWindow>(15.1f);
        w->show();
        QVERIFY(QTest::qWaitForWindowActive(w.get()));
        w->sync();
    }
    void cleanup() { w.reset(); }

    // The tools end every box's menu and make the whole menu elsewhere.
    void menusOfferTheTools_data() {
        QTest::addColumn<QString>("target");
        QTest::addColumn<QStringList>("items");
        const QStringList tools{QStringLiteral("Profile plot\tCtrl+1"), QStringLiteral("Sweep\tCtrl+2"),
                                QStringLiteral("Sine profile\tCtrl+3"), QStringLiteral("Shaker\tCtrl+4"),
                                QStringLiteral("Response\tCtrl+5")};
        QTest::newRow("label") << "FreqLbl" << tools;
        QTest::newRow("button") << "EnglishBut" << tools;
        QTest::newRow("banner") << "Picture1" << tools;
        QTest::newRow("sine box") << "Velocity" << QStringList{"Cu&t", "&Copy", "&Paste", "Select &All"} + tools;
    }
    void menusOfferTheTools() {
        QFETCH(QString, target);
        QTEST(menuOf(widget(target.toLatin1().constData())), "items");
        QVERIFY(!plotWindow()); // nothing made until asked for
    }

    // A tool's shortcut goes to the window and never to the box: what was
    // typed stays pending, the results stay, and the core's focus stays put
    // while the tool has the keyboard; a second request raises the same window.
    void shortcutsOpenToolsAndLeaveTheBoxAlone() {
        QTest::keyClick(w.get(), Qt::Key_R, Qt::AltModifier);
        QGuiApplication::clipboard()->setText(QStringLiteral("20 0.01\n2000 0.01"));
        QTest::keySequence(w->focusWidget(), QKeySequence::Paste);
        QTest::mouseClick(widget("F(2)"), Qt::LeftButton);
        QTest::keyClicks(w->focusWidget(), QStringLiteral("3"));
        // The pending entry and the blanked results as typing left them.
        const std::string typed = w->core().F[2].Text(), shown = w->core().Acceleration.Text();
        QVERIFY(!typed.empty());
        const tessomar::FormState before = w->core().fs;
        QTest::keyClick(w->focusWidget(), Qt::Key_1, Qt::ControlModifier);
        QVERIFY(plotWindow() && plotWindow()->isVisible());
        QTRY_COMPARE(QApplication::activeWindow(), plotWindow());
        QCOMPARE(plotWindow()->windowTitle(), QStringLiteral("Tessomar — Profile plot"));
        QCOMPARE(w->core().F[2].Text(), typed);
        QCOMPARE(w->core().Acceleration.Text(), shown);
        QCOMPARE(w->core().focused(), &w->core().F[2]);
        QVERIFY(w->core().fs == before);

        ToolWindow* first = plotWindow();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape); // from the level's box
        QVERIFY(!first->isVisible());
        w->activateWindow();
        QTRY_COMPARE(QApplication::activeWindow(), w.get());
        QTest::keyClick(w->focusWidget(), Qt::Key_1, Qt::ControlModifier | Qt::KeypadModifier);
        QCOMPARE(plotWindow(), first);
        QVERIFY(first->isVisible());
        QCOMPARE(w->core().F[2].Text(), typed);
    }

    // The plot follows the table through the view: after a paste and a
    // clear its description (what a reader hears) changes with it.
    void thePlotFollowsTheMainWindow() {
        w->tools().open(0);
        auto* plot = dynamic_cast<PlotWidget*>(plotWindow()->findChild<QWidget*>(QStringLiteral("Plot")));
        QCOMPARE(plot->accessibleDescription(), QStringLiteral("0 break points, 0.00 g rms"));
        w->activateWindow();
        QTRY_COMPARE(QApplication::activeWindow(), w.get());
        QTest::keyClick(w.get(), Qt::Key_R, Qt::AltModifier);
        QGuiApplication::clipboard()->setText(QStringLiteral("20 0.01\n2000 0.01"));
        QTest::keySequence(w->focusWidget(), QKeySequence::Paste);
        QCOMPARE(plot->accessibleDescription(), QStringLiteral("2 break points, 4.45 g rms"));
        QTest::mouseClick(widget("ClearBut"), Qt::LeftButton);
        QCOMPARE(plot->accessibleDescription(), QStringLiteral("0 break points, 0.00 g rms"));
    }

    // Every control of the tool window is named for scripts and readers;
    // Enter moves on, Tab goes round the controls, the level redraws.
    void theToolWindowIsNamedAndKeyboardUsable() {
        w->tools().open(0);
        ToolWindow* tool = plotWindow();
        QTRY_COMPARE(QApplication::activeWindow(), tool);
        for (QWidget* child : tool->findChildren<QWidget*>()) {
            if (child->focusPolicy() == Qt::NoFocus && !dynamic_cast<PlotWidget*>(child)) continue;
            if (child->parentWidget() != tool) continue; // a spin box's own line edit
            QVERIFY2(!child->objectName().isEmpty(), child->metaObject()->className());
            QVERIFY2(!child->accessibleName().isEmpty(), qPrintable(child->objectName()));
        }
        auto* level = tool->findChild<QDoubleSpinBox*>(QStringLiteral("Level"));
        QCOMPARE(QApplication::focusWidget(), level);
        level->selectAll();
        QTest::keyClicks(level, QStringLiteral("-3"));
        auto* plot = dynamic_cast<PlotWidget*>(tool->findChild<QWidget*>(QStringLiteral("Plot")));
        QCOMPARE(plot->chart().title, std::string("Acceleration PSD at -3.0 dB, 0.00 g rms"));
        QTest::keyClick(level, Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("Alarm"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
        QVERIFY(plot->chart().hasLegend());
        for (const char* next : {"Abort", "SaveSvg", "Level"}) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget()->objectName(), QString::fromLatin1(next));
        }
    }

    // A write that fails says why in the tool window, no dialog to dismiss.
    void aFailedSaveSaysWhyInTheWindow() {
        w->tools().open(0);
        ToolWindow* tool = plotWindow();
        const QString path = QDir::tempPath() + QStringLiteral("/tessomar-no-such-folder/p.svg");
        QTimer::singleShot(0, this, [tool, path] {
            // The dialog is the tool's; accepting it is what its Save button does.
            if (auto* dialog = tool->findChild<QFileDialog*>()) {
                dialog->selectFile(path);
                QMetaObject::invokeMethod(dialog, "accept");
            }
        });
        tool->findChild<QPushButton*>(QStringLiteral("SaveSvg"))->click();
        // The path as the dialog resolved it, and the system's reason.
        const QString status = tool->findChild<QLabel*>(QStringLiteral("Status"))->text();
        QVERIFY2(status.startsWith(QStringLiteral("Could not save /")) &&
                     status.endsWith(QStringLiteral("/tessomar-no-such-folder/p.svg: No such file or directory")),
                 qPrintable(status));
        QVERIFY(!QApplication::activeModalWidget());
    }

    // A form's window is built from its presenter: a refused value says why
    // beside its box, results follow each key, Enter moves to the next box.
    void aFormShowsWhatItsPresenterWorksOut() {
        FormWindow form(w.get(), std::make_unique<tessomar::tools::TwoValues>(w->core()), "TwoValues");
        form.present();
        QTRY_COMPARE(QApplication::activeWindow(), &form);
        QCOMPARE(form.windowTitle(), QStringLiteral("Tessomar — Two values"));
        auto* frequency = form.findChild<QLineEdit*>(QStringLiteral("Frequency"));
        auto* stroke = form.findChild<QLineEdit*>(QStringLiteral("Stroke"));
        auto label = [&form](const char* name) { return form.findChild<QLabel*>(QLatin1String(name)); };
        QCOMPARE(QApplication::focusWidget(), frequency);
        QCOMPARE(stroke->text(), QStringLiteral("1"));
        QCOMPARE(label("StrokeUnit")->text(), QStringLiteral("in"));
        QCOMPARE(label("FrequencyReason")->text(), QStringLiteral("Enter a value"));
        QTest::keyClicks(frequency, QStringLiteral("12a"));
        QCOMPARE(label("FrequencyReason")->text(), QStringLiteral("Not a number"));
        QVERIFY(!QApplication::activeModalWidget());
        QTest::keyClick(frequency, Qt::Key_Backspace);
        QCOMPARE(label("FrequencyReason")->text(), QString());
        QCOMPARE(label("Result1")->text(), QStringLiteral("12.000000 1.000000"));
        QTest::keyClick(frequency, Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), stroke);
        QTest::keyClicks(stroke, QStringLiteral("x"));
        QVERIFY(label("Result1")->isHidden());
        for (QWidget* child : form.findChildren<QWidget*>())
            QVERIFY2(!child->accessibleName().isEmpty() || !child->focusPolicy(), qPrintable(child->objectName()));
        QTest::keyClick(stroke, Qt::Key_Escape);
        QVERIFY(!form.isVisible());
    }

    // A unit picked from a list works the form out again; Tab goes through
    // each box and list in turn, and Enter moves on from a list as from a box.
    void aFormsListsPickUnitsAndTakeTheirTurn() {
        w->tools().open(1);
        ToolWindow* sweep = w->tools().window(1);
        QTRY_COMPARE(QApplication::activeWindow(), sweep);
        for (const char* value : {"10\r", "1000\r", "2"})
            QTest::keyClicks(QApplication::focusWidget(), QString::fromLatin1(value));
        auto* rateUnit = sweep->findChild<QComboBox*>(QStringLiteral("RateUnit"));
        rateUnit->setCurrentIndex(2);
        emit rateUnit->activated(2);
        // 990 Hz at 2 Hz/s.
        QCOMPARE(sweep->findChild<QLabel*>(QStringLiteral("Result3"))->text(),
                 QStringLiteral("One sweep: 495 s, 8.25 min"));
        for (const char* next : {"RateUnit", "Time", "TimeUnit", "Spacing", "Sweeps", "From"}) {
            QTest::keyClick(QApplication::focusWidget(), next[0] == 'S' ? Qt::Key_Return : Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget()->objectName(), QString::fromLatin1(next));
            QVERIFY(!QApplication::focusWidget()->accessibleName().isEmpty());
        }
    }

    // The painter puts each break point's dot where the model places it.
    void thePlotPaintsThePointsWhereTheModelPlacesThem() {
        PlotWidget plot(nullptr);
        plot.resize(500, 400);
        plot.setChart(tessomar::chart::profileChart({{20, 0.01}, {80, 0.04}, {2000, 0.002}}, "1.00"));
        const QImage image = plot.grab().toImage();
        const QRectF area = plot.area();
        // Decades of the model's axes: 10 to 10000 Hz, 0.001 to 0.1.
        const struct { double f, psd; } points[] = {{20, 0.01}, {80, 0.04}, {2000, 0.002}};
        for (const auto& p : points) {
            const QPointF at(area.left() + (std::log10(p.f) - 1) / 3 * area.width(),
                             area.bottom() - (std::log10(p.psd) + 3) / 2 * area.height());
            QCOMPARE(image.pixelColor(at.toPoint()), QColor(0x1f, 0x5f, 0xa8));
            QCOMPARE(plot.at({p.f, p.psd}).toPoint(), at.toPoint());
        }
        QCOMPARE(image.pixelColor(2, 2), QColor(Qt::white)); // the background the SVG has
    }
};

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen"); // run by hand as under CTest
    QApplication app(argc, argv);
    ToolsTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tools_test.moc"
