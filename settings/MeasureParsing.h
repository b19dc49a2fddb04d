#pragma once

#include <QString>

// Number readers for what the user types and for numbers kept in the settings.

struct MeasureResult {
    bool ok = false;
    double value = 0.0;
};

// Reads a typed length, angle, size or grid value: a decimal number with "."
// or "," as separator, an optional trailing inch mark, or a fraction "a/b"
// (which reads 0 when either part is 0). An empty text fails with 0; so do
// infinite and not-a-number texts.
MeasureResult parseMeasure(const QString& text);

// Reads a floating-point setting. Accepts "0,5" and "0.5" alike and ignores
// blanks; an empty or unreadable text reads 0.
double parseStoredFloat(const QString& text);

// The text a floating-point setting is stored as: "." separator, the
// shortest form that reads back exactly.
QString formatStoredFloat(double value);
