#include "render/Geometry.h"

#include "base/Rounding.h"

#include <algorithm>
#include <cmath>
#include <numbers>

using std::numbers::pi;

double angleOf(QPoint a, QPoint b)
{
    if (a.y() == b.y())
        return b.x() < a.x() ? pi : 0.0;
    if (a.x() == b.x())
        return b.y() > a.y() ? 3 * pi / 2 : pi / 2;
    const double t = std::atan2(double(a.y()) - b.y(), double(b.x()) - a.x());
    return t < 0 ? t + 2 * pi : t;
}

double distanceOf(QPoint a, QPoint b)
{
    const double dx = double(b.x()) - a.x();
    const double dy = double(b.y()) - a.y();
    return std::sqrt(dx * dx + dy * dy);
}

QPoint pointAt(QPoint c, double d, double t)
{
    return QPoint(addClamped(c.x(), roundEven(d * std::cos(t))),
        addClamped(c.y(), -std::int64_t(roundEven(d * std::sin(t)))));
}

Foot footOf(QPoint a, QPoint b, QPoint p)
{
    QPoint f;
    const double ax = a.x(), ay = a.y(), bx = b.x(), by = b.y();
    if (std::fabs(ax - bx) <= 2) {
        f = QPoint(a.x(), p.y());
    } else {
        const double m = (ay - by) / (ax - bx);
        if (std::fabs(ay - by) < 1 || std::fabs(m) < 0.0001) {
            f = QPoint(p.x(), a.y());
        } else {
            const double k = -1 / m;
            const double c = ay - m * ax;
            const double xf = ((p.y() - k * p.x()) - c) / (m - k);
            f = QPoint(roundEven(xf), roundEven(c + m * xf));
        }
    }
    const bool within = f.x() >= std::min(a.x(), b.x()) && f.x() <= std::max(a.x(), b.x())
        && f.y() >= std::min(a.y(), b.y()) && f.y() <= std::max(a.y(), b.y());
    return { f, within };
}

bool clipToRect(QPointF s, double dx, double dy, const QRectF& rect, double& from, double& to)
{
    const double p[4] = { -dx, dx, -dy, dy };
    const double q[4]
        = { s.x() - rect.left(), rect.right() - s.x(), s.y() - rect.top(), rect.bottom() - s.y() };
    for (int i = 0; i < 4; ++i) {
        if (std::fabs(p[i]) < 1e-12) {
            if (q[i] < 0)
                return false;
            continue;
        }
        const double r = q[i] / p[i];
        if (p[i] < 0)
            from = std::max(from, r);
        else
            to = std::min(to, r);
    }
    return from <= to;
}
