#include "pages/monthly_daily/MonthlyBriefPages.h"

#include "pages/frame/DecadeCells.h"
#include "pages/frame/FramedPage.h"
#include "pages/frame/LayoutLiterals.h"
#include "pages/frame/ObservationModes.h"
#include "pages/monthly_daily/BriefTableCells.h"
#include "platform/Surface.h"
#include "toolkit/Canvas.h"
#include "toolkit/PageHeading.h"
#include "toolkit/Renderers.h"
#include "toolkit/TextHelpers.h"
#include "toolkit/WeatherSymbols.h"
#include "report/Component.h"

#include <array>

namespace tabulon {

namespace {

const QString ErrorContext = QStringLiteral("打印月简表3 ");
const QString Title = QStringLiteral("气象要素简表");

namespace D = BriefDayTable;
constexpr double ColumnWidth = 900;
constexpr double CornerWidth = ColumnWidth;
constexpr double BandTop = 310;
constexpr double WeatherX = 8100;
constexpr double WeatherWidth = 1500;
constexpr double TableWidth = WeatherX + WeatherWidth;
constexpr int ValueColumns = 8;
constexpr int RowLabelCount = 35;

const QString Headings = QStringLiteral(
    "日平均    气 压    ,日平均    气 温    ,日最高    气 温    ,日最低    气 温    ,日平均    水汽压    ,"
    "日最小    湿 度    ,降水量    (20-20),日照     时数     ,天气现象   摘  要   ");
const QString HumidityFiller = QStringLiteral("----");
const QString WeatherFiller = QStringLiteral("----------");

using S = BriefSource;
namespace M = ModeElement;

double ColumnX(int column) { return CornerWidth + ColumnWidth * (column - 1); }

// The eight value columns; the humidity column has no period value (a filler stands there).
const std::array<BriefColumn, ValueColumns> Columns{{
    {ColumnX(1), {S::DailyStat, 0, 1}, {S::DekadStat, M::StationPressure, 5, 25}},
    {ColumnX(2), {S::DailyStat, 0, 3}, {S::DekadStat, M::AirTemperature, 33, 53}},
    {ColumnX(3), {S::AirTemperature, M::AirTemperature, 5, 25}, {S::DekadStat, M::AirTemperature, 34, 55}},
    {ColumnX(4), {S::AirTemperature, M::AirTemperature, 6, HourlyMinimum}, {S::DekadStat, M::AirTemperature, 35, 56}},
    {ColumnX(5), {S::DailyStat, 0, 5}, {S::DekadStat, M::VapourPressure, 61, 81}},
    {ColumnX(6), {S::RelativeHumidity, M::RelativeHumidity, 5, 25}, {}},
    {ColumnX(7), {S::Precipitation, 0, 3}, {S::DekadStat, 0, 164}},
    {ColumnX(8), {S::Sunshine, 0, 27}, {S::DekadStat, 0, 458}, true},
}};

PaneLayout Panes()
{
    return PaneLayout::of({CornerWidth, D::BodyTop, PaneMargin, PaneMargin},
                          {TableWidth, D::BodyTop, PaneMargin, PaneMargin}, {921, D::Bottom, PaneMargin, PaneMargin},
                          {19550, 16200, 0, 0});
}

class MonthlyBrief3Page : BriefPage {
public:
    explicit MonthlyBrief3Page(Component& c) : BriefPage(c, D::Layout(), D::Rules()) {}

