#include "render/LineStyle.h"

#include "base/Rounding.h"
#include "base/ScreenMetrics.h"
#include "model/ItemBody.h"
#include "model/ItemKinds.h"
#include "model/ItemList.h"
#include "model/ItemRecord.h"
#include "model/PatternDefinitions.h"
#include "render/Geometry.h"

#include <algorithm>
#include <cmath>
#include <numbers>

using std::numbers::pi;

namespace {

constexpr std::int32_t kSolidDash = 2147483647;

DashList builtInDashes(int pattern, int u)
{
    const std::int64_t w = u; // a damaged weight can make u huge
    const int dash = clampToInt32(6 * w > 4 ? 6 * w : 6);
    const int gap = clampToInt32(2 * w > 0 ? 2 * w : 2);
    const int spacer = clampToInt32(2 * w > 2 ? 2 * w : 3);
    switch (pattern) {
    case 1:
        return { 2, { std::max(u, 1), std::max(2 * u, 1) } };
    case 2:
        return { 2, { dash, gap } };
    case 3:
        return { 4, { dash, spacer, gap, spacer } };
    case 4:
        return { 6, { dash, spacer, gap, spacer, gap, spacer } };
    default:
        return DashList {};
    }
}

// A user pattern's lengths in pixels at the zoom; definitions that could not
// advance along the line (no lengths, or all of them zero at this size) leave
// the line solid so that drawing always ends.
DashList definedDashes(const ItemRecord& definition, double zoom, const ScreenMetrics& screen)
{
    const int n = std::clamp(
        readAt<std::int32_t>(&definition.body, overlay::kPatternCount), 0, overlay::kPatternMaxLengths);
    DashList list;
    list.count = n;
    std::int64_t total = 0;
    for (int i = 0; i < n; ++i) {
        const double mm = readAt<double>(&definition.body, overlay::kPatternLengths + 8 * i);
        std::int32_t length = roundEven(mm * screen.pixelsPerMmX());
        if (zoom != 1.0)
            length = roundEven(zoom * length);
        list.lengths[std::size_t(i)] = std::max(0, length);
        total += list.lengths[std::size_t(i)];
    }
    return total > 0 ? list : DashList {};
}

bool nearAngle(double t, double target)
{
    return std::fabs(t - target) < 0.0001;
}

} // namespace

int weightToPixels(double zoom, double weightMm, const ScreenMetrics& screen)
{
    return std::max(roundEven(zoom), roundEven(zoom * weightMm * screen.pixelsPerMmY()));
}

DashList buildDashList(
    const ItemRecord& line, const ItemList& drawing, double zoom, const ScreenMetrics& screen)
{
    const std::int32_t pattern = line.body.pattern;
    return buildDashList(line, pattern > 0 ? nullptr : findPatternDefinition(drawing, pattern), zoom, screen);
}

DashList buildDashList(
    const ItemRecord& line, const ItemRecord* definition, double zoom, const ScreenMetrics& screen)
{
    const std::int32_t pattern = line.body.pattern;
    const int c = std::max(1, int(roundEven(line.body.lineWeight * screen.pixelsPerMmY())));
    const int u = roundEven(zoom * c);
    if (pattern > 0)
        return builtInDashes(pattern <= 4 ? pattern : 0, u);
    return definition ? definedDashes(*definition, zoom, screen) : DashList {};
}

std::array<QPoint, 4> dashRectangle(QPoint c, QPoint d, double t, int width)
{
    const bool horizontal = nearAngle(t, 0) || nearAngle(t, pi) || nearAngle(t, 2 * pi);
    const bool vertical = nearAngle(t, pi / 2) || nearAngle(t, 3 * pi / 2);
    if (horizontal || vertical) {
        const int h1 = roundEven(width / 2.0);
        const int h2 = width - h1;
        // The unit step towards the left of the direction, along one axis.
        QPoint left;
        if (horizontal)
            left = nearAngle(t, pi) ? QPoint(0, 1) : QPoint(0, -1);
        else
            left = nearAngle(t, pi / 2) ? QPoint(-1, 0) : QPoint(1, 0);
        return { c + left * h1, d + left * h1, d - left * h2, c - left * h2 };
    }
    const double lx = std::cos(t + pi / 2) * width / 2;
    const double ly = -std::sin(t + pi / 2) * width / 2;
    auto at
        = [](QPoint p, double dx, double dy) { return QPoint(roundEven(p.x() + dx), roundEven(p.y() + dy)); };
    return { at(c, lx, ly), at(d, lx, ly), at(d, -lx, -ly), at(c, -lx, -ly) };
}

void constrainToDirection(QPoint a, QPoint& p, double degrees)
{
    if (degrees < 0)
        return;
    if (nearlyEqual(degrees, 0) || nearlyEqual(degrees, 180)) {
        p.setY(a.y());
        return;
    }
    if (nearlyEqual(degrees, 90) || nearlyEqual(degrees, 270)) {
        p.setX(a.x());
        return;
    }
    const double r = degrees * pi / 180;
    const int whole = roundEven(degrees);
    if (isSteepDirection(whole))
        p.setX(addClamped(roundEven(double(std::int64_t(a.y()) - p.y()) / std::tan(r)), a.x()));
    else
        p.setY(addClamped(roundEven(std::tan(r) * double(std::int64_t(a.x()) - p.x())), a.y()));
}
