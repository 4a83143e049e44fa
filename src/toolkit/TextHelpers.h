#pragma once
// Small text helpers shared by the page renderers and the file chooser: the two-digit
// zero fill of table values, the blank cells below a short month, the rewrite of spell
// dates, field extraction, and the 16-point wind-direction names.

#include <QString>
#include <cstdint>

namespace tabulon {

class Component;

// Zero-fills the one run of digits in a value to at least two digits, in place:
// "5" -> "05", "-3" -> "-03", "007" -> "07", "123" and "12B" unchanged, "7/5" -> "7/05".
// The fillers "←---", "-", "----", "-/-", texts without digits, and texts with more than
// one run of digits after the first "/" are left as they are. Applying it twice changes nothing.
void FormatTwoDigits(QString& value);
// The same, returning the rewritten cell, for pages that print a table cell as they format it.
const QString& FormattedTwoDigits(QString& cell);

// A numeric text as a whole number of at least two digits (the number pattern "00"):
// "7" -> "07", "7.6" -> "08", "2.5" -> "03", "-5" -> "-05", "123" -> "123". A text that
// is not a number is returned as it stands. Nothing is written back.
QString FormatNumber00(const QString& text);

// A "direction/speed" wind cut into what its two cells show.
struct WindCells {
    QString direction;
    QString speed;
};
// The wind of a wire-icing record: a speed that is a number in the pattern "00", any other
// as stored; a value without "/" shows two empty cells.
WindCells SplitIcingWind(const QString& value);

// Draws empty framed cells (text "  ") in the day rows past the month's last day, so the day
// grid looks complete: rows for days d + 1 .. 31 directly above yEnd, nCols columns of colW
// starting at x0. d is the number of days in the month of the loaded A file.
void PrintBlankDayRows(Component& c, std::int16_t yEnd, std::int16_t x0, std::int16_t colW,
                       std::int16_t rowH, std::int16_t nCols);

// Rewrites a spell statistic "a/b/c..." in place: when c begins with the report year the year
// is dropped ("a/b" & rest of c), otherwise the text is kept. Fewer than three fields, or a third
// field shorter than a year, leave the value unchanged. The year is that of the loaded A file.
void FormatSpellDates(Component& c, QString& value);
void FormatSpellDates(QString& value, const QString& reportYear);

// Field n (counted from 1) of the trimmed text split at sep; "" for n < 1 or past the last
// field. An empty separator yields the trimmed text as field 1 and "" for any other n.
QString GetField(const QString& s, const QString& sep, std::int32_t n);

// "direction/speed" (degrees / tenths of m/s) -> "NAME/speed", or "C/speed" when a numeric
// speed is below 3. A direction that is not a number leaves the text unchanged.
QString FormatWind(const QString& s);

// The 16-point compass name of a number of degrees ("-" in the gaps and outside 0..360);
// a text that is not a number is returned unchanged.
QString WindDirectionName(const QString& degrees);

}  // namespace tabulon
