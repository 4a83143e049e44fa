#pragma once
// Yearly page two ("-2-"): the longest spells with and without precipitation, evaporation,
// snow depth and pressure and wire icing by month; the days with each of 25 weather
// phenomena; the first and last dates of frost, snow, ice and freezing temperatures.

namespace tabulon {

class Component;

// Draws the page on the preview panes or on OutputTarget and ends it. Each failing
// statement is reported once per error number (Component::YearPage2LastError; "天气日数" for
// a missing symbol font, "年报表第二页" otherwise) and drawing goes on, so the page is
// always drawn to its end.
void PrintYearPage2(Component& c);

}  // namespace tabulon
