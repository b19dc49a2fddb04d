#pragma once

#include <QChar>
#include <QString>

#include <array>
#include <cstdint>

// Entries of the user's named lists. Each list has 12 entries, whose stored
// value names end in the letters A to L.

constexpr int kNamedEntries = 12;

// The letter of entry i (0-based): A, B, C, ...
inline QChar entryLetter(int i)
{
    return QChar(u'A' + i);
}

// A named line weight.
struct custThicknessRec_t {
    double weight = 0.0; // millimetres
    std::int32_t pixels = 0;
    std::int32_t units = 3; // units of `text`: 1 pixels, 2 millimetres, 3 inches
    QString name;
    QString text; // the value as typed
    std::uint8_t stored = 0; // 1 = comes from or goes to the settings file
    std::uint8_t lastEdited = 0; // the entry selected when the customisation dialog saved

    bool operator==(const custThicknessRec_t&) const = default;
};

// A named dash pattern: lengths of dash, space, dash, ...
struct custPatternRec_t {
    static constexpr int kLengths = 12;

    std::int32_t units = 3; // 1..3, as for weights
    std::int32_t count = 0; // lengths in use
    QString name;
    std::array<QString, kLengths> texts; // the lengths as typed
    std::array<double, kLengths> lengths {}; // millimetres
    std::array<std::int32_t, kLengths> pixels {};
    std::uint8_t stored = 0;
    std::uint8_t lastEdited = 0;

    bool operator==(const custPatternRec_t&) const = default;
};

// A named shadow.
struct custShadowRec_t {
    QString name;
    std::int32_t elevation = 85;
    std::int32_t fade = 85;
    std::int32_t lightness = 85;
    std::uint8_t edited = 0; // used by the shadow dialog's working copy only
    std::uint8_t current = 0; // likewise
    std::uint8_t showInMenus = 0;

    bool operator==(const custShadowRec_t&) const = default;
};

// A named line angle, text angle or font size.
struct custDirectionRec_t {
    double value = 0.0; // degrees for angles, points for sizes
    std::int32_t units = 1; // 1 degrees, 2 radians (sizes: 1)
    QString name;
    QString text; // the value as typed
    std::uint8_t stored = 0;
    std::uint8_t lastEdited = 0;

    bool operator==(const custDirectionRec_t&) const = default;
};

using custThicknessList_t = std::array<custThicknessRec_t, kNamedEntries>;
using custPatternList_t = std::array<custPatternRec_t, kNamedEntries>;
using custShadowList_t = std::array<custShadowRec_t, kNamedEntries>;
using custDirectionList_t = std::array<custDirectionRec_t, kNamedEntries>;
