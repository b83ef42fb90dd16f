#pragma once

#include "calc/chart.h"

#include <QRectF>
#include <QWidget>

namespace tessomar::view {

// Paints a chart of the calculation layer, as its SVG writer lays it out,
// into whatever size the widget has: grid, labels, series, notes, marks and
// legend come from the model; only the pens and the pixels are the view's.
class PlotWidget : public QWidget {
public:
    explicit PlotWidget(QWidget* parent);
    void setChart(chart::Chart chart);
    const chart::Chart& chart() const { return m_chart; }
    // The plotting area inside the widget, and where a value falls in it.
    QRectF area() const;
    QPointF at(const chart::Point& p) const;

protected:
    void paintEvent(QPaintEvent*) override;

private:
    chart::Chart m_chart;
};

} // namespace tessomar::view
