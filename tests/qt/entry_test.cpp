#include "fixture.h"

#include <QClipboard>
#include <QMenu>
#include <QMouseEvent>
#include <QTimer>

using namespace tessomar::testing;

namespace {

// A small key script: "\t" Tab, "\x02" Shift+Tab, "\n" Enter, "\b"
// Backspace, anything else typed as is.
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
        default:
            QTest::keyClick(keyTarget(w), ch.toLatin1());
        }
    }
}

QColor base(tessomar::view::MainWindow& w, const char* name) {
    return widget(w, name)->palette().color(QPalette::Base);
}

void drag(QLineEdit* edit, QPoint from, QPoint to) {
    QTest::mousePress(edit, Qt::LeftButton, {}, from);
    QMouseEvent move(QEvent::MouseMove, to, edit->mapToGlobal(to), Qt::NoButton, Qt::LeftButton, {});
    QApplication::sendEvent(edit, &move);
    QTest::mouseRelease(edit, Qt::LeftButton, {}, to);
}

const QColor kGreen(0xDB, 0xFF, 0xDD), kYellow(0xFD, 0xFF, 0xE1), kWhite(255, 255, 255);

} // namespace

// The sine fields worked through the real widgets: what the user types,
// where the focus goes and what the line edits show.
class EntryTest : public QObject {
    Q_OBJECT

    std::unique_ptr<tessomar::view::MainWindow> w;

private slots:
    void init() {
        w = startedWindow();
        QGuiApplication::clipboard()->clear();
    }
    void cleanup() { w.reset(); }

    void startsInAccelerationWithItsTextSelected() {
        auto* edit = widget<QLineEdit>(*w, "Acceleration");
        QVERIFY(edit->hasFocus());
        QCOMPARE(edit->selectedText(), QStringLiteral("0.00"));
        QCOMPARE(shown(*w, "Velocity"), QStringLiteral("0.0"));
        QCOMPARE(shown(*w, "Displacement"), QStringLiteral("0.000"));
        QCOMPARE(shown(*w, "Frequency"), QStringLiteral("0.00"));
    }

    void keysMoveTheFocusAsTheCoreDoes_data() {
        QTest::addColumn<QString>("script");
        QTest::addColumn<QString>("focus");
        QTest::addColumn<QString>("selected");
        QTest::addRow("tab goes to the next field") << "\t"
                                                    << "Velocity"
                                                    << "0.0";
        QTest::addRow("tab twice") << "\t\t"
                                   << "Displacement"
                                   << "0.000";
        QTest::addRow("tab wraps to the first field") << "\t\t\t\t"
                                                      << "Acceleration"
                                                      << "0.00";
        QTest::addRow("shift-tab stays in the field") << "\t\t\x02"
                                                      << "Displacement"
                                                      << "0.000";
        // Sine mode bounces the focus back (selecting the text) for every
        // field but acceleration, which simply keeps it.
        QTest::addRow("enter in acceleration keeps the focus") << "10\n"
                                                               << "Acceleration"
                                                               << "";
        QTest::addRow("enter in velocity selects it again") << "\t12\n"
                                                            << "Velocity"
                                                            << "12.0";
        QTest::addRow("enter in frequency selects it again") << "\t\t\t50\n"
                                                             << "Frequency"
                                                             << "50.00";
        QTest::addRow("tab after an entry moves on") << "10\t"
                                                     << "Velocity"
                                                     << "0.0";
    }
    void keysMoveTheFocusAsTheCoreDoes() {
        QFETCH(QString, script);
        QFETCH(QString, focus);
        QFETCH(QString, selected);
        play(*w, script);
        QCOMPARE(focusName(*w), focus);
        QCOMPARE(w->core().focused()->name(), focus.toStdString());
        QCOMPARE(widget<QLineEdit>(*w, focus.toLatin1())->selectedText(), selected);
    }

