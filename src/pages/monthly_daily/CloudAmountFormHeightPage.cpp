#include "pages/monthly_daily/CloudAmountFormHeightPage.h"

#include "pages/frame/DecadePage.h"
#include "pages/frame/LayoutLiterals.h"
#include "toolkit/Canvas.h"
#include "toolkit/CloudIcingSymbols.h"
#include "toolkit/PageHeading.h"
#include "toolkit/Renderers.h"
#include "toolkit/TextHelpers.h"
#include "report/Component.h"

#include <array>

namespace tabulon {

namespace {

const QString ErrorContext = QStringLiteral("打印能见度,天气现象");

constexpr double CornerWidth = 1000;
constexpr double RowHeight = 310;
constexpr double HeadingTop = 310;
constexpr double CaptionTop = 710;
constexpr double BodyTop = 1110;
// Below the second ten-day row the form and height columns give way to the class tables.
constexpr double ClassTablesTop = 11340;
constexpr double ClassTablesBottom = 13200;

const DecadeFrame Frame{
    CornerWidth, BodyTop, 11960, RowHeight, QStringLiteral("1110,4520,7930"), QStringLiteral("4210,7620,11340,11650"),
    QStringLiteral("2660 4210 4520 6070 7620 7930 9480 113401165011960"),
    QStringLiteral("   1   2   3   4   5   6   7   8   9  10上旬平均  11  12  13  14  15  16  17  18  19  20中旬平均"
                   "  21  22  23  24  25  26  27  28  29  30  31下旬平均 月平均 "),
    4, 35};
const QString Captions = QStringLiteral("2 8 1420平均2 8 1420平均2 8 14202 8 1420");
const QString CaptionWidths =
    QStringLiteral("600 600 600 600 600 600 600 600 600 600 2375237523752375750 750 750 750 ");
const QString Filler = QStringLiteral("--------");

// The two cloud amounts: five columns of 600 (the four hours and the daily mean).
struct AmountBlock {
    ColumnRun columns;
    QString heading;
    TextTable ReportTables::*table;
    int dailyMeanItem;   // ADailyStat
    int dekadBase;       // ADekadStat(period, base + column)
};
const AmountBlock TotalCloud{{1000, 600}, QStringLiteral("总云量(成)"), &ReportTables::ATotalCloud, 9, 109};
const AmountBlock LowCloud{{4000, 600}, QStringLiteral("低云量(成)"), &ReportTables::ALowCloud, 11, 135};
const ColumnRun Forms{7000, 2375};
const ColumnRun Heights{16500, 750};

// The class tables below the form and height columns.
const ColumnRun DailyMeanClasses{7000, 792};
const QString DailyMeanClassLabels = QStringLiteral("0.0-1.9 2.0-8.0 8.1-10.00.0-1.9 2.0-8.0 8.1-10.0");
const QString ClassTableLabels = QStringLiteral("总云量 低云量 时间  0-2 3-7 8-10时间  0-2 3-7 8-10");
const QString ClassTableLabelWidths = QStringLiteral("23752375969 969 969 969 969 969 969 969 ");
struct HourCountTable {
    int cloud;   // ACloudClassStat first index: 1 total, 2 low
    ColumnRun columns;   // the 时间 column, then the three classes
    QString caption;
};
const std::array<HourCountTable, 2> HourCountTables{{
    {1, {11750, 969}, QStringLiteral("总云量出现回数")},
    {2, {15625, 969}, QStringLiteral("低云量出现回数")},
}};

class CloudAmountFormHeightPage : DecadePageRenderer {
public:
    CloudAmountFormHeightPage(Component& c, int argument)
        : DecadePageRenderer(c, Frame)
    {
        page_.columnHeadings = [this] { drawColumnHeadings(); };
        page_.body = [this] { drawBody(); };
        page_.pageNumber = PageNumberText(argument == 1 ? 2 : 7);
    }

    using DecadePageRenderer::draw;

private:

    void drawColumnHeadings()
    {
        cv_.DrawHorizontalLine(0, HeadingTop, LogicalPageWidth, lw());
        cv_.DrawHorizontalLine(0, BodyTop, LogicalPageWidth, lw());
        for (double x : {LowCloud.columns.x0, Forms.x0, Heights.x0, LogicalPageWidth})
            cv_.DrawVerticalLine(x, HeadingTop, 1200, lw());
        cv_.SetFont(11, 1);
        PrintPageHeading(c_);
        cv_.PrintCell(-1, TotalCloud.heading, 3000, 400, TotalCloud.columns.x0, HeadingTop);
        cv_.PrintCell(-1, LowCloud.heading, 3000, 400, LowCloud.columns.x0, HeadingTop);
        cv_.PrintCell(-1, QStringLiteral("云        状"), 9500, 400, Forms.x0, HeadingTop);
        cv_.PrintCell(-1, QStringLiteral("云高(m)"), 3000, 400, Heights.x0, HeadingTop);
        PrintCellRun(cv_, -1, TotalCloud.columns.x0, CaptionTop, 400, NumberFields(CaptionWidths, 4),
                     CutPieces(Captions, 2));
    }

    void drawBody()
    {
        cv_.TextAlign = 2;
        cv_.SetFont(9, 1);
        drawAmounts(TotalCloud);
        drawAmounts(LowCloud);
        PrintBlankDayRows(c_, ClassTablesTop, TotalCloud.columns.x0, 600, RowHeight, 10);
        drawForms();
        drawHeights();
        drawClassTables();
        drawBodyRules();
    }

