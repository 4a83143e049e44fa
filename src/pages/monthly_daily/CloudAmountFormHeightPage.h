#pragma once
// The fixed-hour cloud page: total and low cloud amount at 02, 08, 14 and 20 h with daily,
// ten-day and month means, cloud forms and heights, and the tables of cloud-class days and
// of how often each class occurred at each hour.

namespace tabulon {

class Component;

// Draws the page on the preview panes or on OutputTarget and ends it; `argument` 1 prints
// "-2-" (manual station), any other value "-7-".
void PrintCloudAmountFormHeight(Component& c, int argument);

}  // namespace tabulon
