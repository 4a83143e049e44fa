// Vapour pressure and the soil temperatures at eight depths: 24 hour columns and the two
// daily means, filled by each element's observation-mode letter.
#include "pages/frame/ObservationModes.h"
#include "pages/frame/TenDayPage.h"
#include "pages/monthly_hourly/TenDayRenderers.h"
#include "toolkit/Renderers.h"
#include "toolkit/TextHelpers.h"
#include "report/Component.h"

namespace tabulon {

namespace {

const QString ColumnLabels =
    QStringLiteral(" 21 22 23 24  1  2  3  4  5  6  7  8  9 10 11 12 13 14 15 16 17 18 19 20 4次24次");
// Nine titles of 24 characters each, used untrimmed.
const QString Titles = QStringLiteral(
    "水   汽   压       (0.1hpa)5cm     地      温  (0.1℃)10cm    地      温  (0.1℃)"
    "15cm    地      温  (0.1℃)20cm    地      温  (0.1℃)40cm    地      温  (0.1℃)"
    "80cm    地      温  (0.1℃)160cm   地      温  (0.1℃)320cm   地      温  (0.1℃)");
constexpr int TitleLength = 24;
const QString ErrorNames = QStringLiteral("水汽压,5cm地温,10cm地温,15cm地温,20cm地温,40cm地温,80cm地温,160cm地温,320cm地温");
constexpr int ElementCount = 9;
// Printed page numbers by element: the automatic station's (pageVariant 2) and the others'.
constexpr int PageNumbersOfKind2[ElementCount] = {4, 16, 17, 18, 19, 20, 21, 22, 23};
constexpr int PageNumbersOfOtherKinds[ElementCount] = {4, 23, 24, 25, 26, 27, 28, 29, 30};

constexpr int Vapour = 1;
constexpr int FirstDeepSoil = 7;   // 80, 160 and 320 cm

constexpr int MeanOf4Column = 24;
constexpr int MeanOf24Column = 25;
constexpr int Column14h = TenDayLayout::FixedHourColumns[2];

// How a row's hour columns are filled.
enum class Readings {
    Hourly,      // 24 values
    FourTimes,   // blanks with the values of 02, 08, 14 and 20 h
    Single14h,   // blanks with the one value of 14 h
    EmptyGrid,   // empty cells, the element not observed
    Nothing,     // no cells at all
};

// Day rows: vapour pressure is always hourly; the 0 to 40 cm layers follow their letter
// (AfileMode 16), the deep layers their own (AfileMode 17), whose "0" means a single
// reading a day at 14 h and whose other digits draw nothing.
Readings DayRowReadings(const ATables& t, int element)
{
    if (element == Vapour)
        return Readings::Hourly;
    const bool deep = element >= FirstDeepSoil;
    const QString letter = t.AfileMode(deep ? 17 : 16);
    if (IsHourlyLetter(letter))
        return Readings::Hourly;
    if (IsEmptyGridLetter(letter))
        return Readings::EmptyGrid;
    if (deep)
        return letter == QStringLiteral("0") ? Readings::Single14h : Readings::Nothing;
    return IsFourTimesLetter(letter) ? Readings::FourTimes : Readings::Nothing;
}

// Statistics rows of every soil layer follow the 0 to 40 cm letter; a deep layer read at
// fixed times shows only its 14 h column.
Readings StatisticsReadings(const ATables& t, int element)
{
    if (element == Vapour)
        return Readings::Hourly;
    const QString letter = t.AfileMode(16);
    if (IsHourlyLetter(letter))
        return Readings::Hourly;
    if (IsFourTimesLetter(letter))
        return element >= FirstDeepSoil ? Readings::Single14h : Readings::FourTimes;
    return Readings::Nothing;
}

struct ElementPage {
    TextTable ATables::*table;
    int meanOf4Item;   // ADailyStat items of the two daily means
    int dekadBase;     // ADekadStat(p, dekadBase + k) is column k
};

ElementPage ElementOf(int element)
{
    static constexpr TextTable ATables::*tables[ElementCount] = {
        &ATables::AVapourPressure, &ATables::ASoilTemp5cm,  &ATables::ASoilTemp10cm,
        &ATables::ASoilTemp15cm,   &ATables::ASoilTemp20cm, &ATables::ASoilTemp40cm,
        &ATables::ASoilTemp80cm,   &ATables::ASoilTemp160cm, &ATables::ASoilTemp320cm};
    if (element < 1 || element > ElementCount)
        throw ReportError::subscriptOutOfRange();
    // Vapour pressure: means 5/6 and block 57..82; soil: means from 24 and blocks from 250, by depth.
    if (element == Vapour)
        return {tables[0], 5, 56};
    return {tables[element - 1], 24 + 2 * (element - 2), 249 + 26 * (element - 2)};
}

TenDayLayout LayoutOf(int element)
{
    TenDayLayout l;
    l.cellOrigin = 1040;   // 20 twips right of the date column; rules stay on the 1020 grid
    l.columnWidth = 710;
    l.columnCount = 26;
    l.fixedHourStep = 4260;
    l.fixedHourRightOrigin = 1020;
    l.fixedHourLeftOrigin = 310;
    l.withExtremesRow = element == Vapour;
    l.rowHeadingOuterBottom = l.rowHeadingInnerBottom = element == Vapour ? 12990 : 12660;
    l.extremesOrigin = 1020;
    return l;
}

void PrintDayRow(Component& c, const TenDayLayout& l, TextTable& values, int day, double y, Readings readings)
{
    const auto print = [&](const QString& text, int column) { l.PrintValue(c, text, column, y); };
    switch (readings) {
    case Readings::Hourly:
        for (int item = 1; item <= 24; ++item)
            print(FormattedTwoDigits(values(day, item)), item - 1);
        break;
    case Readings::FourTimes:
        // The means then overwrite the last two blanks.
        for (int column = 0; column < l.columnCount; ++column)
            print(QStringLiteral(" "), column);
        for (int h = 0; h < 4; ++h)
            print(values(day, h + 1), TenDayLayout::FixedHourColumns[h]);
        break;
    case Readings::Single14h: {
        // Formatted on a copy: the table keeps the reading as stored.
        QString reading = values(day, 1);
        FormatTwoDigits(reading);
        for (int column = 0; column < 24; ++column)
            print(column == Column14h ? reading : QString(), column);
        break;
    }
    case Readings::EmptyGrid:
        for (int column = 0; column < 24; ++column)
            print(QString(), column);
        break;
    case Readings::Nothing:
        break;
    }
}

void PrintStatisticsRow(Component& c, const TenDayLayout& l, int base, int period, double y, Readings readings)
{
    ATables& t = c.tables;
    const auto print = [&](const QString& text, int column) { l.PrintValue(c, text, column, y); };
    const auto blanks = [&] {
        for (int column = 0; column < l.columnCount; ++column)
            print(QStringLiteral(" "), column);
    };
    switch (readings) {
    case Readings::Hourly:
        for (int k = 1; k <= 26; ++k)
            print(t.ADekadStat(period, base + k), k - 1);
        break;
    case Readings::FourTimes:
        blanks();
        for (int h = 0; h < 4; ++h)
            print(t.ADekadStat(period, base + 1 + h), TenDayLayout::FixedHourColumns[h]);
        print(t.ADekadStat(period, base + 5), MeanOf4Column);
        break;
    case Readings::Single14h:
        blanks();
        print(t.ADekadStat(period, base + 1), Column14h);
        break;
    case Readings::EmptyGrid:
    case Readings::Nothing:
        break;
    }
}

TenDayPage HourlyWithMeansPage(Component& c, int element)
{
    const ElementPage e = ElementOf(element);
    ATables& t = c.tables;
    TextTable& values = t.*e.table;
    const TenDayLayout l = LayoutOf(element);
    const bool vapour = element == Vapour;
    TenDayPage page;
    page.layout = l;
    page.panes.panes = {PaneExtent{1020, 1110, 35, 35}, PaneExtent{19500, 1110, 35, 35},
                        PaneExtent{1020, l.rowHeadingOuterBottom, 35, 35}, PaneExtent{19500, 16200, 35, 0}};
    // The row-heading pane starts blank: it is cleared right after sizing.
    page.panes.panes[2].clearedAfterSizing = true;
    page.headingRules = {{18060, 310, 1110}, {19480, 310, 1160}};
    page.title = Titles.mid(TitleLength * (element - 1), TitleLength);
    page.titleX = 1020;
    page.meanHeadingX = 18060;
    page.meanHeadingWidth = 1420;
    page.columnLabels = CutPieces(ColumnLabels, 3, 26);

    page.dayRow = [&c, &t, &values, l, e, element](int day, double y) {
        PrintDayRow(c, l, values, day, y, DayRowReadings(t, element));
        l.PrintValue(c, t.ADailyStat(day, e.meanOf4Item), MeanOf4Column, y);
        l.PrintValue(c, t.ADailyStat(day, e.meanOf4Item + 1), MeanOf24Column, y);
    };
    page.statisticsRow = [&c, &t, l, e, element](int period, double y) {
        PrintStatisticsRow(c, l, e.dekadBase, period, y, StatisticsReadings(t, element));
    };
    if (vapour) {
        page.bottomRow = [&c, &t, l] {
            l.PrintExtremeCells(c,
                                {QStringLiteral("最大"), t.AMonthStat(15), QStringLiteral("日期"), t.AMonthStat(16),
                                 QStringLiteral("最小"), t.AMonthStat(17), QStringLiteral("日期"), t.AMonthStat(18)},
                                std::vector<double>(8, 1420));
        };
        page.bottomLines = {{1020, 12990, 12380}};
        page.bottomEdges = {{12380, 12660, 13000}};
    }
    page.fixedHourRules = FixedHourRuleSpan{710, 710, 12660};
    page.bodyRules = {{19480, 310, 12660}};
    return page;
}

const bool registered = RegisterRenderer(RendererId::PrintHourlyWithMeans, [](Component& c, const RendererArgs& a) {
    PrintHourlyWithMeans(c, a[0], a[1]);
});

}  // namespace

void PrintHourlyWithMeans(Component& c, std::int16_t element, std::int16_t pageVariant)
{
    const bool known = element >= 1 && element <= ElementCount;
    const QString context = known ? CommaItem(ErrorNames, element) : QString();
    TrapAndReport(c, context, [&] {
        TenDayPage page = HourlyWithMeansPage(c, element);
        page.pageNumber = (pageVariant == 2 ? PageNumbersOfKind2 : PageNumbersOfOtherKinds)[element - 1];
        DrawTenDayPage(c, page);
    });
}

}  // namespace tabulon
