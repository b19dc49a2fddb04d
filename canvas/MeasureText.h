#pragma once

#include <QString>

// A length in the drawing's units as the rulers' drag hint writes it:
// "None" below 0.0001; whole pixels with "Pixel(s)", whole millimetres with
// "mm", inches to two decimals with "Inch(es)". Like a "#" picture, a zero
// integer part is left out (".5 Inches").
QString measureText(double value, int units);

// Formats `value` with at most `decimals` decimals and no leading or
// trailing zeros, as a "###.##" picture does.
QString formatHashes(double value, int decimals);
