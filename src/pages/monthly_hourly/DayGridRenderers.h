#pragma once
// The renderers of the hourly element pages drawn on the day grid.

#include <cstdint>

namespace tabulon {

class Component;

// element 1 wet bulb ("-3-"), 2 dew point ("-6-"), 3 cloud height ("-13-"). Wet-bulb and
// dew-point cells are zero-filled to two digits in place before they are printed; cloud
// heights are printed only when their mode letter (AfileMode 7) is "B".
void PrintHourlyGrid(Component& c, std::int16_t element);

// Cloud forms over four pages: part 1..4 holds hourCount (8, 5, 5, 6) hour columns from
// item 1, 9, 14 and 19; printed only when the mode letter (AfileMode 8) is "A".
void PrintCloudForm(Component& c, std::int16_t hourCount, std::int16_t part);

// Visibility, page "-14-", with the occurrence counts by class at the four fixed hours;
// values only when the mode letter (AfileMode 9) is "A".
void PrintVisibility(Component& c);

// Hourly (recorded) precipitation with day totals and the month total; pageVariant 1..3
// picks the title and the printed number. Accumulation markers are rewritten in place.
void PrintSelfRecordingPrecipitation(Component& c, std::int16_t pageVariant);

}  // namespace tabulon
