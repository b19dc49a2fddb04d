#pragma once

#include "support/FileBuilder.h"

namespace fixtures {

// A small drawing made by hand for a 96 dpi screen: an inch-unit header
// (2 x 1 inches) with a text tail, a two-line text, a five-pointed star with
// two point entries, and a grid record with two vertical and one horizontal
// gridline.
inline FileBuilder handMadeDrawing()
{
    constexpr double mm = 96 / 25.4;
    FileBuilder f;
    f.record(kinds::kHeader, [](ItemBody& b) {
         auto& h = reinterpret_cast<HeaderBody&>(b);
         h.units = 3;
         h.canvasWidth = 2;
         h.canvasHeight = 1;
         h.tailLength = 14;
     })
        .utf16(u"Letter\u07EC")
        .record(kinds::kText, [&](ItemBody& b) {
            b.posX1 = 10 * mm;
            b.tailLength = 24;
            b.fontName[0] = 5;
            std::memcpy(b.fontName + 1, "Arial", 5);
            b.stepNumber = 300;
        })
        .utf16(u"Gr\u00fc\u00dfe\u2028second")
        .record(kinds::kStar, [](ItemBody& b) {
            b.sides = 5;
            b.tailLength = 112;
        });
    QByteArray points(112, '\0');
    const std::int32_t x = 100;
    std::memcpy(points.data() + 56, &x, 4);
    points[56 + 49] = 9;
    f.raw(points).record(kinds::kGrid, [](ItemBody& b) { b.tailLength = 24; });
    f.int32(1).int32(0).int32(1).int32(48).int32(2).int32(24);
    return f;
}

// A drawing whose second record carries a wrong signature.
inline FileBuilder wrongSignatureDrawing()
{
    FileBuilder f;
    f.record(kinds::kHeader).record(kinds::kLine, [](ItemBody& b) { b.magic = 1; });
    return f;
}

} // namespace fixtures
