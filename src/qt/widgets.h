#pragma once

#include <QPixmap>
#include <QPoint>
#include <QWidget>

#include <functional>

namespace tessomar::view {

// A straight line in the window-text colour between two points given in the
// widget's own coordinates. It never takes the mouse.
class LineWidget : public QWidget {
public:
    explicit LineWidget(QWidget* parent);
    void setEnds(QPoint from, QPoint to);

protected:
    void paintEvent(QPaintEvent*) override;

private:
    QPoint m_from, m_to;
};

// A fixed image drawn at the top-left corner and cut off at the edges. The
// image is made for the screen's pixel ratio when first painted there.
class PictureWidget : public QWidget {
public:
    using Source = std::function<QPixmap(qreal devicePixelRatio)>;
    PictureWidget(QWidget* parent, Source source);

protected:
    void paintEvent(QPaintEvent*) override;

private:
    Source m_source;
    QPixmap m_pixmap;
    qreal m_ratio = 0;
};

} // namespace tessomar::view