    void draw()
    {
        DrawFramedPage(c_, Panes(),
                       {[this] { drawCorner(); }, [this] { drawColumnHeadings(); }, [this] { drawRowHeadings(); },
                        [this] { drawBody(); }});
    }

private:
    // "项目" above a diagonal, "日期" below it. The diagonal is one plain line on the surface.
    void drawCorner()
    {
        cv_.SetFont(9, 1);
        cv_.PrintCell(Border::None, QStringLiteral("项目"), 600, 600, 300, BandTop);
        cv_.PrintCell(Border::None, QStringLiteral("日期"), 600, 600, 0, 910);
        cv_.target().Line(cv_.deviceX(0), cv_.deviceY(BandTop), cv_.deviceX(CornerWidth), cv_.deviceY(D::BodyTop));
        cv_.DrawHorizontalLine(0, BandTop, CornerWidth, lw());
        cv_.DrawHorizontalLine(0, D::BodyTop, CornerWidth, lw());
        cv_.DrawVerticalLine(0, BandTop, D::BodyTop, lw());
        cv_.DrawVerticalLine(CornerWidth, BandTop, D::BodyTop, lw());
    }

    void drawColumnHeadings()
    {
        cv_.SetFont(11, 1);
        cv_.PrintCell(Border::None, Title, TableWidth, BandTop, 0, 0);
        cv_.DrawHorizontalLine(0, BandTop, TableWidth, lw());
        cv_.DrawHorizontalLine(0, D::BodyTop, TableWidth, lw());
        cv_.DrawVerticalLine(TableWidth, BandTop, D::BodyTop, lw());
        cv_.SetFont(11, 1);
        PrintPageHeading(c_);
        const QStringList headings = CommaList(Headings);
        for (qsizetype v = 0; v < headings.size(); ++v) {
            const double w = v == ValueColumns ? WeatherWidth : ColumnWidth;
            cv_.PrintWrappedText(Border::Framed, w, 1200, ColumnX(int(v) + 1), BandTop, headings[v], 600, 7);
        }
    }

    void drawRowHeadings()
    {
        DrawDecadeRowRules(cv_, rules_, CornerWidth, D::Bottom);
        cv_.SetFont(11, 1);
        PrintRowLabels(cv_, BriefRowLabels(RowLabelCount), 0, CornerWidth, D::BodyTop, D::RowHeight, Border::Framed);
    }

    void drawBody()
    {
        cv_.TextAlign = Align::Right;
        layout_.forEachDay(days_, [&](int d, double y) {
            cv_.SetFont(9, 1);
            for (const BriefColumn& col : Columns)
                columnCell(col, col.day, d, y, ColumnWidth);
            PrintWeatherSummary(c_, t_.ADailyStat(d, 13), WeatherWidth, D::RowHeight, WeatherX, y);
        });
        // The last day's weather leaves the symbol face selected.
        cv_.SetFont(9, 1);
        layout_.forEachStatRow([&](int p, double y) {
            for (const BriefColumn& col : Columns) {
                if (col.period.source == S::None) {
                    cv_.TextAlign = Align::Centre;
                    valueCell(col.x, y, ColumnWidth, HumidityFiller);
                } else {
                    cv_.TextAlign = Align::Right;
                    columnCell(col, col.period, p, y, ColumnWidth);
                }
            }
            cv_.TextAlign = Align::Centre;
            valueCell(WeatherX, y, WeatherWidth, WeatherFiller);
        });
        const auto blankEnd = static_cast<std::int16_t>(layout_.statRows.at(2));
        PrintBlankDayRows(c_, blankEnd, CornerWidth, ColumnWidth, D::RowHeight, ValueColumns);
        PrintBlankDayRows(c_, blankEnd, WeatherX, WeatherWidth, D::RowHeight, 1);
        cv_.TextAlign = Align::Centre;
        rules_.draw(cv_, 0, TableWidth);
        cv_.DrawVerticalLine(TableWidth, BandTop, D::Bottom, lw());
        // The number stands centred under the table, not under the page.
        PrintPageNumber(c_, QStringLiteral("-3-"), 13300, TableWidth);
    }

};

[[maybe_unused]] const bool registered = RegisterRenderer(
    RendererId::PrintMonthlyBrief3, [](Component& c, const RendererArgs&) { PrintMonthlyBrief3(c); });

}  // namespace

void PrintMonthlyBrief3(Component& c)
{
    TrapAndReport(c, ErrorContext, [&] { MonthlyBrief3Page(c).draw(); });
}

}  // namespace tabulon
