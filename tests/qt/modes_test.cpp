#include "fixture.h"

#include <QLabel>
#include <QPushButton>

using namespace tessomar::testing;

namespace {

// Steps a user takes with the mouse ("Random" clicks RandomButton) or the
// keyboard ("alt+R").
void perform(tessomar::view::MainWindow& w, const QStringList& steps) {
    for (const QString& step : steps) {
        if (step.startsWith(QLatin1String("alt+"))) {
            const int letter = step.at(4).toLatin1();
            QTest::keyClick(keyTarget(w), Qt::Key(Qt::Key_A + (letter - 'A')), Qt::AltModifier);
        } else {
            QWidget* button = widget(w, step.toLatin1());
            QVERIFY2(button, qPrintable(step));
            clickCentre(button);
        }
    }
}

bool covers(QWidget* panel, QWidget* hit) { return hit && (hit == panel || panel->isAncestorOf(hit)); }

} // namespace

// The window's height, panels and captions as the mode, help and unit
// buttons change them, seen on the real widgets.
class ModesTest : public QObject {
    Q_OBJECT

    std::unique_ptr<tessomar::view::MainWindow> w;

private slots:
    void init() { w = startedWindow(); }
    void cleanup() { w.reset(); }

    void windowHeightFollowsTheMode_data() {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<int>("twips");
        QTest::addColumn<QString>("panel");
        QTest::addRow("start") << QStringList{} << 4210 << "";
        QTest::addRow("random") << QStringList{"RandomButton"} << 7470 << "";
        QTest::addRow("random by access key") << QStringList{"alt+R"} << 7470 << "";
        QTest::addRow("shock") << QStringList{"ShockButton"} << 4210 << "";
        QTest::addRow("random then sine") << QStringList{"RandomButton", "SineButton"} << 4210 << "";
        QTest::addRow("sine help") << QStringList{"HelpBut"} << 4210 << "SineHelp";
        QTest::addRow("shock help grows the window") << QStringList{"ShockButton", "HelpBut"} << 7470 << "ShockHelp";
        QTest::addRow("shock help closed by shock")
            << QStringList{"ShockButton", "HelpBut", "ShockButton"} << 4210 << "";
        QTest::addRow("random help") << QStringList{"RandomButton", "HelpBut"} << 7470 << "RanHelp";
    }
    void windowHeightFollowsTheMode() {
        QFETCH(QStringList, steps);
        QFETCH(int, twips);
        QFETCH(QString, panel);
        perform(*w, steps);
        // The outer height, frame included when there is one.
        QCOMPARE(w->frameGeometry().height(), px(float(twips)));
        QCOMPARE(w->height(), qRound(w->core().clientHeight() / kDesignTwipsPerPixel));
        for (const char* name : {"SineHelp", "RanHelp", "ShockHelp"})
            QCOMPARE(widget(*w, name)->isVisible(), panel == QLatin1String(name));
    }

    void shownHelpPanelCoversTheFields_data() {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QString>("panel");
        QTest::addColumn<QStringList>("covered");
        QTest::addRow("sine") << QStringList{"HelpBut"} << "SineHelp"
                              << QStringList{"Acceleration", "Frequency", "EnglishBut", "AddLbl1"};
        QTest::addRow("shock") << QStringList{"ShockButton", "HelpBut"} << "ShockHelp"
                               << QStringList{"Acceleration", "Displacement", "EnglishBut", "F(2)", "Scroll"};
        QTest::addRow("random") << QStringList{"RandomButton", "HelpBut"} << "RanHelp"
                                << QStringList{"Velocity", "DelBut", "F(0)", "A(8)", "Scroll"};
    }
    void shownHelpPanelCoversTheFields() {
        QFETCH(QStringList, steps);
        QFETCH(QString, panel);
        QFETCH(QStringList, covered);
        perform(*w, steps);
        QWidget* shownPanel = widget(*w, panel.toLatin1());
        for (const QString& name : covered) {
            QWidget* under = widget(*w, name.toLatin1());
            QVERIFY2(under, qPrintable(name));
            QVERIFY2(covers(shownPanel, w->childAt(under->geometry().center())), qPrintable(name));
        }
        // The mode buttons stay uncovered, so the panel can be closed.
        QCOMPARE(w->childAt(widget(*w, "SineButton")->geometry().center()), widget(*w, "SineButton"));
    }

