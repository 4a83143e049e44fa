#include "toolkit/SymbolGlyphs.h"

namespace tabulon {

namespace {
QString makeGlyphs()
{
    QString s;
    for (char16_t code = 0xE234; code <= 0xE257; ++code)
        s += QChar(code);
    return s;
}
}  // namespace

const QString SymbolGlyphs = makeGlyphs();

QString SymbolGlyph(int i)
{
    if (i < 1 || i > SymbolGlyphs.size())
        return {};
    return SymbolGlyphs.mid(i - 1, 1);
}

}  // namespace tabulon
