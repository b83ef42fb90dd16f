// The banner and the shock-pulse help picture, drawn with QPainter at the
// screen's device pixel ratio, so they need no image files and stay sharp.
#include "qt/artwork.h"

#include <QFont>
#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QStringList>

#include <cmath>

namespace tessomar::view {

namespace {

constexpr double kPi = 3.14159265358979323846;

QFont artFont(qreal pixelSize, QFont::Weight weight = QFont::Normal) {
    QFont font(QStringLiteral("Liberation Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(static_cast<int>(std::lround(pixelSize)));
    font.setWeight(weight);
    return font;
}

// A pixmap of the given logical size, backed by dpr times as many pixels.
QPixmap canvas(QSize logical, qreal dpr, const QColor& fill) {
    if (!(dpr > 0)) dpr = 1;
    QPixmap pixmap(QSize(static_cast<int>(std::lround(logical.width() * dpr)),
                         static_cast<int>(std::lround(logical.height() * dpr))));
    pixmap.setDevicePixelRatio(dpr);
    pixmap.fill(fill);
    return pixmap;
}

// ---- Banner ----

// A sine trace of the given number of periods across rect, centred vertically.
QPainterPath sineTrace(const QRectF& rect, double periods) {
    QPainterPath path;
    const int steps = 96;
    for (int i = 0; i <= steps; ++i) {
        const double s = static_cast<double>(i) / steps;
        const QPointF p(rect.left() + s * rect.width(),
                        rect.center().y() - std::sin(2 * kPi * periods * s) * rect.height() / 2);
        if (i == 0)
            path.moveTo(p);
        else
            path.lineTo(p);
    }
    return path;
}

} // namespace

// The picture box shows about 225 x 48 of the 245 x 62 pixels, so everything
// that matters stays inside that corner; the rest is background.
QPixmap bannerPixmap(qreal devicePixelRatio) {
    QPixmap pixmap = canvas(QSize(245, 62), devicePixelRatio, Qt::white);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);

    QLinearGradient ground(0, 0, 0, 62);
    ground.setColorAt(0, QColor(0xf7, 0xf9, 0xfc));
    ground.setColorAt(1, QColor(0xd9, 0xe3, 0xf0));
    p.fillRect(QRectF(0, 0, 245, 62), ground);

    // Emblem: the icon's oscilloscope panel with its green trace.
    const QRectF panel(5, 5, 38, 38);
    QLinearGradient panelFill(panel.topLeft(), panel.bottomLeft());
    panelFill.setColorAt(0, QColor(0x2b, 0x4c, 0x7e));
    panelFill.setColorAt(1, QColor(0x12, 0x25, 0x3f));
    p.setPen(QPen(QColor(0x0a, 0x16, 0x28), 1));
    p.setBrush(panelFill);
    p.drawRoundedRect(panel.adjusted(0.5, 0.5, -0.5, -0.5), 6, 6);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0xc7, 0xd6, 0xea), 1));
    p.drawLine(QPointF(panel.left() + 4, panel.center().y()), QPointF(panel.right() - 4, panel.center().y()));
    const QPainterPath trace = sineTrace(panel.adjusted(7, 10, -7, -10), 2);
    p.setPen(QPen(QColor(0x0f, 0x3d, 0x26), 4.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(trace);
    p.setPen(QPen(QColor(0x7d, 0xfc, 0x9c), 2.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(trace);

    // The name, and what the program is for.
    p.setPen(QColor(0x16, 0x2d, 0x4f));
    p.setFont(artFont(25, QFont::Bold));
    p.drawText(QRectF(50, 1, 172, 31), Qt::AlignLeft | Qt::AlignBottom, QStringLiteral("Tessomar"));
    p.setPen(QColor(0x3e, 0x5a, 0x80));
    p.setFont(artFont(10));
    p.drawText(QRectF(51, 32, 172, 13), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("Vibration and shock calculator"));

    // A fine rule under the text, fading out before the visible edge.
    QLinearGradient rule(50, 0, 222, 0);
    rule.setColorAt(0, QColor(0x2b, 0x4c, 0x7e));
    rule.setColorAt(1, QColor(0x2b, 0x4c, 0x7e, 0));
    p.setPen(QPen(QBrush(rule), 1));
    p.drawLine(QPointF(51, 31.5), QPointF(222, 31.5));
    return pixmap;
}

namespace {

// ---- Shock help picture ----

void arrowHead(QPainter& p, QPointF tip, QPointF towards) {
    const QPointF d = towards - tip;
    const double len = std::hypot(d.x(), d.y());
    if (len == 0) return;
    const QPointF u(d.x() / len, d.y() / len);
    const QPointF n(-u.y(), u.x());
    const double length = 3.5, half = 1.6;
    const QPolygonF head({tip, tip + u * length + n * half, tip + u * length - n * half});
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::black);
    p.drawPolygon(head);
    p.restore();
}

// A duration under one segment of a pulse: arrows between the segment's
// ends, the factor (if any) above "D".
void durationDimension(QPainter& p, double x1, double x2, double y, const QString& factor) {
    p.drawLine(QPointF(x1, y), QPointF(x2, y));
    arrowHead(p, QPointF(x1, y), QPointF(x2, y));
    arrowHead(p, QPointF(x2, y), QPointF(x1, y));
    const QRectF column(x1 - 6, y + 1, x2 - x1 + 12, 9);
    if (!factor.isEmpty()) {
        p.drawText(column, Qt::AlignHCenter | Qt::AlignTop, factor);
        p.drawText(column.translated(0, 9.5), Qt::AlignHCenter | Qt::AlignTop, QStringLiteral("D"));
    } else {
        p.drawText(column, Qt::AlignHCenter | Qt::AlignTop, QStringLiteral("D"));
    }
}

// A height beside the pulses: arrows from y1 to y2 at x, the label to the left.
void levelDimension(QPainter& p, double x, double y1, double y2, const QString& label) {
    p.drawLine(QPointF(x, y1), QPointF(x, y2));
    arrowHead(p, QPointF(x, y1), QPointF(x, y2));
    arrowHead(p, QPointF(x, y2), QPointF(x, y1));
    p.drawText(QRectF(x - 22, (y1 + y2) / 2 - 5, 20, 10), Qt::AlignRight | Qt::AlignVCenter, label);
}

// A thin extension line, from a point of the drawing down to a dimension.
void witness(QPainter& p, double x, double fromY, double toY) {
    p.save();
    p.setPen(QPen(QColor(0x60, 0x60, 0x60), 0.6));
    p.drawLine(QPointF(x, fromY), QPointF(x, toY));
    p.restore();
}

} // namespace

namespace {

const char* const kLegend[] = {"A = Shock pulse amplitude, g's pk", "D = Shock pulse duration, msec.",
                               "Pre = Pre-Pulse", "Post = Post-Pulse"};

QList<QStringList> shockHelpParagraphs() {
    return {
        {QStringLiteral("Durations of the pre- and post linear"),
         QStringLiteral("acceleration ramp  pulses are optimized to"),
         QStringLiteral("give minimum shock displacement while"),
         QStringLiteral("maintaining a maximum of 20% pre- and Post"),
         QStringLiteral("pulse acceleration amplitude.  The terminal"),
         QStringLiteral("velocity is near zero but a terminal"), QStringLiteral("displacement offset is present.")},
        {QStringLiteral("The calculations give results based on"),
         QStringLiteral("optimum wave shapes under ideal conditions."),
         QStringLiteral(" Any deviation due to control or other"),
         QStringLiteral("variations will result in larger displacements"), QStringLiteral("than those calculated.")},
        {QStringLiteral("Enter any two parameters to calculate the"),
         QStringLiteral("remaining two.  Switch between Half Sine and"),
         QStringLiteral("Terminal Peak sawtooth using the pulse shape"), QStringLiteral("button")},
    };
}

} // namespace

// The picture's words, for those who read the screen by ear.
QString shockHelpText() {
    QStringList lines{QStringLiteral("Classical Shock Pulses"),
                      QStringLiteral("Half Sine: Pre ramp 1.8 D, pulse D, Post ramp 2.6 D."),
                      QStringLiteral("Terminal Peak: Pre ramp .94 D, pulse D, Post ramp 2.0 D."),
                      QStringLiteral("Peaks at .8A above zero, ramps down to .2A below zero.")};
    for (const char* line : kLegend) lines << QString::fromLatin1(line);
    for (const QStringList& paragraph : shockHelpParagraphs()) lines << paragraph.join(QLatin1Char(' '));
    return lines.join(QLatin1Char('\n'));
}

QPixmap shockHelpPixmap(qreal devicePixelRatio) {
    constexpr int kWidth = 229, kHeight = 373;
    QPixmap pixmap = canvas(QSize(kWidth, kHeight), devicePixelRatio, Qt::white);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setPen(QPen(Qt::black, 1));

    p.setFont(artFont(11, QFont::Bold));
    p.drawText(QRectF(0, 3, kWidth, 14), Qt::AlignHCenter | Qt::AlignVCenter, QStringLiteral("Classical Shock Pulses"));

    // The diagram. u is one pulse duration D in pixels; amplitude A spans
    // from the bottom of the ramps (-.2A) to the peaks (+.8A).
    const double u = 19;
    const double amplitude = 55;
    const double peakY = 30.5, zeroY = peakY + 0.8 * amplitude, bottomY = peakY + amplitude;
    const double dimY = bottomY + 10;

    // Segment ends sit on pixel centres, so thin verticals stay sharp at dpr 1.
    const auto snap = [](double x) { return std::floor(x) + 0.5; };
    // Half sine: pre-ramp 1.8 D, pulse D, post-ramp 2.6 D.
    const double hs0 = 7.5, hs1 = snap(hs0 + 1.8 * u), hs2 = snap(hs1 + u), hs3 = snap(hs2 + 2.6 * u);
    // Terminal peak: pre-ramp .94 D, rise D, post-ramp 2.0 D.
    const double tp0 = 147.5, tp1 = snap(tp0 + 0.94 * u), tp2 = snap(tp1 + u), tp3 = snap(tp2 + 2.0 * u);

    p.drawLine(QPointF(3, zeroY), QPointF(kWidth - 3, zeroY));

    QPainterPath halfSine(QPointF(hs0, zeroY));
    halfSine.lineTo(hs1, bottomY);
    for (int i = 1; i <= 40; ++i) {
        const double s = i / 40.0;
        halfSine.lineTo(hs1 + s * u, bottomY - amplitude * std::sin(kPi * s));
    }
    halfSine.lineTo(hs3, zeroY);
    QPainterPath terminal(QPointF(tp0, zeroY));
    terminal.lineTo(tp1, bottomY);
    terminal.lineTo(tp2, peakY);
    terminal.lineTo(tp2, bottomY);
    terminal.lineTo(tp3, zeroY);
    p.save();
    p.setPen(QPen(Qt::black, 1.3, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
    p.drawPath(halfSine);
    p.drawPath(terminal);
    p.restore();

    p.setFont(artFont(9));
    for (double x : {hs0, hs1, hs2, hs3, tp0, tp1, tp2, tp3}) {
        const bool onZero = x == hs0 || x == hs3 || x == tp0 || x == tp3;
        witness(p, x, (onZero ? zeroY : bottomY) + 2, dimY + 3);
    }
    durationDimension(p, hs0, hs1, dimY, QStringLiteral("1.8"));
    durationDimension(p, hs1, hs2, dimY, QString());
    durationDimension(p, hs2, hs3, dimY, QStringLiteral("2.6"));
    durationDimension(p, tp0, tp1, dimY, QStringLiteral(".94"));
    durationDimension(p, tp1, tp2, dimY, QString());
    durationDimension(p, tp2, tp3, dimY, QStringLiteral("2.0"));

    // Ramp names just over the ramps, where the drawing leaves room.
    const auto rampLabel = [&](double x1, double x2, const QString& text) {
        p.drawText(QRectF(x1, zeroY - 11, x2 - x1, 10), Qt::AlignHCenter | Qt::AlignBottom, text);
    };
    rampLabel(hs0, hs1, QStringLiteral("Pre"));
    rampLabel(hs2, hs3, QStringLiteral("Post"));
    rampLabel(tp0 - 2, tp1 + 1, QStringLiteral("Pre"));
    rampLabel(tp2, tp3, QStringLiteral("Post"));

    // The two heights, between the pulses, with dotted guides to the levels.
    const double dimX = tp0 - 7;
    p.save();
    p.setPen(QPen(QColor(0x60, 0x60, 0x60), 0.6, Qt::DotLine));
    p.drawLine(QPointF(hs1 + u / 2 + 3, peakY), QPointF(dimX + 3, peakY));
    p.drawLine(QPointF(hs3 - 0.9 * u, bottomY), QPointF(dimX + 3, bottomY));
    p.restore();
    levelDimension(p, dimX, zeroY, peakY, QStringLiteral(".8A"));
    levelDimension(p, dimX, zeroY, bottomY, QStringLiteral(".2A"));

    p.setFont(artFont(9, QFont::Bold));
    p.drawText(QRectF(hs0, dimY + 22, hs3 - hs0, 11), Qt::AlignHCenter | Qt::AlignTop, QStringLiteral("Half Sine"));
    p.drawText(QRectF(tp0 - 10, dimY + 22, tp3 - tp0 + 14, 11), Qt::AlignHCenter | Qt::AlignTop,
               QStringLiteral("Terminal Peak"));

    // Legend and notes.
    p.setFont(artFont(9));
    const double lineHeight = 10.5;
    double y = dimY + 38;
    for (const char* line : kLegend) {
        p.drawText(QRectF(24, y, kWidth - 28, lineHeight), Qt::AlignLeft | Qt::AlignVCenter, QString::fromLatin1(line));
        y += lineHeight;
    }
    const QList<QStringList> paragraphs = shockHelpParagraphs();
    for (const QStringList& paragraph : paragraphs) {
        y += 6;
        for (const QString& line : paragraph) {
            p.drawText(QRectF(6, y, kWidth - 8, lineHeight), Qt::AlignLeft | Qt::AlignVCenter, line);
            y += lineHeight;
        }
    }
    return pixmap;
}

} // namespace tessomar::view
