// The yearly frame: columns, column-to-item maps, month grids, year rows, the month-label
// column, and the panes of every yearly table page.
#include "pages/yearly/YearPage1.h"
#include "pages/yearly/YearPage2.h"
#include "pages/yearly/YearPage3.h"
#include "pages/yearly/YearPage4.h"
#include "pages/yearly/YearTable.h"
#include "pages/yearly/YearlyPage.h"

#include "pages/yearly/YearlyPageTestSupport.h"
#include "toolkit/Canvas.h"

namespace tabulon::test {
namespace {

using YearTableTest = YearlyPageTest;

TEST_F(YearTableTest, ColumnsAndItemMaps)
{
    const YearColumns uniform = YearColumns::uniform(1004, 578, 32);
    EXPECT_EQ(uniform.count(), 32);
    EXPECT_EQ(uniform.x(32), 1004 + 578 * 31);
    EXPECT_EQ(uniform.right(), 19500);
    const YearColumns widths = YearColumns::fromWidths(916, {770, 770, 1207, 770});
    EXPECT_EQ(widths.x(4), 3663);
    EXPECT_EQ(widths.width(3), 1207);
    for (int outside : {0, 5}) {
        try {
            widths.width(outside);
            FAIL() << "no error for column " << outside;
        } catch (const ReportError& e) {
            EXPECT_EQ(e.number(), ErrorNumber::SubscriptOutOfRange);
        }
    }

    const ColumnItems runs(8, {{2, 3, 40}, {6, 6, 9}});
    EXPECT_EQ(runs.itemOf(1), ColumnItems::Filler);
    EXPECT_EQ(runs.itemOf(3), 41);
    EXPECT_EQ(runs.itemOf(6), 9);
    EXPECT_EQ(ColumnItems::offset(25, 83).itemOf(25), 108);
    const ColumnItems some = runs.without({3, 4});
    EXPECT_EQ(some.itemOf(3), ColumnItems::NoCell);
    EXPECT_EQ(some.itemOf(4), ColumnItems::NoCell);
    EXPECT_EQ(some.itemOf(2), 40);
}

TEST_F(YearTableTest, MonthGridAndYearRowsWithFillersBoxesAndOwnColumns)
{
    PositionCodedTables codes = positionCoded();
    const TextTable& stat = c.tables.YMonthStat;
    c.canvas.ShowGridLines = 0;
    YearTable table(YearColumns::uniform(1000, 500, 4), 2000, 300);
    // Column 2 prints its values its own way; its fillers stay plain cells.
    table.printColumnWith(2, [](Canvas& cv, const YearCell& cell) {
        cv.PrintCell(cell.border, u'<' + cell.text + u'>', cell.width, cell.height, cell.x, cell.y);
    });
    const ColumnItems months(4, {{1, 2, 10}, {4, 4, 50}});
    const ColumnItems year = ColumnItems(4, {{1, 1, 10}}).without({3});

    CanvasCallRecorder rec(c.canvas);
    table.PrintMonths(c, months);
    table.PrintYearRow(c, year, 6000, 600);
    PageExpectation page(codes);
    for (int m = 1; m <= 12; ++m)
        page.row(2000 + 300 * (m - 1), {1000, 1500, 2500},
                 {codes(stat, m, 10), u'<' + codes(stat, m, 11) + u'>', codes(stat, m, 50)});
    page.row(6000, {1000, 1500, 2500}, {codes(stat, 13, 10), "---", "---"});
    EXPECT_TRUE(page.only(0, 0, 19500, 16000).matches(rec));
    // Month cells follow the grid lines, year cells are boxed whatever they are.
    EXPECT_TRUE(rec.contains(QStringLiteral("PrintCell(0, \"%1\", 500, 300, 1000, 2000)").arg(codes(stat, 1, 10))));
    EXPECT_TRUE(rec.contains(R"(PrintCell(-1, "---", 500, 600, 1500, 6000))"));
}

TEST_F(YearTableTest, CellsRunThroughThePagesStatementOneByOne)
{
    c.tables.YMonthStat(3, 2) = QStringLiteral("x");
    YearTable table(YearColumns::uniform(0, 100, 2), 0, 100);
    int failures = 0;
    table.runCellsThrough([&](const std::function<void()>& statement) {
        try {
            statement();
        } catch (const ReportError&) {
            ++failures;
        }
    });
    CanvasCallRecorder rec(c.canvas);
    // Item 151 is past the table: each month's second cell fails on its own.
    table.PrintMonths(c, ColumnItems(2, {{1, 1, 2}, {2, 2, 151}}));
    EXPECT_EQ(failures, 12);
    EXPECT_EQ(rec.ofKind(CanvasCall::Kind::PrintCell).size(), 12u);
    EXPECT_TRUE(rec.contains(R"(PrintCell(-1, "x", 100, 100, 0, 200))"));
}

TEST_F(YearTableTest, MonthLabelColumnDrawsRulesHeadingsMonthsAndYearLabels)
{
    const MonthLabelColumn labels{900, 8000, {310, 1510},
                                  {{310, 1200, 1510, 300,
                                    {{QStringLiteral("年合计"), 5110, 300},
                                     {QStringLiteral("年平均或月份"), 5410, 600, 3, 300}}}},
                                  {3000, 5100}};
    c.canvas.ShowGridLines = 0;
    c.canvas.TextAlign = 2;
    CanvasCallRecorder rec(c.canvas);
    labels.Draw(c);
    EXPECT_EQ(rec.strings().mid(0, 3), (QStringList{R"(DrawHorizontalLine(0, 310, 900, 4))",
                                                     R"(DrawHorizontalLine(0, 1510, 900, 4))",
                                                     R"(DrawVerticalLine(0, 310, 8000, 4))"}));
    EXPECT_TRUE(rec.contains(R"(PrintCell(-1, "月 份", 900, 1200, 0, 310))"));
    EXPECT_TRUE(rec.contains(R"(PrintCell(0, "1", 900, 300, 0, 1510))"));
    EXPECT_TRUE(rec.contains(R"(PrintCell(0, "12", 900, 300, 0, 4810))"));
    EXPECT_TRUE(rec.contains(R"(PrintCell(-1, "年合计", 900, 300, 0, 5110))"));
    EXPECT_TRUE(rec.contains(R"(PrintWrappedText(-1, 900, 600, 0, 5410, "年平均或月份", 300, 3))"));
    EXPECT_EQ(rec.strings().last(), R"(DrawHorizontalLine(0, 5100, 900, 4))");
    EXPECT_EQ(c.canvas.TextAlign, 0);
}

// In preview the month labels go to the row-heading pane alone and everything else to the
// body pane; the corner and column-heading panes are collapsed.
TEST_F(YearTableTest, PreviewPanesOfEveryPage)
{
    const struct {
        void (*print)(Component&);
        PaneSize rowHeadings;
        const char* yearLabel;
        const char* number;
    } pages[] = {{PrintYearPage1, {1039, 12895}, "年平均", "-1-"},
                 {PrintYearPage2, {951, 12195}, "年极值", "-2-"},
                 {PrintYearPage3, {1040, 13145}, "年最大", "-3-"},
                 {PrintYearPage4, {1055, 12345}, "年合计", "-4-"}};
    for (const auto& p : pages) {
        SCOPED_TRACE(p.number);
        usePreview("1");
        RecordingPanes fresh;   // each page on panes of its own
        c.setPanes(&fresh);
        p.print(c);
        EXPECT_EQ(fresh.sizes[0].width, 0);
        EXPECT_EQ(fresh.sizes[1].width, 0);
        EXPECT_EQ(fresh.sizes[2], p.rowHeadings);
        EXPECT_EQ(fresh.sizes[3], (PaneSize{19535, 16000}));
        EXPECT_TRUE(fresh.surfaces[2].hasText(QString::fromUtf8(p.yearLabel)));
        EXPECT_TRUE(fresh.surfaces[2].hasText(QStringLiteral("12")));
        EXPECT_FALSE(fresh.surfaces[3].hasText(QString::fromUtf8(p.yearLabel)));
        EXPECT_FALSE(fresh.surfaces[3].hasText(QStringLiteral("月 份")));
        EXPECT_TRUE(fresh.surfaces[3].hasText(QString::fromUtf8(p.number)));
        EXPECT_EQ(c.canvas.OutputTarget, &fresh.surfaces[3]);
        EXPECT_EQ(c.canvas.TextAlign, 0);
        for (const RecordingSurface& s : fresh.surfaces)
            EXPECT_EQ(s.endDocCount(), 0);
    }
    usePreview("0.5");
    PrintYearPage1(c);
    EXPECT_EQ(panes.sizes[3], (PaneSize{9785, 8000}));
}

}  // namespace
}  // namespace tabulon::test
