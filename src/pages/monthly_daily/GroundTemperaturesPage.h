#pragma once
// The page of manually observed ground temperatures: by day the 0 cm temperature at 02, 08,
// 14 and 20 h with its daily mean, maximum and minimum, the 5 to 40 cm soil temperatures at
// the same hours with their means, the 14 h deep-soil readings; ten-day and month means and
// the month's 0 cm extremes.

namespace tabulon {

class Component;

// Draws the page on the preview panes or on OutputTarget and ends it. StationKind picks the
// printed number ("-22-" for kind 4, "-15-" for 5, "-7-" otherwise). Every value shown keeps
// its two-digit form in its table.
void PrintGroundTemperatures(Component& c);

}  // namespace tabulon
