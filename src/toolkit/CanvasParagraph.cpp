// Running text in a ruled box, broken into rows by the Chinese line-breaking rule.
#include "toolkit/Canvas.h"

#include "platform/Surface.h"

namespace tabulon {

namespace {
constexpr double LineBand = 330;          // logical height of one row
constexpr double FirstLineIndent = 200;   // device twips after one character
constexpr double WrapIndent = 200;        // a row broken for width
constexpr double ParagraphIndent = 80;    // device twips after one character, after a line feed

// Marks that must not begin a row: they may hang half a character past the right edge.
bool isClosingMark(QChar c)
{
    switch (c.unicode()) {
    case 0x3002:   // 。
    case 0xFF0C:   // ，
    case 0xFF1B:   // ；
    case 0xFF1A:   // ：
    case 0xFF01:   // ！
    case 0x201D:   // ”
    case 0x2103:   // ℃
    case 0x2032:   // ′
    case 0x2033:   // ″
    case 0xFF1F:   // ？
    case 0x3001:   // 、
    case 0x300B:   // 》
    case 0x3015:   // 〕
        return true;
    default:
        return false;
    }
}
}  // namespace

void Canvas::PrintParagraph(int ruled, double charW, const QString& text, double w, double h, double x, double y)
{
    if (observing())
        notify(CanvasCall::Kind::PrintParagraph, {double(ruled), charW, w, h, x, y}, text, 2);
    NestedCall nested(*this);

    drawBox(x, y, w, h);
    if (ruled == -1) {
        const int n = RoundToInt16(h / LineBand);
        for (int k = 1; k <= n; ++k)
            DrawHorizontalLine(x, y + LineBand * k, x + w, 1);
    }
    if (text.isEmpty())
        return;

    Surface& s = target();
    const double band = scaled(LineBand);
    const double bandOffset = (band - s.TextHeight(QStringLiteral("A"))) / 2;
    const double top = scaled(y) + TopMargin;
    const double bottom = scaled(y + h) + TopMargin;
    const double right = scaled(x + w) + LeftMargin;
    int row = 0;
    s.CurrentY = top + bandOffset;
    s.CurrentX = scaled(x + charW) + LeftMargin + FirstLineIndent;

    for (QChar ch : text) {
        const bool lineFeed = ch == u'\n';
        // charW enters the break tests unscaled, as the rows were laid out.
        const bool newRow = isClosingMark(ch) ? s.CurrentX + charW / 2 > right
                                              : lineFeed || s.CurrentX + charW > right;
        if (newRow) {
            ++row;
            s.CurrentY = top + row * band + bandOffset;
            s.CurrentX = lineFeed ? scaled(x + charW) + LeftMargin + ParagraphIndent
                                  : scaled(x) + LeftMargin + WrapIndent;
        }
        if (s.CurrentY >= bottom)
            return;
        if (ch != u'\r' && !lineFeed)
            s.Print(QString(ch));
    }
}

}  // namespace tabulon
