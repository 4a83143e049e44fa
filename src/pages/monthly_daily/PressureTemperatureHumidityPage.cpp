#include "pages/monthly_daily/PressureTemperatureHumidityPage.h"

#include "pages/frame/DecadePage.h"
#include "pages/frame/LayoutLiterals.h"
#include "toolkit/Canvas.h"
#include "toolkit/Numeric.h"
#include "toolkit/PageHeading.h"
#include "toolkit/Renderers.h"
#include "toolkit/TextHelpers.h"
#include "report/Component.h"

#include <array>

namespace tabulon {

namespace {

const QString ErrorContext = QStringLiteral("本站气压、气温、湿球、水汽压、相对湿度、露点");

// 33 value columns of one width right of a 1000-twip row-heading column.
constexpr double CornerWidth = 1000;
constexpr double ColumnWidth = 561;
constexpr double RowHeight = 320;
constexpr double HeadingTop = 310;
constexpr double CaptionTop = 710;
constexpr double BodyTop = 1110;
constexpr double ExtremesRow = 12310;
constexpr double DatesRow = 12630;
constexpr int ColumnCount = 33;

const DecadeFrame Frame{
    CornerWidth, BodyTop, 12950, RowHeight, QStringLiteral("1110,4630,8150"),
    QStringLiteral("4310,7830,11670,11990"),
    QStringLiteral("2710 4310 4630 6230 7830 8150 9750 1167011990123101263012950"),
    QStringLiteral("   1   2   3   4   5   6   7   8   9  10上旬平均  11  12  13  14  15  16  17  18  19  20中旬平均"
                   "  21  22  23  24  25  26  27  28  29  30  31下旬平均 月平均 月极值日  期"),
    4, 37};

const QString SubColumnCaptions = QStringLiteral(
    "2 8 1420平均最高最低2 8 1420平均最高最低2 8 14202 8 1420平均2 8 1420平均最小2 8 1420");

// The rules between the element blocks and the page's right edge.
constexpr std::array<double, 6> BlockEdges{4927, 8854, 11098, 13903, 17269, 19500};

// Column k (1-based among the 33) starts at Columns.x(k).
const ColumnRun Columns{CornerWidth, ColumnWidth};

// The first column of each element block and the heading over its columns.
constexpr int PressureColumn = 1;
constexpr int TemperatureColumn = 8;
constexpr int WetBulbColumn = 15;
constexpr int VapourPressureColumn = 19;
constexpr int RelativeHumidityColumn = 24;
constexpr int DewPointColumn = 30;
struct BlockHeading {
    int firstColumn;
    int columns;
    QString text;
};
const std::array<BlockHeading, 6> BlockHeadings{{
    {PressureColumn, 7, QStringLiteral("本站气压(0.1hPa)")},
    {TemperatureColumn, 7, QStringLiteral("气温(0.1℃) ")},
    {WetBulbColumn, 4, QStringLiteral("湿球温度(0.1℃)")},
    {VapourPressureColumn, 5, QStringLiteral("水汽压(0.1hPa)")},
    {RelativeHumidityColumn, 6, QStringLiteral("相对湿度(%)")},
    {DewPointColumn, 4, QStringLiteral("露点温度(0.1℃)")},
}};

// A block with means and extremes (pressure, temperature): seven columns from its first,
// the four hours, the daily mean, the maximum and the minimum.
struct MeanExtremeBlock {
    int firstColumn;
    TextTable ReportTables::*day;   // items 1-4 the hours, 5 maximum, 6 minimum
    int dailyMeanItem;              // of ADailyStat
    int dekadBase;                  // ADekadStat(period, base + k)
    int monthStatBase;              // AMonthStat base + 1..4: maximum, date, minimum, date
    bool padded;                    // values (not dates) go through FormatTwoDigits
};
const MeanExtremeBlock Pressure{PressureColumn, &ReportTables::AStationPressure, 1, 0, 0, false};
const MeanExtremeBlock Temperature{TemperatureColumn, &ReportTables::AAirTemperature, 3, 28, 4, true};

const QString Filler = QStringLiteral("---");

class PressureTemperatureHumidityPage : DecadePageRenderer {
public:
    explicit PressureTemperatureHumidityPage(Component& c)
        : DecadePageRenderer(c, Frame)
    {
        page_.columnHeadings = [this] { drawColumnHeadings(); };
        page_.body = [this] { drawBody(); };
        page_.pageNumber = PageNumberText(1);
    }

    using DecadePageRenderer::draw;

private:

