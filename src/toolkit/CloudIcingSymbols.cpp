// Cloud-form cells, the snow-pressure heading and wire-icing cells.
#include "toolkit/CloudIcingSymbols.h"

#include "platform/Surface.h"
#include "toolkit/SymbolGlyphs.h"
#include "toolkit/SymbolSteps.h"
#include "toolkit/WeatherSymbols.h"

#include <QStringList>
#include <cmath>

namespace tabulon {

namespace {
constexpr int CloudSlot = 2;
const QString CloudContext = QStringLiteral("打印云状字串");

constexpr int CloudFontSize = 10;
constexpr int CellFontSize = 9;
constexpr int HeadingFontSize = 11;
constexpr int SmallestFontSize = 1;   // a cloud text too wide for its cell is printed at 1 point
const QString CloudCentringSample = QStringLiteral("A");

// Symbols of the snow-pressure unit between the text-face parentheses.
const QString SnowPressureUnitSymbols = QString(QChar(0xE264)) + QChar(0xE267);

// "CI" -> "Ci", "fc" -> "fc": the first character as it stands, the rest in lower case.
QString cloudAbbreviation(const QString& item)
{
    return item.left(1) + item.mid(1).toLower();
}
}  // namespace

bool IsCloudSymbolCode(const QString& item)
{
    static const QStringList codes{"31", "42", "38", "39", "04", "05", "06", "07", "10"};
    return codes.contains(item);
}

void PrintCloudFormString(Component& c, const QString& text, double w, double h, double x, double y)
{
    Canvas& cv = c.canvas;
    SymbolSteps steps(c, CloudSlot, CloudContext);
    if (!text.trimmed().isEmpty()) {
        steps([&] { cv.SetFont(CloudFontSize, Face::Text); });
        steps.penAtCellLeft(x);
        steps.centreInCell(y, h, CloudCentringSample);
        // The pen stays where the 10-point text would start; only the size shrinks.
        steps([&] {
            int size = CloudFontSize;
            while (size > SmallestFontSize && std::nearbyint(cv.target().TextWidth(text)) >= cv.scaled(w))
                cv.SetFont(--size, Face::Text);
        });
        for (const QString& item : text.split(u' ', Qt::SkipEmptyParts)) {
            steps.face(SymbolFontName);
            if (IsCloudSymbolCode(item)) {
                steps.print(WeatherSymbol(item));
            } else {
                steps.face(TextFontName);
                steps.print(cloudAbbreviation(item));
            }
            steps.print(QStringLiteral(" "));
        }
    }
    steps.face(TextFontName);
    steps([&] { cv.SetFont(CellFontSize, Face::Text); });
}

void PrintSnowPressureHeading(Component& c, double w, double h, double x, double y, double upperH)
{
    Canvas& cv = c.canvas;
    SymbolSteps steps = SymbolSteps::silent(c);
    steps([&] { cv.SetFont(HeadingFontSize, Face::Text); });
    steps([&] { cv.PrintCell(-1, QString(), w, h, x, y, 0); });
    steps([&] { cv.PrintCell(0, QStringLiteral("雪压"), w, upperH, x, y, 0); });
    steps([&] { cv.SetFont(CellFontSize, Face::Text); });
    steps([&] {
        cv.PlaceSymbolText(0, QStringLiteral("(") + SnowPressureUnitSymbols + QStringLiteral(")"), w, upperH, x, y + upperH);
    });
    steps.face(TextFontName);
    steps.print(QStringLiteral("("));
    steps.face(SymbolFontName);
    steps.print(SnowPressureUnitSymbols);
    steps.face(TextFontName);
    steps.print(QStringLiteral(")"));
}

const WireIcingGlyphTable& WireIcingGlyphs()
{
    static const WireIcingGlyphTable glyphs{QString(QChar(0xE245)), QString(QChar(0xE244)),
                                            QString(QChar(0xE256))};
    return glyphs;
}

void PrintWireIcingSymbol(Component& c, const QString& code, const WireIcingGlyphTable& glyphs, double w,
                          double h, double x, double y)
{
    static const QStringList codes{"48", "56", "5648"};
    Canvas& cv = c.canvas;
    SymbolSteps steps = SymbolSteps::silent(c);
    const qsizetype k = codes.indexOf(code);
    if (k >= 0) {
        const QString& glyph = glyphs[static_cast<std::size_t>(k)];
        steps([&] { cv.SetFont(CellFontSize, Face::Symbol); });
        steps([&] { cv.PlaceSymbolText(cv.ShowGridLines, glyph, w, h, x, y); });
        steps.face(SymbolFontName);
        steps.print(glyph);
    } else {
        steps.face(TextFontName);
        steps([&] { cv.PrintCell(cv.ShowGridLines, QStringLiteral(" "), w, h, x, y, 0); });
    }
    steps([&] { cv.SetFont(CellFontSize, Face::Text); });
}

}  // namespace tabulon
