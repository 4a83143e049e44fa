#include "toolkit/PenText.h"

#include "platform/Surface.h"
#include "toolkit/Canvas.h"

namespace tabulon {

void PrintTextAtPen(Canvas& cv, const QString& text)
{
    Surface& s = cv.target();
    s.SetFontName(TextFontName);
    s.Print(text);
}

void PrintGlyphAtPen(Canvas& cv, const QString& glyph)
{
    Surface& s = cv.target();
    s.SetFontName(SymbolFontName);
    s.Print(glyph);
    s.SetFontName(TextFontName);
}

}  // namespace tabulon
