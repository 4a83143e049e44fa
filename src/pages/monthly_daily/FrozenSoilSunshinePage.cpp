#include "pages/monthly_daily/FrozenSoilSunshinePage.h"

#include "pages/frame/DecadePage.h"
#include "pages/frame/LayoutLiterals.h"
#include "toolkit/Canvas.h"
#include "toolkit/PageHeading.h"
#include "toolkit/Renderers.h"
#include "toolkit/TextHelpers.h"
#include "report/Component.h"

namespace tabulon {

namespace {

const QString ErrorContext = QStringLiteral("打印冻土、日照、海平面气压,草雪面温度");
const QString PageNumbers = QStringLiteral("-8-,-25-,-32-,-24-,-17-");

constexpr double CornerWidth = 1125;
constexpr double RowHeight = 330;
constexpr double HeadingTop = 310;
constexpr double SubHeadingTop = 830;
constexpr double BodyTop = 1110;
constexpr double TableBottom = 12660;

const DecadeFrame Frame{
    CornerWidth, BodyTop, TableBottom, RowHeight, QStringLiteral("1110,4740,8370"),
    QStringLiteral("4410,8040,12000,12330"), QStringLiteral("2760 4410 4740 6390 8040 8370 10020120001233012660"),
    QStringLiteral("1     2     3     4     5     6     7     8     9     10    上旬计、平均11    12    13    14    15    "
                   "16    17    18    19    20    中旬计、平均21    22    23    24    25    26    27    28    29    30    "
                   "31    下旬计、平均月计、平均 月极值"),
    6, 35, 10};
const QString SubHeadings = QStringLiteral(
    "上限   下限   上限   下限   0-1  1-2  2-3  3-4  4-5  5-6  6-7  7-8  8-9  9-10 10-1111-1212-1313-1414-15"
    "15-1616-1717-1818-1919-2020-2121-2222-2323-24合计   2    8    14   20   平均   ");
constexpr int SubHeadingCount = 34;
const QString SunshineClassWidths = QStringLiteral("3675105015751050157521001575525 ");

// Every value column is 525 wide.
constexpr double ColumnWidth = 525;
const ColumnRun FrozenSoil{CornerWidth, ColumnWidth};
const ColumnRun Sunshine{3225, ColumnWidth};        // 24 hours, then the day's total
const ColumnRun SeaLevel{16350, ColumnWidth};       // 02, 08, 14, 20 h and the mean
constexpr double GroundStateX = 18975;
constexpr int SunshineTotalColumn = 25;
constexpr int ValueColumns = 35;

class FrozenSoilSunshinePage : DecadePageRenderer {
public:
    FrozenSoilSunshinePage(Component& c, int stationKind)
        : DecadePageRenderer(c, Frame)
    {
        // The row-heading pane starts blank: this page's labels are drawn on a cleared pane.
        PaneExtent& rowHeadings = page_.panes.panes[2];
        rowHeadings.extraHeight = 0;
        rowHeadings.clearedAfterSizing = true;
        page_.columnHeadings = [this] { drawColumnHeadings(); };
        page_.body = [this] { drawBody(); };
        page_.pageNumber = CommaItem(PageNumbers, stationKind);
    }

    using DecadePageRenderer::draw;

private:

    void drawColumnHeadings()
    {
        cv_.DrawHorizontalLine(0, HeadingTop, LogicalPageWidth, lw());
        cv_.DrawHorizontalLine(0, BodyTop, LogicalPageWidth, lw());
        cv_.DrawVerticalLine(Sunshine.x0, HeadingTop, BodyTop, lw());
        for (double x : {SeaLevel.x0, GroundStateX, LogicalPageWidth})
            cv_.DrawVerticalLine(x, HeadingTop, 1160, lw());
        cv_.SetFont(10, 1);
        cv_.PrintCell(-1, QStringLiteral("冻土深度(cm)"), 2100, 260, FrozenSoil.x0, HeadingTop);
        cv_.PrintCell(-1, QStringLiteral("第一栏"), 1050, 260, FrozenSoil.x(1), 570);
        cv_.PrintCell(-1, QStringLiteral("第二栏"), 1050, 260, FrozenSoil.x(3), 570);
        cv_.SetFont(11, 1);
        cv_.PrintCell(-1, QStringLiteral("日    照    时    数   (0.1h)"), 13125, 520, Sunshine.x0, HeadingTop);
        cv_.PrintCell(-1, QStringLiteral("海平面气压(0.1hpa)"), 2625, 520, SeaLevel.x0, HeadingTop);
        cv_.PrintWrappedText(-1, ColumnWidth, 800, GroundStateX, HeadingTop, QStringLiteral("地面状态"), 400, 2);
        PrintPageHeading(c_);
        cv_.SetFont(9, 1);
        const QStringList labels = CutPieces(SubHeadings, 5, SubHeadingCount);
        for (int i = 0; i < SubHeadingCount; ++i)
            cv_.PrintCell(-1, labels.at(i), ColumnWidth, 280, FrozenSoil.x(i + 1), SubHeadingTop);
    }

