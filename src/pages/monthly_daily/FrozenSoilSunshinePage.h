#pragma once
// The frozen-soil, sunshine and sea-level-pressure page every station kind prints: frozen-soil
// depths of two layers, hourly sunshine with the day's total, sea-level pressure at the four
// fixed hours with its mean, the ground state, ten-day and month statistics, the month's
// greatest frozen-soil depth and the sunshine class days.

namespace tabulon {

class Component;

// Draws the page on the preview panes or on OutputTarget and ends it. `stationKind` (1..5)
// picks the printed number. Hourly sunshine cells and the day's total keep their two-digit
// form in ASunshine.
void PrintFrozenSoilSunshine(Component& c, int stationKind);

}  // namespace tabulon
