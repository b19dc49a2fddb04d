#pragma once

#include <QString>

#include <array>
#include <cstdint>

// The page setup of a drawing: design type, measuring units, orientation and,
// per units, the dimension texts exactly as the user typed them. Keeping the
// texts rather than numbers lets inch fractions such as "3 2/3" survive.

// Design type codes (stored as 32-bit integers).
namespace designtypes {
constexpr int kIllustrations = 1;
constexpr int kPostcards = 2;
constexpr int kGreetingCards = 3;
constexpr int kBusinessCards = 4;
constexpr int kLabels = 5;
constexpr int kDiscLabels = 6;
constexpr int kJewelCaseInserts = 7;
constexpr int kDvdCaseInserts = 8;
constexpr int kDigitalImages = 9;
constexpr int kBrochures = 10;
constexpr int kTentCards = 11;
constexpr int kCount = 11;

// True for 1..11.
constexpr bool isValid(int type)
{
    return type >= 1 && type <= kCount;
}
// Card family (2, 3, 4, 5, 11): the canvas is one card, printing repeats it over the sheet.
constexpr bool isCardFamily(int type)
{
    return type == kPostcards || type == kGreetingCards || type == kBusinessCards || type == kLabels
        || type == kTentCards;
}
} // namespace designtypes

// Orientation codes.
namespace orientations {
constexpr int kPortrait = 1;
constexpr int kLandscape = 2;
} // namespace orientations

// The dimension set of one measuring unit. Lengths are texts in the set's own
// unit; rows and columns are integer texts.
struct miry_t {
    std::int32_t presetIndex = 0; // quick-select entry matching the set, -1 when none
    QString paperWidth; // for Pixels the image width
    QString paperHeight; // for Pixels the image height
    QString cardWidth; // card, label or brochure-panel width
    QString cardHeight;
    QString leftMargin;
    QString topMargin;
    QString rightMargin;
    QString bottomMargin;
    QString rows;
    QString columns;
    QString rowGap; // vertical distance between rows
    QString columnGap; // horizontal distance between columns
    QString extraX; // no editor shows it; kept, swapped and stored like the others
    QString extraY; // partner of extraX
    std::uint8_t rowFold = 0; // 1 = two rows form one folded card
    std::uint8_t columnFold = 0; // 1 = two columns form one folded card

    static constexpr int kTextCount = 14;
    // The 14 texts in their stored order (paperWidth .. extraY), for code that
    // walks them: the settings store, the drawing header's text.
    static constexpr std::array<QString miry_t::*, kTextCount> textFields = {
        &miry_t::paperWidth,
        &miry_t::paperHeight,
        &miry_t::cardWidth,
        &miry_t::cardHeight,
        &miry_t::leftMargin,
        &miry_t::topMargin,
        &miry_t::rightMargin,
        &miry_t::bottomMargin,
        &miry_t::rows,
        &miry_t::columns,
        &miry_t::rowGap,
        &miry_t::columnGap,
        &miry_t::extraX,
        &miry_t::extraY,
    };

    // Text n (0..13) in stored order.
    QString& text(int n) { return this->*textFields[static_cast<std::size_t>(n)]; }
    const QString& text(int n) const { return this->*textFields[static_cast<std::size_t>(n)]; }

    bool operator==(const miry_t&) const = default;
};

// The page setup of one design type. Each units has its own independent set:
// switching units shows the other set, nothing is converted.
struct pageset_t {
    std::int32_t orientation = orientations::kPortrait; // 1 portrait, 2 landscape
    std::int32_t units = 3; // 1 pixels, 2 millimetres, 3 inches: selects the current set
    std::array<miry_t, 3> dims; // index = units - 1

    // The set of the given units (1..3); other codes fall back to the nearest valid one.
    miry_t& dimsFor(int forUnits) { return dims[indexOf(forUnits)]; }
    const miry_t& dimsFor(int forUnits) const { return dims[indexOf(forUnits)]; }
    // The set of the current units.
    miry_t& current() { return dimsFor(units); }
    const miry_t& current() const { return dimsFor(units); }

    bool operator==(const pageset_t&) const = default;

private:
    static std::size_t indexOf(int u) { return static_cast<std::size_t>(u < 1 ? 0 : u > 3 ? 2 : u - 1); }
};

// One page setup per design type: element k-1 for design type k.
using pagesetArr_t = std::array<pageset_t, designtypes::kCount>;

// The array index of design type 1..11; other codes clamp to the nearest valid type.
inline std::size_t pageSetupIndex(int designType)
{
    const int k = designType < 1 ? 1 : designType > designtypes::kCount ? designtypes::kCount : designType;
    return static_cast<std::size_t>(k - 1);
}
// The page setup of a design type in the array (clamped as above).
inline pageset_t& pageSetupOf(pagesetArr_t& all, int designType)
{
    return all[pageSetupIndex(designType)];
}
inline const pageset_t& pageSetupOf(const pagesetArr_t& all, int designType)
{
    return all[pageSetupIndex(designType)];
}
