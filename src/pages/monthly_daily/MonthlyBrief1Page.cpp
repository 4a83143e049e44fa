#include "pages/monthly_daily/MonthlyBriefPages.h"

#include "pages/frame/DecadeCells.h"
#include "pages/frame/FramedPage.h"
#include "pages/frame/LayoutLiterals.h"
#include "pages/frame/ObservationModes.h"
#include "pages/frame/RowLayouts.h"
#include "pages/monthly_daily/BriefTableCells.h"
#include "toolkit/Canvas.h"
#include "toolkit/PageHeading.h"
#include "toolkit/Renderers.h"
#include "toolkit/TextHelpers.h"
#include "report/Component.h"

#include <array>

namespace tabulon {

namespace {

const QString ErrorContext = QStringLiteral("打印月简表第一页");
const QString Title = QStringLiteral("地面气象观测记录月简表(一)");

constexpr double CornerWidth = 921;
constexpr double ColumnWidth = 563;
constexpr double RowHeight = 310;
constexpr double BandTop = 310;
constexpr double BodyTop = 1510;
constexpr double ExtremesTop = 12360;
constexpr double TableBottom = 12980;
constexpr int ColumnCount = 33;

const QString BlockTops = QStringLiteral("1510,4920,8330");
const QString StatisticRows = QStringLiteral("4610,8020,11740,12050");
const QString RuleRows = QStringLiteral("3060,4610,4920,6470,8020,8330,9880,11740,12360,12980");
constexpr int RowLabelCount = 36;

const QString GroupTitles =
    QStringLiteral("本站气压(0.1hpa),,气温(0.1℃),,相对湿度(%),平均云量,蒸发量(0.1mm),地温(0.1℃)");
const QString GroupWidths = QStringLiteral("1689,563,3941,563,2815,1126,1126,6193,563");
const QString SubCaptions = QStringLiteral("平均,最高,最低,,2,8,14,20,平均,最高,最低,,2,8,14,20,平均");
const QString WrappedCaptions = QStringLiteral(
    "总     (0.1成),低     (0.1成),小     型     ,E601  型     ,,,,5     厘米    ,10    厘米    ,"
    "15    厘米    ,20    厘米    ,40    厘米    ,0.8   米     ,1.6   米     ,3.2   米     ");
constexpr double WrappedCaptionsX = 10492;
constexpr double GroundX = 12744;

// The rules between the element blocks, and the right frame.
constexpr std::array<double, 8> BlockRules{2610, 3173, 7114, 7677, 10492, 11618, 12744, 18937};

double ColumnX(int column) { return CornerWidth + ColumnWidth * (column - 1); }

using S = BriefSource;
namespace M = ModeElement;

// The 33 columns, left to right.
std::vector<BriefColumn> MakeColumns()
{
    std::vector<BriefColumn> cols;
    auto add = [&](BriefCell day, BriefCell period, bool whole = false) {
        cols.push_back({ColumnX(int(cols.size()) + 1), day, period, whole});
    };
    add({S::DailyStat, 0, 1}, {S::DekadStat, M::StationPressure, 5, 25});
    add({S::StationPressure, M::StationPressure, 5, 25}, {S::DekadStat, M::StationPressure, 6, 27});
    add({S::StationPressure, M::StationPressure, 6, HourlyMinimum}, {S::DekadStat, M::StationPressure, 7, 28});
    add({S::DailyStat, 0, 40}, {S::DekadStat, 0, 463});
    for (int k = 1; k <= 4; ++k)
        add({S::AirTemperature, M::AirTemperature, k, 6 * k}, {S::DekadStat, M::AirTemperature, 28 + k, 28 + 6 * k});
    add({S::DailyStat, M::AirTemperature, 3, 3}, {S::DekadStat, M::AirTemperature, 33, 53});
    add({S::AirTemperature, M::AirTemperature, 5, 25}, {S::DekadStat, M::AirTemperature, 34, 55});
    add({S::AirTemperature, M::AirTemperature, 6, HourlyMinimum}, {S::DekadStat, M::AirTemperature, 35, 56});
    add({S::DailyStat, 0, 5}, {S::DekadStat, M::VapourPressure, 61, 81});
    for (int k = 1; k <= 4; ++k)
        add({S::RelativeHumidity, M::RelativeHumidity, k, 6 * k},
            {S::DekadStat, M::RelativeHumidity, 82 + k, 82 + 6 * k});
    add({S::DailyStat, M::RelativeHumidity, 7, 7}, {S::DekadStat, M::RelativeHumidity, 87, 107});
    add({S::DailyStat, 0, 9}, {S::DekadStat, M::CloudAmount, 114, 134});
    add({S::DailyStat, 0, 11}, {S::DekadStat, M::CloudAmount, 140, 160});
    add({S::Evaporation, 0, 1}, {S::DekadStat, 0, 166});
    add({S::E601BEvaporation, M::E601BEvaporation, 1, 25}, {S::DekadStat, 0, 167});
    add({S::DailyStat, 0, 22}, {S::DekadStat, M::GroundAndSoil, 226, 246});
    add({S::GroundTemperature, M::GroundAndSoil, 5, 25}, {S::DekadStat, M::GroundAndSoil, 227, 248});
    add({S::GroundTemperature, M::GroundAndSoil, 6, 27}, {S::DekadStat, M::GroundAndSoil, 228, 249});
    for (int i = 0; i < 5; ++i)   // 5, 10, 15, 20, 40 cm
        add({S::DailyStat, 0, 24 + 2 * i}, {S::DekadStat, M::GroundAndSoil, 254 + 26 * i, 274 + 26 * i});
    for (int i = 0; i < 3; ++i)   // 0.8, 1.6, 3.2 m
        add({S::DeepSoil, 0, i}, {S::DekadStat, M::GroundAndSoil, 380 + 26 * i, 404 + 26 * i});
    add({S::Sunshine, 0, 27}, {S::DekadStat, 0, 458}, true);
    return cols;
}

const std::vector<BriefColumn>& Columns()
{
    static const std::vector<BriefColumn> columns = MakeColumns();
    return columns;
}

struct Extreme {
    QString label;
    int value;   // AMonthStat item; its date is the next item
};

const std::array<Extreme, 9> Extremes{{{QStringLiteral("气压最高"), 1},
                                       {QStringLiteral("气压最低"), 3},
                                       {QStringLiteral("气温最高"), 5},
                                       {QStringLiteral("气温最低"), 7},
                                       {QStringLiteral("水汽压最大"), 15},
                                       {QStringLiteral("水汽压最小"), 17},
                                       {QStringLiteral("最小相对湿度"), 19},
                                       {QStringLiteral("地温最高"), 80},
                                       {QStringLiteral("地温最低"), 82}}};
constexpr double ExtremePairWidth = 1328;
constexpr double ExtremeCellWidth = 664;
constexpr double ExtremesEnd = CornerWidth + ExtremePairWidth * 9;   // the frozen-ground days

PaneLayout Panes()
{
    return PaneLayout::of({CornerWidth, BodyTop, PaneMargin, PaneMargin}, {19550, BodyTop, 0, PaneMargin},
                          {CornerWidth, TableBottom, PaneMargin, 0}, {19550, 16200, 0, 0});
}

class MonthlyBrief1Page : BriefPage {
public:
    explicit MonthlyBrief1Page(Component& c)
        : BriefPage(c, DecadeLayout::fromLiterals(BlockTops, StatisticRows, RowHeight),
                    RowRules::decadeRules(RuleRows, 0))
    {
    }

