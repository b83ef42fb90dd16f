// Forwarding the user's keys and mouse to the core.
#include "qt/artwork.h"
#include "qt/convert.h"
#include "qt/keys.h"
#include "qt/main_window.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextCursor>
#include <QTimer>
#include <QToolTip>
#include <QWheelEvent>

namespace tessomar::view {

namespace {

// The run of non-blank characters around a caret: what a double-click takes.
std::pair<int, int> wordAround(const std::string& text, int caret) {
    auto blank = [&](int i) {
        return text[static_cast<std::size_t>(i)] == ' ' || text[static_cast<std::size_t>(i)] == '\r' ||
               text[static_cast<std::size_t>(i)] == '\n' || text[static_cast<std::size_t>(i)] == '\t';
    };
    const int n = static_cast<int>(text.size());
    caret = std::clamp(caret, 0, n);
    int from = caret, to = caret;
    while (from > 0 && !blank(from - 1)) --from;
    while (to < n && !blank(to)) ++to;
    return {from, to};
}

} // namespace

bool MainWindow::event(QEvent* e) {
    // With no widget focused (the core's focus rests on a hidden control, or
    // nowhere yet) the keys arrive here.
    if (e->type() == QEvent::KeyPress) return handleKey(static_cast<QKeyEvent*>(e));
    if (e->type() == QEvent::KeyRelease) return true;
    const bool result = QWidget::event(e);
    if (e->type() == QEvent::Move || e->type() == QEvent::Resize || e->type() == QEvent::WindowActivate)
        updateFrameHeight();
    // What the first frame does not show waits for it: the widgets of the
    // controls out of sight, and the icon (decoding its images and loading
    // the image plugins would hold up the window's first appearance).
    if (e->type() == QEvent::Paint && !m_firstFrameSeen) {
        m_firstFrameSeen = true;
        QTimer::singleShot(0, this, [this] {
            sync();
            setWindowIcon(appIcon());
        });
    }
    return result;
}

bool MainWindow::eventFilter(QObject* watched, QEvent* e) {
    switch (e->type()) {
    case QEvent::KeyPress:
        return handleKey(static_cast<QKeyEvent*>(e));
    case QEvent::KeyRelease:
        return true;
    case QEvent::InputMethod: {
        // Composed text arrives as whole strings; each character is a key.
        auto* im = static_cast<QInputMethodEvent*>(e);
        for (uint ch : im->commitString().toUcs4())
            if (ch >= 32 && ch != 127) m_core.keyPress(static_cast<int>(ch));
        sync();
        return true;
    }
    default:
        break;
    }
    if (m_syncing) return false;
    Binding* b = bindingOf(watched);
    if (!b) return false;
    if (b->edit || b->panel) return handleTextMouse(*b, watched, e);
    if (b->bar) return handleScrollMouse(*b, e);
    return false;
}

bool MainWindow::handleKey(QKeyEvent* e) {
    // A tool's shortcut is the window's, never a key for the focused box.
    if (const int tool = ToolWindows::ofKey(e->key(), e->modifiers()); tool >= 0) {
        m_tools.open(tool);
        return true;
    }
    const KeyAction a = keyActionFor(*e);
    QClipboard* clipboard = QGuiApplication::clipboard();
    switch (a.kind) {
    case KeyAction::None:
        return true;
    case KeyAction::Char:
        m_core.keyPress(a.code);
        break;
    case KeyAction::Tab:
        m_core.pressTab(false);
        break;
    case KeyAction::BackTab:
        m_core.pressTab(true);
        break;
    case KeyAction::KeyDown:
        m_core.keyDown(a.code, a.shift);
        break;
    case KeyAction::SelectAll:
        m_core.selectAll();
        break;
    case KeyAction::Copy:
        if (const std::string text = m_core.copy(); !text.empty()) clipboard->setText(QString::fromStdString(text));
        break;
    case KeyAction::Cut:
        if (const std::string text = m_core.cutKey(); !text.empty()) clipboard->setText(QString::fromStdString(text));
        break;
    case KeyAction::Paste:
        m_core.pasteKey(clipboard->text().toStdString());
        break;
    case KeyAction::CopyTable:
        if (m_core.fs.CalcMode == mode::kRandom) copyTable();
        break;
    case KeyAction::Undo:
        m_core.undo();
        break;
    case KeyAction::AccessKey:
        m_core.pressAccessKey(static_cast<char>(a.code));
        break;
    }
    sync();
    return true;
}

int MainWindow::caretAt(Binding& b, QObject* watched, QPoint pos) const {
    const auto& box = static_cast<const tk::TextBox&>(*b.control);
    if (b.edit) return displayToCore(box.Text(), b.edit->cursorPositionAt(pos));
    if (b.panel && watched == b.panel->viewport())
        return displayToCore(box.Text(), b.panel->cursorForPosition(pos).position());
    return 0;
}

bool MainWindow::handleTextMouse(Binding& b, QObject* watched, QEvent* e) {
    auto& box = static_cast<tk::TextBox&>(*b.control);
    switch (e->type()) {
    case QEvent::MouseButtonPress: {
        auto* me = static_cast<QMouseEvent*>(e);
        if (me->button() == Qt::LeftButton) {
            const int caret = caretAt(b, watched, me->position().toPoint());
            m_core.clickText(box, caret);
            if (m_core.focused() == &box) {
                m_dragBox = &box;
                m_dragAnchor = caret;
            }
        } else if (me->button() == Qt::RightButton) {
            m_core.moveFocus(box);
        }
        sync();
        return true;
    }
    case QEvent::MouseMove: {
        auto* me = static_cast<QMouseEvent*>(e);
        if (m_dragBox == &box && (me->buttons() & Qt::LeftButton) && m_core.focused() == &box) {
            box.select(m_dragAnchor, caretAt(b, watched, me->position().toPoint()));
            sync();
        }
        return true;
    }
    case QEvent::MouseButtonRelease:
        m_dragBox = nullptr;
        return true;
    case QEvent::MouseButtonDblClick: {
        auto* me = static_cast<QMouseEvent*>(e);
        if (me->button() == Qt::LeftButton && m_core.focused() == &box) {
            const auto [from, to] = wordAround(box.Text(), caretAt(b, watched, me->position().toPoint()));
            box.select(from, to);
            m_dragBox = nullptr;
            sync();
        }
        return true;
    }
    case QEvent::ContextMenu:
        showContextMenu(b, static_cast<QContextMenuEvent*>(e)->globalPos());
        return true;
    case QEvent::Wheel:
    case QEvent::DragEnter:
    case QEvent::DragMove:
    case QEvent::Drop:
        return true;
    default:
        return false;
    }
}

void MainWindow::showContextMenu(Binding& b, QPoint globalPos) {
    auto& box = static_cast<tk::TextBox&>(*b.control);
    if (m_core.focused() != &box) return;
    QClipboard* clipboard = QGuiApplication::clipboard();
    const bool selected = box.SelLength() > 0;
    QMenu menu(this);
    QAction* cut = menu.addAction(QStringLiteral("Cu&t"));
    cut->setEnabled(selected && !box.Locked);
    QAction* copy = menu.addAction(QStringLiteral("&Copy"));
    copy->setEnabled(selected);
    QAction* paste = menu.addAction(QStringLiteral("&Paste"));
    paste->setEnabled(!box.Locked && !clipboard->text().isEmpty());
    menu.addSeparator();
    QAction* all = menu.addAction(QStringLiteral("Select &All"));
    all->setEnabled(!box.Text().empty());
    QAction* table = nullptr;
    QAction* undo = nullptr;
    if (m_core.fs.CalcMode == mode::kRandom) {
        menu.addSeparator();
        table = menu.addAction(QStringLiteral("Copy &break points and results\tCtrl+Shift+C"));
    }
    if (m_core.isTableBox(box)) {
        const std::string what = m_core.undoCaption();
        undo = menu.addAction(what.empty() ? QStringLiteral("&Undo\tCtrl+Z")
                                           : QStringLiteral("&Undo %1\tCtrl+Z").arg(QString::fromStdString(what)));
        undo->setEnabled(!what.empty());
    }
    menu.addSeparator();
    m_tools.addItems(menu);
    QAction* chosen = menu.exec(globalPos);
    // The menu ran its own event loop: the focus may have moved meanwhile.
    if (!chosen || m_core.focused() != &box) return;
    if (chosen == cut) {
        if (const std::string t = m_core.cut(); !t.empty()) clipboard->setText(QString::fromStdString(t));
    } else if (chosen == copy) {
        if (const std::string t = m_core.copy(); !t.empty()) clipboard->setText(QString::fromStdString(t));
    } else if (chosen == paste) {
        m_core.paste(clipboard->text().toStdString());
    } else if (chosen == all) {
        m_core.selectAll();
    } else if (chosen == table) {
        copyTable();
    } else if (chosen == undo) {
        m_core.undo();
    }
    sync();
}

void MainWindow::contextMenuEvent(QContextMenuEvent* e) {
    QMenu menu(this);
    m_tools.addItems(menu);
    menu.exec(e->globalPos());
}

// As text for anything, and as an HTML table that spreadsheets take as cells.
void MainWindow::copyTable() {
    auto* data = new QMimeData;
    data->setText(QString::fromStdString(m_core.breakPointsText()));
    data->setHtml(QString::fromStdString(m_core.breakPointsHtml()));
    QGuiApplication::clipboard()->setMimeData(data);
}

void MainWindow::showNotice(const tk::Control& at, const std::string& message) {
    QWidget* w = widgetFor(at);
    if (!w) return;
    QToolTip::showText(w->mapToGlobal(QPoint(0, w->height())), QString::fromStdString(message), w);
}

bool MainWindow::handleScrollMouse(Binding& b, QEvent* e) {
    if (e->type() == QEvent::MouseButtonPress || e->type() == QEvent::MouseButtonDblClick) {
        // The bar takes the focus first, as any clicked control does; the
        // scroll bar itself then acts on the press.
        m_core.click(*b.control);
        sync();
        return false;
    }
    if (e->type() == QEvent::Wheel) {
        auto& bar = static_cast<tk::ScrollBar&>(*b.control);
        m_wheelDelta += static_cast<QWheelEvent*>(e)->angleDelta().y();
        for (; m_wheelDelta >= 120; m_wheelDelta -= 120) bar.lineUp();
        for (; m_wheelDelta <= -120; m_wheelDelta += 120) bar.lineDown();
        sync();
        return true;
    }
    return false;
}

void MainWindow::onScrollAction(int action) {
    if (m_syncing) return;
    auto& core = m_core.Scroll;
    auto* bar = static_cast<QScrollBar*>(widgetFor(core));
    switch (action) {
    case QAbstractSlider::SliderSingleStepAdd:
        core.lineDown();
        break;
    case QAbstractSlider::SliderSingleStepSub:
        core.lineUp();
        break;
    case QAbstractSlider::SliderPageStepAdd:
        core.pageDown();
        break;
    case QAbstractSlider::SliderPageStepSub:
        core.pageUp();
        break;
    case QAbstractSlider::SliderToMinimum:
        core.setValue(core.Min());
        break;
    case QAbstractSlider::SliderToMaximum:
        core.setValue(core.Max());
        break;
    case QAbstractSlider::SliderMove:
        // Moves while the thumb is held are not reported; the release is.
        if (bar->isSliderDown()) return;
        core.setValue(bar->sliderPosition());
        break;
    default:
        break;
    }
    sync();
    // The bar applies its own step after this signal; make it the core's.
    bar->setSliderPosition(m_core.Scroll.Value());
}

} // namespace tessomar::view
