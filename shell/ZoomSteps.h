#pragma once

// The zoom steps of the upper menu's Zoom out and Zoom in buttons, in whole
// percent. Both take the current zoom rounded to a whole percent and return
// the next step; a zoom already at or beyond the end of the range comes back
// unchanged.
int zoomOutStep(int percent);
int zoomInStep(int percent);

// The zoom menu's entries, in menu order.
inline constexpr int kZoomMenuPercents[] = { 25, 50, 75, 100, 125, 150, 175, 200, 300 };
