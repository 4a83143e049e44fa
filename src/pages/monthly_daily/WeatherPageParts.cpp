#include "pages/monthly_daily/WeatherPageParts.h"

#include "pages/frame/LayoutLiterals.h"
#include "pages/frame/RowLayouts.h"
#include "platform/Surface.h"
#include "report/Component.h"
#include "toolkit/Numeric.h"
#include "toolkit/SymbolGlyphs.h"

namespace tabulon {

namespace {

const QString WeatherDayNames = QStringLiteral(
    "雨  雪  冰雹 冰针 雾  轻雾 露  霜  雨凇 雾凇 吹雪 龙卷 积雪 结冰 沙尘暴扬沙 浮尘 烟幕 霾  尘卷风雷暴 闪电 极光 大风 飑     ");
const QString WeatherDayGlyphIndexes =
    QStringLiteral("1,4,11,12,13,14,15,16,17,18,19,21,22,23,24,25,26,27,28,29,30,31,32,33,34");
constexpr int WeatherDayCount = 25;

const QStringList HourLabels{QStringLiteral("2"), QStringLiteral("8"), QStringLiteral("14"), QStringLiteral("20")};

}  // namespace

bool SplitWeatherColumn(Component& c)
{
    const double observations = Val(c.tables.AfilePara(16).toString());
    if (observations != 24 && observations != 4)
        return true;
    const int days = DaysInMonth(c);
    for (int d = 1; d <= days; ++d)
        if (c.tables.AWeather(d, 1).contains(u'('))
            return true;
    return false;
}

QString WeatherDayName(int k)
{
    return FixedWidthPiece(WeatherDayNames, k - 1, 3);
}

QString WeatherDaySymbol(int k)
{
    static const std::vector<int> indexes = CommaNumbers(WeatherDayGlyphIndexes);
    return k >= 1 && k <= WeatherDayCount ? SymbolGlyph(indexes[static_cast<std::size_t>(k - 1)]) : QString();
}

void PrintWeatherDaysTable(Component& c, const WeatherDaysGrid& g, const PageStep& step)
{
    Canvas& cv = c.canvas;
    for (int n = 0; n < g.places; ++n) {
        const int band = n / g.columnsPerBand;
        const double x = g.x + g.columnWidth * (n % g.columnsPerBand);
        const double nameY = g.y + 3 * g.rowHeight * band;
        const double symbolY = nameY + g.rowHeight;
        const double countY = symbolY + g.rowHeight;
        step([&] {
            cv.SetFont(11, Face::Text);
            cv.PrintCell(-1, WeatherDayName(n + 1), g.columnWidth, g.rowHeight, x, nameY);
        });
        if (n >= WeatherDayCount) {
            step([&] { cv.PrintCell(-1, QString(), g.columnWidth, g.rowHeight, x, symbolY); });
            step([&] { cv.PrintCell(-1, g.blankPlaceCount, g.columnWidth, g.rowHeight, x, countY); });
            continue;
        }
        step([&] { cv.target().SetFontName(SymbolFontName); });
        step([&] { cv.target().SetFontSize(cv.scaled(12)); });
        step([&] { cv.PrintCell(-1, WeatherDaySymbol(n + 1), g.columnWidth, g.rowHeight, x, symbolY); });
        step([&] { cv.SetFont(11, Face::Text); });
        step([&] { cv.PrintCell(-1, c.tables.AWeatherDayCount(n + 1), g.columnWidth, g.rowHeight, x, countY); });
    }
}

void PrintVisibilityClassTable(Component& c, const VisibilityClassGrid& g, const PageStep& step)
{
    Canvas& cv = c.canvas;
    step([&] {
        cv.PrintCell(-1, QStringLiteral("能见度出现回数"), g.captionWidth, g.captionHeight, 0, g.captionY);
    });
    step([&] {
        cv.PrintCell(-1, FixedWidthPiece(g.headerLiteral, 0, 7), g.labelWidth, g.rowHeight, 0, g.headerY);
        for (int k = 1; k <= 5; ++k)
            cv.PrintCell(-1, FixedWidthPiece(g.headerLiteral, k, 7), g.classWidth, g.rowHeight,
                         g.labelWidth + g.classWidth * (k - 1), g.headerY);
    });
    for (int hour = 1; hour <= 4; ++hour) {
        const double y = g.headerY + g.rowHeight * hour;
        step([&] {
            cv.PrintCell(-1, HourLabels[hour - 1], g.labelWidth, g.rowHeight, 0, y);
            for (int k = 1; k <= 5; ++k)
                cv.PrintCell(-1, c.tables.AVisibilityClassStat(hour, k), g.classWidth, g.rowHeight,
                             g.labelWidth + g.classWidth * (k - 1), y);
        });
    }
}

}  // namespace tabulon
