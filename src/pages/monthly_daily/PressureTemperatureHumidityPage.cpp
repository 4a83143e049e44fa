#include "pages/monthly_daily/PressureTemperatureHumidityPage.h"

#include "pages/frame/LayoutLiterals.h"
#include "pages/frame/RowLayouts.h"
#include "toolkit/Canvas.h"
#include "toolkit/Numeric.h"
#include "toolkit/PageFrame.h"
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
constexpr double TableBottom = 12950;
constexpr double ExtremesRow = 12310;
constexpr double DatesRow = 12630;
constexpr int ColumnCount = 33;

const QString SubColumnCaptions = QStringLiteral(
    "2 8 1420平均最高最低2 8 1420平均最高最低2 8 14202 8 1420平均2 8 1420平均最小2 8 1420");
const QString RowLabels = QStringLiteral(
    "   1   2   3   4   5   6   7   8   9  10上旬平均  11  12  13  14  15  16  17  18  19  20中旬平均"
    "  21  22  23  24  25  26  27  28  29  30  31下旬平均 月平均 月极值日  期");
constexpr int RowLabelCount = 37;
const QString BlockTops = QStringLiteral("1110,4630,8150");
const QString StatisticRows = QStringLiteral("4310,7830,11670,11990");
const QString RuleRows = QStringLiteral("2710 4310 4630 6230 7830 8150 9750 1167011990123101263012950");

// The rules between the element blocks and the page's right edge.
constexpr std::array<double, 6> BlockEdges{4927, 8854, 11098, 13903, 17269, 19500};

struct Block {
    int firstColumn;   // 1-based among the 33
    int columns;
    QString heading;
};
const Block Pressure{1, 7, QStringLiteral("本站气压(0.1hPa)")};
const Block Temperature{8, 7, QStringLiteral("气温(0.1℃) ")};
const Block WetBulb{15, 4, QStringLiteral("湿球温度(0.1℃)")};
const Block VapourPressure{19, 5, QStringLiteral("水汽压(0.1hPa)")};
const Block RelativeHumidity{24, 6, QStringLiteral("相对湿度(%)")};
const Block DewPoint{30, 4, QStringLiteral("露点温度(0.1℃)")};
const std::array<const Block*, 6> Blocks{&Pressure, &Temperature, &WetBulb, &VapourPressure,
                                         &RelativeHumidity, &DewPoint};

const QString Filler = QStringLiteral("---");

double ColumnX(int column) { return CornerWidth + ColumnWidth * (column - 1); }

PaneLayout Panes()
{
    return PaneLayout::of({CornerWidth, BodyTop, PaneMargin, PaneMargin},
                          {19550, BodyTop, 0, PaneMargin},
                          {CornerWidth, TableBottom, PaneMargin, PaneMargin},
                          {19550, 16200, 0, 0});
}

// Cells of one element block, addressed by the column within the block.
class BlockCells {
public:
    BlockCells(Canvas& cv, const Block& block) : cv_(cv), block_(block) {}

    void value(int column, double y, const QString& text)
    {
        cv_.PrintCell(cv_.ShowGridLines, text, ColumnWidth, RowHeight, ColumnX(block_.firstColumn + column - 1), y);
    }
    // The cell is padded to two digits in its table, then printed.
    void padded(int column, double y, QString& cell)
    {
        FormatTwoDigits(cell);
        value(column, y, cell);
    }
    void fillers(int fromColumn, int toColumn, double y)
    {
        for (int k = fromColumn; k <= toColumn; ++k)
            value(k, y, Filler);
    }

private:
    Canvas& cv_;
    const Block& block_;
};

// Where a block with means and extremes (pressure, temperature) takes its cells.
struct MeanExtremeSource {
    TextTable& day;        // items 1-4 the hours, 5 maximum, 6 minimum
    int dailyMeanItem;     // of ADailyStat
    int dekadBase;         // ADekadStat(period, base + k)
    int monthStatBase;     // AMonthStat base + 1..4: maximum, date, minimum, date
    bool padded;           // values (not dates) go through FormatTwoDigits
};

class PressureTemperatureHumidityPage {
public:
    explicit PressureTemperatureHumidityPage(Component& c)
        : c_(c), cv_(c.canvas), t_(c.tables),
          layout_(DecadeLayout::fromLiterals(BlockTops, StatisticRows, RowHeight)),
          rules_(RowRules::decadeRules(RuleRows)), days_(DaysInMonth(c))
    {
    }

    void draw()
    {
        cv_.TextAlign = 0;
        DrawInPasses(c_, Panes(), [this](Pass pass) {
            switch (pass) {
            case Pass::Corner: DrawCornerPane(c_, CornerWidth, BodyTop, 1160); break;
            case Pass::ColumnHeadings: drawColumnHeadings(); break;
            case Pass::RowHeadings: drawRowHeadings(); break;
            case Pass::Body: drawBody(); break;
            }
        });
        PrintPageNumber(c_, 1);
        EndPrintedPage(c_);
    }

private:
    int lw() const { return cv_.LineWeight; }