    void drawAmounts(const AmountBlock& block)
    {
        TextTable& day = t_.*block.table;
        layout_.forEachDay(days_, [&](int d, double y) {
            for (int h = 1; h <= 4; ++h)
                cells_.value(block.columns.x(h), y, block.columns.width, day(d, h));
            cells_.value(block.columns.x(5), y, block.columns.width, t_.ADailyStat(d, block.dailyMeanItem));
        });
        layout_.forEachStatRow([&](int period, double y) {
            for (int col = 1; col <= 5; ++col)
                cells_.value(block.columns.x(col), y, block.columns.width, t_.ADekadStat(period, block.dekadBase + col));
        });
    }

    // The first two ten-day rows of the form and height columns hold fillers.
    void fillTenDayRows(const ColumnRun& run)
    {
        cv_.TextAlign = 0;
        for (int period = 1; period <= 2; ++period)
            cells_.repeat(run.x0, statRow(period), run.width, 4, Filler);
    }

    void drawForms()
    {
        cv_.TextAlign = 1;
        layout_.forEachDay(days_, [&](int d, double y) {
            for (int h = 1; h <= 4; ++h) {
                cells_.value(Forms.x(h), y, Forms.width, QString());
                PrintCloudFormString(c_, t_.ACloudForm(d, h), Forms.width, RowHeight, Forms.x(h), y);
            }
        });
        PrintBlankDayRows(c_, ClassTablesTop, Forms.x0, Forms.width, RowHeight, 4);
        fillTenDayRows(Forms);
    }

    void drawHeights()
    {
        cv_.TextAlign = 1;
        layout_.forEachDay(days_, [&](int d, double y) {
            for (int h = 1; h <= 4; ++h)
                cells_.value(Heights.x(h), y, Heights.width, t_.ACloudHeight(d, h));
        });
        PrintBlankDayRows(c_, ClassTablesTop, Heights.x0, Heights.width, RowHeight, 4);
        fillTenDayRows(Heights);
    }

    void drawClassTables()
    {
        cv_.SetFont(11, 1);
        cv_.TextAlign = 0;
        const double labelRow = ClassTablesTop + RowHeight;
        const double firstCountRow = labelRow + RowHeight;
        cells_.heading(Forms.x0, ClassTablesTop, 4750, QStringLiteral("日平均云量量别日数"));
        for (const HourCountTable& table : HourCountTables)
            cells_.heading(table.columns.x0, ClassTablesTop, 3875, table.caption);
        PrintCellRun(cv_, -1, Forms.x0, labelRow, RowHeight, NumberFields(ClassTableLabelWidths, 4),
                     CutPieces(ClassTableLabels, 4));

        // Days of each daily-mean class, total cloud then low cloud.
        const QStringList classLabels = CutPieces(DailyMeanClassLabels, 8);
        for (int i = 0; i < 6; ++i) {
            const int cloud = i / 3 + 1;
            const int cls = i % 3 + 1;
            const double x = DailyMeanClasses.x(i + 1);
            cells_.heading(x, firstCountRow, DailyMeanClasses.width, classLabels.at(i));
            cells_.value(x, firstCountRow + RowHeight, DailyMeanClasses.width, t_.ACloudClassStat(cloud, 5, cls));
        }

        // How often each class occurred at each hour.
        for (const HourCountTable& table : HourCountTables) {
            for (int hour = 1; hour <= 4; ++hour) {
                const double y = firstCountRow + RowHeight * (hour - 1);
                cells_.heading(table.columns.x0, y, table.columns.width, QString::number(6 * hour - 4));
                for (int cls = 1; cls <= 3; ++cls)
                    cells_.value(table.columns.x(cls + 1), y, table.columns.width,
                                 t_.ACloudClassStat(table.cloud, hour, cls));
            }
        }
    }

    void drawBodyRules()
    {
        // The lowest two rules stop where the class tables begin.
        page_.rules.draw(cv_, 0, LogicalPageWidth, [](int y) { return y > ClassTablesTop ? Forms.x0 : LogicalPageWidth; });
        const double hourTablesX = HourCountTables[0].columns.x0;
        cv_.DrawHorizontalLine(Forms.x0, 12580, hourTablesX, lw());
        cv_.DrawHorizontalLine(hourTablesX, ClassTablesBottom, LogicalPageWidth, lw());
        cv_.DrawVerticalLine(LowCloud.columns.x0, HeadingTop, Frame.tableBottom, lw());
        cv_.DrawVerticalLine(Forms.x0, HeadingTop, 12580, lw());
        for (const HourCountTable& table : HourCountTables)
            cv_.DrawVerticalLine(table.columns.x0, ClassTablesTop, ClassTablesBottom, lw());
        cv_.DrawVerticalLine(Heights.x0, HeadingTop, ClassTablesTop, lw());
        cv_.DrawVerticalLine(LogicalPageWidth, HeadingTop, ClassTablesBottom, lw());
    }

};

[[maybe_unused]] const bool registered =
    RegisterRenderer(RendererId::PrintCloudAmountFormHeight,
                     [](Component& c, const RendererArgs& a) { PrintCloudAmountFormHeight(c, a[0]); });

}  // namespace

void PrintCloudAmountFormHeight(Component& c, int argument)
{
    TrapAndReport(c, ErrorContext, [&] { CloudAmountFormHeightPage(c, argument).draw(); });
}

}  // namespace tabulon
