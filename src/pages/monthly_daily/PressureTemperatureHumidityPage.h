#pragma once
// The fixed-hour page of a manual station: station pressure, air temperature, wet bulb,
// vapour pressure, relative humidity and dew point at 02, 08, 14 and 20 h, by day, with
// ten-day and month means, the month's extremes and the pentad mean temperatures.

namespace tabulon {

class Component;

// Draws the page ("-1-") on the preview panes or on OutputTarget and ends it. Temperature,
// wet-bulb, vapour-pressure and dew-point cells keep their two-digit form in the tables, and
// a station with 3 observations a day has a "-" dew point at 02 h blanked in ADewPoint.
void PrintPressureTemperatureHumidity(Component& c);

}  // namespace tabulon
