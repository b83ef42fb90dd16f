// What the view adds to the core: key events turned into the core's actions,
// widgets that show what the core holds, the widgets left for after the first
// frame, and the artwork at each device pixel ratio.
#include "qt/artwork.h"
#include "qt/keys.h"
#include "qt/main_window.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QTimer>
#include <QToolTip>
#include <QtTest>

using namespace tessomar::view;

namespace {

// At 15.1 twips per pixel the layout is not scaled: design twips give pixels.
constexpr float kTwipsPerPixel = 15.1f;
int px(float twips) { return qRound(twips / kTwipsPerPixel); }

// A line edit's text, a label's or a button's caption.
QString textOf(QWidget* w) { return w ? w->property("text").toString() : QStringLiteral("<no widget>"); }

// Each widget against its control: the first difference, or nothing.
QString mismatch(MainWindow& w) {
    const auto& core = w.core();
    if (w.height() != px(core.clientHeight())) return QStringLiteral("window height %1").arg(w.height());
    QWidget* focus = core.focused() ? w.widgetFor(*core.focused()) : nullptr;
    if ((w.focusWidget() ? w.focusWidget() : &w) != (focus && focus->isVisible() ? focus : &w)) return "focus";
    for (const tk::Control* c : core.controls()) {
        QWidget* widget = w.widgetFor(*c);
        const QString name = QString::fromStdString(c->name()) + QLatin1Char(' ');
        if (!widget || c->kind() == tk::Kind::Line) continue;
        if (widget->geometry() != QRect(px(c->Left), px(c->Top), px(c->Width), px(c->Height))) return name + "geometry";
        if (widget->isVisibleTo(&w) != c->Visible) return name + "visibility";
        const tk::Color bgr = c->BackColor; // blue in the high byte
        const QColor back = widget->palette().color(widget->backgroundRole());
        if (bgr < tk::kSystemColor && back != QColor(bgr & 0xFF, bgr >> 8 & 0xFF, bgr >> 16)) return name + "colour";
        if (c->kind() != tk::Kind::TextBox && textOf(widget) != QString::fromStdString(c->Caption))
            return name + "caption";
        auto* edit = qobject_cast<QLineEdit*>(widget);
        if (!edit) continue; // a help panel
        const auto* box = static_cast<const tk::TextBox*>(c);
        const int selected = c == core.focused() ? box->SelLength() : 0;
        if (edit->text() != QString::fromStdString(box->Text())) return name + "text";
        if (edit->isReadOnly() != box->Locked) return name + "lock";
        if (edit->selectedText().size() != selected || (selected && edit->selectionStart() != box->SelStart()))
            return name + "selection";
    }
    return {};
}

} // namespace

class ViewTest : public QObject {
    Q_OBJECT

    std::unique_ptr<MainWindow> w;

    QWidget* widget(const QString& name) { return w->widgetFor(name.toStdString()); }

    // Opens the box's context menu and clicks the item whose text starts so.
    void choose(QWidget* box, const QString& item) {
        QTimer::singleShot(0, this, [item] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            QVERIFY(menu);
            for (QAction* a : menu->actions())
                if (a->text().startsWith(item))
                    return QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(a).center());
            menu->close();
        });
        QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(2, 2), box->mapToGlobal(QPoint(2, 2)));
        QApplication::sendEvent(box, &event);
    }

