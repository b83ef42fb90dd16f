// The keyboard's editing shortcuts and the break-point table's clipboard,
// through the real widgets.
#include "fixture.h"

#include <QClipboard>
#include <QMenu>
#include <QTimer>

using namespace tessomar::testing;

class ClipboardTest : public QObject {
    Q_OBJECT

    std::unique_ptr<tessomar::view::MainWindow> w;

private slots:
    void init() {
        w = startedWindow(); // the focus in Acceleration, its 0.00 selected
        QGuiApplication::clipboard()->setText(QStringLiteral("5"));
    }
    void cleanup() { w.reset(); }

    // Shortcuts that carry a character make an entry pending; those that
    // only read the field do not.
    void shortcutsCarryACharacterOrOnlyRead_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("mods");
        QTest::addColumn<int>("ch");        // the character the key event carries, 0 for none
        QTest::addColumn<QString>("after"); // EntryPending, then the field's text
        const int ctrl = Qt::ControlModifier;
        QTest::addRow("ctrl+v") << int(Qt::Key_V) << ctrl << 0 << "-1 5";
        QTest::addRow("shift+insert") << int(Qt::Key_Insert) << int(Qt::ShiftModifier) << 0 << "-1 5";
        QTest::addRow("ctrl+x") << int(Qt::Key_X) << ctrl << 0 << "-1 ";
        QTest::addRow("escape") << int(Qt::Key_Escape) << 0 << 27 << "-1 0.00";
        QTest::addRow("e acute") << int(Qt::Key_Eacute) << 0 << 0xE9 << "-1 0.00";
        QTest::addRow("ctrl+c") << int(Qt::Key_C) << ctrl << 0 << "0 0.00";
        QTest::addRow("ctrl+a") << int(Qt::Key_A) << ctrl << 0 << "0 0.00";
    }
    void shortcutsCarryACharacterOrOnlyRead() {
        QFETCH(int, key);
        QFETCH(int, mods);
        QFETCH(int, ch);
        QKeyEvent press(QEvent::KeyPress, key, Qt::KeyboardModifiers(mods), ch ? QString(QChar(ch)) : QString());
        QApplication::sendEvent(keyTarget(*w), &press);
        QFETCH(QString, after);
        QCOMPARE(QString::number(w->core().fs.EntryPending) + " " + shown(*w, "Acceleration"), after);
    }

    // A profile pasted into the table reaches the core; the table's copy, by
    // its key and from the context menu, puts the core's text on the clipboard.
    void profilesGoInAndOutOfTheTableThroughTheClipboard() {
        key(*w, Qt::Key_R, Qt::AltModifier); // Random: the focus in F(0)
        QGuiApplication::clipboard()->setText(QStringLiteral("20 0.01\n2000 0.01"));
        key(*w, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(w->core().fs.BkFreq[2], 2000.0f);
        const QString copied = QString::fromStdString(w->core().breakPointsText());
        key(*w, Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(QGuiApplication::clipboard()->text(), copied);
        QGuiApplication::clipboard()->clear();
        QTimer::singleShot(0, this, [] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            QVERIFY(menu);
            QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(menu->actions().last()).center());
        });
        QWidget* box = widget(*w, "F(0)");
        QContextMenuEvent menuEvent(QContextMenuEvent::Mouse, QPoint(2, 2), box->mapToGlobal(QPoint(2, 2)));
        QApplication::sendEvent(box, &menuEvent);
        QCOMPARE(QGuiApplication::clipboard()->text(), copied);
    }
};

TESSOMAR_QT_TEST_MAIN(ClipboardTest)
#include "clipboard_test.moc"