    void drawColumnHeadings()
    {
        cv_.DrawHorizontalLine(0, HeadingTop, LogicalPageWidth, lw());
        cv_.DrawHorizontalLine(0, BodyTop, LogicalPageWidth, lw());
        for (double x : BlockEdges)
            cv_.DrawVerticalLine(x, HeadingTop, 1200, lw());
        cv_.SetFont(11, 1);
        PrintPageHeading(c_);
        for (const Block* b : Blocks)
            cv_.PrintCell(-1, b->heading, ColumnWidth * b->columns, 400, ColumnX(b->firstColumn), HeadingTop);
        for (int col = 1; col <= ColumnCount; ++col)
            cv_.PrintCell(-1, FixedWidthPiece(SubColumnCaptions, col - 1, 2), ColumnWidth, 400, ColumnX(col), CaptionTop);
    }

    void drawRowHeadings()
    {
        cv_.DrawVerticalLine(0, HeadingTop, TableBottom, lw());
        cv_.DrawVerticalLine(CornerWidth, HeadingTop, TableBottom, lw());
        rules_.draw(cv_, 0, CornerWidth);
        cv_.SetFont(11, 1);
        PrintRowLabels(cv_, RowLabels, 4, RowLabelCount, 0, CornerWidth, BodyTop, RowHeight, cv_.ShowGridLines);
    }

    void drawBody()
    {
        cv_.SetFont(9, 1);
        cv_.TextAlign = 0;
        drawMeanExtremeBlock(Pressure, {t_.AStationPressure, 1, 0, 0, false});
        cv_.TextAlign = 2;
        drawMeanExtremeBlock(Temperature, {t_.AAirTemperature, 3, 28, 4, true});
        drawWetBulb();
        drawVapourPressure();
        drawRelativeHumidity();
        drawDewPoint();
        PrintBlankDayRows(c_, static_cast<std::int16_t>(layout_.statRows.at(2)), CornerWidth, ColumnWidth,
                          RowHeight, ColumnCount);
        cv_.TextAlign = 0;
        drawBodyRules();
    }

    void drawMeanExtremeBlock(const Block& block, const MeanExtremeSource& src)
    {
        BlockCells cells(cv_, block);
        auto put = [&](int column, double y, QString& cell) {
            if (src.padded)
                cells.padded(column, y, cell);
            else
                cells.value(column, y, cell);
        };
        layout_.forEachDay(days_, [&](int d, double y) {
            for (int k = 1; k <= 4; ++k)
                put(k, y, src.day(d, k));
            put(5, y, t_.ADailyStat(d, src.dailyMeanItem));
            put(6, y, src.day(d, 5));
            put(7, y, src.day(d, 6));
        });
        layout_.forEachStatRow([&](int period, double y) {
            for (int k = 1; k <= 7; ++k)
                put(k, y, t_.ADekadStat(period, src.dekadBase + k));
        });
        cells.fillers(1, 5, ExtremesRow);
        put(6, ExtremesRow, t_.AMonthStat(src.monthStatBase + 1));
        put(7, ExtremesRow, t_.AMonthStat(src.monthStatBase + 3));
        cells.fillers(1, 5, DatesRow);
        cells.value(6, DatesRow, t_.AMonthStat(src.monthStatBase + 2));
        cells.value(7, DatesRow, t_.AMonthStat(src.monthStatBase + 4));
    }

    void drawWetBulb()
    {
        BlockCells cells(cv_, WetBulb);
        layout_.forEachDay(days_, [&](int d, double y) {
            for (int k = 1; k <= 4; ++k)
                cells.padded(k, y, t_.AWetBulb(d, k));
        });
        for (int period = 1; period <= 2; ++period)
            cells.fillers(1, 4, layout_.statRows.at(period - 1));
        drawPentadTemperatures();
    }

    // The six pentad mean temperatures in the wet-bulb block below its ten-day rows:
    // pentads 1-3 in the first column pair, 4-6 in the second.
    void drawPentadTemperatures()
    {
        const double x0 = ColumnX(WetBulb.firstColumn);
        const double top = layout_.statRows.at(3);
        cv_.SetFont(11, 1);
        cv_.TextAlign = 0;
        cv_.PrintCell(-1, QStringLiteral("候平均气温"), ColumnWidth * 4, RowHeight, x0, layout_.statRows.at(2));
        auto labelX = [&](int n) { return x0 + 2 * ColumnWidth * ((n - 1) / 3); };
        auto rowY = [&](int n) { return top + RowHeight * ((n - 1) % 3); };
        for (int n = 1; n <= 6; ++n)
            cv_.PrintCell(-1, QString::number(n), ColumnWidth, RowHeight, labelX(n), rowY(n));
        cv_.SetFont(9, 1);
        cv_.TextAlign = 2;
        for (int n = 1; n <= 6; ++n) {
            QString& cell = t_.AMonthStat(8 + n);
            FormatTwoDigits(cell);
            cv_.PrintCell(cv_.ShowGridLines, cell, ColumnWidth, RowHeight, labelX(n) + ColumnWidth, rowY(n));
        }
    }

