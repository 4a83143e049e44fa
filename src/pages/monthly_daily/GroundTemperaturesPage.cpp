#include "pages/monthly_daily/GroundTemperaturesPage.h"

#include "pages/frame/DecadePage.h"
#include "pages/frame/LayoutLiterals.h"
#include "toolkit/Canvas.h"
#include "toolkit/PageHeading.h"
#include "toolkit/Renderers.h"
#include "toolkit/TextHelpers.h"
#include "report/Component.h"

#include <array>

namespace tabulon {

namespace {

const QString ErrorContext = QStringLiteral("地温(0cm-40cm)、14时深层地温");

constexpr double CornerWidth = 915;
constexpr double RowHeight = 330;
constexpr double HeadingTop = 310;
constexpr double DepthHeadingTop = 610;
constexpr double CaptionTop = 910;
constexpr double BodyTop = 1210;
constexpr double ExtremesRow = 12760;
constexpr double TableBottom = 13090;

const DecadeFrame Frame{
    CornerWidth, BodyTop, TableBottom, RowHeight, QStringLiteral("1210,4840,8470"),
    QStringLiteral("4510,8140,12100,12430"), QStringLiteral("2860 4510 4840 6490 8140 8470 10120121001276013090"),
    QStringLiteral("   1   2   3   4   5   6   7   8   9  10上旬平均  11  12  13  14  15  16  17  18  19  20中旬平均"
                   "  21  22  23  24  25  26  27  28  29  30  31下旬平均 月平均 月极值"),
    4, 36};
const QString Captions =
    QStringLiteral("2 8 1420平均最高最低2 8 1420平均2 8 1420平均2 8 1420平均2 8 1420平均2 8 1420平均");
constexpr int CaptionCount = 32;
const QString DeepCaptions = QStringLiteral("0.8m1.6m3.2m");
const QString ExtremesWidths = QStringLiteral("21241062159310621593106215931062159331862655");

constexpr double ColumnWidth = 531;
const ColumnRun Columns{CornerWidth, ColumnWidth};   // 35 columns
constexpr int ColumnCount = 35;

// The ground surface: four hours, the daily mean, maximum and minimum.
constexpr int SurfaceDailyMean = 22;    // ADailyStat
constexpr int SurfaceDekadBase = 221;   // ADekadStat(period, base + column), 7 columns

// A soil depth read at the four hours: five columns from its first.
struct SoilDepth {
    int firstColumn;
    QString heading;
    TextTable ReportTables::*table;
    int dailyMean;    // ADailyStat
    int dekadBase;    // ADekadStat(period, base + column)
};
const std::array<SoilDepth, 5> SoilDepths{{
    {8, QStringLiteral("5cm"), &ReportTables::ASoilTemp5cm, 24, 249},
    {13, QStringLiteral("10cm"), &ReportTables::ASoilTemp10cm, 26, 275},
    {18, QStringLiteral("15cm"), &ReportTables::ASoilTemp15cm, 28, 301},
    {23, QStringLiteral("20cm"), &ReportTables::ASoilTemp20cm, 30, 327},
    {28, QStringLiteral("40cm"), &ReportTables::ASoilTemp40cm, 32, 353},
}};

// The deep soil, read once at 14 h.
struct DeepSoil {
    TextTable ReportTables::*table;
    int dekadItem;
};
constexpr int FirstDeepColumn = 33;
const std::array<DeepSoil, 3> DeepSoils{{
    {&ReportTables::ASoilTemp80cm, 380},
    {&ReportTables::ASoilTemp160cm, 406},
    {&ReportTables::ASoilTemp320cm, 432},
}};

int PageNumberOf(int stationKind)
{
    switch (stationKind) {
    case ReferenceManualGround: return 22;
    case AutomaticManualGround: return 15;
    default: return 7;
    }
}

class GroundTemperaturesPage : DecadePageRenderer {
public:
    explicit GroundTemperaturesPage(Component& c)
        : DecadePageRenderer(c, Frame)
    {
        page_.cornerRuleBottom = BodyTop;
        page_.columnHeadings = [this] { drawColumnHeadings(); };
        page_.body = [this] { drawBody(); };
        page_.pageNumber = PageNumberText(PageNumberOf(c.state.StationKind));
    }

    using DecadePageRenderer::draw;

private:
    static double depthX(const SoilDepth& depth) { return Columns.x(depth.firstColumn); }
    static double deepX() { return Columns.x(FirstDeepColumn); }

