#pragma once

#include "settings/CustomListRecords.h"

// Derive the numbers of a named-list entry from its texts. Used when the
// settings are read and by the customisation dialogs. On false the entry's
// numbers are not to be trusted and the entry is not taken.

// Weight from `text` in `units` (1 pixels, 2 millimetres, 3 inches): fills
// `weight` (mm) and `pixels`. False when the text does not read, reads 0, or
// the units are not 1..3. Negative values count as positive.
bool convertWeight(custThicknessRec_t& entry, double pixelsPerMmX);

// Lengths of a dash pattern, each converted as a weight. False when the first
// length reads 0 or the first two lengths are not both positive. `count` is
// the number of leading lengths that read as non-zero.
bool convertPattern(custPatternRec_t& entry, double pixelsPerMmX);

// An angle in degrees (units 1) or radians (units 2), brought into 0..360;
// also used for font sizes. False when the text does not read or the units
// are not 1..2.
bool convertDirection(custDirectionRec_t& entry);
