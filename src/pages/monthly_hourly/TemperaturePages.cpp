#include "pages/frame/ObservationModes.h"
#include "pages/frame/TenDayPage.h"
#include "pages/monthly_hourly/TenDayRenderers.h"
#include "toolkit/Renderers.h"
#include "toolkit/TextHelpers.h"
#include "report/Component.h"

namespace tabulon {

namespace {

const QString TemperatureColumnLabels = QStringLiteral(
    " 21 22 23 24  1  2  3  4  5  6  7  8  9 10 11 12 13 14 15 16 17 18 19 20 4次24次 最高 最低");
const QStringList Titles = QStringLiteral(
    "气        温    (0.1℃),地   面   (0cm)   温   度    (0.1℃),草   面   (雪  面)   温    度   (0.1℃)")
                               .split(u',');
const QStringList ErrorNames = QStringLiteral("气温,地面(0cm)温度,草面(雪面)温度").split(u',');

constexpr int MeanOf4Column = 24;
constexpr int MeanOf24Column = 25;
constexpr int MaximumColumn = 26;
constexpr int MinimumColumn = 27;

enum Element { Air = 1, Ground = 2, Grass = 3 };

// How a row is filled: every hour, the four fixed-time readings, or only the daily means.
enum class Readings { Hourly, FourTimes, MeansOnly };

Readings GroundReadings(const QString& mode)
{
    if (IsHourlyLetter(mode))
        return Readings::Hourly;
    return IsFourTimesLetter(mode) ? Readings::FourTimes : Readings::MeansOnly;
}

struct TemperatureElement {
    TextTable ATables::*table;
    int meanOf4Item;       // ADailyStat items of the two daily means
    int meanOf24Item;
    int dekadBase;         // ADekadStat(p, dekadBase + k) is column k
    int monthExtremes;     // first of the four AMonthStat items: maximum, date, minimum, date
    QString bottomLabel;   // ground and grass: the days-with-frost label
    int dayCountItem;      // ground and grass: AMonthStat item of that count
};

TemperatureElement ElementOf(int element)
{
    switch (element) {
    case Air:
        return {&ATables::AAirTemperature, 3, 4, 28, 5, QString(), 0};
    case Ground:
        return {&ATables::AGroundTemperature, 22, 23, 221, 80, QStringLiteral("地面最低温度≤0.0℃日数"), 84};
    case Grass:
        return {&ATables::AGrassTemperature, 20, 21, 193, 75, QStringLiteral("草面最低温度≤0.0℃日数"), 79};
    default:
        throw ReportError::subscriptOutOfRange();
    }
}

int PageNumberOf(int element, int pageVariant)
{
    static const int kind2[3] = {2, 15, 24};
    static const int kind3[3] = {2, 22, 31};
    if (pageVariant == 4)
        return 23;
    if (pageVariant == 5)
        return 16;
    return (pageVariant == 2 ? kind2 : kind3)[element - 1];
}

TenDayPage TemperaturePage(Component& c, int element)
{
    const TemperatureElement e = ElementOf(element);
    Canvas& cv = c.canvas;
    ATables& t = c.tables;
    TextTable& values = t.*e.table;
    const TenDayLayout l;
    TenDayPage page;
    page.layout = l;
    page.panes.panes = {PaneExtent{1020, 1110, 35, 35}, PaneExtent{19500, 1110, 35, 35},
                        PaneExtent{1020, 12990, 35, 50}, PaneExtent{19500, 16200, 35, 0}};
    page.headingRules = {{16860, 310, 1110}, {18180, 310, 1110}, {19500, 310, 1160}};
    page.title = Titles[element - 1];
    page.columnLabels = CutPieces(TemperatureColumnLabels, 3, 28);
    page.firstTwoTierColumn = MaximumColumn;

    page.dayRow = [&c, &t, &values, l, e, element](int day, double y) {
        const auto print = [&](const QString& text, int column) { l.PrintValue(c, text, column, y); };
        const Readings readings = element == Ground ? GroundReadings(t.AfileMode(16)) : Readings::Hourly;
        if (readings == Readings::Hourly) {
            for (int item = 1; item <= 24; ++item)
                print(FormattedTwoDigits(values(day, item)), item - 1);
            print(FormattedTwoDigits(values(day, 25)), MaximumColumn);
            // With an air-temperature mode other than "A" and "B" the day has no minimum to
            // show, so its cell stays empty.
            const int minimumItem =
                element == Air ? HourlyMinimumItem(ModeElement::AirTemperature, t.AfileMode(2)) : 27;
            print(minimumItem ? FormattedTwoDigits(values(day, minimumItem)) : QString(), MinimumColumn);
        } else if (readings == Readings::FourTimes) {
            for (int column = 0; column < l.columnCount; ++column)
                print(QStringLiteral(" "), column);
            for (int h = 0; h < 4; ++h)
                print(FormattedTwoDigits(values(day, h + 1)), TenDayLayout::FixedHourColumns[h]);
            print(FormattedTwoDigits(values(day, 5)), MaximumColumn);
            print(FormattedTwoDigits(values(day, 6)), MinimumColumn);
        }
        print(FormattedTwoDigits(t.ADailyStat(day, e.meanOf4Item)), MeanOf4Column);
        print(FormattedTwoDigits(t.ADailyStat(day, e.meanOf24Item)), MeanOf24Column);
    };

    page.statisticsRow = [&c, &t, l, e, element](int period, double y) {
        const auto print = [&](const QString& text, int column) { l.PrintValue(c, text, column, y); };
        const auto stat = [&](int item) -> const QString& { return FormattedTwoDigits(t.ADekadStat(period, item)); };
        const Readings readings = element == Ground ? GroundReadings(t.AfileMode(16)) : Readings::Hourly;
        if (readings == Readings::Hourly) {
            for (int k = 1; k <= 28; ++k)
                print(stat(e.dekadBase + k), k - 1);
        } else if (readings == Readings::FourTimes) {
            for (int column = 0; column < l.columnCount; ++column)
                print(QString(), column);
            for (int h = 0; h < 4; ++h)
                print(stat(e.dekadBase + 1 + h), TenDayLayout::FixedHourColumns[h]);
            print(stat(e.dekadBase + 5), MeanOf4Column);
            print(QString(), MeanOf24Column);
            print(stat(e.dekadBase + 6), MaximumColumn);
            print(stat(e.dekadBase + 7), MinimumColumn);
        }
    };

    page.bottomRow = [&c, &cv, &t, l, e, element] {
        const double y = l.extremesRowY();
        const double h = TenDayLayout::RowHeight;
        const int m = e.monthExtremes;
        l.PrintExtremeCells(c,
                            {QStringLiteral("最高"), t.AMonthStat(m), QStringLiteral("日期"), t.AMonthStat(m + 1),
                             QStringLiteral("最低"), t.AMonthStat(m + 2), QStringLiteral("日期"), t.AMonthStat(m + 3)},
                            {660, 1320, 660, 1320, 660, 1320, 660, 1320});
        if (element == Air) {
            cv.PrintCell(-1, QStringLiteral("候平均气温(4次)"), 2640, h, 8940, y, 0);
            for (int n = 1; n <= 6; ++n) {
                cv.PrintCell(-1, QStringLiteral("候") + QString::number(n), 660, h, 11580 + 660 * (2 * n - 2), y, 0);
                cv.PrintCell(-1, FormattedTwoDigits(t.AMonthStat(8 + n)), 660, h, 11580 + 660 * (2 * n - 1), y, 0);
            }
        } else {
            cv.PrintCell(-1, e.bottomLabel, 3960, h, 8940, y, 0);
            cv.PrintCell(-1, t.AMonthStat(e.dayCountItem), 1980, h, 12900, y, 0);
        }
    };

    page.columnRules = [&cv, l, element] {
        const int lw = cv.LineWeight;
        for (int i = 1; i <= 4; ++i) {
            // The rule at 8940 is also the left edge of the block beside the month extremes.
            cv.DrawVerticalLine(l.fixedHourRightX(i), 710, i == 2 ? 12990 : 12660, lw);
            cv.DrawVerticalLine(l.fixedHourLeftX(i), 710, 12660, lw);
        }
        cv.DrawVerticalLine(18180, 1110, 12660, lw);
        cv.DrawVerticalLine(19500, 310, element == Air ? 12990 : 12660, lw);
    };
    if (element == Air) {
        page.bottomLines = {{1020, 12990, 19500}};
    } else {
        page.bottomLines = {{1020, 12990, 14880}};
        page.bottomEdges = {{14880, 12660, 12990}};
    }
    return page;
}

const bool registered = RegisterRenderer(RendererId::PrintTemperature, [](Component& c, const RendererArgs& a) {
    PrintTemperature(c, a[0], a[1]);
});

}  // namespace

void PrintTemperature(Component& c, std::int16_t element, std::int16_t pageVariant)
{
    const QString name = element >= 1 && element <= 3 ? ErrorNames[element - 1] : QString();
    TrapAndReport(c, QStringLiteral("打印") + name, [&] {
        TenDayPage page = TemperaturePage(c, element);
        page.pageNumber = PageNumberOf(element, pageVariant);
        DrawTenDayPage(c, page);
    });
}

}  // namespace tabulon
