#include "fixture.h"

#include <QFontInfo>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProxyStyle>
#include <QScrollBar>

#include <algorithm>

using namespace tessomar::testing;

// The widgets the window is drawn with, and how the mode, help and unit
// buttons change them: names, places, colours, fonts and the window height.
class WindowTest : public QObject {
    Q_OBJECT

    std::unique_ptr<tessomar::view::MainWindow> w;

    // Clicks the named buttons in turn.
    void press(const QStringList& buttons) {
        for (const QString& name : buttons) clickCentre(widget(*w, name.toLatin1()));
    }

private slots:
    void init() { w = startedWindow(); }
    void cleanup() { w.reset(); }

    void widgetsStandAtTheirDesignPlaces_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("accessible");
        QTest::addColumn<QRect>("twips");
        QTest::addRow("mode button") << "ShockButton"
                                     << "Shock" << QRect(2310, 825, 1105, 400);
        QTest::addRow("field") << "Acceleration"
                               << "Acceleration" << QRect(1530, 1400, 1000, 360);
        QTest::addRow("unit label") << "DispUnits"
                                    << "in. p-p" << QRect(2595, 2250, 870, 270);
        QTest::addRow("help button, Sine place") << "HelpBut"
                                                 << "Help" << QRect(2295, 3020, 1125, 285);
        QTest::addRow("row number") << "B(0)"
                                    << "Row 1 number" << QRect(180, 4245, 555, 200);
        QTest::addRow("frequency box") << "F(3)"
                                       << "Row 4 frequency" << QRect(800, 5145, 870, 200);
        QTest::addRow("psd box") << "A(8)"
                                 << "Row 9 PSD" << QRect(1800, 6645, 1110, 200);
        QTest::addRow("scroll bar") << "Scroll"
                                    << "Break points" << QRect(3060, 3885, 360, 3075);
        QTest::addRow("random help") << "RanHelp"
                                     << "Random help" << QRect(30, 1380, 3420, 5610);
        QTest::addRow("banner") << "Picture1"
                                << "Tessomar" << QRect(30, 30, 3405, 735);
    }
    void widgetsStandAtTheirDesignPlaces() {
        QFETCH(QString, name);
        QFETCH(QString, accessible);
        QFETCH(QRect, twips);
        QWidget* widget = w->findChild<QWidget*>(name);
        QVERIFY2(widget, qPrintable(name));
        QCOMPARE(widget->geometry(), QRect(px(twips.x()), px(twips.y()), px(twips.width()), px(twips.height())));
        QCOMPARE(widget->accessibleName(), accessible);
        QCOMPARE(widget->focusPolicy(), Qt::NoFocus);
    }

    // The first show makes only what its frame shows, but all of that; the
    // rest follows once the event loop has run past the first frame.
    void theFirstFrameHasWhatItShowsAndTheRestFollows() {
        w.reset();
        auto fresh = std::make_unique<tessomar::view::MainWindow>(kDesignTwipsPerPixel);
        fresh->show();
        const auto& core = fresh->core();
        int held = 0;
        for (const tk::Control* c : core.controls()) {
            const QString name = QString::fromStdString(c->name());
            const bool catcher = name.endsWith("Tab") || name.endsWith("Bounce"); // never drawn
            if (c->Visible && c->Top < core.clientHeight() && !catcher)
                QVERIFY2(fresh->findChild<QWidget*>(name) && fresh->findChild<QWidget*>(name)->isVisible(),
                         qPrintable(name));
            held += !fresh->findChild<QWidget*>(name);
        }
        QVERIFY2(held > 20, "the rows below the Sine screen wait for the first frame");
        for (const char* later : {"F(8)", "RanHelp", "ShockHelp"})
            QTRY_VERIFY2(fresh->findChild<QWidget*>(QString::fromLatin1(later)), later);
    }

    // The scroll bar keeps its picture while nothing it shows changes, and is
    // drawn afresh for each change the user must see.
    void scrollBarIsDrawnAgainOnlyWhenItChanges() {
        struct CountingStyle : QProxyStyle {
            int draws = 0;
            void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option, QPainter* painter,
                                    const QWidget* widget) const override {
                if (control == CC_ScrollBar) ++const_cast<CountingStyle*>(this)->draws;
                QProxyStyle::drawComplexControl(control, option, painter, widget);
            }
        };
        auto* bar = widget<QScrollBar>(*w, "Scroll");
        QVERIFY(bar);
        CountingStyle style;
        bar->setStyle(&style);
        press({"RandomButton"});
        auto& core = w->core();
        core.Scroll.setMax(42);
        w->sync();
        bar->repaint(); // a new look: drawn directly
        bar->repaint(); // the same again: kept as a picture from now on
        const int settled = style.draws;
        bar->repaint();
        const QImage before = bar->grab().toImage();
        QCOMPARE(style.draws, settled);
        core.Scroll.setValue(20);
        w->sync();
        bar->repaint();
        QCOMPARE(style.draws, settled + 1);
        QVERIFY(bar->grab().toImage() != before);
        bar->setStyle(nullptr);
    }

    void focusCatchersAreNeverExposed() {
        for (const char* n : {"VelTab", "DispTab", "FreqTab", "AccelTab", "AccelBounce", "VelBounce", "DispBounce",
                              "FreqBounce", "TabBounce", "TabDnBounce"}) {
            QVERIFY(w->core().find(n));
            QVERIFY2(!w->findChild<QWidget*>(QString::fromLatin1(n)), n);
        }
    }

    void coloursAndFontsComeFromTheCore_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("role");
        QTest::addColumn<QColor>("colour");
        QTest::addColumn<QString>("family");
        QTest::addRow("current mode") << "SineButton" << int(QPalette::Button) << QColor(0xC0, 0xFF, 0xC0)
                                      << "URW Bookman";
        QTest::addRow("other mode") << "RandomButton" << int(QPalette::Button) << QColor(0xE0, 0xE0, 0xE0)
                                    << "URW Bookman";
        QTest::addRow("field") << "Velocity" << int(QPalette::Base) << QColor(255, 255, 255) << "Liberation Sans";
        QTest::addRow("contact label") << "AddLbl1" << int(QPalette::Window) << QColor(0xFF, 0xE0, 0xC0)
                                       << "Liberation Sans";
    }
    void coloursAndFontsComeFromTheCore() {
        QFETCH(QString, name);
        QFETCH(int, role);
        QFETCH(QColor, colour);
        QFETCH(QString, family);
        QWidget* widget = w->findChild<QWidget*>(name);
        QCOMPARE(widget->palette().color(QPalette::ColorRole(role)), colour);
        // Fontconfig may add the foundry: "URW Bookman [urw]".
        QVERIFY2(QFontInfo(widget->font()).family().startsWith(family), qPrintable(widget->font().family()));
        QCOMPARE(widget->font().pointSizeF(), qreal(w->core().find(name.toStdString())->font.size));
    }

    void windowHeightAndPanelFollowTheMode_data() {
        QTest::addColumn<QStringList>("buttons");
        QTest::addColumn<int>("twips");
        QTest::addColumn<QString>("panel");
        QTest::addColumn<QStringList>("covered");
        QTest::addRow("start") << QStringList{} << 4210 << "" << QStringList{};
        QTest::addRow("random") << QStringList{"RandomButton"} << 7470 << "" << QStringList{};
        QTest::addRow("random then shock") << QStringList{"RandomButton", "ShockButton"} << 4210 << "" << QStringList{};
        QTest::addRow("sine help") << QStringList{"HelpBut"} << 4210 << "SineHelp"
                                   << QStringList{"Acceleration", "Frequency", "EnglishBut"};
        QTest::addRow("shock help") << QStringList{"ShockButton", "HelpBut"} << 7470 << "ShockHelp"
                                    << QStringList{"Displacement", "F(2)", "Scroll"};
        QTest::addRow("shock help closed")
            << QStringList{"ShockButton", "HelpBut", "ShockButton"} << 4210 << "" << QStringList{};
        QTest::addRow("random help") << QStringList{"RandomButton", "HelpBut"} << 7470 << "RanHelp"
                                     << QStringList{"Velocity", "DelBut", "A(8)"};
    }
    void windowHeightAndPanelFollowTheMode() {
        QFETCH(QStringList, buttons);
        QFETCH(int, twips);
        QFETCH(QString, panel);
        QFETCH(QStringList, covered);
        press(buttons);
        // The outer height, frame included; a frame too thin to hide the table
        // under the 4210-twip screens leaves their client area ending above it.
        const int frame = w->frameGeometry().height() - w->geometry().height();
        QCOMPARE(w->frameGeometry().height(), twips == 4210 ? std::min(px(4210), px(3885) + frame) : px(float(twips)));
        for (const char* name : {"SineHelp", "RanHelp", "ShockHelp"})
            QCOMPARE(widget(*w, name)->isVisible(), panel == QLatin1String(name));
        for (const QString& name : covered) {
            QWidget* hit = w->childAt(widget(*w, name.toLatin1())->geometry().center());
            QWidget* shown = widget(*w, panel.toLatin1());
            QVERIFY2(hit && (hit == shown || shown->isAncestorOf(hit)), qPrintable(name));
        }
    }

    void captionsFollowModeAndUnits_data() {
        QTest::addColumn<QStringList>("buttons");
        QTest::addColumn<QStringList>("captions"); // AccelUnits, VelUnits, DispUnits, FreqLbl
        QTest::addRow("sine metric") << QStringList{"MetricBut"}
                                     << QStringList{"g's pk", "mps pk", "mm. p-p", "Frequency"};
        QTest::addRow("random metric") << QStringList{"MetricBut", "RandomButton"}
                                       << QStringList{"g's rms", "mps pk", "mm p-p", "Frequency"};
        QTest::addRow("shock english") << QStringList{"MetricBut", "EnglishBut", "ShockButton"}
                                       << QStringList{"g's pk", "ips pk", "in. p-p", "Duration"};
    }
    void captionsFollowModeAndUnits() {
        QFETCH(QStringList, buttons);
        QFETCH(QStringList, captions);
        press(buttons);
        const char* labels[] = {"AccelUnits", "VelUnits", "DispUnits", "FreqLbl"};
        for (int i = 0; i < 4; ++i) {
            QCOMPARE(widget<QLabel>(*w, labels[i])->text(), captions[i]);
            QCOMPARE(widget(*w, labels[i])->accessibleName(), captions[i]);
        }
    }

    void helpPanelsReadAsLines() {
        auto* panel = widget<QPlainTextEdit>(*w, "RanHelp");
        const QStringList lines = panel->toPlainText().split(QLatin1Char('\n'));
        QCOMPARE(lines.size(), 26);
        QCOMPARE(lines.first().trimmed(), QStringLiteral("Tessomar Random Function Help"));
        QVERIFY(panel->isReadOnly());
    }

    // The shock picture and the table's unmarked keys reach a screen reader as text.
    void picturesAndUnmarkedKeysAreDescribed_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QStringList>("says");
        QTest::newRow("shock help") << "ShockHelp"
                                    << QStringList{"Classical Shock Pulses",
                                                   "1.8 D",
                                                   ".94 D",
                                                   ".2A",
                                                   "D = Shock pulse duration, msec.",
                                                   "displacement offset is present.",
                                                   "using the pulse shape button"};
        QTest::newRow("delete") << "DelBut" << QStringList{"Alt+D"};
        QTest::newRow("clear") << "ClearBut" << QStringList{"Alt+C"};
    }
    void picturesAndUnmarkedKeysAreDescribed() {
        QFETCH(QString, name);
        QFETCH(QStringList, says);
        const QString description = widget(*w, qPrintable(name))->accessibleDescription();
        for (const QString& words : says) QVERIFY2(description.contains(words), qPrintable(words));
    }
};

TESSOMAR_QT_TEST_MAIN(WindowTest)
#include "window_test.moc"