    void drawColumnHeadings()
    {
        cv_.DrawHorizontalLine(0, HeadingTop, LogicalPageWidth, lw());
        cv_.DrawHorizontalLine(0, BodyTop, LogicalPageWidth, lw());
        for (const SoilDepth& depth : SoilDepths)
            cv_.DrawVerticalLine(depthX(depth), DepthHeadingTop, 1200, lw());
        cv_.DrawVerticalLine(deepX(), HeadingTop, 1200, lw());
        cv_.DrawVerticalLine(LogicalPageWidth, HeadingTop, 1200, lw());
        cv_.SetFont(11, 1);
        PrintPageHeading(c_);
        cv_.PrintCell(-1, QStringLiteral("地              面      (0.1℃)"), deepX() - CornerWidth, 300, CornerWidth,
                      HeadingTop);
        cv_.PrintCell(-1, QStringLiteral("地面(0cm) "), 7 * ColumnWidth, 300, CornerWidth, DepthHeadingTop);
        for (const SoilDepth& depth : SoilDepths)
            cv_.PrintCell(-1, depth.heading, 5 * ColumnWidth, 300, depthX(depth), DepthHeadingTop);
        const QStringList captions = CutPieces(Captions, 2, CaptionCount);
        for (int i = 0; i < CaptionCount; ++i)
            cv_.PrintCell(-1, captions.at(i), ColumnWidth, 300, Columns.x(i + 1), CaptionTop);
        cv_.PrintWrappedText(-1, 3 * ColumnWidth, 600, deepX(), HeadingTop, QStringLiteral("14时深层地温 (0.1℃)"), 300, 8);
        for (int j = 0; j < 3; ++j)
            cv_.PrintCell(-1, FixedWidthPiece(DeepCaptions, j, 4), ColumnWidth, 300, deepX() + ColumnWidth * j,
                          CaptionTop);
    }

    void drawBody()
    {
        cv_.SetFont(9, 1);
        cv_.TextAlign = 2;
        layout_.forEachDay(days_, [&](int d, double y) { drawDay(d, y); });
        layout_.forEachStatRow([&](int period, double y) { drawMeans(period, y); });
        cv_.TextAlign = 0;
        PrintBlankDayRows(c_, static_cast<std::int16_t>(layout_.statRows.at(2)), CornerWidth, ColumnWidth,
                          RowHeight, ColumnCount);
        drawBodyRules();
        drawExtremesLine();
    }

    void put(int column, double y, QString& cell) { cells_.padded(Columns.x(column), y, ColumnWidth, cell); }

    void drawDay(int d, double y)
    {
        TextTable& surface = t_.AGroundTemperature;
        for (int h = 1; h <= 4; ++h)
            put(h, y, surface(d, h));
        put(5, y, t_.ADailyStat(d, SurfaceDailyMean));
        put(6, y, surface(d, 5));
        put(7, y, surface(d, 6));
        for (const SoilDepth& depth : SoilDepths) {
            TextTable& table = t_.*depth.table;
            for (int h = 1; h <= 4; ++h)
                put(depth.firstColumn + h - 1, y, table(d, h));
            put(depth.firstColumn + 4, y, t_.ADailyStat(d, depth.dailyMean));
        }
        for (std::size_t j = 0; j < DeepSoils.size(); ++j)
            put(FirstDeepColumn + static_cast<int>(j), y, (t_.*DeepSoils[j].table)(d, 1));
    }

    void drawMeans(int period, double y)
    {
        for (int col = 1; col <= 7; ++col)
            put(col, y, t_.ADekadStat(period, SurfaceDekadBase + col));
        for (const SoilDepth& depth : SoilDepths)
            for (int col = 1; col <= 5; ++col)
                put(depth.firstColumn + col - 1, y, t_.ADekadStat(period, depth.dekadBase + col));
        for (std::size_t j = 0; j < DeepSoils.size(); ++j)
            put(FirstDeepColumn + static_cast<int>(j), y, t_.ADekadStat(period, DeepSoils[j].dekadItem));
    }

    void drawBodyRules()
    {
        page_.rules.draw(cv_, 0, LogicalPageWidth);
        cv_.DrawVerticalLine(0, HeadingTop, TableBottom, lw());
        cv_.DrawVerticalLine(CornerWidth, HeadingTop, TableBottom, lw());
        for (const SoilDepth& depth : SoilDepths)
            cv_.DrawVerticalLine(depthX(depth), DepthHeadingTop, ExtremesRow, lw());
        cv_.DrawVerticalLine(deepX(), HeadingTop, ExtremesRow, lw());
        cv_.DrawVerticalLine(LogicalPageWidth, HeadingTop, TableBottom, lw());
    }

    // The 月极值 row holds one line of the month's 0 cm extremes across the table.
    void drawExtremesLine()
    {
        cv_.SetFont(11, 1);
        cv_.TextAlign = 0;
        PrintCellRun(cv_, -1, CornerWidth, ExtremesRow, RowHeight, NumberFields(ExtremesWidths, 4),
                     {QStringLiteral("地面(0cm)"), QStringLiteral("最高"), t_.AMonthStat(80), QStringLiteral("日期"),
                      t_.AMonthStat(81), QStringLiteral("最低"), t_.AMonthStat(82), QStringLiteral("日期"),
                      t_.AMonthStat(83), QStringLiteral("地面最低温度≤0.0℃日数"), t_.AMonthStat(84)});
    }

};

[[maybe_unused]] const bool registered = RegisterRenderer(
    RendererId::PrintGroundTemperatures, [](Component& c, const RendererArgs&) { PrintGroundTemperatures(c); });

}  // namespace

void PrintGroundTemperatures(Component& c)
{
    TrapAndReport(c, ErrorContext, [&] { GroundTemperaturesPage(c).draw(); });
}

}  // namespace tabulon
