#include "fixture.h"

#include "frame/tessomar.h"
#include "qt/convert.h"
#include "qt/keys.h"

using tessomar::view::KeyAction;

// The pure conversions between the core's values and Qt's.
class ConvertTest : public QObject {
    Q_OBJECT

private slots:
    void coloursReadBlueFromTheHighByte_data() {
        QTest::addColumn<uint>("core");
        QTest::addColumn<QColor>("expected");
        QTest::addRow("pale green") << 0xDDFFDBu << QColor(0xDB, 0xFF, 0xDD);
        QTest::addRow("pale yellow") << 0xE1FFFDu << QColor(0xFD, 0xFF, 0xE1);
        QTest::addRow("light peach") << 0xC0E0FFu << QColor(0xFF, 0xE0, 0xC0);
        QTest::addRow("pure red") << 0x0000FFu << QColor(255, 0, 0);
        QTest::addRow("pure blue") << 0xFF0000u << QColor(0, 0, 255);
        QTest::addRow("platform colour") << uint(tk::kSystemColor) << QColor();
        QTest::addRow("see-through") << uint(tk::kTransparent) << QColor();
    }
    void coloursReadBlueFromTheHighByte() {
        QFETCH(uint, core);
        QFETCH(QColor, expected);
        QCOMPARE(tessomar::view::toQColor(core), expected);
    }

    void twipsBecomeRoundedPixels_data() {
        QTest::addColumn<float>("twips");
        QTest::addColumn<float>("perPixel");
        QTest::addColumn<int>("pixels");
        QTest::addRow("one pixel at 96 dpi") << 15.0f << 15.0f << 1;
        QTest::addRow("field width at 96 dpi") << 1000.0f << 15.0f << 67;
        QTest::addRow("field width at 120 dpi") << 1000.0f << 12.0f << 83;
        QTest::addRow("half rounds up") << 22.5f << 15.0f << 2;
        QTest::addRow("just under half rounds down") << 22.4f << 15.0f << 1;
        QTest::addRow("sine window height unscaled") << 4210.0f << 15.1f << 279;
        QTest::addRow("random window height unscaled") << 7470.0f << 15.1f << 495;
        QTest::addRow("no resolution gives nothing") << 1000.0f << 0.0f << 0;
    }
    void twipsBecomeRoundedPixels() {
        QFETCH(float, twips);
        QFETCH(float, perPixel);
        QFETCH(int, pixels);
        QCOMPARE(tessomar::view::toPixels(twips, perPixel), pixels);
    }

    void captionsLoseTheirAccessMark_data() {
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("shown");
        QTest::addRow("first letter") << "&Sine"
                                      << "Sine";
        QTest::addRow("inner letter") << "S&hock"
                                      << "Shock";
        QTest::addRow("no mark") << "Clear All"
                                 << "Clear All";
        QTest::addRow("doubled is literal") << "A&&B"
                                            << "A&B";
        QTest::addRow("trailing mark") << "End&"
                                       << "End";
    }
    void captionsLoseTheirAccessMark() {
        QFETCH(QString, caption);
        QFETCH(QString, shown);
        QCOMPARE(tessomar::view::withoutAccessMark(caption.toStdString()), shown);
    }

    void helpTextPositionsMapAcrossLineBreaks_data() {
        QTest::addColumn<QString>("core");
        QTest::addColumn<int>("corePos");
        QTest::addColumn<int>("displayPos");
        QTest::addRow("start") << "ab\r\ncd" << 0 << 0;
        QTest::addRow("before the break") << "ab\r\ncd" << 2 << 2;
        QTest::addRow("after the break") << "ab\r\ncd" << 4 << 3;
        QTest::addRow("end") << "ab\r\ncd" << 6 << 5;
        QTest::addRow("two breaks") << "a\r\n\r\nb" << 5 << 3;
        QTest::addRow("lone CR is a character") << "a\rb" << 3 << 3;
    }
    void helpTextPositionsMapAcrossLineBreaks() {
        QFETCH(QString, core);
        QFETCH(int, corePos);
        QFETCH(int, displayPos);
        const std::string text = core.toStdString();
        QCOMPARE(tessomar::view::coreToDisplay(text, corePos), displayPos);
        QCOMPARE(tessomar::view::displayToCore(text, displayPos), corePos);
        QCOMPARE(tessomar::view::toDisplayText(text).size(), qsizetype(core.size() - core.count("\r\n")));
    }

    void controlsAreNamedForScreenReaders_data() {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("name");
        QTest::addRow("acceleration") << "Acceleration"
                                      << "Acceleration";
        QTest::addRow("frequency") << "Frequency"
                                   << "Frequency";
        QTest::addRow("top row frequency") << "F(0)"
                                           << "Row 1 frequency";
        QTest::addRow("bottom row psd") << "A(8)"
                                        << "Row 9 PSD";
        QTest::addRow("row number") << "B(4)"
                                    << "Row 5 number";
        QTest::addRow("scroll bar") << "Scroll"
                                    << "Break points";
        QTest::addRow("sine help") << "SineHelp"
                                   << "Sine help";
        QTest::addRow("random help") << "RanHelp"
                                     << "Random help";
        QTest::addRow("shock help") << "ShockHelp"
                                    << "Shock help";
        QTest::addRow("banner") << "Picture1"
                                << "Tessomar";
        QTest::addRow("button without mark") << "ShockButton"
                                             << "Shock";
        QTest::addRow("plain button") << "DelBut"
                                      << "Delete Break Pt";
        QTest::addRow("label keeps its caption") << "VelUnits"
                                                 << "ips pk";
        QTest::addRow("column header") << "RfreqLbl"
                                       << "Freq. (Hz)";
    }
    void controlsAreNamedForScreenReaders() {
        QFETCH(QString, control);
        QFETCH(QString, name);
        tessomar::Tessomar core;
        const tk::Control* c = core.find(control.toStdString());
        QVERIFY(c);
        QCOMPARE(tessomar::view::accessibleNameFor(*c), name);
    }

