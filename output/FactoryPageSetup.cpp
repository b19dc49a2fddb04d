#include "output/FactoryPageSetup.h"

#include "model/DrawingHeader.h"

namespace {

using namespace designtypes;

using units::kInches;
using units::kMillimetres;
using units::kPixels;

// One set as a row of a table: nullptr leaves a text empty.
struct SetRow {
    int presetIndex;
    const char* paper[2];
    const char* card[2];
    const char* margins[4]; // left, top, right, bottom
    const char* rowsColumns[2];
    const char* gaps[2]; // row gap, column gap
    bool rowFold;
    bool columnFold;
};

void fill(miry_t& set, const SetRow& row)
{
    auto put = [](QString& text, const char* value) {
        if (value)
            text = QString::fromLatin1(value);
    };
    set.presetIndex = row.presetIndex;
    put(set.paperWidth, row.paper[0]);
    put(set.paperHeight, row.paper[1]);
    put(set.cardWidth, row.card[0]);
    put(set.cardHeight, row.card[1]);
    put(set.leftMargin, row.margins[0]);
    put(set.topMargin, row.margins[1]);
    put(set.rightMargin, row.margins[2]);
    put(set.bottomMargin, row.margins[3]);
    put(set.rows, row.rowsColumns[0]);
    put(set.columns, row.rowsColumns[1]);
    put(set.rowGap, row.gaps[0]);
    put(set.columnGap, row.gaps[1]);
    set.rowFold = row.rowFold ? 1 : 0;
    set.columnFold = row.columnFold ? 1 : 0;
}

constexpr const char* kA4[2] = { "210", "297" };
constexpr const char* kLetter[2] = { "8 1/2", "11" };

// Millimetre sets; the card types' gaps are "0".
SetRow millimetreRow(int type)
{
    switch (type) {
    case kIllustrations:
        return { 4, { kA4[0], kA4[1] }, {}, { "7", "7", "7", "7" }, {}, {}, false, false };
    case kPostcards:
        return { 0, { kA4[0], kA4[1] }, { "210", "148" }, { "0", "0", "0", "0" }, { "2", "1" }, { "0", "0" },
            false, false };
    case kGreetingCards:
        return { 0, { kA4[0], kA4[1] }, { "105", "148" }, {}, { "2", "2" }, { "0", "0" }, false, true };
    case kBusinessCards:
        return { 1, { kA4[0], kA4[1] }, { "74", "52" }, { "31", "18", "0", "0" }, { "5", "2" }, { "0", "0" },
            false, false };
    case kLabels:
        return { 1, { kA4[0], kA4[1] }, { "37", "18" }, { "13", "5", "13", "5" }, { "16", "5" }, { "0", "0" },
            false, false };
    case kBrochures:
        return { 1, { kA4[0], kA4[1] }, { "210", "99" }, { "0", "0", "0", "0" }, { "3", "1" }, { "0", "0" },
            true, false };
    case kTentCards:
        return { 0, { kA4[0], kA4[1] }, { "190", "69" }, { "10", "10", "10", "10" }, { "4", "1" },
            { "0", "0" }, true, false };
    default:
        return { 0, {}, {}, {}, {}, {}, false, false };
    }
}

SetRow inchRow(int type)
{
    switch (type) {
    case kIllustrations:
        return { 0, { kLetter[0], kLetter[1] }, {}, { "1/4", "1/4", "1/4", "1/4" }, {}, {}, false, false };
    case kPostcards:
        return { 0, { kLetter[0], kLetter[1] }, { "6", "4" }, { "1 1/4", "1", "1 1/4", "1" }, { "2", "1" },
            { "1", nullptr }, false, false };
    case kGreetingCards:
        return { 0, { kLetter[0], kLetter[1] }, { "4 1/4", "5 1/2" }, {}, { "2", "2" }, {}, false, true };
    case kBusinessCards:
        return { 1, { kLetter[0], kLetter[1] }, { "3 1/2", "2" }, { "3/4", "1/2", "3/4", "3/4" },
            { "5", "2" }, {}, false, false };
    case kLabels:
        return { 6, { kLetter[0], kLetter[1] }, { "2", "1" }, { "1/4", "1/2", "1/4", "1/2" }, { "10", "4" },
            {}, false, false };
    case kBrochures:
        return { 1, { kLetter[0], kLetter[1] }, { "8 1/2", "3 2/3" }, {}, { "3", "1" }, {}, true, false };
    case kTentCards:
        return { 0, { kLetter[0], kLetter[1] }, { "8 1/2", "2 1/2" }, { nullptr, "1/2", nullptr, "1/2" },
            { "4", "1" }, {}, true, false };
    default:
        return { 0, {}, {}, {}, {}, {}, false, false };
    }
}

} // namespace

pageset_t factoryPageSetup(int designType, int preferredUnits)
{
    pageset_t setup;
    setup.orientation = orientations::kPortrait;
    setup.units = preferredUnits >= kPixels && preferredUnits <= kInches ? preferredUnits : kInches;
    if (designType == kDigitalImages) {
        setup.units = kPixels;
        setup.orientation = orientations::kLandscape;
    }
    fill(setup.dimsFor(kPixels), { 0, { "350", "250" }, {}, {}, {}, {}, false, false });
    fill(setup.dimsFor(kMillimetres), millimetreRow(designType));
    fill(setup.dimsFor(kInches), inchRow(designType));
    return setup;
}

pagesetArr_t factoryPageSetups(int preferredUnits)
{
    pagesetArr_t all;
    for (int type = 1; type <= kCount; ++type)
        all[static_cast<std::size_t>(type - 1)] = factoryPageSetup(type, preferredUnits);
    return all;
}
