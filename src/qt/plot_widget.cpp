#include "qt/plot_widget.h"

#include <QPainter>
#include <QPainterPath>

namespace tessomar::view {

namespace {

// The SVG writer's colours, so that the window and the file look alike.
QColor inkColour(chart::Ink ink) {
    switch (ink) {
    case chart::Ink::Profile:
        return QColor(0x1f, 0x5f, 0xa8);
    case chart::Ink::Response:
        return QColor(0x7a, 0x3f, 0xa8);
    case chart::Ink::Alarm:
        return QColor(0xd9, 0x8c, 0x00);
    case chart::Ink::Abort:
        return QColor(0xc0, 0x39, 0x2b);
    }
    return Qt::black;
}

QPen seriesPen(const chart::Series& s) {
    QPen pen(inkColour(s.ink), s.ink == chart::Ink::Profile ? 2.0 : s.ink == chart::Ink::Response ? 1.5 : 1.0);
    if (s.dashed) pen.setDashPattern({6, 4});
    return pen;
}

QString text(const std::string& s) { return QString::fromStdString(s); }

} // namespace

PlotWidget::PlotWidget(QWidget* parent) : QWidget(parent) {
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, Qt::white);
    p.setColor(QPalette::WindowText, Qt::black);
    setPalette(p);
    setMinimumSize(360, 260);
}

void PlotWidget::setChart(chart::Chart chart) {
    m_chart = std::move(chart);
    update();
}

// Room for the title above, the tick labels and axis titles left and below,
// in lines of the widget's font.
QRectF PlotWidget::area() const {
    const QFontMetricsF fm(font());
    const double line = fm.height();
    double labels = 0;
    for (const chart::Tick& t : chart::ticks(m_chart.y)) labels = std::max(labels, fm.horizontalAdvance(text(t.label)));
    // The last label of the frequency axis is centred on the area's right edge.
    const std::vector<chart::Tick> xTicks = chart::ticks(m_chart.x);
    const double lastLabel = xTicks.empty() ? 0 : fm.horizontalAdvance(text(xTicks.back().label));
    const double left = line * 1.6 + labels + 6, top = line * 2.4, bottom = line * 3.2;
    const double right = std::max(line, lastLabel / 2 + 4);
    return QRectF(left, top, std::max(1.0, width() - left - right), std::max(1.0, height() - top - bottom));
}

QPointF PlotWidget::at(const chart::Point& p) const {
    const QRectF a = area();
    return {a.left() + m_chart.x.at(p.x) * a.width(), a.bottom() - m_chart.y.at(p.y) * a.height()};
}

void PlotWidget::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF a = area();
    const QFontMetricsF fm(font());
    const double line = fm.height();

    for (const chart::Tick& t : chart::ticks(m_chart.x)) {
        const double x = a.left() + t.at * a.width();
        p.setPen(QColor(t.major ? 0xbb : 0xee, t.major ? 0xbb : 0xee, t.major ? 0xbb : 0xee));
        p.drawLine(QPointF(x, a.top()), QPointF(x, a.bottom()));
        if (!t.major) continue;
        p.setPen(Qt::black);
        p.drawText(QRectF(x - 50, a.bottom() + 3, 100, line), Qt::AlignHCenter | Qt::AlignTop, text(t.label));
    }
    for (const chart::Tick& t : chart::ticks(m_chart.y)) {
        const double y = a.bottom() - t.at * a.height();
        p.setPen(QColor(t.major ? 0xbb : 0xee, t.major ? 0xbb : 0xee, t.major ? 0xbb : 0xee));
        p.drawLine(QPointF(a.left(), y), QPointF(a.right(), y));
        if (!t.major) continue;
        p.setPen(Qt::black);
        p.drawText(QRectF(0, y - line / 2, a.left() - 6, line), Qt::AlignRight | Qt::AlignVCenter, text(t.label));
    }
    p.setPen(Qt::black);
    p.setBrush(Qt::NoBrush);
    p.drawRect(a);
    p.drawText(QRectF(a.left(), height() - line * 1.5, a.width(), line), Qt::AlignHCenter, text(m_chart.x.title));
    p.save();
    p.translate(line * 0.3, a.center().y());
    p.rotate(-90);
    p.drawText(QRectF(-a.height() / 2, 0, a.height(), line), Qt::AlignHCenter | Qt::AlignTop, text(m_chart.y.title));
    p.restore();
    QFont bold = font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.25);
    p.setFont(bold);
    p.drawText(QRectF(0, line * 0.4, width(), line * 1.6), Qt::AlignHCenter | Qt::AlignVCenter, text(m_chart.title));
    p.setFont(font());

    p.setClipRect(a.adjusted(-5, -5, 5, 5));
    p.setPen(QPen(QColor(0x55, 0x55, 0x55), 1, Qt::DashLine));
    for (double m : m_chart.marks) p.drawLine(at({m, 1}).x(), a.top(), at({m, 1}).x(), a.bottom());
    for (const chart::Series& s : m_chart.series) {
        p.setPen(seriesPen(s));
        p.setBrush(Qt::NoBrush);
        for (const auto& run : s.runs()) {
            QPainterPath path(at(run.front()));
            for (const chart::Point& pt : run) path.lineTo(at(pt));
            if (run.size() > 1) p.drawPath(path);
        }
        if (!s.markers) continue;
        p.setPen(Qt::NoPen);
        p.setBrush(inkColour(s.ink));
        for (const chart::Point& pt : s.points)
            if (pt.drawable()) p.drawEllipse(at(pt), 4, 4);
    }
    p.setPen(Qt::black);
    for (const chart::Note& n : m_chart.notes) {
        const QPointF c = at(n.at);
        p.drawText(QRectF(c.x() - 100, c.y() - line - 4, 200, line), Qt::AlignHCenter | Qt::AlignBottom, text(n.text));
    }
    p.setClipping(false);
    if (!m_chart.hasLegend()) return;
    double width = 0;
    for (const chart::Series& s : m_chart.series) width = std::max(width, fm.horizontalAdvance(text(s.name)));
    double y = a.top() + line * 0.8;
    const double x = a.right() - width - 40;
    int named = 0;
    for (const chart::Series& s : m_chart.series) named += !s.name.empty();
    p.fillRect(QRectF(x - 6, y - line * 0.7, width + 42, line * (named + 0.4)), Qt::white);
    for (const chart::Series& s : m_chart.series) {
        if (s.name.empty()) continue;
        p.setPen(seriesPen(s));
        p.drawLine(QPointF(x, y), QPointF(x + 25, y));
        p.setPen(Qt::black);
        p.drawText(QRectF(x + 30, y - line / 2, width + 10, line), Qt::AlignLeft | Qt::AlignVCenter, text(s.name));
        y += line;
    }
}

} // namespace tessomar::view
