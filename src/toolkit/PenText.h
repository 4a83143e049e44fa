#pragma once
// Text printed straight at the pen of OutputTarget, where a cell printer left it: the unit
// glyphs that follow a heading's text, and the pieces of a heading that mixes faces. The pen
// stays on the line after each piece, so the next piece follows on.

#include <QString>

namespace tabulon {

class Canvas;

// The unit glyphs of the symbol font.
inline const QString PerSquareMetreGlyph = QString(QChar(0xE261));
inline const QString PerWattGlyph = QString(QChar(0xE262));

// Prints text in "宋体" at the pen, in the current size.
void PrintTextAtPen(Canvas& cv, const QString& text);

// Prints a glyph in "Nimbrix" at the pen, in the current size, and sets "宋体" back so that
// whatever is drawn next is drawn in SimSun. A missing symbol font raises error 380.
void PrintGlyphAtPen(Canvas& cv, const QString& glyph);

}  // namespace tabulon