    void typedValuesComputeTheOtherTwo_data() {
        QTest::addColumn<QString>("script");
        QTest::addColumn<QStringList>("fields");
        QTest::addColumn<QString>("greenField");
        QTest::addColumn<QString>("yellowField");
        QTest::addRow("acceleration, then frequency") << "10\n\t\t\t100\n"
                                                      << QStringList{"10.00", "6.1", "0.020", "100.00"} << "Frequency"
                                                      << "Acceleration";
        QTest::addRow("frequency, then acceleration by tab")
            << "\t\t\t100\t10\n"
            << QStringList{"10.00", "6.1", "0.020", "100.00"} << "Acceleration"
            << "Frequency";
        QTest::addRow("first key replaces the selection") << "5" << QStringList{"5", "0.0", "0.000", "0.00"} << ""
                                                          << "";
        QTest::addRow("backspace edits the typed text") << "12\b3" << QStringList{"13", "0.0", "0.000", "0.00"} << ""
                                                        << "";
    }
    void typedValuesComputeTheOtherTwo() {
        QFETCH(QString, script);
        QFETCH(QStringList, fields);
        QFETCH(QString, greenField);
        QFETCH(QString, yellowField);
        play(*w, script);
        const char* names[] = {"Acceleration", "Velocity", "Displacement", "Frequency"};
        for (int i = 0; i < 4; ++i) {
            QCOMPARE(shown(*w, names[i]), fields[i]);
            const QString name = QString::fromLatin1(names[i]);
            const QColor expected = name == greenField ? kGreen : name == yellowField ? kYellow : kWhite;
            QCOMPARE(base(*w, names[i]), expected);
        }
    }

    void pasteAndDeleteChangeTextWithoutTakingAnEntry_data() {
        QTest::addColumn<QString>("clipboard");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<QString>("text");
        QTest::addRow("ctrl+v over the selection") << "25" << int(Qt::Key_V) << int(Qt::ControlModifier) << "25";
        QTest::addRow("shift+insert") << "7.5" << int(Qt::Key_Insert) << int(Qt::ShiftModifier) << "7.5";
        QTest::addRow("paste drops what is not printable")
            << "4\n2" << int(Qt::Key_V) << int(Qt::ControlModifier) << "42";
        QTest::addRow("delete clears the selection") << "" << int(Qt::Key_Delete) << 0 << "";
    }
    void pasteAndDeleteChangeTextWithoutTakingAnEntry() {
        QFETCH(QString, clipboard);
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(QString, text);
        QGuiApplication::clipboard()->setText(clipboard);
        QTest::keyClick(keyTarget(*w), Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        QCOMPARE(shown(*w, "Acceleration"), text);
        QCOMPARE(int(w->core().fs.EntryPending), 0);
        // Leaving the field takes nothing: no history, no colour.
        tessomar::testing::key(*w, Qt::Key_Tab);
        QCOMPARE(focusName(*w), QStringLiteral("Velocity"));
        QVERIFY(w->core().fs.LastEntry.empty());
        QCOMPARE(w->core().fs.SineAccel, 0.0f);
    }

    void clipboardKeysGoThroughTheCore() {
        play(*w, "1234");
        key(*w, Qt::Key_A, Qt::ControlModifier);
        QCOMPARE(widget<QLineEdit>(*w, "Acceleration")->selectedText(), QStringLiteral("1234"));
        key(*w, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("1234"));
        key(*w, Qt::Key_Home);
        key(*w, Qt::Key_End, Qt::ShiftModifier);
        key(*w, Qt::Key_Left, Qt::ShiftModifier);
        QCOMPARE(widget<QLineEdit>(*w, "Acceleration")->selectedText(), QStringLiteral("123"));
        key(*w, Qt::Key_X, Qt::ControlModifier);
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("123"));
        QCOMPARE(shown(*w, "Acceleration"), QStringLiteral("4"));
        QCOMPARE(w->core().Acceleration.Text(), std::string("4"));
    }

