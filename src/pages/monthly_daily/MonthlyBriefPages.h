#pragma once
// The three summary tables that end the monthly surface report of every station kind. Each
// prints its own fixed number ("-1-", "-2-", "-3-") whatever its place in the report.

namespace tabulon {

class Component;

// Page one: daily means and extremes of pressure, temperature, humidity, cloud, evaporation,
// ground and soil temperatures and sunshine, with ten-day and month rows, the month's
// extremes and the pentad mean temperatures. Deep-soil readings of station kinds 1, 4 and 5
// keep their two-digit form in their tables.
void PrintMonthlyBrief1(Component& c);

// Page two: precipitation, fixed-time winds and weather by day, and the month's blocks (wind
// statistics, wire icing, cloud classes, weather days, precipitation classes, spells, frozen
// soil, sunshine, snow, the climate summary).
void PrintMonthlyBrief2(Component& c);

// Page three: the element brief table, a narrow day table of pressure, temperature, vapour
// pressure, humidity, precipitation, sunshine and weather.
void PrintMonthlyBrief3(Component& c);

}  // namespace tabulon
