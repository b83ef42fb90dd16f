#include "fixture.h"

#include <QAccessible>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>

using namespace tessomar::testing;

// The widgets the window is drawn with: names, places, colours and fonts as
// the core holds them after start-up.
class LayoutTest : public QObject {
    Q_OBJECT

    std::unique_ptr<tessomar::view::MainWindow> w;

private slots:
    void init() { w = startedWindow(); }
    void cleanup() { w.reset(); }

    void everyControlHasAWidgetAtItsDesignPlace_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("className");
        QTest::addColumn<QRect>("twips");
        QTest::addRow("SineButton") << "SineButton"
                                    << "QPushButton" << QRect(30, 825, 1105, 400);
        QTest::addRow("ShockButton") << "ShockButton"
                                     << "QPushButton" << QRect(2310, 825, 1105, 400);
        QTest::addRow("Acceleration") << "Acceleration"
                                      << "QLineEdit" << QRect(1530, 1400, 1000, 360);
        QTest::addRow("Frequency") << "Frequency"
                                   << "QLineEdit" << QRect(1530, 2600, 1000, 360);
        QTest::addRow("AccelLbl") << "AccelLbl"
                                  << "QLabel" << QRect(50, 1450, 1455, 270);
        QTest::addRow("DispUnits") << "DispUnits"
                                   << "QLabel" << QRect(2595, 2250, 870, 270);
        QTest::addRow("EnglishBut in Sine") << "EnglishBut"
                                            << "QPushButton" << QRect(30, 3020, 1125, 285);
        QTest::addRow("HelpBut in Sine") << "HelpBut"
                                         << "QPushButton" << QRect(2295, 3020, 1125, 285);
        QTest::addRow("AddLbl1 in Sine") << "AddLbl1"
                                         << "QLabel" << QRect(30, 3340, 3405, 465);
        QTest::addRow("BkptBak") << "BkptBak"
                                 << "QLabel" << QRect(30, 3900, 3030, 3060);
        QTest::addRow("PSDLbl") << "PSDLbl"
                                << "QLineEdit" << QRect(1800, 3945, 1110, 200);
        QTest::addRow("B(0)") << "B(0)"
                              << "QLineEdit" << QRect(180, 4245, 555, 200);
        QTest::addRow("F(3)") << "F(3)"
                              << "QLineEdit" << QRect(800, 4245 + 900, 870, 200);
        QTest::addRow("A(8)") << "A(8)"
                              << "QLineEdit" << QRect(1800, 4245 + 2400, 1110, 200);
        QTest::addRow("Scroll") << "Scroll"
                                << "QScrollBar" << QRect(3060, 3885, 360, 3075);
        QTest::addRow("SineHelp") << "SineHelp"
                                  << "QPlainTextEdit" << QRect(30, 1380, 3420, 2490);
        QTest::addRow("RanHelp") << "RanHelp"
                                 << "QPlainTextEdit" << QRect(30, 1380, 3420, 5610);
        QTest::addRow("Picture1") << "Picture1"
                                  << "QWidget" << QRect(30, 30, 3405, 735);
    }
    void everyControlHasAWidgetAtItsDesignPlace() {
        QFETCH(QString, name);
        QFETCH(QString, className);
        QFETCH(QRect, twips);
        QWidget* widget = w->findChild<QWidget*>(name);
        QVERIFY2(widget, qPrintable(name));
        QVERIFY(widget->inherits(className.toLatin1()));
        QCOMPARE(widget->parentWidget(), w.get());
        QCOMPARE(widget->geometry(), QRect(px(twips.x()), px(twips.y()), px(twips.width()), px(twips.height())));
        QCOMPARE(widget->focusPolicy(), Qt::NoFocus);
    }

    void ruleUnderTheModeButtonsIsDrawnAcross() {
        QWidget* line = w->findChild<QWidget*>(QStringLiteral("Line1"));
        QVERIFY(line);
        QCOMPARE(line->geometry().left(), px(45));
        QCOMPARE(line->geometry().top(), px(1300));
        QCOMPARE(line->geometry().right(), px(3400));
        QVERIFY(line->testAttribute(Qt::WA_TransparentForMouseEvents));
    }

    void focusCatchersAreNeverExposed_data() {
        QTest::addColumn<QString>("name");
        for (const char* n : {"VelTab", "DispTab", "FreqTab", "AccelTab", "AccelBounce", "VelBounce", "DispBounce",
                              "FreqBounce", "TabBounce", "TabDnBounce"})
            QTest::addRow("%s", n) << n;
    }
    void focusCatchersAreNeverExposed() {
        QFETCH(QString, name);
        QVERIFY(w->core().find(name.toStdString()));
        QVERIFY(!w->findChild<QWidget*>(name));
        QVERIFY(!w->widgetFor(name.toStdString()));
    }

    void widgetsCarryAccessibleNames_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("accessible");
        QTest::addRow("Acceleration") << "Acceleration"
                                      << "Acceleration";
        QTest::addRow("Velocity") << "Velocity"
                                  << "Velocity";
        QTest::addRow("Displacement") << "Displacement"
                                      << "Displacement";
        QTest::addRow("Frequency") << "Frequency"
                                   << "Frequency";
        QTest::addRow("F(0)") << "F(0)"
                              << "Row 1 frequency";
        QTest::addRow("A(3)") << "A(3)"
                              << "Row 4 PSD";
        QTest::addRow("B(8)") << "B(8)"
                              << "Row 9 number";
        QTest::addRow("Scroll") << "Scroll"
                                << "Break points";
        QTest::addRow("SineHelp") << "SineHelp"
                                  << "Sine help";
        QTest::addRow("RanHelp") << "RanHelp"
                                 << "Random help";
        QTest::addRow("ShockHelp") << "ShockHelp"
                                   << "Shock help";
        QTest::addRow("SineButton") << "SineButton"
                                    << "Sine";
        QTest::addRow("ShockButton") << "ShockButton"
                                     << "Shock";
        QTest::addRow("MetricBut") << "MetricBut"
                                   << "Metric";
        QTest::addRow("ClearBut") << "ClearBut"
                                  << "Clear All";
        QTest::addRow("FreqLbl") << "FreqLbl"
                                 << "Frequency";
        QTest::addRow("AccelUnits") << "AccelUnits"
                                    << "g's pk";
        QTest::addRow("Picture1") << "Picture1"
                                  << "Tessomar";
    }
    void widgetsCarryAccessibleNames() {
        QFETCH(QString, name);
        QFETCH(QString, accessible);
        QWidget* widget = w->findChild<QWidget*>(name);
        QVERIFY(widget);
        QCOMPARE(widget->accessibleName(), accessible);
        QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(widget);
        QVERIFY(iface);
        QCOMPARE(iface->text(QAccessible::Name), accessible);
    }

    void labelNamesFollowCaptionChanges() {
        // Shock relabels the frequency row; a screen reader must hear it.
        QTest::mouseClick(widget<QPushButton>(*w, "ShockButton"), Qt::LeftButton);
        QCOMPARE(widget<QLabel>(*w, "FreqLbl")->text(), QStringLiteral("Duration"));
        QCOMPARE(widget(*w, "FreqLbl")->accessibleName(), QStringLiteral("Duration"));
        QCOMPARE(widget(*w, "FreqUnits")->accessibleName(), QStringLiteral("msec"));
    }

    void helpPanelsReadAsText_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("firstLine");
        QTest::addColumn<int>("lines");
        QTest::addRow("sine") << "SineHelp"
                              << "Tessomar Sine Function Help" << 12;
        QTest::addRow("random") << "RanHelp"
                                << "Tessomar Random Function Help" << 26;
    }
    void helpPanelsReadAsText() {
        QFETCH(QString, name);
        QFETCH(QString, firstLine);
        QFETCH(int, lines);
        auto* panel = w->findChild<QPlainTextEdit*>(name);
        QVERIFY(panel);
        QVERIFY(panel->isReadOnly());
        const QStringList shown = panel->toPlainText().split(QLatin1Char('\n'));
        QCOMPARE(shown.size(), lines);
        QCOMPARE(shown.first().trimmed(), firstLine);
        QVERIFY(!panel->toPlainText().contains(QLatin1Char('\r')));
        QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(panel);
        QVERIFY(iface && iface->textInterface());
        QVERIFY(iface->textInterface()->text(0, iface->textInterface()->characterCount()).contains(firstLine));
    }

    void coloursComeFromTheCore_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("role");
        QTest::addColumn<QColor>("colour");
        QTest::addRow("current mode button") << "SineButton" << int(QPalette::Button) << QColor(0xC0, 0xFF, 0xC0);
        QTest::addRow("other mode button") << "RandomButton" << int(QPalette::Button) << QColor(0xE0, 0xE0, 0xE0);
        QTest::addRow("unit button") << "MetricBut" << int(QPalette::Button) << QColor(0xC0, 0xC0, 0xC0);
        QTest::addRow("field") << "Acceleration" << int(QPalette::Base) << QColor(255, 255, 255);
        QTest::addRow("row label") << "VelLbl" << int(QPalette::Window) << QColor(0xC0, 0xC0, 0xC0);
        QTest::addRow("contact label") << "AddLbl1" << int(QPalette::Window) << QColor(0xFF, 0xE0, 0xC0);
        QTest::addRow("table panel") << "BkptBak" << int(QPalette::Window) << QColor(0xFF, 0xE0, 0xC0);
    }
    void coloursComeFromTheCore() {
        QFETCH(QString, name);
        QFETCH(int, role);
        QFETCH(QColor, colour);
        QWidget* widget = w->findChild<QWidget*>(name);
        QVERIFY(widget);
        QCOMPARE(widget->palette().color(QPalette::ColorRole(role)), colour);
    }

    void seeThroughLabelPaintsNoBackground() {
        QVERIFY(!widget(*w, "AddLbl2")->autoFillBackground());
        QVERIFY(widget(*w, "AddLbl1")->autoFillBackground());
        // It lies on the other contact label, so it is the one hit there.
        const QRect r = widget(*w, "AddLbl2")->geometry();
        QCOMPARE(w->childAt(r.center()), widget(*w, "AddLbl2"));
    }

    void designFacesMapToInstalledFamilies_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("family");
        QTest::addColumn<int>("weight");
        QTest::addRow("Arial field") << "Acceleration"
                                     << "Liberation Sans" << int(QFont::Normal);
        QTest::addRow("Arial bold label") << "AccelLbl"
                                          << "Liberation Sans" << int(QFont::Bold);
        QTest::addRow("Bookman button") << "SineButton"
                                        << "URW Bookman" << int(QFont::DemiBold);
    }
    void designFacesMapToInstalledFamilies() {
        QFETCH(QString, name);
        QFETCH(QString, family);
        QFETCH(int, weight);
        QWidget* widget = w->findChild<QWidget*>(name);
        QVERIFY(widget);
        const QFontInfo info(widget->font());
        // Fontconfig may add the foundry: "URW Bookman [urw]".
        QVERIFY2(info.family().startsWith(family), qPrintable(info.family()));
        QCOMPARE(int(widget->font().weight()), weight);
        const float size = w->core().find(name.toStdString())->font.size;
        QCOMPARE(widget->font().pointSizeF(), qreal(size));
    }

    void windowShowsTheCoreCaption() {
        QCOMPARE(w->windowTitle(), QStringLiteral("Tessomar 5.1"));
        QCOMPARE(w->width(), px(3465));
        QCOMPARE(w->minimumSize(), w->maximumSize());
    }
};

TESSOMAR_QT_TEST_MAIN(LayoutTest)
#include "layout_test.moc"
