#pragma once
// The cells that mix "宋体" with the symbol face "Nimbrix": cloud forms, the snow-pressure
// heading and the wire-icing phenomenon.

#include <QString>
#include <array>

namespace tabulon {

class Component;

// The nine codes that stand among cloud abbreviations and are printed as the weather
// symbol of the same code: 31, 42, 38, 39, 04, 05, 06, 07, 10 (exact text).
bool IsCloudSymbolCode(const QString& item);

// One cloud-form cell, e.g. "Ci 31 AC": abbreviations in "宋体" written with a capital and
// lower-case rest ("Ac"), symbol codes as their symbols, each followed by a space. Starts
// 50 twips inside the cell at 10 points and shrinks the whole text (down to 1 point) until it
// is narrower than the cell. Draws no frame; empty items are skipped. Always ends in "宋体"
// at 9 points. Errors are reported once through LastErrorNumbers slot 2 ("打印云状字串").
void PrintCloudFormString(Component& c, const QString& text, double w, double h, double x, double y);

// The snow-pressure column heading: the whole cell framed whatever ShowGridLines holds,
// "雪压" in the upper band of height `upperH` (11 points), the unit "(", U+E264 U+E267, ")"
// at 9 points in the band of the same height below. Shows no error.
void PrintSnowPressureHeading(Component& c, double w, double h, double x, double y, double upperH);

// The symbols of the wire-icing codes "48", "56" and "5648", in that order.
using WireIcingGlyphTable = std::array<QString, 3>;
// The table the icing cells use: U+E245, U+E244, U+E256.
const WireIcingGlyphTable& WireIcingGlyphs();

// One wire-icing cell: the code's glyph from `glyphs`, fitted and placed in the symbol face;
// any other code (the empty one included) a blank cell. Framed when ShowGridLines is -1.
// Ends in "宋体" at 9 points. Shows no error.
void PrintWireIcingSymbol(Component& c, const QString& code, const WireIcingGlyphTable& glyphs, double w,
                          double h, double x, double y);

}  // namespace tabulon
