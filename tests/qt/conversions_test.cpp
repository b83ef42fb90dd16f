#include "fixture.h"

#include "qt/convert.h"
#include "qt/keys.h"

using tessomar::view::KeyAction;

// The pure conversions between the core's values and Qt's.
class ConversionsTest : public QObject {
    Q_OBJECT

private slots:
    void coloursReadBlueFromTheHighByte_data() {
        QTest::addColumn<uint>("core");
        QTest::addColumn<QColor>("expected");
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

    void helpTextPositionsMapAcrossLineBreaks_data() {
        QTest::addColumn<QString>("core");
        QTest::addColumn<int>("corePos");
        QTest::addColumn<int>("displayPos");
        QTest::addRow("before the break") << "ab\r\ncd" << 2 << 2;
        QTest::addRow("after the break") << "ab\r\ncd" << 4 << 3;
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
    }

    void keysMapToCoreActions_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("mods");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("code");
        const int none = Qt::NoModifier, shift = Qt::ShiftModifier, ctrl = Qt::ControlModifier;
        auto row = [](const char* name, int key, int mods, const char* text, KeyAction::Kind kind, int code) {
            QTest::addRow("%s", name) << key << mods << QString::fromLatin1(text) << int(kind) << code;
        };
        row("digit", Qt::Key_5, none, "5", KeyAction::Char, '5');
        row("keypad digit", Qt::Key_7, Qt::KeypadModifier, "7", KeyAction::Char, '7');
        row("keypad enter", Qt::Key_Enter, Qt::KeypadModifier, "\r", KeyAction::Char, 13);
        row("backspace", Qt::Key_Backspace, none, "\b", KeyAction::Char, 8);
        row("shift tab", Qt::Key_Tab, shift, "", KeyAction::BackTab, 0);
        row("backtab", Qt::Key_Backtab, shift, "", KeyAction::BackTab, 0);
        row("up", Qt::Key_Up, none, "", KeyAction::KeyDown, tk::key::Up);
        row("delete", Qt::Key_Delete, none, "", KeyAction::KeyDown, tk::key::Delete);
        row("shift end", Qt::Key_End, shift, "", KeyAction::KeyDown, tk::key::End);
        row("shift insert pastes", Qt::Key_Insert, shift, "", KeyAction::Paste, 0);
        row("ctrl x cuts", Qt::Key_X, ctrl, "", KeyAction::Cut, 0);
        row("alt shift letter", Qt::Key_H, Qt::AltModifier | shift, "H", KeyAction::AccessKey, 'H');
        row("undo is dropped", Qt::Key_Z, ctrl, "", KeyAction::None, 0);
        row("escape is a character", Qt::Key_Escape, none, "\x1b", KeyAction::Char, 27);
        row("non-ascii is a character", Qt::Key_Eacute, none, "\xe9", KeyAction::Char, 0xe9);
    }
    void keysMapToCoreActions() {
        QFETCH(int, key);
        QFETCH(int, mods);
        QFETCH(QString, text);
        QFETCH(int, kind);
        QFETCH(int, code);
        const QKeyEvent event(QEvent::KeyPress, key, Qt::KeyboardModifiers(mods), text);
        const KeyAction action = tessomar::view::keyActionFor(event);
        QCOMPARE(int(action.kind), kind);
        QCOMPARE(action.code, code);
        QCOMPARE(action.shift, kind == KeyAction::KeyDown && (mods & Qt::ShiftModifier) ? tk::key::ShiftMask : 0);
    }
};

TESSOMAR_QT_TEST_MAIN(ConversionsTest)
#include "conversions_test.moc"
