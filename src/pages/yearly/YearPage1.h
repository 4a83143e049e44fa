#pragma once
// Yearly page one ("-1-"): station pressure, sea-level pressure, air temperature, vapour
// pressure and relative humidity by month over cloud amount, precipitation and the days by
// precipitation class, with the year's maximum precipitation for 15 durations beside them.

namespace tabulon {

class Component;

// Draws the page on the preview panes or on OutputTarget and ends it. No trap of its own:
// an error ends the page and goes to the dispatcher.
void PrintYearPage1(Component& c);

}  // namespace tabulon
