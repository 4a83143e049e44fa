#include "pages/frame/DayTotal.h"
#include "pages/frame/DecadePage.h"
#include "pages/frame/LayoutLiterals.h"
#include "pages/monthly_hourly/WindEvaporationRenderers.h"
#include "toolkit/CloudIcingSymbols.h"
#include "toolkit/PageFrame.h"
#include "toolkit/PageHeading.h"
#include "toolkit/Renderers.h"
#include "toolkit/TextHelpers.h"
#include "report/Component.h"

namespace tabulon {

namespace {

constexpr double DateWidth = 1500;
constexpr double ColumnWidth = 1000;
constexpr double RowHeight = 310;
constexpr double BandTop = 310;
constexpr double TableTop = 1210;
constexpr double TableBottom = 12060;   // top of the bottom block
constexpr double BlockBottom = 12990;
constexpr double PageRight = 19500;

// Columns of the body (left edges).
constexpr double SnowDepthX = 7500;
constexpr double SnowPressureX = 8500;
constexpr double IcingX = 9500;
constexpr double NorthSouthX = 10500;
constexpr double EastWestX = 13500;
constexpr double IcingTemperatureX = 16500;
constexpr double IcingDirectionX = 17500;
constexpr double IcingSpeedX = 18500;

// Rows of the decade layout: the first day of each ten days, then the ten-day rows and the
// month row (the third ten-day row also holds the month extremes, the month row their dates).
const QString BlockTops = QStringLiteral("1210,4620,8030");
const QString StatisticsRows = QStringLiteral("4310,7720,11440,11750");
const QString Rules = QStringLiteral("2760 4310 4620 6170 7720 8030 9580 1144012060");
constexpr double ExtremesY = 11440;
constexpr double DatesY = 11750;

const QString RowLabelLiteral = QStringLiteral(
    "      1      2      3      4      5      6      7      8      9     10上旬计  "
    "       11     12     13     14     15     16     17     18     19     20中旬计  "
    "       21     22     23     24     25     26     27     28     29     30     31下旬计或月极值月合计或日期");

// The bottom block: five groups over 21 columns of AMonthStat items 21 to 41.
const QString BottomLabels = QStringLiteral(
    "1,2,3,4,5,6,≥0.1,≥1.0,≥5.0,≥10.0,≥25.0,≥50.0,≥100.0,≥150.0,降水量,日期,日数,降水量,起止日期,日数,起止日期");
constexpr double BottomLabelY = 12370;
constexpr double BottomValueY = 12680;
constexpr int FirstBottomItem = 21;
constexpr int WetSpellDates = 39;
constexpr int DrySpellDates = 41;

const DecadeFrame Frame{DateWidth, TableTop, TableBottom, RowHeight, BlockTops, StatisticsRows, Rules,
                        RowLabelLiteral, 7, 35};

class PrecipitationEvaporationSnowPage : DecadePageRenderer {
public:
    PrecipitationEvaporationSnowPage(Component& c, std::int16_t pageVariant)
        : DecadePageRenderer(c, Frame)
    {
        page_.cornerRuleBottom = TableTop;
        page_.columnHeadings = [this] { drawHeadingBand(); };
        page_.body = [this] { drawBody(); };
        page_.pageNumber = PageNumberText(pageVariant == 3 ? 16 : 9);
    }

