// The cell printers: one-line cells, wrapped captions, symbol cells and two-line cells.
#include "toolkit/Canvas.h"

#include "platform/Surface.h"

namespace tabulon {

namespace {
// A shrinking text never goes below one point: a text that cannot fit is printed at 1 point.
constexpr int SmallestFontSize = 1;

constexpr double FitMargin = 30;          // a text fits when it leaves 30 device twips
constexpr double SplitInset = 50;         // top-left part of a split cell
constexpr double SplitRightInset = 40;    // bottom-right part of a split cell
constexpr double RaisedSuffixLift = 50;   // the raised "B" of a value
constexpr double TwoLineIndent = 50;
constexpr double TwoLineTop = 20;

// Removes leading and trailing blanks (spaces only, as the row texts are padded with them).
QString trimSpaces(const QString& s)
{
    qsizetype b = 0, e = s.size();
    while (b < e && s[b] == u' ')
        ++b;
    while (e > b && s[e - 1] == u' ')
        --e;
    return s.mid(b, e - b);
}

// "-12B": a negative value with a raised "B" after it.
bool hasRaisedSuffix(const QString& text)
{
    return text.size() > 2 && text.startsWith(u'-') && text.endsWith(u'B');
}
}  // namespace

void Canvas::drawBox(double x, double y, double w, double h)
{
    DrawHorizontalLine(x, y, x + w, 1);
    DrawHorizontalLine(x, y + h, x + w, 1);
    DrawVerticalLine(x, y, y + h, 1);
    DrawVerticalLine(x + w, y, y + h, 1);
}

std::int16_t Canvas::entrySize()
{
    return RoundToInt16(target().FontSize());
}

bool Canvas::fits(const QString& text, double w)
{
    return target().TextWidth(text) <= scaled(w) - FitMargin;
}

void Canvas::shrinkOnce(int& size, int& face)
{
    if (size <= SmallestFontSize)
        return;
    --size;
    SetFontUnscaled(size, face);
}

void Canvas::shrinkUntilFits(const QString& text, double w, int& size, int& face)
{
    while (size > SmallestFontSize && !fits(text, w))
        shrinkOnce(size, face);
}

std::int16_t Canvas::centringSlack(const QString& text, double w)
{
    return RoundToInt16((scaled(w) - target().TextWidth(text)) / 2);
}

double Canvas::insetFor(std::int16_t slack)
{
    if (slack <= 59)
        return slack;
    if (slack <= 120)
        return 60;
    return 90;
}

void Canvas::placeByTextAlign(const QString& text, double x, double w)
{
    Surface& s = target();
    const std::int16_t slack = centringSlack(text, w);
    switch (TextAlign) {
    case 0:
        s.CurrentX = scaled(x) + slack + LeftMargin;
        break;
    case 1:
        s.CurrentX = scaled(x) + LeftMargin + insetFor(slack);
        break;
    case 2:
        s.CurrentX = scaled(x + w) + LeftMargin - s.TextWidth(text) - insetFor(slack);
        break;
    default:
        break;   // the pen stays where it is
    }
}

double Canvas::centredCellY(double y, double h)
{
    // Centred on the sample "cc", so that every cell of a row shares one baseline.
    return scaled(y) + (scaled(h) - target().TextHeight(QStringLiteral("cc"))) / 2 + TopMargin;
}

void Canvas::PrintCell(int border, const QString& text, double w, double h, double x, double y, int split)
{
    if (observing())
        notify(CanvasCall::Kind::PrintCell, {double(border), w, h, x, y, double(split)}, text, 1);
    NestedCall nested(*this);

    if (border == -1)
        drawBox(x, y, w, h);
    const int entry = entrySize();
    Surface& s = target();

    if (!text.isEmpty() && split != 0) {
        // Two parts: the first top-left, the second bottom-right on the bottom edge.
        // A text without "/" is printed whole at the top-left.
        const qsizetype slash = text.indexOf(u'/');
        const QString first = slash < 0 ? text : text.left(slash);
        s.CurrentX = scaled(x) + LeftMargin + SplitInset;
        s.CurrentY = scaled(y) + TopMargin + SplitInset;
        s.Print(first);
        if (slash >= 0) {
            const qsizetype next = text.indexOf(u'/', slash + 1);
            const QString second = text.mid(slash + 1, next < 0 ? -1 : next - slash - 1);
            s.CurrentX = scaled(x + w) + LeftMargin - s.TextWidth(second) - SplitRightInset;
            s.CurrentY = scaled(y) + TopMargin + scaled(h) - s.TextHeight(second);
            s.Print(second);
        }
    } else if (!text.isEmpty()) {
        int size = entry;
        int face = Face::Text;
        shrinkUntilFits(text, w, size, face);
        placeByTextAlign(text, x, w);
        const double top = centredCellY(y, h);
        s.CurrentY = top;
        if (hasRaisedSuffix(text)) {
            s.Print(text.left(text.size() - 1));
            s.CurrentY = top - RaisedSuffixLift;
            s.Print(QStringLiteral("B"));
        } else {
            s.Print(text);
        }
    }
    SetFontUnscaled(entry, Face::Text);
}

void Canvas::PrintWrappedText(int border, double w, double h, double x, double y, const QString& text,
                              double lineH, int perLine)
{
    if (observing())
        notify(CanvasCall::Kind::PrintWrappedText,
               {double(border), w, h, x, y, lineH, double(perLine)}, text, 5);
    NestedCall nested(*this);

    if (border == -1)
        drawBox(x, y, w, h);
    const int entry = entrySize();
    Surface& s = target();

    // Every character is printed: a last partial row is a row of its own.
    const qsizetype per = perLine > 0 ? perLine : 1;
    const qsizetype rows = (text.size() + per - 1) / per;
    for (qsizetype i = 1; i <= rows; ++i) {
        SetFontUnscaled(entry, Face::Text);
        const QString row = trimSpaces(text.mid((i - 1) * per, per));
        int size = entry;
        int face = Face::Text;
        shrinkUntilFits(row, w, size, face);
        s.CurrentY = scaled(y + lineH * double(i - 1)) + (scaled(lineH) - s.TextHeight(row)) / 2 + TopMargin;
        s.CurrentX = scaled(x) + (scaled(w) - s.TextWidth(row)) / 2 + LeftMargin;
        s.Print(row);
    }
    SetFontUnscaled(entry, Face::Text);
}

void Canvas::PlaceSymbolText(int border, const QString& text, double w, double h, double x, double y)
{
    if (observing())
        notify(CanvasCall::Kind::PlaceSymbolText, {double(border), w, h, x, y}, text, 1);
    NestedCall nested(*this);

    if (border == -1)
        drawBox(x, y, w, h);
    int size = entrySize();
    if (text.isEmpty())
        return;
    // Any face code but 1 is the symbol face; it falls back to 1 when the face is missing.
    int face = 0;
    shrinkUntilFits(text, w, size, face);
    placeByTextAlign(text, x, w);
    target().CurrentY = centredCellY(y, h);
}

void Canvas::PrintCellTwoLines(int border, const QString& text, double w, double h, double x, double y)
{
    if (observing())
        notify(CanvasCall::Kind::PrintCellTwoLines, {double(border), w, h, x, y}, text, 1);
    NestedCall nested(*this);

    if (border == -1)
        drawBox(x, y, w, h);
    const int entry = entrySize();
    Surface& s = target();

    if (!text.isEmpty()) {
        int size = entry;
        int face = Face::Text;
        // At most two one-point steps are spent on keeping one line; the third goes with two.
        bool twoLines = false;
        if (!fits(text, w)) {
            shrinkOnce(size, face);
            if (!fits(text, w)) {
                shrinkOnce(size, face);
                if (!fits(text, w)) {
                    shrinkOnce(size, face);
                    twoLines = true;
                }
            }
        }
        // The shortest tail whose head fits; none in a box narrower than the fit margin,
        // which then gets one line. A head only grows wider with its length, so the longest
        // head that fits, short of the whole text, is found by halving the range.
        qsizetype tail = 0;
        if (twoLines && fits(QString(), w)) {
            qsizetype fitting = 0;             // a head known to fit
            qsizetype tooLong = text.size();   // a head known not to fit, or the whole text
            while (tooLong - fitting > 1) {
                const qsizetype mid = fitting + (tooLong - fitting) / 2;
                if (fits(text.left(mid), w))
                    fitting = mid;
                else
                    tooLong = mid;
            }
            tail = text.size() - fitting;
        }
        if (tail > 0) {
            const double left = scaled(x) + LeftMargin + TwoLineIndent;
            s.CurrentX = left;
            s.CurrentY = scaled(y) + TopMargin + TwoLineTop;
            s.Print(text.left(text.size() - tail));
            s.CurrentX = left;
            s.CurrentY += s.TextHeight(text);
            s.Print(text.right(tail));
        } else {
            s.CurrentX = scaled(x) + LeftMargin + insetFor(centringSlack(text, w));
            s.CurrentY = centredCellY(y, h);
            s.Print(text);
        }
    }
    SetFontUnscaled(entry, Face::Text);
}

}  // namespace tabulon