    void draw()
    {
        DrawFramedPage(c_, Panes(),
                       {[this] { DrawCornerPane(c_, CornerWidth, BodyTop, BodyTop); },
                        [this] { drawColumnHeadings(); }, [this] { drawRowHeadings(); },
                        [this] { drawBody(); }});
    }

private:
    void drawColumnHeadings()
    {
        cv_.SetFont(11, 1);
        cv_.PrintCell(Border::None, Title, LogicalPageWidth, BandTop, 0, 0);
        cv_.DrawHorizontalLine(0, BandTop, LogicalPageWidth, lw());
        cv_.DrawHorizontalLine(0, BodyTop, LogicalPageWidth, lw());
        for (double x : BlockRules)
            cv_.DrawVerticalLine(x, BandTop, BodyTop, lw());
        cv_.DrawVerticalLine(LogicalPageWidth, BandTop, BodyTop, lw());
        cv_.SetFont(11, 1);
        PrintPageHeading(c_);

        // Group titles: an empty one leaves its width blank.
        const QStringList titles = CommaList(GroupTitles);
        const std::vector<int> xs = RunningX(int(CornerWidth), CommaNumbers(GroupWidths));
        for (qsizetype i = 0; i < titles.size(); ++i)
            if (!titles[i].isEmpty())
                cv_.PrintCell(Border::Framed, titles[i], xs[std::size_t(i) + 1] - xs[std::size_t(i)], 400,
                              xs[std::size_t(i)], BandTop);

        const QStringList captions = CommaList(SubCaptions);
        for (qsizetype i = 0; i < captions.size(); ++i)
            if (!captions[i].isEmpty())
                cv_.PrintCell(Border::Framed, captions[i], ColumnWidth, 800, ColumnX(int(i) + 1), 710);
        cv_.PrintCell(Border::Framed, QStringLiteral("0厘米"), 3 * ColumnWidth, 400, GroundX, 710);
        for (int i = 0; i < 3; ++i)
            cv_.PrintCell(Border::Framed, captions[i], ColumnWidth, 400, GroundX + ColumnWidth * i, 1110);

        const QStringList wrapped = CommaList(WrappedCaptions);
        for (qsizetype i = 0; i < wrapped.size(); ++i)
            if (!wrapped[i].isEmpty())
                cv_.PrintWrappedText(Border::Framed, ColumnWidth, 800, WrappedCaptionsX + ColumnWidth * double(i), 710,
                                     wrapped[i], 400, 6);
        cv_.PrintWrappedText(Border::Framed, ColumnWidth, 1200, 2610, BandTop,
                             QStringLiteral("平  均    海平面     气  压    (0.1hpa)"), 300, 8);
        cv_.PrintWrappedText(Border::Framed, ColumnWidth, 1200, 7114, BandTop,
                             QStringLiteral("平  均    水汽压     (0.1hpa)"), 400, 8);
        cv_.PrintWrappedText(Border::Framed, ColumnWidth, 1200, 18937, BandTop,
                             QStringLiteral("      日照    （0.1h）"), 400, 6);
    }

