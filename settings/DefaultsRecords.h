#pragma once

#include <QString>

#include <cstdint>

// Defaults for new drawings: units, grid switches and, per units, the grid
// densities and the canvas rectangle. The texts the user typed are what is
// stored; the numbers are parsed from them.

// The canvas rectangle as typed.
struct strRect_t {
    QString left;
    QString top;
    QString width;
    QString height;

    bool operator==(const strRect_t&) const = default;
};

// Grid and canvas defaults of one measuring unit.
struct defaultsRec_t {
    double gridDensityX = 0.0;
    double gridDensityY = 0.0;
    double canvasLeft = 0.0;
    double canvasTop = 0.0;
    double canvasWidth = 0.0;
    double canvasHeight = 0.0;
    QString gridDensityXText;
    QString gridDensityYText;
    strRect_t canvasText;

    bool operator==(const defaultsRec_t&) const = default;
};

struct defaults_t {
    std::int32_t units = 3; // 1 pixels, 2 millimetres, 3 inches
    double pixelsPerUnitX = 96.0; // screen pixels per unit for `units`
    double pixelsPerUnitY = 96.0;
    std::int32_t angleUnits = 1; // 1 degrees, 2 radians
    std::uint8_t showGridX = 0;
    std::uint8_t showGridY = 0;
    std::uint8_t snapX = 0;
    std::uint8_t snapY = 0;
    std::uint8_t showAnchorsX = 1;
    std::uint8_t showAnchorsY = 1;
    defaultsRec_t millimetres;
    defaultsRec_t inches;
    defaultsRec_t pixels;

    // The values of units 1..3; other codes give the inch values.
    defaultsRec_t& valuesFor(int forUnits)
    {
        return forUnits == 1 ? pixels : forUnits == 2 ? millimetres : inches;
    }
    const defaultsRec_t& valuesFor(int forUnits) const
    {
        return forUnits == 1 ? pixels : forUnits == 2 ? millimetres : inches;
    }

    bool operator==(const defaults_t&) const = default;
};