    void unitButtonsChangeTheShownUnits_data() {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QStringList>("units");
        QTest::addRow("sine metric") << QStringList{"MetricBut"} << QStringList{"g's pk", "mps pk", "mm. p-p"};
        QTest::addRow("sine metric then english")
            << QStringList{"MetricBut", "EnglishBut"} << QStringList{"g's pk", "ips pk", "in. p-p"};
        QTest::addRow("random metric") << QStringList{"RandomButton", "MetricBut"}
                                       << QStringList{"g's rms", "mps pk", "mm. p-p"};
        QTest::addRow("metric kept into random")
            << QStringList{"alt+M", "RandomButton"} << QStringList{"g's rms", "mps pk", "mm p-p"};
        QTest::addRow("english by access key")
            << QStringList{"alt+M", "alt+E"} << QStringList{"g's pk", "ips pk", "in. p-p"};
    }
    void unitButtonsChangeTheShownUnits() {
        QFETCH(QStringList, steps);
        QFETCH(QStringList, units);
        perform(*w, steps);
        QCOMPARE(widget<QLabel>(*w, "AccelUnits")->text(), units[0]);
        QCOMPARE(widget<QLabel>(*w, "VelUnits")->text(), units[1]);
        QCOMPARE(widget<QLabel>(*w, "DispUnits")->text(), units[2]);
    }

    void metricValuesAreShownInMetric() {
        // 10 g at 100 Hz is 6.1 ips, 0.16 m/s; 0.020 in, 0.50 mm.
        perform(*w, {"MetricBut"});
        auto typeInto = [&](const char* field, const char* text) {
            clickCentre(widget(*w, field));
            key(*w, Qt::Key_A, Qt::ControlModifier);
            type(*w, QString::fromLatin1(text));
            key(*w, Qt::Key_Return);
        };
        typeInto("Acceleration", "10");
        typeInto("Frequency", "100");
        QCOMPARE(shown(*w, "Velocity"), QStringLiteral("0.16"));
        QCOMPARE(shown(*w, "Displacement"), QStringLiteral("0.50"));
        perform(*w, {"EnglishBut"});
        QCOMPARE(shown(*w, "Velocity"), QStringLiteral("6.1"));
        QCOMPARE(shown(*w, "Displacement"), QStringLiteral("0.020"));
    }

    void modeButtonsShowTheCurrentMode_data() {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QString>("current");
        QTest::addRow("start") << QStringList{} << "SineButton";
        QTest::addRow("random") << QStringList{"RandomButton"} << "RandomButton";
        QTest::addRow("shock") << QStringList{"ShockButton"} << "ShockButton";
        QTest::addRow("sine by access key") << QStringList{"RandomButton", "alt+S"} << "SineButton";
    }
    void modeButtonsShowTheCurrentMode() {
        QFETCH(QStringList, steps);
        QFETCH(QString, current);
        perform(*w, steps);
        for (const char* name : {"SineButton", "RandomButton", "ShockButton"}) {
            const QColor expected =
                current == QLatin1String(name) ? QColor(0xC0, 0xFF, 0xC0) : QColor(0xE0, 0xE0, 0xE0);
            QCOMPARE(widget(*w, name)->palette().color(QPalette::Button), expected);
        }
        // The button shows its caption with the access key marked.
        QVERIFY(widget<QPushButton>(*w, current.toLatin1())->text().contains(QLatin1Char('&')));
        QVERIFY(widget<QPushButton>(*w, current.toLatin1())->shortcut().isEmpty());
    }

    void pulseShapeButtonAppearsInShockOnly() {
        QVERIFY(!widget(*w, "AccelButton")->isVisible());
        perform(*w, {"ShockButton"});
        auto* shape = widget<QPushButton>(*w, "AccelButton");
        QVERIFY(shape->isVisible());
        QCOMPARE(shape->text(), QStringLiteral("Half Sine Accl"));
        QCOMPARE(w->childAt(widget(*w, "AccelLbl")->geometry().center()), shape);
        clickCentre(shape);
        QCOMPARE(shape->text(), QStringLiteral("Term Pk Accl"));
        QCOMPARE(shape->accessibleName(), QStringLiteral("Term Pk Accl"));
        QCOMPARE(widget<QLabel>(*w, "FreqLbl")->text(), QStringLiteral("Duration"));
    }
};

TESSOMAR_QT_TEST_MAIN(ModesTest)
#include "modes_test.moc"
