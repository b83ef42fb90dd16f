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

} // namespace tessomar::view
