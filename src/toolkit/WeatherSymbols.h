#pragma once
// The weather-phenomenon codes and their symbols, and the two printers of weather cells:
// the daily summary (a row of symbols) and the day's full phenomenon record (symbols,
// clock times with raised minutes, notes and a bracketed group, fitted to the cell).

#include <QString>

namespace tabulon {

class Component;

// The 34 two-digit weather codes in symbol order: the code at 1-based position k is
// printed as SymbolGlyph(k).
inline const QString WeatherCodeList = QStringLiteral(
    "60,80,50,70,85,87,77,79,68,83,89,76,42,10,01,02,56,48,38,39,19,16,03,31,07,06,04,05,08,17,13,14,15,18");

// The 1-based position of a code in WeatherCodeList, compared as text ("01" matches,
// "1" does not); 0 when the code is not in the list.
int WeatherCodePosition(const QString& code);

// The "Nimbrix" character of a code; empty for a code not in the list.
QString WeatherSymbol(const QString& code);

// The daily summary cell: `codes` separated by spaces, printed as symbols side by side
// from 50 twips inside the cell (unknown codes print nothing). The cell is framed when
// ShowGridLines is -1. Leaves the surface in "Nimbrix" at 9 points (scaled); an empty list
// draws the frame only and leaves "宋体". Errors are reported once through
// LastErrorNumbers slot 0 ("打印天气现象记要") and drawing goes on.
void PrintWeatherSummary(Component& c, const QString& codes, double w, double h, double x, double y);

// The day's record, e.g. "(60[1],80)70 0930-1045'1500;2,80 2010,.": an optional "(...)"
// group, then items "code times" separated by ","; times joined by "'", each a clock
// ("0930", "xx30") or a span ("0800-1000") with an optional note after ";" or in "[...]";
// "." ends the record. With `dayNightSplit` the group stays in the cell's first 2000 twips
// and the rest starts there, fitted to the remaining width. The record is taken by value:
// the caller's text is never changed. Errors are reported once through LastErrorNumbers
// slot 1 ("打印天气现象字串") and drawing goes on.
void PrintWeatherString(Component& c, QString text, double w, double h, double x, double y,
                        bool dayNightSplit);

}  // namespace tabulon