    using DecadePageRenderer::draw;

private:
    void drawHeadingBand()
    {
        cv_.DrawHorizontalLine(0, BandTop, PageRight, lw());
        cv_.DrawHorizontalLine(0, TableTop, PageRight, lw());
        for (double x : {5500.0, SnowDepthX, IcingX, PageRight})
            cv_.DrawVerticalLine(x, BandTop, TableTop, lw());

        cv_.SetFont(11, 1);
        PrintPageHeading(c_);
        cv_.PrintCell(Border::Framed, QStringLiteral("定时降水量(0.1mm)"), 4000, 600, 1500, BandTop);
        const QStringList precipitation = {QStringLiteral("20-8"), QStringLiteral("8-20"), QStringLiteral("合  计"),
                                           QStringLiteral("8-8")};
        for (int j = 0; j < precipitation.size(); ++j)
            cv_.PrintCell(Border::Framed, precipitation[j], ColumnWidth, 300, 1500 + ColumnWidth * j, 910);
        cv_.PrintCell(Border::Framed, QStringLiteral("蒸发量(0.1mm)"), 2000, 600, 5500, BandTop);
        cv_.PrintCell(Border::Framed, QStringLiteral("小  型"), ColumnWidth, 300, 5500, 910);
        cv_.PrintCell(Border::Framed, QStringLiteral("E601B"), ColumnWidth, 300, 6500, 910);
        cv_.PrintWrappedText(Border::Framed, ColumnWidth, 900, SnowDepthX, BandTop, QStringLiteral("雪深  (cm)"), 450, 4);
        PrintSnowPressureHeading(c_, ColumnWidth, 900, SnowPressureX, BandTop, 450);
        cv_.SetFont(11, 1);
        cv_.PrintCell(Border::Framed, QStringLiteral("电   线   积   冰"), 10000, 300, IcingX, BandTop);
        cv_.PrintWrappedText(Border::Framed, ColumnWidth, 600, IcingX, 610, QStringLiteral("现象符号"), 300, 2);
        cv_.PrintCell(Border::Framed, QStringLiteral("南   北"), 3000, 300, NorthSouthX, 610);
        cv_.PrintCell(Border::Framed, QStringLiteral("东   西"), 3000, 300, EastWestX, 610);
        const QStringList measures = {QStringLiteral("直径(mm)"), QStringLiteral("厚度(mm)"), QStringLiteral("重量(g/m)")};
        for (int j = 0; j < 6; ++j)
            cv_.PrintCell(Border::Framed, measures[j % 3], ColumnWidth, 300, NorthSouthX + ColumnWidth * j, 910);
        cv_.PrintWrappedText(Border::Framed, ColumnWidth, 600, IcingTemperatureX, 610, QStringLiteral("气温    (0.1℃)"),
                            300, 6);
        cv_.PrintCell(Border::Framed, QStringLiteral("风向"), ColumnWidth, 600, IcingDirectionX, 610);
        cv_.PrintWrappedText(Border::Framed, ColumnWidth, 600, IcingSpeedX, 610, QStringLiteral("风速      (0.1m/s)"), 300, 8);
    }