    void keysMapToCoreActions_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("code");
        QTest::addColumn<int>("shift");
        const int none = Qt::NoModifier, shift = Qt::ShiftModifier, ctrl = Qt::ControlModifier, alt = Qt::AltModifier;
        QTest::addRow("digit") << int(Qt::Key_5) << none << "5" << int(KeyAction::Char) << int('5') << 0;
        QTest::addRow("point") << int(Qt::Key_Period) << none << "." << int(KeyAction::Char) << int('.') << 0;
        QTest::addRow("keypad digit") << int(Qt::Key_7) << int(Qt::KeypadModifier) << "7" << int(KeyAction::Char)
                                      << int('7') << 0;
        QTest::addRow("return") << int(Qt::Key_Return) << none << "\r" << int(KeyAction::Char) << 13 << 0;
        QTest::addRow("keypad enter") << int(Qt::Key_Enter) << int(Qt::KeypadModifier) << "\r" << int(KeyAction::Char)
                                      << 13 << 0;
        QTest::addRow("backspace") << int(Qt::Key_Backspace) << none << "\b" << int(KeyAction::Char) << 8 << 0;
        QTest::addRow("tab") << int(Qt::Key_Tab) << none << "\t" << int(KeyAction::Tab) << 0 << 0;
        QTest::addRow("backtab") << int(Qt::Key_Backtab) << shift << "" << int(KeyAction::BackTab) << 0 << 0;
        QTest::addRow("shift tab") << int(Qt::Key_Tab) << shift << "" << int(KeyAction::BackTab) << 0 << 0;
        QTest::addRow("up") << int(Qt::Key_Up) << none << "" << int(KeyAction::KeyDown) << tk::key::Up << 0;
        QTest::addRow("down") << int(Qt::Key_Down) << none << "" << int(KeyAction::KeyDown) << tk::key::Down << 0;
        QTest::addRow("shift left") << int(Qt::Key_Left) << shift << "" << int(KeyAction::KeyDown) << tk::key::Left
                                    << tk::key::ShiftMask;
        QTest::addRow("shift end") << int(Qt::Key_End) << shift << "" << int(KeyAction::KeyDown) << tk::key::End
                                   << tk::key::ShiftMask;
        QTest::addRow("home") << int(Qt::Key_Home) << none << "" << int(KeyAction::KeyDown) << tk::key::Home << 0;
        QTest::addRow("delete") << int(Qt::Key_Delete) << none << "" << int(KeyAction::KeyDown) << tk::key::Delete << 0;
        QTest::addRow("page down") << int(Qt::Key_PageDown) << none << "" << int(KeyAction::KeyDown)
                                   << tk::key::PageDown << 0;
        QTest::addRow("select all") << int(Qt::Key_A) << ctrl << "" << int(KeyAction::SelectAll) << 0 << 0;
        QTest::addRow("copy") << int(Qt::Key_C) << ctrl << "" << int(KeyAction::Copy) << 0 << 0;
        QTest::addRow("cut") << int(Qt::Key_X) << ctrl << "" << int(KeyAction::Cut) << 0 << 0;
        QTest::addRow("paste") << int(Qt::Key_V) << ctrl << "" << int(KeyAction::Paste) << 0 << 0;
        QTest::addRow("shift insert pastes") << int(Qt::Key_Insert) << shift << "" << int(KeyAction::Paste) << 0 << 0;
        QTest::addRow("alt letter") << int(Qt::Key_S) << alt << "s" << int(KeyAction::AccessKey) << int('S') << 0;
        QTest::addRow("alt shift letter")
            << int(Qt::Key_H) << (alt | shift) << "H" << int(KeyAction::AccessKey) << int('H') << 0;
        QTest::addRow("ctrl letter is dropped") << int(Qt::Key_Q) << ctrl << "" << int(KeyAction::None) << 0 << 0;
        QTest::addRow("undo is dropped") << int(Qt::Key_Z) << ctrl << "" << int(KeyAction::None) << 0 << 0;
        QTest::addRow("escape is dropped") << int(Qt::Key_Escape) << none << "\x1b" << int(KeyAction::None) << 0 << 0;
        QTest::addRow("non-ascii is dropped")
            << int(Qt::Key_Eacute) << none << QString(QChar(0xE9)) << int(KeyAction::None) << 0 << 0;
        QTest::addRow("function key is dropped") << int(Qt::Key_F5) << none << "" << int(KeyAction::None) << 0 << 0;
    }
    void keysMapToCoreActions() {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(QString, text);
        QFETCH(int, kind);
        QFETCH(int, code);
        QFETCH(int, shift);
        const QKeyEvent event(QEvent::KeyPress, key, Qt::KeyboardModifiers(modifiers), text);
        const KeyAction action = tessomar::view::keyActionFor(event);
        QCOMPARE(int(action.kind), kind);
        QCOMPARE(action.code, code);
        QCOMPARE(action.shift, shift);
    }
};

TESSOMAR_QT_TEST_MAIN(ConvertTest)
#include "convert_test.moc"
