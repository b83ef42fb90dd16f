#include "qt/widgets.h"

#include <QPainter>

namespace tessomar::view {

LineWidget::LineWidget(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
}

void LineWidget::setEnds(QPoint from, QPoint to) {
    if (from == m_from && to == m_to) return;
    m_from = from;
    m_to = to;
    update();
}

void LineWidget::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setPen(QPen(palette().color(QPalette::WindowText), 1));
    p.drawLine(m_from, m_to);
}

PictureWidget::PictureWidget(QWidget* parent, Source source) : QWidget(parent), m_source(std::move(source)) {
    setFocusPolicy(Qt::NoFocus);
    setAutoFillBackground(true);
}

void PictureWidget::paintEvent(QPaintEvent*) {
    const qreal ratio = devicePixelRatioF();
    if (ratio != m_ratio) {
        m_pixmap = m_source ? m_source(ratio) : QPixmap();
        m_ratio = ratio;
    }
    if (m_pixmap.isNull()) return;
    QPainter p(this);
    p.setClipRect(rect());
    p.drawPixmap(QPoint(0, 0), m_pixmap);
}

ScrollBarWidget::Look ScrollBarWidget::look() const {
    QStyleOptionSlider opt;
    initStyleOption(&opt);
    return {opt.state,          opt.minimum,          opt.maximum,         opt.sliderPosition,
            opt.singleStep,     opt.pageStep,         opt.rect.size(),     palette().cacheKey(),
            devicePixelRatioF(), style()};
}

void ScrollBarWidget::paintEvent(QPaintEvent* e) {
    const Look now = look();
    // Drawn directly the first time a look is shown (the window's first
    // frame among them); kept as a picture once the same look comes again.
    const bool again = now == m_shown;
    m_shown = now;
    if (!again || underMouse() || isSliderDown()) {
        m_picture = QPixmap();
        QScrollBar::paintEvent(e);
        return;
    }
    if (m_picture.isNull()) {
        // As QScrollBar draws itself with no part of it hovered or pressed.
        QStyleOptionSlider opt;
        initStyleOption(&opt);
        opt.subControls = QStyle::SC_All;
        opt.activeSubControls = QStyle::SC_None;
        m_picture = QPixmap(size() * now.ratio);
        m_picture.setDevicePixelRatio(now.ratio);
        m_picture.fill(Qt::transparent);
        QPainter painter(&m_picture);
        painter.setPen(palette().color(foregroundRole()));
        painter.setBrush(palette().brush(backgroundRole()));
        painter.setFont(font());
        style()->drawComplexControl(QStyle::CC_ScrollBar, &opt, &painter, this);
    }
    QPainter p(this);
    p.drawPixmap(0, 0, m_picture);
}

} // namespace tessomar::view
