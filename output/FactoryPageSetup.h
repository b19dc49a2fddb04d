#pragma once

#include "output/PageSetup.h"

// The built-in page setup of a design type (1..11): Portrait in the user's
// preferred units (1..3), except Digital Images, which are Pixels and
// Landscape. Every Pixels set is 350 x 250; the millimetre and inch sets hold
// the type's usual paper, card, margins, rows and columns and folds. Types 6,
// 7, 8, 9 and unknown codes get empty millimetre and inch sets.
pageset_t factoryPageSetup(int designType, int preferredUnits);

// The built-in page setups of all 11 design types.
pagesetArr_t factoryPageSetups(int preferredUnits);