private slots:
    void init() {
        QGuiApplication::clipboard()->setText(QStringLiteral("4.5"));
        w = std::make_unique<MainWindow>(kTwipsPerPixel);
        w->show();
        QVERIFY(QTest::qWaitForWindowActive(w.get()));
        w->sync(); // makes the widgets left for after the first frame
    }
    void cleanup() { w.reset(); }

    void keysBecomeCoreActions_data() {
        for (const char* column : {"key", "mods", "kind", "code", "shift"}) QTest::addColumn<int>(column);
        QTest::addColumn<QString>("text");
        const int none = Qt::NoModifier, shift = Qt::ShiftModifier, ctrl = Qt::ControlModifier;
        auto row = [](const char* name, int key, int mods, const char* text, int kind, int code = 0, int shift = 0) {
            QTest::newRow(name) << key << mods << kind << code << shift << QString::fromLatin1(text);
        };
        row("keypad enter", Qt::Key_Enter, Qt::KeypadModifier, "\r", KeyAction::Char, 13);
        row("backspace", Qt::Key_Backspace, none, "\b", KeyAction::Char, 8);
        row("shift tab", Qt::Key_Tab, shift, "", KeyAction::BackTab);
        row("backtab", Qt::Key_Backtab, shift, "", KeyAction::BackTab);
        row("down", Qt::Key_Down, none, "", KeyAction::KeyDown, tk::key::Down);
        row("shift end", Qt::Key_End, shift, "", KeyAction::KeyDown, tk::key::End, tk::key::ShiftMask);
        row("ctrl a", Qt::Key_A, ctrl, "", KeyAction::SelectAll);
        row("ctrl c", Qt::Key_C, ctrl, "", KeyAction::Copy);
        row("ctrl x", Qt::Key_X, ctrl, "", KeyAction::Cut);
        row("ctrl v", Qt::Key_V, ctrl, "", KeyAction::Paste);
        row("shift insert", Qt::Key_Insert, shift, "", KeyAction::Paste);
        row("ctrl shift c", Qt::Key_C, ctrl | shift, "", KeyAction::CopyTable);
        row("alt letter", Qt::Key_H, Qt::AltModifier, "h", KeyAction::AccessKey, 'H');
        row("ctrl alt letter", Qt::Key_H, Qt::AltModifier | ctrl, "", KeyAction::None);
        row("escape", Qt::Key_Escape, none, "\x1b", KeyAction::Char, 27);
        row("non-ascii", Qt::Key_Eacute, none, "\xe9", KeyAction::Char, 0xE9);
        row("ctrl z", Qt::Key_Z, ctrl, "\x1a", KeyAction::Undo);
    }
    void keysBecomeCoreActions() {
        QFETCH(int, key);
        QFETCH(int, mods);
        QFETCH(QString, text);
        const QKeyEvent event(QEvent::KeyPress, key, Qt::KeyboardModifiers(mods), text);
        const KeyAction action = keyActionFor(event);
        QTEST(int(action.kind), "kind");
        QTEST(action.code, "code");
        QTEST(action.shift, "shift");
    }

    // A user's steps, then every widget shows what its control holds, and the
    // steps did their work. "@Name" clicks a widget; "Scroll:N@F" opens the
    // table's range, scrolls it to N and clicks the bar at F of its height
    // from the top; anything else is a key.
    void widgetsShowTheCore_data() {
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("shows");
        auto row = [](const char* name, const char* steps, const char* widget, const char* shows) {
            QTest::newRow(name) << QString::fromLatin1(steps) << QString::fromLatin1(widget)
                                << QString::fromLatin1(shows);
        };
        row("start", "", "Acceleration", "0.00");
        row("two entries", "1 0 Return Tab Tab Tab 1 0 0 Return", "Velocity", "6.1");
        row("keyboard paste, a click taking the entry", "Ctrl+V @Frequency", "Acceleration", "4.50");
        row("row picked by click", "Alt+R 2 0 Return . 0 4 Return 2 0 0 0 Return . 0 4 Return @B(0) @DelBut", "F(0)",
            "2000.00");
        row("shock help", "@ShockButton @HelpBut", "FreqLbl", "Duration");
        row("scroll down arrow", "@RandomButton Scroll:1@0.98", "B(0)", "02");
        row("scroll up arrow", "@RandomButton Scroll:5@0.02", "B(0)", "04");
        row("scroll page down", "@RandomButton Scroll:1@0.8", "B(0)", "08");
        row("scroll page up", "@RandomButton Scroll:42@0.2", "B(0)", "35");
    }
    void widgetsShowTheCore() {
        QFETCH(QString, steps);
        QFETCH(QString, name);
        QWidget* bar = widget(QStringLiteral("Scroll"));
        for (const QString& step : steps.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
            if (step.startsWith(QLatin1Char('@'))) {
                QTest::mouseClick(widget(step.mid(1)), Qt::LeftButton);
            } else if (step.startsWith(QLatin1String("Scroll:"))) {
                w->core().Scroll.setMax(42);
                w->core().Scroll.setValue(step.mid(7).section(QLatin1Char('@'), 0, 0).toInt());
                w->sync();
                const double at = step.section(QLatin1Char('@'), 1).toDouble();
                QTest::mouseClick(bar, Qt::LeftButton, {}, QPoint(bar->width() / 2, qRound(bar->height() * at)));
            } else {
                QTest::keySequence(w->focusWidget() ? w->focusWidget() : w.get(), QKeySequence(step));
            }
        }
        QCOMPARE(mismatch(*w), QString());
        QTEST(textOf(widget(name)), "shows");
    }

    // On the Random screen the table's copy, by its key from any box and from
    // the boxes' context menus, offers the core's text and HTML; a refused
    // paste says why at the box, and the menu's Undo takes a paste back.
    void tableGoesThroughTheClipboard_data() {
        QTest::addColumn<QString>("box");
        QTest::addColumn<bool>("menu");
        for (const char* box : {"F(0)", "B(3)", "Acceleration"}) {
            QTest::addRow("key in %s", box) << QString::fromLatin1(box) << false;
            QTest::addRow("menu of %s", box) << QString::fromLatin1(box) << true;
        }
    }
    void tableGoesThroughTheClipboard() {
        QFETCH(QString, box);
        QFETCH(bool, menu);
        QTest::keyClick(w.get(), Qt::Key_R, Qt::AltModifier); // Random: the focus in F(0)
        QClipboard* clipboard = QGuiApplication::clipboard();
        clipboard->setText(QStringLiteral("20 0.01\n2000 0.01"));
        QTest::keySequence(w->focusWidget(), QKeySequence::Paste);
        QCOMPARE(w->core().fs.BkFreq[2], 2000.0f);
        clipboard->setText(QStringLiteral("20 0.01\n30 abc"));
        QTest::keySequence(w->focusWidget(), QKeySequence::Paste);
        QTRY_VERIFY(QToolTip::isVisible());
        QVERIFY(QToolTip::text().startsWith(QStringLiteral("Line 2: ")));
        QCOMPARE(w->core().fs.BkFreq[2], 2000.0f);
        QTest::mouseClick(widget(box), Qt::LeftButton);
        clipboard->clear();
        if (menu)
            choose(widget(box), QStringLiteral("Copy &break points"));
        else
            QTest::keyClick(w->focusWidget(), Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(clipboard->text(), QString::fromStdString(w->core().breakPointsText()));
        QCOMPARE(clipboard->mimeData()->html(), QString::fromStdString(w->core().breakPointsHtml()));
        if (box == QLatin1String("F(0)") && menu) {
            choose(widget(box), QStringLiteral("&Undo Paste"));
            QCOMPARE(w->core().fs.BkFreq[2], 0.0f);
        }
    }
    // The first show makes the widgets its frame shows; the rest, and the
    // icon, come once the event loop has passed that frame.
    void theFirstFrameHasWhatItShows() {
        w = std::make_unique<MainWindow>(kTwipsPerPixel);
        w->show();
        const auto& core = w->core();
        for (const tk::Control* c : core.controls()) {
            const bool catcher = c->kind() == tk::Kind::CommandButton && c->Caption.empty(); // never drawn
            if (c->Visible && c->Top < core.clientHeight() && !catcher) QVERIFY2(w->widgetFor(*c), c->name().c_str());
        }
        QVERIFY(!w->widgetFor("F(8)") && w->windowIcon().isNull());
        QTRY_VERIFY(w->widgetFor("F(8)") && w->widgetFor("RanHelp") && !w->windowIcon().isNull());
    }

    void artworkIsDrawnAtEachRatio_data() {
        QTest::addColumn<int>("which");
        QTest::addColumn<qreal>("ratio");
        QTest::addColumn<QSize>("logical");
        for (qreal ratio : {1.0, 1.25, 2.0, 3.0}) {
            QTest::addRow("banner@%g", ratio) << 0 << ratio << QSize(245, 62);
            QTest::addRow("shock help@%g", ratio) << 1 << ratio << QSize(229, 373);
            QTest::addRow("icon@%g", ratio) << 2 << ratio << QSize(32, 32);
        }
    }
    void artworkIsDrawnAtEachRatio() {
        QFETCH(int, which);
        QFETCH(qreal, ratio);
        QFETCH(QSize, logical);
        const QPixmap art = which == 0   ? bannerPixmap(ratio)
                            : which == 1 ? shockHelpPixmap(ratio)
                                         : appIcon().pixmap(logical, ratio);
        QCOMPARE(art.deviceIndependentSize().toSize(), logical);
        QCOMPARE(art.size(), (QSizeF(logical) * ratio).toSize());
        // Drawn for the ratio, not scaled up from a picture at 1: sharp edges
        // fall on even and odd device pixels alike.
        const QImage image = art.toImage();
        int edges[2] = {0, 0};
        for (int y = 0; y < image.height(); ++y)
            for (int x = 1; x < image.width(); ++x)
                edges[x % 2] += qAbs(qGray(image.pixel(x, y)) - qGray(image.pixel(x - 1, y))) > 96;
        QVERIFY2(qMin(edges[0], edges[1]) > qMax(10, qMax(edges[0], edges[1]) * 3 / 10),
                 qPrintable(QStringLiteral("%1 / %2").arg(edges[0]).arg(edges[1])));
    }
};

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen"); // run by hand as under CTest
    QApplication app(argc, argv);
    ViewTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "view_test.moc"
