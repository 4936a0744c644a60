#include "platform/qt/display_list_painter.h"

#include "platform/qt/qt_convert.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPolygonF>

#include <algorithm>
#include <cmath>

namespace ohmira::qt {

namespace {

QColor colour_of(Colour c) {
    return QColor(red_of(c), green_of(c), blue_of(c));
}

Qt::PenStyle pen_style_of(PenStyle s) {
    switch (s) {
    case PenStyle::Dash:
        return Qt::DashLine;
    case PenStyle::Dot:
        return Qt::DotLine;
    case PenStyle::DashDot:
        return Qt::DashDotLine;
    case PenStyle::DashDotDot:
        return Qt::DashDotDotLine;
    case PenStyle::Invisible:
        return Qt::NoPen;
    default:
        return Qt::SolidLine;
    }
}

class OpPainter {
public:
    OpPainter(QPainter &p, double s, QPointF o) : p_(p), s_(s), o_(o) {}

    QPointF at(double x, double y) const { return {o_.x() + x * s_, o_.y() + y * s_}; }

    QPen pen(const Pen &pen) const {
        // A width of 0 (or less than a pixel) still draws a one-pixel line.
        QPen q(colour_of(pen.colour), std::max(1.0, pen.width * s_), pen_style_of(pen.style));
        q.setCapStyle(Qt::FlatCap);
        q.setJoinStyle(Qt::MiterJoin);
        if (pen.width * s_ < 1.5)
            q.setCosmetic(true);
        return q;
    }

    void operator()(const LineOp &op) {
        p_.setPen(pen(op.pen));
        p_.drawLine(at(op.x1, op.y1), at(op.x2, op.y2));
    }

    void operator()(const BoxOp &op) {
        const QRectF r = QRectF(at(op.x1, op.y1), at(op.x2, op.y2)).normalized();
        if (op.filled())
            p_.fillRect(r, colour_of(op.brush.colour));
        if (op.pen.style != PenStyle::Invisible) {
            p_.setPen(pen(op.pen));
            p_.setBrush(Qt::NoBrush);
            p_.drawRect(r);
        }
    }

    void operator()(const PointOp &op) {
        const double d = std::max(1.0, op.size * s_);
        const QPointF c = at(op.x, op.y);
        p_.fillRect(QRectF(c.x() - d / 2, c.y() - d / 2, d, d), colour_of(op.colour));
    }

    void operator()(const PolylineOp &op) {
        if (op.points.empty())
            return;
        QPolygonF poly;
        for (const PointTw &pt : op.points)
            poly << at(pt.x, pt.y);
        p_.setPen(pen(op.pen));
        p_.setBrush(Qt::NoBrush);
        if (poly.size() == 1)
            p_.drawPoint(poly.front());
        else
            p_.drawPolyline(poly);
    }

    void operator()(const TextOp &op) {
        // Point size in twips (20 per point), then pixels.
        const QFont f = to_qfont(op.font, op.font.size * 20.0 * s_);
        const QFontMetricsF fm(f, p_.device());
        p_.save();
        p_.setFont(f);
        p_.setPen(colour_of(op.colour));
        p_.translate(at(op.x, op.y));
        if (op.font.angle != 0)
            p_.rotate(-op.font.angle / 10.0);
        const QStringList lines = text_lines(op.text).split(u'\n');
        double y = fm.ascent();
        for (const QString &line : lines) {
            p_.drawText(QPointF(0, y), line);
            y += fm.height();
        }
        p_.restore();
    }

private:
    QPainter &p_;
    double s_;
    QPointF o_;
};

} // namespace

void paint_display_list(QPainter &painter, const DisplayList &list, double px_per_twip,
                        QPointF origin) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    OpPainter op_painter(painter, px_per_twip, origin);
    for (const DrawOp &op : list.ops)
        std::visit(op_painter, op);
    painter.restore();
}

QImage render_display_list(const DisplayList &list, double width_twips, double height_twips,
                           double dpi) {
    const double s = dpi / twips_per_inch;
    const int w = static_cast<int>(std::lround(width_twips * s));
    const int h = static_cast<int>(std::lround(height_twips * s));
    if (w <= 0 || h <= 0 || w > 20000 || h > 20000 || !(dpi > 0))
        return {};
    QImage img(w, h, QImage::Format_RGB32);
    const int dpm = static_cast<int>(std::lround(dpi / 0.0254));
    img.setDotsPerMeterX(dpm);
    img.setDotsPerMeterY(dpm);
    img.fill(colour_of(list.background));
    QPainter p(&img);
    paint_display_list(p, list, s);
    return img;
}

bool render_display_list_png(const DisplayList &list, double width_twips, double height_twips,
                             const std::string &path, double dpi) {
    const QImage img = render_display_list(list, width_twips, height_twips, dpi);
    return !img.isNull() && img.save(qstr(path), "PNG");
}

} // namespace ohmira::qt
