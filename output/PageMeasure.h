#pragma once

#include <QString>

// Reading the length texts of a page setup.

struct PageMeasure {
    bool ok = false;
    double value = 0.0;
};

// Reads a length typed in the page setup, in the given units (1 pixels,
// 2 millimetres, 3 inches). An empty text reads 0. Decimal comma or point in
// every unit; in inches also a trailing inch mark and fractions: "8 1/2",
// "8-1/2", "-1 1/2", "3/4" (numerator and denominator non-zero integers).
// Infinite and not-a-number texts fail.
PageMeasure parsePageMeasure(const QString& text, int units);

// Inches to millimetres.
constexpr double inchesToMm(double inches)
{
    return inches * 25.4;
}