    void drawBody()
    {
        cv_.SetFont(9, 1);
        cv_.TextAlign = 2;
        layout_.forEachDay(days_, [&](int d, double y) {
            for (int item = 1; item <= 4; ++item)
                cells_.value(FrozenSoil.x(item), y, ColumnWidth, t_.AFrozenSoil(d, item));
        });
        layout_.forEachDay(days_, [&](int d, double y) {
            for (int h = 1; h <= 24; ++h)
                cells_.padded(Sunshine.x(h), y, ColumnWidth, t_.ASunshine(d, h));
            cells_.padded(Sunshine.x(SunshineTotalColumn), y, ColumnWidth, t_.ASunshine(d, 27));
        });
        layout_.forEachStatRow([&](int period, double y) {
            cells_.value(Sunshine.x(SunshineTotalColumn), y, ColumnWidth, t_.ADekadStat(period, 458));
        });
        cv_.TextAlign = 0;
        layout_.forEachDay(days_, [&](int d, double y) {
            for (int item = 1; item <= 4; ++item)
                cells_.value(SeaLevel.x(item), y, ColumnWidth, t_.ASeaLevelPressure(d, item));
            cells_.value(SeaLevel.x(5), y, ColumnWidth, t_.ADailyStat(d, 40));
        });
        layout_.forEachStatRow([&](int period, double y) {
            for (int col = 1; col <= 5; ++col)
                cells_.value(SeaLevel.x(col), y, ColumnWidth, t_.ADekadStat(period, 458 + col));
        });
        layout_.forEachDay(days_, [&](int d, double y) {
            cells_.value(GroundStateX, y, ColumnWidth, t_.AGroundState(d, 1));
        });
        PrintBlankDayRows(c_, static_cast<std::int16_t>(statRow(3)), CornerWidth, ColumnWidth, RowHeight,
                          ValueColumns);
        drawBodyRules();
        drawFillers();
        drawFrozenSoilMaximum();
        drawSunshineClasses();
    }

    void drawBodyRules()
    {
        page_.rules.draw(cv_, 0, LogicalPageWidth);
        for (double x : {Sunshine.x0, SeaLevel.x0, GroundStateX, LogicalPageWidth})
            cv_.DrawVerticalLine(x, HeadingTop, TableBottom, lw());
    }

    // The frozen-soil columns have no ten-day statistics; the hourly sunshine columns none
    // for any period. The ground-state column gets no statistic cells at all.
    void drawFillers()
    {
        const QString filler = QStringLiteral("--");
        cv_.TextAlign = 0;
        for (int period = 1; period <= 2; ++period)
            cells_.repeat(FrozenSoil.x0, statRow(period), ColumnWidth, 4, filler);
        for (int period = 1; period <= 3; ++period)
            cells_.repeat(Sunshine.x0, statRow(period), ColumnWidth, 24, filler);
    }

    void drawFrozenSoilMaximum()
    {
        cv_.SetFont(11, 1);
        const double wide = 2 * ColumnWidth;
        cells_.heading(FrozenSoil.x(1), statRow(3), wide, QStringLiteral("月最大"));
        cells_.heading(FrozenSoil.x(1), statRow(4), wide, QStringLiteral("日  期"));
        cells_.heading(FrozenSoil.x(3), statRow(3), wide, t_.AMonthStat(85));
        cells_.heading(FrozenSoil.x(3), statRow(4), wide, t_.AMonthStat(86));
    }

    void drawSunshineClasses()
    {
        cv_.SetFont(11, 1);
        const double y = statRow(4);
        const std::vector<int> widths = NumberFields(SunshineClassWidths, 4);
        PrintCellRun(cv_, -1, Sunshine.x0, y, RowHeight, widths,
                     {QStringLiteral("日照量别日数"), QStringLiteral("≥60%"), t_.ASunshineStat(1),
                      QStringLiteral("≤20%"), t_.ASunshineStat(2), QStringLiteral("月日照百分率"),
                      t_.ASunshineStat(3)});
        // The last cell is only framed, so the month's sunshine total stays in view.
        const double x = Sunshine.x(SunshineTotalColumn);
        const double w = widths.back();
        cv_.DrawHorizontalLine(x, y, x + w, 1);
        cv_.DrawHorizontalLine(x, y + RowHeight, x + w, 1);
        cv_.DrawVerticalLine(x, y, y + RowHeight, 1);
        cv_.DrawVerticalLine(x + w, y, y + RowHeight, 1);
    }

};

[[maybe_unused]] const bool registered =
    RegisterRenderer(RendererId::PrintFrozenSoilSunshine,
                     [](Component& c, const RendererArgs& a) { PrintFrozenSoilSunshine(c, a[0]); });

}  // namespace

void PrintFrozenSoilSunshine(Component& c, int stationKind)
{
    TrapAndReport(c, ErrorContext, [&] { FrozenSoilSunshinePage(c, stationKind).draw(); });
}

}  // namespace tabulon