    // Cells addressed by the column within a block that starts at `first`.
    void value(int first, int column, double y, const QString& text)
    {
        cells_.value(Columns.x(first + column - 1), y, ColumnWidth, text);
    }
    void padded(int first, int column, double y, QString& cell)
    {
        cells_.padded(Columns.x(first + column - 1), y, ColumnWidth, cell);
    }
    void fillers(int first, int fromColumn, int toColumn, double y)
    {
        cells_.repeat(Columns.x(first + fromColumn - 1), y, ColumnWidth, toColumn - fromColumn + 1, Filler);
    }

    void drawColumnHeadings()
    {
        cv_.DrawHorizontalLine(0, HeadingTop, LogicalPageWidth, lw());
        cv_.DrawHorizontalLine(0, BodyTop, LogicalPageWidth, lw());
        for (double x : BlockEdges)
            cv_.DrawVerticalLine(x, HeadingTop, 1200, lw());
        cv_.SetFont(11, 1);
        PrintPageHeading(c_);
        for (const BlockHeading& b : BlockHeadings)
            cv_.PrintCell(-1, b.text, ColumnWidth * b.columns, 400, Columns.x(b.firstColumn), HeadingTop);
        for (int col = 1; col <= ColumnCount; ++col)
            cv_.PrintCell(-1, FixedWidthPiece(SubColumnCaptions, col - 1, 2), ColumnWidth, 400, Columns.x(col), CaptionTop);
    }

    void drawBody()
    {
        cv_.SetFont(9, 1);
        cv_.TextAlign = 0;
        drawMeanExtremeBlock(Pressure);
        cv_.TextAlign = 2;
        drawMeanExtremeBlock(Temperature);
        drawWetBulb();
        drawVapourPressure();
        drawRelativeHumidity();
        drawDewPoint();
        PrintBlankDayRows(c_, static_cast<std::int16_t>(page_.statRow(3)), CornerWidth, ColumnWidth,
                          RowHeight, ColumnCount);
        cv_.TextAlign = 0;
        drawBodyRules();
    }

    void drawMeanExtremeBlock(const MeanExtremeBlock& block)
    {
        const int first = block.firstColumn;
        TextTable& day = t_.*block.day;
        auto put = [&](int column, double y, QString& cell) {
            if (block.padded)
                padded(first, column, y, cell);
            else
                value(first, column, y, cell);
        };
        layout_.forEachDay(days_, [&](int d, double y) {
            for (int k = 1; k <= 4; ++k)
                put(k, y, day(d, k));
            put(5, y, t_.ADailyStat(d, block.dailyMeanItem));
            put(6, y, day(d, 5));
            put(7, y, day(d, 6));
        });
        layout_.forEachStatRow([&](int period, double y) {
            for (int k = 1; k <= 7; ++k)
                put(k, y, t_.ADekadStat(period, block.dekadBase + k));
        });
        fillers(first, 1, 5, ExtremesRow);
        put(6, ExtremesRow, t_.AMonthStat(block.monthStatBase + 1));
        put(7, ExtremesRow, t_.AMonthStat(block.monthStatBase + 3));
        fillers(first, 1, 5, DatesRow);
        value(first, 6, DatesRow, t_.AMonthStat(block.monthStatBase + 2));
        value(first, 7, DatesRow, t_.AMonthStat(block.monthStatBase + 4));
    }

    void drawWetBulb()
    {
        layout_.forEachDay(days_, [&](int d, double y) {
            for (int k = 1; k <= 4; ++k)
                padded(WetBulbColumn, k, y, t_.AWetBulb(d, k));
        });
        for (int period = 1; period <= 2; ++period)
            fillers(WetBulbColumn, 1, 4, page_.statRow(period));
        drawPentadTemperatures();
    }

    // The six pentad mean temperatures in the wet-bulb block below its ten-day rows:
    // pentads 1-3 in the first column pair, 4-6 in the second.
    void drawPentadTemperatures()
    {
        const double x0 = Columns.x(WetBulbColumn);
        const double top = page_.statRow(4);
        cv_.SetFont(11, 1);
        cv_.TextAlign = 0;
        cv_.PrintCell(-1, QStringLiteral("候平均气温"), ColumnWidth * 4, RowHeight, x0, page_.statRow(3));
        auto labelX = [&](int n) { return x0 + 2 * ColumnWidth * ((n - 1) / 3); };
        auto rowY = [&](int n) { return top + RowHeight * ((n - 1) % 3); };
        for (int n = 1; n <= 6; ++n)
            cv_.PrintCell(-1, QString::number(n), ColumnWidth, RowHeight, labelX(n), rowY(n));
        cv_.SetFont(9, 1);
        cv_.TextAlign = 2;
        for (int n = 1; n <= 6; ++n)
            cells_.padded(labelX(n) + ColumnWidth, rowY(n), ColumnWidth, t_.AMonthStat(8 + n));
    }

