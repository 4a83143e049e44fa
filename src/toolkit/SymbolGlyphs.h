#pragma once
// The 36 private-use characters of the symbol font, in code order, and their 1-based lookup.

#include <QString>

namespace tabulon {

// U+E234 .. U+E257.
extern const QString SymbolGlyphs;

// The i-th character of SymbolGlyphs (U+E233 + i) for i = 1..36; empty otherwise.
QString SymbolGlyph(int i);

}  // namespace tabulon
