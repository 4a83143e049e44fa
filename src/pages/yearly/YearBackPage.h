#pragma once
// The back page of the yearly report (no page number): the year's weather and climate
// summary, the notes with the station's observation schedule and whether an automatic
// station is fitted, and the fixed list of 38 instruments with those in use.

#include <QString>
#include <optional>

namespace tabulon {

class Component;

// Draws the page on the body pane or on OutputTarget and ends it. An error ends the page
// and is reported with "打印年报表封底". Lists never filled, summary lines without "/" and
// short instrument records read as empty.
void PrintYearBackCover(Component& c);

// The line (0..37) of the instrument list an instrument record "code/model/number/maker/
// date" belongs on: codes 1..13 on lines 0..12, 14 on line 13 or, when the record mentions
// "称重", 14; 15..32 on their own line; 33 on line 33 or, with "电缆", 34; 34..36 on lines
// 35..37. Any other code (not a number, 0, 37 and above, between the ranges) fits no line.
std::optional<int> InstrumentLine(const QString& record);

}  // namespace tabulon
