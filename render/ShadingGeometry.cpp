#include "render/ShadingGeometry.h"

#include "base/Rounding.h"
#include "render/Geometry.h"
#include "render/LightDirection.h"
#include "render/MarkerMask.h"

#include <cmath>
#include <numbers>

using std::numbers::pi;

int SphereBody::row(int x, int y) const
{
    const double dx = double(x) - highlight.x(), dy = double(y) - highlight.y();
    const double q = std::sqrt(dx * dx + dy * dy);
    const int r0 = roundEven(q);
    int r = r0;
    if (ellipsoid && r0 > 0) {
        double u = std::fmod(angleOf(highlight, QPoint(x, y)) - mainAxisAngle, pi);
        if (u < 0)
            u += pi;
        // The distance grows across the longer axis's neighbour, so the
        // falloff is quicker along the short axis, whichever axis that is.
        if (minorHalfAxis <= mainHalfAxis)
            r += roundEven(std::sin(u) * r0 * (1 - minorHalfAxis / mainHalfAxis));
        else
            r += roundEven(std::fabs(std::cos(u)) * r0 * (1 - mainHalfAxis / minorHalfAxis));
    }
    return wrapRow(r + n / 2, n);
}

SphereBody sphereOfSquare(QPoint corner, int d, int pen, int light)
{
    SphereBody body;
    const QPoint toLight = light::towardsLight(light);
    body.highlight = corner + QPoint(d / 2, d / 2) + toLight * (d / 6);
    body.n = pen + roundEven(1.5 * d);
    return body;
}

SphereBody sphereOfEllipse(
    QPoint corner, int w, int h, int pen, int light, double a, double b, double mainAxisAngle)
{
    SphereBody body;
    const QPoint toLight = light::towardsLight(light);
    body.highlight = corner + QPoint(w / 2 + toLight.x() * (w / 6), h / 2 + toLight.y() * (h / 6));
    body.n = pen + std::max(roundEven(1.5 * w), roundEven(1.5 * h));
    body.ellipsoid = true;
    body.mainHalfAxis = a;
    body.minorHalfAxis = b;
    body.mainAxisAngle = mainAxisAngle;
    return body;
}

int CylinderBand::row(int x, int y) const
{
    const double q = distanceOf(QPoint(x, y), footOf(from, to, QPoint(x, y)).point);
    return wrapRow(n + shift - roundEven(q), n);
}

CylinderBand cylinderBand(QPoint from, QPoint to, int n, double edgeAngle, int offsetDegrees)
{
    CylinderBand band;
    band.from = from;
    band.to = to;
    band.n = n;
    band.shift = roundEven(std::sin(edgeAngle + offsetDegrees * pi / 180) * (n / 4));
    return band;
}
