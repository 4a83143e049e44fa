#pragma once
// What the weather pages share: the night/day split of the weather column, the table of
// weather-phenomenon days (name, symbol and count of 25 phenomena) and the table of
// visibility occurrences by hour and class. Each page places them with its own geometry.

#include <QString>
#include <functional>

namespace tabulon {

class Component;

// Runs one statement of a page under the page's error trap (the once-per-number trap of the
// weather pages): a failing statement is handled there and the page goes on.
using PageStep = std::function<void(const std::function<void()>&)>;

// Whether the weather column splits into night and day halves because of the records: a
// station observing neither 4 nor 24 times a day always splits; otherwise some day's record
// must hold a "(" group. A failure while deciding (a missing table, a record past its
// bounds) is raised to the caller's trap.
bool SplitWeatherColumn(Component& c);

// The table of weather-phenomenon days: `places` entries (25, or 26 with a blank last one)
// in bands of `columnsPerBand` columns from (x, y); each entry is a name row, a symbol row
// and a count row, each `rowHeight` high and `columnWidth` wide; bands are three rows apart.
struct WeatherDaysGrid {
    double x = 0;
    double y = 0;
    double columnWidth = 0;
    double rowHeight = 0;
    int columnsPerBand = 13;
    int places = 26;
    QString blankPlaceCount;   // what the blank 26th place shows in its count row
};

// Every cell framed and centred; names and counts in "宋体" 11, the symbols set directly on
// the surface in "Nimbrix" at 12 points (scaled). Each face change and cell is one step.
void PrintWeatherDaysTable(Component& c, const WeatherDaysGrid& grid, const PageStep& step);

// The 25 phenomena's names and the glyph of each (1-based).
QString WeatherDayName(int k);
QString WeatherDaySymbol(int k);

// The visibility occurrences: a caption cell, a header row (the label column, then the five
// classes), and the rows of 02, 08, 14 and 20 h with AVisibilityClassStat(hour, class).
// All framed and centred, in the current font.
struct VisibilityClassGrid {
    double captionWidth = 0;
    double captionHeight = 0;
    double captionY = 0;
    double headerY = 0;           // the header row; the hour rows follow it
    double labelWidth = 0;        // the "时间" column
    double classWidth = 0;
    double rowHeight = 0;
    QString headerLiteral;        // seven-character pieces: the label, then the five classes
};

void PrintVisibilityClassTable(Component& c, const VisibilityClassGrid& grid, const PageStep& step);

}  // namespace tabulon
