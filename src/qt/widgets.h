#pragma once

#include <QPixmap>
#include <QPoint>
#include <QScrollBar>
#include <QStyleOption>
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

// A scroll bar that keeps its last picture while nothing it shows changes.
// Mode switches repaint the whole window, and the style's shaded groove and
// slider (gradient fills that Qt's raster engine splits over worker threads)
// cost more than the rest of the window's widgets together. Under the mouse
// it is drawn afresh every time, so hover and press feedback stay live.
class ScrollBarWidget : public QScrollBar {
public:
    explicit ScrollBarWidget(QWidget* parent) : QScrollBar(Qt::Vertical, parent) {}

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    struct Look {
        QStyle::State state;
        int minimum, maximum, position, singleStep, pageStep;
        QSize size;
        qint64 palette;
        qreal ratio;
        const QStyle* style;
        bool operator==(const Look&) const = default;
    };
    Look look() const;

    QPixmap m_picture; // of m_shown, once it has been shown twice
    Look m_shown{};
};

} // namespace tessomar::view
