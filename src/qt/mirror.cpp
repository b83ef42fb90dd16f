// Bringing the widgets in line with the core after each action.
#include "qt/main_window.h"

#include "qt/convert.h"
#include "qt/widgets.h"

#include <QApplication>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>

#include <algorithm>

namespace tessomar::view {

namespace {

Qt::Alignment qtAlign(tk::Align a, Qt::Alignment vertical) {
    switch (a) {
    case tk::Align::Center:
        return Qt::AlignHCenter | vertical;
    case tk::Align::Right:
        return Qt::AlignRight | vertical;
    default:
        return Qt::AlignLeft | vertical;
    }
}

// Paints one palette role; the platform colour comes from the application's
// palette so that a colour set earlier is undone.
void paint(QWidget* w, QPalette::ColorRole role, tk::Color c) {
    QColor colour = toQColor(c);
    if (!colour.isValid()) colour = QApplication::palette(w).color(role);
    QPalette p = w->palette();
    p.setColor(role, colour);
    w->setPalette(p);
}

void paintBackground(const tk::Control& c, QWidget* w) {
    switch (c.kind()) {
    case tk::Kind::TextBox:
        paint(w, QPalette::Base, c.BackColor);
        break;
    case tk::Kind::CommandButton:
        paint(w, QPalette::Button, c.BackColor);
        break;
    case tk::Kind::Label:
    case tk::Kind::PictureBox:
        // A label lets what lies behind it show through when transparent.
        w->setAutoFillBackground(c.BackColor != tk::kTransparent);
        if (c.BackColor == tk::kTransparent) break;
        if (c.BackColor == tk::kSystemColor) {
            QPalette p = w->palette();
            p.setColor(QPalette::Window, QApplication::palette(w).color(QPalette::Button));
            w->setPalette(p);
        } else {
            paint(w, QPalette::Window, c.BackColor);
        }
        break;
    default:
        break;
    }
}

void paintForeground(const tk::Control& c, QWidget* w) {
    for (QPalette::ColorRole role : {QPalette::Text, QPalette::WindowText, QPalette::ButtonText})
        paint(w, role, c.ForeColor);
}

} // namespace

void MainWindow::sync() {
    if (m_syncing) return;
    if (!m_allBuilt && !m_startingUp) buildWidgets(false);
    m_syncing = true;
    syncWindow();
    for (Binding& b : m_bindings) syncBinding(b);
    syncFocus();
    for (Binding& b : m_bindings)
        if (b.edit || b.panel) syncTextBox(b, b.control == m_core.focused());
    m_syncing = false;
    m_tools.follow();
}

void MainWindow::syncWindow() {
    const QString caption = QString::fromStdString(m_core.Caption);
    if (windowTitle() != caption) setWindowTitle(caption);
    updateFrameHeight();
    const QSize size(toPixels(m_core.Width, m_twipsPerPixel), toPixels(m_core.clientHeight(), m_twipsPerPixel));
    if (minimumSize() != size || maximumSize() != size) setFixedSize(size);
}

void MainWindow::updateFrameHeight() {
    // Without a window manager the frame is 0; with one, the core's outer
    // height must include its title bar and borders.
    const int frame = isWindow() && isVisible() ? std::max(0, frameGeometry().height() - geometry().height()) : 0;
    if (frame == m_frameHeightPx) return;
    m_frameHeightPx = frame;
    m_core.frameHeight = static_cast<float>(frame) * m_twipsPerPixel;
    if (!m_syncing) sync();
}

void MainWindow::syncBinding(Binding& b) {
    if (!b.widget) return;
    const tk::Control& c = *b.control;
    QWidget* w = b.widget;

    if (b.line) {
        const auto& line = static_cast<const tk::Line&>(c);
        const QPoint from(toPixels(line.X1, m_twipsPerPixel), toPixels(line.Y1, m_twipsPerPixel));
        const QPoint to(toPixels(line.X2, m_twipsPerPixel), toPixels(line.Y2, m_twipsPerPixel));
        const QRect box = QRect(from, to).normalized(); // inclusive: never empty
        if (b.geometry != box) w->setGeometry(box), b.geometry = box;
        b.line->setEnds(from - box.topLeft(), to - box.topLeft());
    } else if (const QRect r = pixelRect(c, m_twipsPerPixel); b.fresh || r != b.geometry) {
        w->setGeometry(r);
        b.geometry = r;
    }
    if (b.fresh || b.visible != c.Visible) {
        w->setVisible(c.Visible);
        b.visible = c.Visible;
    }
    if (b.fresh || b.back != c.BackColor) {
        paintBackground(c, w);
        b.back = c.BackColor;
    }
    if (b.fresh || b.fore != c.ForeColor) {
        if (c.ForeColor != tk::kSystemColor || !b.fresh) paintForeground(c, w);
        b.fore = c.ForeColor;
    }
    if (c.hasFont && b.fontSize != c.font.size) {
        w->setFont(toQFont(c.font));
        b.fontSize = c.font.size;
    }

    if (b.button && (b.fresh || b.text != c.Caption)) {
        b.button->setText(QString::fromStdString(c.Caption));
        // The core owns the access keys (a shared one moves the focus in
        // turn), so the button must not claim its own shortcut.
        b.button->setShortcut(QKeySequence());
        b.button->setAccessibleName(withoutAccessMark(c.Caption));
        b.text = c.Caption;
    } else if (b.label) {
        const auto& label = static_cast<const tk::Label&>(c);
        if (b.fresh || b.text != c.Caption) {
            b.label->setText(QString::fromStdString(c.Caption));
            b.label->setAccessibleName(QString::fromStdString(c.Caption));
            b.text = c.Caption;
        }
        if (b.fresh) {
            b.label->setAlignment(qtAlign(label.alignment, Qt::AlignTop));
            b.label->setFrameStyle(label.border ? QFrame::Panel | QFrame::Sunken : QFrame::NoFrame);
        }
    } else if (b.bar) {
        const auto& scroll = static_cast<const tk::ScrollBar&>(c);
        if (b.bar->minimum() != scroll.Min() || b.bar->maximum() != std::max(scroll.Min(), scroll.Max()))
            b.bar->setRange(scroll.Min(), std::max(scroll.Min(), scroll.Max()));
        if (b.bar->singleStep() != scroll.SmallChange) b.bar->setSingleStep(scroll.SmallChange);
        if (b.bar->pageStep() != scroll.LargeChange) b.bar->setPageStep(scroll.LargeChange);
        if (b.bar->value() != scroll.Value() && !b.bar->isSliderDown()) b.bar->setValue(scroll.Value());
    } else if (b.edit || b.panel) {
        const auto& box = static_cast<const tk::TextBox&>(c);
        if (b.fresh || b.text != box.Text()) {
            if (b.edit)
                b.edit->setText(QString::fromStdString(box.Text()));
            else
                b.panel->setPlainText(toDisplayText(box.Text()));
            b.text = box.Text();
        }
        if (b.fresh || b.locked != box.Locked) {
            if (b.edit) b.edit->setReadOnly(box.Locked);
            b.locked = box.Locked;
        }
        if (b.fresh && b.edit) {
            b.edit->setFrame(box.border);
            b.edit->setAlignment(qtAlign(box.alignment, Qt::AlignVCenter));
        }
        if (b.fresh && b.panel)
            b.panel->setFrameStyle(box.border ? QFrame::StyledPanel | QFrame::Sunken : QFrame::NoFrame);
    }
    b.fresh = false;
}

void MainWindow::syncFocus() {
    const tk::Control* focused = m_core.focused();
    QWidget* target = focused ? widgetFor(*focused) : nullptr;
    // A hidden catcher holding the focus, or a hidden control: the window
    // itself takes the keys, which still go to the core.
    if (!target || target->isHidden()) target = this;
    if (QWidget* current = focusWidget(); current != target || !target->hasFocus())
        target->setFocus(Qt::OtherFocusReason);
}

void MainWindow::syncTextBox(Binding& b, bool focused) {
    const auto& box = static_cast<const tk::TextBox&>(*b.control);
    // Only the focused box shows its selection and caret, as text boxes do
    // on the desktop; the others keep theirs in the core.
    int start = focused ? box.SelStart() : 0;
    int length = focused ? box.SelLength() : 0;
    const bool caretAtStart = focused && box.caret() == box.SelStart() && length > 0;
    const std::string& text = box.Text();
    if (b.edit) {
        // Qt counts UTF-16 units where the core counts UTF-8 bytes.
        const int from = coreToDisplay(text, start), to = coreToDisplay(text, start + length);
        start = from;
        length = to - from;
        const int caret = caretAtStart ? start : start + length;
        const int anchor = caretAtStart ? start + length : start;
        const bool same = b.edit->cursorPosition() == caret &&
                          (length == 0 ? !b.edit->hasSelectedText()
                                       : b.edit->selectionStart() == start && b.edit->selectionLength() == length);
        if (same) return;
        if (length == 0) {
            b.edit->setCursorPosition(caret);
        } else {
            b.edit->setSelection(anchor, caret - anchor);
        }
        return;
    }
    const int from = coreToDisplay(text, caretAtStart ? start + length : start);
    const int to = coreToDisplay(text, caretAtStart ? start : start + length);
    QTextCursor cursor = b.panel->textCursor();
    if (cursor.anchor() == from && cursor.position() == to) return;
    cursor.setPosition(from);
    cursor.setPosition(to, QTextCursor::KeepAnchor);
    b.panel->setTextCursor(cursor);
}

} // namespace tessomar::view
