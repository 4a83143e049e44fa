#include "pages/frame/TenDayPage.h"
#include "pages/monthly_hourly/TenDayRenderers.h"
#include "toolkit/Renderers.h"
#include "report/Component.h"

namespace tabulon {

namespace {

// Hours in page order and the two means, 3 characters each.
const QString CloudColumnLabels =
    QStringLiteral(" 21 22 23 24  1  2  3  4  5  6  7  8  9 10 11 12 13 14 15 16 17 18 19 20 4次24次");
const QString DailyClassLabels = QStringLiteral("0.0-1.9 2.0-8.0 8.1-10.0");
const QString HourClassHeadings =
    QStringLiteral("量别  0-2 3-7 8-10量别  0-2 3-7 8-10量别  0-2 3-7 8-10量别  0-2 3-7 8-10");
constexpr int FixedHours[4] = {2, 8, 14, 20};

constexpr int MeanOf4Column = 24;
constexpr int MeanOf24Column = 25;

// The class block below the month row, and the page's bottom edge.
constexpr double ClassBlockTop = 12660;
constexpr double PageBottom = 13320;

// What tells the total-cloud page from the low-cloud page.
struct CloudElement {
    TextTable ATables::*table;
    int meanOf4Item;   // ADailyStat items of the two daily means
    int meanOf24Item;
    int dekadBase;     // ADekadStat(p, dekadBase + k) is column k
    int classPlane;    // first index of ACloudClassStat
    QString title;
    QString dailyClassLabel;
    QString hourClassLabel;
    int pageNumber;
};

CloudElement ElementOf(bool isTotal)
{
    if (isTotal)
        return {&ATables::ATotalCloud, 9, 10, 109, 1, QStringLiteral("总     云    量      (成)"),
                QStringLiteral("日平均总云量日数(4次)"), QStringLiteral("总云量 出现回数"), 7};
    return {&ATables::ALowCloud, 11, 12, 135, 2, QStringLiteral("低     云    量      (成)"),
            QStringLiteral("日平均低云量日数(4次)"), QStringLiteral("低云量 出现回数"), 8};
}

TenDayLayout CloudLayout()
{
    TenDayLayout l;
    l.cellOrigin = 1040;
    l.columnWidth = 710;
    l.columnCount = 26;
    l.fixedHourStep = 4260;
    l.fixedHourRightOrigin = 1040;
    l.fixedHourLeftOrigin = 330;
    l.rowLabelWidth = 1040;
    l.rowSeparatorEnd = 1040;
    l.rowHeadingOuterBottom = PageBottom;   // the left edge runs on past the class block
    l.rowHeadingInnerBottom = ClassBlockTop;
    l.withExtremesRow = false;
    return l;
}

// Days by daily-mean class on the left, occurrences by class at the four fixed hours on the right.
void PrintClassBlock(Component& c, const CloudElement& e)
{
    Canvas& cv = c.canvas;
    const ATables& t = c.tables;
    constexpr double h = TenDayLayout::RowHeight;
    constexpr double lower = ClassBlockTop + h;
    cv.SetFont(10, 1);
    cv.PrintWrappedText(-1, 1730, 2 * h, 0, ClassBlockTop, e.dailyClassLabel, h, 6);
    cv.PrintCell(-1, QStringLiteral("量别"), 710, h, 1730, ClassBlockTop, 0);
    const QStringList classes = CutPieces(DailyClassLabels, 8, 3);
    for (int m = 0; m < 3; ++m)
        cv.PrintCell(-1, classes[m], 1420, h, 2440 + 1420 * m, ClassBlockTop, 0);
    cv.PrintCell(-1, QStringLiteral("日数"), 710, h, 1730, lower, 0);
    for (int m = 0; m < 3; ++m)
        cv.PrintCell(-1, t.ACloudClassStat(e.classPlane, 5, m + 1), 1420, h, 2440 + 1420 * m, lower, 0);

    cv.PrintWrappedText(-1, 1420, 2 * h, 6700, ClassBlockTop, e.hourClassLabel, h, 4);
    const QStringList headings = CutPieces(HourClassHeadings, 4, 16);
    for (int b = 0; b < 16; ++b)
        cv.PrintCell(-1, headings[b], 710, h, 8120 + 710 * b, ClassBlockTop, 0);
    for (int hour = 0; hour < 4; ++hour) {
        const double x = 8120 + 710 * 4 * hour;
        cv.PrintCell(-1, QString::number(FixedHours[hour]) + QStringLiteral("时"), 710, h, x, lower, 0);
        for (int m = 1; m <= 3; ++m)
            cv.PrintCell(-1, t.ACloudClassStat(e.classPlane, hour + 1, m), 710, h, x + 710 * m, lower, 0);
    }
}

TenDayPage CloudAmountPage(Component& c, bool isTotal)
{
    const CloudElement e = ElementOf(isTotal);
    ATables& t = c.tables;
    const TextTable& values = t.*e.table;
    const TenDayLayout l = CloudLayout();
    TenDayPage page;
    page.layout = l;
    page.panes.panes = {PaneExtent{1020, 1110, 35, 35}, PaneExtent{19500, 1110, 35, 35},
                        PaneExtent{1020, 12660, 35, 35}, PaneExtent{19500, 16200, 35, 35}};
    page.headingRules = {{18080, 310, 1110}, {19500, 310, 1160}};
    page.title = e.title;
    page.meanHeadingX = 18080;
    page.meanHeadingWidth = 1420;
    page.columnLabels = CutPieces(CloudColumnLabels, 3, 26);

    page.dayRow = [&c, &t, &values, l, e](int day, double y) {
        for (int item = 1; item <= 24; ++item)
            l.PrintValue(c, values(day, item), item - 1, y);
        l.PrintValue(c, t.ADailyStat(day, e.meanOf4Item), MeanOf4Column, y);
        l.PrintValue(c, t.ADailyStat(day, e.meanOf24Item), MeanOf24Column, y);
    };
    page.statisticsRow = [&c, &t, l, e](int period, double y) {
        for (int k = 1; k <= 26; ++k)
            l.PrintValue(c, t.ADekadStat(period, e.dekadBase + k), k - 1, y);
    };
    page.bottomRow = [&c, e] { PrintClassBlock(c, e); };
    page.fixedHourRules = FixedHourRuleSpan{710, 710, ClassBlockTop};
    page.bodyRules = {{19500, 310, PageBottom}};
    page.bottomLines = {{0, PageBottom, 19500}};
    page.pageNumber = e.pageNumber;
    page.pageNumberY = 13500;
    return page;
}

const bool registered = RegisterRenderer(RendererId::PrintCloudAmount, [](Component& c, const RendererArgs& a) {
    PrintCloudAmount(c, a[0]);
});

}  // namespace

void PrintCloudAmount(Component& c, std::int16_t isTotal)
{
    // No trap of its own: an error goes up to the dispatcher, which reports it.
    DrawTenDayPage(c, CloudAmountPage(c, isTotal != 0));
}

}  // namespace tabulon