    void clickingAnotherFieldTakesTheEntryAndMovesThere_data() {
        QTest::addColumn<QString>("target");
        QTest::addRow("frequency") << "Frequency";
        QTest::addRow("displacement") << "Displacement";
        QTest::addRow("velocity") << "Velocity";
    }
    void clickingAnotherFieldTakesTheEntryAndMovesThere() {
        QFETCH(QString, target);
        play(*w, "10");
        clickCentre(widget(*w, target.toLatin1()));
        QCOMPARE(focusName(*w), target);
        QCOMPARE(shown(*w, "Acceleration"), QStringLiteral("10.00"));
        QCOMPARE(base(*w, "Acceleration"), kGreen);
        QVERIFY(!widget<QLineEdit>(*w, target.toLatin1())->hasSelectedText());
    }

    void mouseSelectsTextInTheCore() {
        play(*w, "123\n");
        auto* edit = widget<QLineEdit>(*w, "Acceleration");
        QCOMPARE(edit->text(), QStringLiteral("123.00"));
        const QPoint left(2, edit->height() / 2), right(edit->width() - 2, edit->height() / 2);
        QTest::mouseClick(edit, Qt::LeftButton, {}, right);
        QVERIFY(!edit->hasSelectedText());
        QCOMPARE(edit->cursorPosition(), 6);
        QCOMPARE(w->core().Acceleration.SelStart(), 6);
        drag(edit, right, left);
        QCOMPARE(edit->selectedText(), QStringLiteral("123.00"));
        QCOMPARE(w->core().Acceleration.SelLength(), 6);
        QTest::mouseClick(edit, Qt::LeftButton, {}, right);
        QTest::mouseDClick(edit, Qt::LeftButton, {}, edit->rect().center());
        QCOMPARE(edit->selectedText(), QStringLiteral("123.00"));
        // What is typed now replaces what the mouse selected.
        play(*w, "3");
        QCOMPARE(edit->text(), QStringLiteral("3"));
    }

    void contextMenuEditsThroughTheCore_data() {
        QTest::addColumn<QString>("choice");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("selected");
        QTest::addColumn<QString>("clipboard");
        QTest::addRow("copy") << "Copy"
                              << "12"
                              << "12"
                              << "12";
        QTest::addRow("cut") << "Cut"
                             << "1"
                             << ""
                             << "2";
        QTest::addRow("paste") << "Paste"
                               << "19"
                               << ""
                               << "9";
        QTest::addRow("select all") << "Select All"
                                    << "12"
                                    << "12"
                                    << "9";
    }
    void contextMenuEditsThroughTheCore() {
        QFETCH(QString, choice);
        QFETCH(QString, text);
        QFETCH(QString, selected);
        QFETCH(QString, clipboard);
        QGuiApplication::clipboard()->setText(QStringLiteral("9"));
        play(*w, "12");
        key(*w, Qt::Key_Left, Qt::ShiftModifier);
        if (choice == QLatin1String("Copy")) key(*w, Qt::Key_A, Qt::ControlModifier);
        auto* edit = widget<QLineEdit>(*w, "Acceleration");
        bool chosen = false;
        QTimer::singleShot(0, this, [&] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            QVERIFY(menu);
            for (QAction* a : menu->actions())
                if (a->text().remove(QLatin1Char('&')) == choice) {
                    QVERIFY(a->isEnabled());
                    QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(a).center());
                    chosen = true;
                }
            if (!chosen) menu->close();
        });
        QContextMenuEvent event(QContextMenuEvent::Mouse, edit->rect().center(),
                                edit->mapToGlobal(edit->rect().center()));
        QApplication::sendEvent(edit, &event);
        QVERIFY(chosen);
        QCOMPARE(edit->text(), text);
        QCOMPARE(QString::fromStdString(w->core().Acceleration.Text()), text);
        QCOMPARE(edit->selectedText(), selected);
        QCOMPARE(QGuiApplication::clipboard()->text(), clipboard);
    }

    void onlyTheFocusedFieldShowsASelection() {
        // The core keeps every field selected after start-up; the screen
        // highlights only the field that has the keyboard.
        QVERIFY(w->core().Velocity.SelLength() > 0);
        QVERIFY(!widget<QLineEdit>(*w, "Velocity")->hasSelectedText());
        QVERIFY(widget<QLineEdit>(*w, "Acceleration")->hasSelectedText());
    }
};

TESSOMAR_QT_TEST_MAIN(EntryTest)
#include "entry_test.moc"