    void drawBody()
    {
        const auto cell = [&](const QString& text, double x, double y, double w = ColumnWidth) {
            cells_.value(x, y, w, text);
        };

        cv_.SetFont(9, 1);
        cv_.TextAlign = Align::Right;
        // Precipitation: 20-8, 8-20, the 20-20 total and the 8-8 amount.
        layout_.forEachDay(days_, [&](int d, double y) {
            for (int item = 1; item <= 3; ++item)
                cells_.padded(1500 + ColumnWidth * (item - 1), y, ColumnWidth, t_.APrecipitation(d, item));
            cells_.padded(4500, y, ColumnWidth, t_.ADailyStat(d, 14));
        });
        layout_.forEachStatRow([&](int p, double y) {
            for (int item = 162; item <= 165; ++item)
                cells_.padded(1500 + ColumnWidth * (item - 162), y, ColumnWidth, t_.ADekadStat(p, item));
        });
        // Evaporation: small pan and the E601B total.
        layout_.forEachDay(days_, [&](int d, double y) {
            cells_.padded(5500, y, ColumnWidth, t_.AEvaporation(d, 1));
            cell(FormattedDayTotal(t_.AEvaporationE601B, d), 6500, y);
        });
        layout_.forEachStatRow([&](int p, double y) {
            cells_.padded(5500, y, ColumnWidth, t_.ADekadStat(p, 166));
            cells_.padded(6500, y, ColumnWidth, t_.ADekadStat(p, 167));
        });
        // Snow.
        layout_.forEachDay(days_, [&](int d, double y) {
            cell(t_.ASnow(d, 1), SnowDepthX, y);
            cell(t_.ASnow(d, 2), SnowPressureX, y);
        });
        cell(t_.AMonthStat(42), SnowDepthX, ExtremesY);
        cell(t_.AMonthStat(44), SnowPressureX, ExtremesY);
        cell(t_.AMonthStat(43), SnowDepthX, DatesY);
        cell(t_.AMonthStat(45), SnowPressureX, DatesY);
        // Wire icing: phenomenon, the two diameters, thicknesses and weights, temperature, wind.
        layout_.forEachDay(days_, [&](int d, double y) {
            PrintWireIcingSymbol(c_, t_.AWireIcing(d, 1), WireIcingGlyphs(), ColumnWidth, RowHeight, IcingX, y);
            cv_.SetFont(9, 1);
            for (int item = 2; item <= 8; ++item)
                cell(t_.AWireIcing(d, item), NorthSouthX + ColumnWidth * (item - 2), y);
            const WindCells wind = SplitIcingWind(t_.AWireIcing(d, 9));
            cell(wind.direction, IcingDirectionX, y);
            cell(wind.speed, IcingSpeedX, y);
        });
        PrintWireIcingSymbol(c_, t_.AMonthStat(46), WireIcingGlyphs(), ColumnWidth, RowHeight, IcingX, ExtremesY);
        cv_.SetFont(9, 1);
        const int icingMaxima[] = {47, 48, 49, 51, 52, 53, 55, 56, 57};
        for (int j = 0; j < 9; ++j)
            cell(t_.AMonthStat(icingMaxima[j]), NorthSouthX + ColumnWidth * j, ExtremesY);
        cv_.TextAlign = Align::Centre;
        cell(QStringLiteral("--"), IcingX, DatesY);
        cell(t_.AMonthStat(50), NorthSouthX, DatesY, 3000);
        cell(t_.AMonthStat(54), EastWestX, DatesY, 3000);
        for (double x : {IcingTemperatureX, IcingDirectionX, IcingSpeedX})
            cell(QStringLiteral("--"), x, DatesY);

        PrintBlankDayRows(c_, static_cast<std::int16_t>(ExtremesY), static_cast<std::int16_t>(DateWidth),
                          static_cast<std::int16_t>(ColumnWidth), static_cast<std::int16_t>(RowHeight), 18);
        page_.rules.draw(cv_, 0, PageRight);

        // Bottom block: pentad precipitation, day classes, largest day, longest wet and dry spells.
        cv_.SetFont(11, 1);
        PrintCellRun(cv_, Border::Framed, 0, TableBottom, RowHeight, {4500, 7000, 2286, 3429, 2286},
                     {QStringLiteral("候降水量"), QStringLiteral("各级降水日数"), QStringLiteral("一日最大降水量"),
                      QStringLiteral("最长连续降水日数"), QStringLiteral("最长连续无降水日数")});
        FormatSpellDates(c_, t_.AMonthStat(WetSpellDates));
        FormatSpellDates(c_, t_.AMonthStat(DrySpellDates));
        std::vector<int> widths(6, 750);
        widths.insert(widths.end(), 8, 875);
        widths.insert(widths.end(), 7, 1143);
        QStringList values;
        for (int item = FirstBottomItem; item <= DrySpellDates; ++item)
            values << t_.AMonthStat(item);
        PrintCellRun(cv_, Border::Framed, 0, BottomLabelY, RowHeight, widths, CommaList(BottomLabels));
        PrintCellRun(cv_, Border::Framed, 0, BottomValueY, RowHeight, widths, values);

        // The snow and icing columns have no ten-day values.
        for (int p = 1; p <= 2; ++p)
            cells_.repeat(SnowDepthX, statRow(p), ColumnWidth, 12, QStringLiteral("---"));

        for (double x : {5500.0, SnowDepthX, IcingX})
            cv_.DrawVerticalLine(x, BandTop, TableBottom, lw());
        for (double x : {0.0, 4500.0, 11500.0, 13786.0, 17215.0})
            cv_.DrawVerticalLine(x, TableBottom, BlockBottom, lw());
        cv_.DrawVerticalLine(PageRight, BandTop, BlockBottom, lw());
        cv_.DrawHorizontalLine(0, BlockBottom, PageRight, lw());
    }
};

const bool registered = RegisterRenderer(RendererId::PrintPrecipitationEvaporationSnow,
                                         [](Component& c, const RendererArgs& a) {
                                             PrintPrecipitationEvaporationSnow(c, a[0]);
                                         });

}  // namespace

void PrintPrecipitationEvaporationSnow(Component& c, std::int16_t pageVariant)
{
    TrapAndReport(c, QStringLiteral("打印定时降水量、蒸发量、雪深、雪压、电线积冰"),
                  [&] { PrecipitationEvaporationSnowPage(c, pageVariant).draw(); });
}

}  // namespace tabulon