    void drawVapourPressure()
    {
        const int first = VapourPressureColumn;
        layout_.forEachDay(days_, [&](int d, double y) {
            for (int k = 1; k <= 4; ++k)
                padded(first, k, y, t_.AVapourPressure(d, k));
            padded(first, 5, y, t_.ADailyStat(d, 5));
        });
        layout_.forEachStatRow([&](int period, double y) {
            for (int k = 1; k <= 5; ++k)
                padded(first, k, y, t_.ADekadStat(period, 56 + k));
        });
        // The month's extremes stand in four boxed cells of their own across the block.
        const ColumnRun boxes{Columns.x(first), 701};
        FormatTwoDigits(t_.AMonthStat(15));
        FormatTwoDigits(t_.AMonthStat(17));
        for (double y : {ExtremesRow, DatesRow}) {
            const bool extremes = y == ExtremesRow;
            cells_.heading(boxes.x(1), y, boxes.width, extremes ? QStringLiteral("最大") : QStringLiteral("日期"));
            cells_.heading(boxes.x(2), y, boxes.width, t_.AMonthStat(extremes ? 15 : 16));
            cells_.heading(boxes.x(3), y, boxes.width, extremes ? QStringLiteral("最小") : QStringLiteral("日期"));
            cells_.heading(boxes.x(4), y, boxes.width, t_.AMonthStat(extremes ? 17 : 18));
        }
    }

    // A centred filler; the cells around it are right-aligned.
    void centredFillers(int fromColumn, int toColumn, double y)
    {
        cv_.TextAlign = 0;
        fillers(RelativeHumidityColumn, fromColumn, toColumn, y);
        cv_.TextAlign = 2;
    }

    void drawRelativeHumidity()
    {
        const int first = RelativeHumidityColumn;
        layout_.forEachDay(days_, [&](int d, double y) {
            for (int k = 1; k <= 4; ++k)
                value(first, k, y, t_.ARelativeHumidity(d, k));
            value(first, 5, y, t_.ADailyStat(d, 7));
            value(first, 6, y, t_.ARelativeHumidity(d, 5));
        });
        layout_.forEachStatRow([&](int period, double y) {
            for (int k = 1; k <= 5; ++k)
                value(first, k, y, t_.ADekadStat(period, 82 + k));
            centredFillers(6, 6, y);
        });
        centredFillers(1, 5, ExtremesRow);
        value(first, 6, ExtremesRow, t_.AMonthStat(19));
        centredFillers(1, 5, DatesRow);
        value(first, 6, DatesRow, t_.AMonthStat(20));
    }

    void drawDewPoint()
    {
        // A station observing 3 times a day has no 02 h dew point: its "-" is shown blank.
        const bool threeObservations = Val(t_.AfilePara(16).toString()) == 3;
        layout_.forEachDay(days_, [&](int d, double y) {
            for (int k = 1; k <= 4; ++k) {
                QString& cell = t_.ADewPoint(d, k);
                FormatTwoDigits(cell);
                if (threeObservations && k == 1 && cell == QStringLiteral("-"))
                    cell.clear();
                value(DewPointColumn, k, y, cell);
            }
        });
        layout_.forEachStatRow([&](int, double y) { fillers(DewPointColumn, 1, 4, y); });
        fillers(DewPointColumn, 1, 4, ExtremesRow);
        fillers(DewPointColumn, 1, 4, DatesRow);
    }

    void drawBodyRules()
    {
        // Left of the pentad table and the vapour-pressure extremes the lower rules stop,
        // since those cells carry their own borders.
        const double pentadTableX = Columns.x(WetBulbColumn);
        const double pentadTableTop = page_.statRow(4);
        page_.rules.draw(cv_, 0, LogicalPageWidth, [&](int y) {
            const bool underPentadTable = y == pentadTableTop || y == ExtremesRow || y == DatesRow;
            return underPentadTable ? pentadTableX : LogicalPageWidth;
        });
        const double vapourX = Columns.x(VapourPressureColumn);
        const double humidityX = Columns.x(RelativeHumidityColumn);
        cv_.DrawHorizontalLine(vapourX, 11990, LogicalPageWidth, lw());
        cv_.DrawHorizontalLine(vapourX, ExtremesRow, LogicalPageWidth, lw());
        cv_.DrawHorizontalLine(humidityX, DatesRow, LogicalPageWidth, lw());
        for (double x : BlockEdges)
            cv_.DrawVerticalLine(x, HeadingTop, Frame.tableBottom, lw());
    }

};

[[maybe_unused]] const bool registered = RegisterRenderer(RendererId::PrintPressureTemperatureHumidity,
                                         [](Component& c, const RendererArgs&) { PrintPressureTemperatureHumidity(c); });

}  // namespace

void PrintPressureTemperatureHumidity(Component& c)
{
    TrapAndReport(c, ErrorContext, [&] { PressureTemperatureHumidityPage(c).draw(); });
}

}  // namespace tabulon