    void drawRowHeadings()
    {
        DrawDecadeRowRules(cv_, rules_, CornerWidth, TableBottom);
        cv_.SetFont(11, 1);
        QStringList labels = BriefRowLabels(RowLabelCount);
        // The last row, the month's extremes, is two rows high.
        const QString extremesLabel = labels.takeLast();
        PrintRowLabels(cv_, labels, 0, CornerWidth, BodyTop, RowHeight, Border::Framed);
        cv_.PrintCell(Border::Framed, extremesLabel, CornerWidth, TableBottom - ExtremesTop, 0, ExtremesTop);
    }

    void drawBody()
    {
        rules_.draw(cv_, 0, LogicalPageWidth);
        cv_.SetFont(9, 1);
        cv_.TextAlign = Align::Centre;
        for (const BriefColumn& col : Columns()) {
            layout_.forEachDay(days_, [&](int d, double y) { columnCell(col, col.day, d, y, ColumnWidth); });
            layout_.forEachStatRow([&](int p, double y) { columnCell(col, col.period, p, y, ColumnWidth); });
        }
        PrintBlankDayRows(c_, static_cast<std::int16_t>(layout_.statRows.at(2)), CornerWidth, ColumnWidth,
                          RowHeight, ColumnCount);
        for (double x : BlockRules)
            cv_.DrawVerticalLine(x, BandTop, ExtremesTop, lw());
        cv_.DrawVerticalLine(LogicalPageWidth, BandTop, TableBottom, lw());
        cv_.SetFont(11, 1);
        drawExtremes();
        drawPentads();
        PrintPageNumber(c_, 1);
    }

    // The month's extremes: label over "日期", value over its date; every cell boxed.
    void drawExtremes()
    {
        const double dateRow = ExtremesTop + RowHeight;
        for (std::size_t i = 0; i < Extremes.size(); ++i) {
            const double x = CornerWidth + ExtremePairWidth * double(i);
            cv_.SetFont(11, 1);
            cv_.PrintCell(Border::Framed, Extremes[i].label, ExtremeCellWidth, RowHeight, x, ExtremesTop);
            cv_.PrintCell(Border::Framed, QStringLiteral("日期"), ExtremeCellWidth, RowHeight, x, dateRow);
            cv_.SetFont(9, 1);
            cv_.PrintCell(Border::Framed, t_.AMonthStat(Extremes[i].value), ExtremeCellWidth, RowHeight,
                          x + ExtremeCellWidth, ExtremesTop);
            cv_.PrintCell(Border::Framed, t_.AMonthStat(Extremes[i].value + 1), ExtremeCellWidth, RowHeight,
                          x + ExtremeCellWidth, dateRow);
        }
    }

    // Days with the ground at or below 0.0 ℃, then the six pentad mean temperatures.
    void drawPentads()
    {
        const double height = TableBottom - ExtremesTop;
        const double dateRow = ExtremesTop + RowHeight;
        double x = ExtremesEnd;
        cv_.SetFont(9, 1);
        cv_.PrintWrappedText(Border::Framed, ExtremeCellWidth, height, x, ExtremesTop,
                             QStringLiteral("地面   ≤0.0℃日数   "), 200, 5);
        x += ExtremeCellWidth;
        cv_.PrintCell(Border::Framed, t_.AMonthStat(84), ExtremeCellWidth, height, x, ExtremesTop);
        x += ExtremeCellWidth;
        cv_.PrintWrappedText(Border::Framed, ExtremeCellWidth, height, x, ExtremesTop, QStringLiteral("候平均气 温"),
                             300, 3);
        x += ExtremeCellWidth;
        cv_.PrintCell(Border::Framed, QStringLiteral("候序"), ExtremeCellWidth, RowHeight, x, ExtremesTop);
        cv_.PrintCell(Border::Framed, QStringLiteral("气温"), ExtremeCellWidth, RowHeight, x, dateRow);
        for (int n = 1; n <= 6; ++n) {
            const double px = x + ExtremeCellWidth * n;
            cv_.SetFont(10, 1);
            cv_.PrintCell(Border::Framed, QString::number(n), ExtremeCellWidth, RowHeight, px, ExtremesTop);
            cv_.SetFont(9, 1);
            cv_.PrintCell(Border::Framed, t_.AMonthStat(8 + n), ExtremeCellWidth, RowHeight, px, dateRow);
        }
    }

};

[[maybe_unused]] const bool registered = RegisterRenderer(
    RendererId::PrintMonthlyBrief1, [](Component& c, const RendererArgs&) { PrintMonthlyBrief1(c); });

}  // namespace

void PrintMonthlyBrief1(Component& c)
{
    TrapAndReport(c, ErrorContext, [&] { MonthlyBrief1Page(c).draw(); });
}

}  // namespace tabulon