    void drawVapourPressure()
    {
        BlockCells cells(cv_, VapourPressure);
        layout_.forEachDay(days_, [&](int d, double y) {
            for (int k = 1; k <= 4; ++k)
                cells.padded(k, y, t_.AVapourPressure(d, k));
            cells.padded(5, y, t_.ADailyStat(d, 5));
        });
        layout_.forEachStatRow([&](int period, double y) {
            for (int k = 1; k <= 5; ++k)
                cells.padded(k, y, t_.ADekadStat(period, 56 + k));
        });
        // The month's extremes stand in four boxed cells of their own across the block.
        const double x0 = ColumnX(VapourPressure.firstColumn);
        auto box = [&](int i, double y, const QString& text) {
            cv_.PrintCell(-1, text, 701, RowHeight, x0 + 701 * i, y);
        };
        box(0, ExtremesRow, QStringLiteral("最大"));
        FormatTwoDigits(t_.AMonthStat(15));
        box(1, ExtremesRow, t_.AMonthStat(15));
        box(2, ExtremesRow, QStringLiteral("最小"));
        FormatTwoDigits(t_.AMonthStat(17));
        box(3, ExtremesRow, t_.AMonthStat(17));
        box(0, DatesRow, QStringLiteral("日期"));
        box(1, DatesRow, t_.AMonthStat(16));
        box(2, DatesRow, QStringLiteral("日期"));
        box(3, DatesRow, t_.AMonthStat(18));
    }

    void drawRelativeHumidity()
    {
        BlockCells cells(cv_, RelativeHumidity);
        layout_.forEachDay(days_, [&](int d, double y) {
            for (int k = 1; k <= 4; ++k)
                cells.value(k, y, t_.ARelativeHumidity(d, k));
            cells.value(5, y, t_.ADailyStat(d, 7));
            cells.value(6, y, t_.ARelativeHumidity(d, 5));
        });
        layout_.forEachStatRow([&](int period, double y) {
            for (int k = 1; k <= 5; ++k)
                cells.value(k, y, t_.ADekadStat(period, 82 + k));
            cv_.TextAlign = 0;
            cells.fillers(6, 6, y);
            cv_.TextAlign = 2;
        });
        cv_.TextAlign = 0;
        cells.fillers(1, 5, ExtremesRow);
        cv_.TextAlign = 2;
        cells.value(6, ExtremesRow, t_.AMonthStat(19));
        cv_.TextAlign = 0;
        cells.fillers(1, 5, DatesRow);
        cv_.TextAlign = 2;
        cells.value(6, DatesRow, t_.AMonthStat(20));
    }

    void drawDewPoint()
    {
        // A station observing 3 times a day has no 02 h dew point: its "-" is shown blank.
        const bool threeObservations = Val(t_.AfilePara(16).toString()) == 3;
        BlockCells cells(cv_, DewPoint);
        layout_.forEachDay(days_, [&](int d, double y) {
            for (int k = 1; k <= 4; ++k) {
                QString& cell = t_.ADewPoint(d, k);
                FormatTwoDigits(cell);
                if (threeObservations && k == 1 && cell == QStringLiteral("-"))
                    cell.clear();
                cells.value(k, y, cell);
            }
        });
        layout_.forEachStatRow([&](int, double y) { cells.fillers(1, 4, y); });
        cells.fillers(1, 4, ExtremesRow);
        cells.fillers(1, 4, DatesRow);
    }

    void drawBodyRules()
    {
        // Left of the pentad table and the vapour-pressure extremes the lower rules stop,
        // since those cells carry their own borders.
        const double pentadTableX = ColumnX(WetBulb.firstColumn);
        rules_.draw(cv_, 0, LogicalPageWidth, [&](int y) {
            const bool underPentadTable = y == layout_.statRows.at(3) || y == ExtremesRow || y == DatesRow;
            return underPentadTable ? pentadTableX : LogicalPageWidth;
        });
        const double vapourX = ColumnX(VapourPressure.firstColumn);
        const double humidityX = ColumnX(RelativeHumidity.firstColumn);
        cv_.DrawHorizontalLine(vapourX, 11990, LogicalPageWidth, lw());
        cv_.DrawHorizontalLine(vapourX, ExtremesRow, LogicalPageWidth, lw());
        cv_.DrawHorizontalLine(humidityX, DatesRow, LogicalPageWidth, lw());
        for (double x : BlockEdges)
            cv_.DrawVerticalLine(x, HeadingTop, TableBottom, lw());
    }

    Component& c_;
    Canvas& cv_;
    ReportTables& t_;
    DecadeLayout layout_;
    RowRules rules_;
    int days_;
};

[[maybe_unused]] const bool registered = RegisterRenderer(RendererId::PrintPressureTemperatureHumidity,
                                         [](Component& c, const RendererArgs&) { PrintPressureTemperatureHumidity(c); });

}  // namespace

void PrintPressureTemperatureHumidity(Component& c)
{
    TrapAndReport(c, ErrorContext, [&] { PressureTemperatureHumidityPage(c).draw(); });
}

}  // namespace tabulon
