// Yearly page one: the two month blocks with their year rows, the maximum-precipitation
// table and its start times, the panes.
#include "pages/yearly/YearPage1.h"

#include "pages/yearly/YearlyPageTestSupport.h"

namespace tabulon::test {
namespace {

constexpr double UpperX = 1004, UpperW = 578, LowerW = 554;
double UpperY(int m) { return 1510 + 350 * (m - 1); }
double LowerY(int m) { return 7610 + 350 * (m - 1); }

class YearPage1Test : public YearlyPageTest {
protected:
    TextTable& maxima() { return c.tables.YMaxPrecipitation; }
    void setParts(int n, const char* month, const char* day, const char* hour, const char* minute)
    {
        maxima()(n, 2) = QString::fromUtf8(month);
        maxima()(n, 3) = QString::fromUtf8(day);
        maxima()(n, 4) = QString::fromUtf8(hour);
        maxima()(n, 5) = QString::fromUtf8(minute);
    }
};

TEST_F(YearPage1Test, WholePageOverPositionCodedTables)
{
    PositionCodedTables codes = positionCoded();
    CanvasCallRecorder rec(c.canvas);
    PrintYearPage1(c);

    PageExpectation page(codes);
    auto yearRow = [&](double y, double width, int columns, int itemBase, std::initializer_list<std::pair<int, int>> ranges) {
        QStringList texts;
        for (int col = 1; col <= columns; ++col) {
            bool mapped = false;
            for (auto [from, to] : ranges)
                mapped = mapped || (col >= from && col <= to);
            texts << (mapped ? codes(stat(), 13, itemBase + col) : QStringLiteral("---"));
        }
        page.row(y, UpperX, width, texts);
    };
    for (int m = 1; m <= 12; ++m) {
        QStringList upper, lower;
        for (int col = 1; col <= 32; ++col)
            upper << codes(stat(), m, col);
        for (int col = 1; col <= 28; ++col)
            lower << codes(stat(), m, 32 + col);
        page.row(UpperY(m), UpperX, UpperW, upper);
        page.row(LowerY(m), UpperX, LowerW, lower);
    }
    yearRow(5710, UpperW, 32, 0, {{4, 7}, {21, 24}, {26, 29}, {31, 32}});
    yearRow(6060, UpperW, 32, 0, {{1, 3}, {8, 8}, {18, 20}, {25, 25}, {30, 30}});
    yearRow(11810, LowerW, 28, 32, {{3, 8}, {18, 18}, {21, 28}});
    yearRow(12160, LowerW, 28, 32, {{19, 20}});
    yearRow(12510, LowerW, 28, 32, {{1, 2}});
    for (int n = 1; n <= 15; ++n) {
        const auto part = [&](int p) { return codes(maxima(), n, p); };
        page.row(LowerY(n), {17200, 17800},
                 {part(1), part(2) + u'月' + part(3) + u'日' + part(4) + u'时' + part(5) + u'分'});
    }
    // Every value cell of both blocks and the maximum-precipitation values.
    page.only(UpperX, 1510, 19500, 6410).only(UpperX, 7610, 16500, 12860).only(17200, 7610, 19500, 12860);
    EXPECT_TRUE(page.matches(rec));
    EXPECT_TRUE(rec.contains(QStringLiteral("PrintCell(-1, \"%1\", 554, 350, 10422, 8310)").arg(codes(stat(), 3, 50))));
    EXPECT_EQ(rec.strings().last(), R"(PrintCell(0, "-1-", 19500, 300, 0, 13200))");
    EXPECT_EQ(surface.endDocCount(), 1);
    EXPECT_TRUE(messages().shown.empty());
}

TEST_F(YearPage1Test, YearRowsAreFramedWithGridLinesOffAndMonthCellsAreNot)
{
    c.canvas.ShowGridLines = 0;
    stat()(13, 4) = QStringLiteral("10321");
    stat()(2, 1) = QString();
    CanvasCallRecorder rec(c.canvas);
    PrintYearPage1(c);
    EXPECT_TRUE(rec.contains(R"(PrintCell(-1, "10321", 578, 350, 2738, 5710))"));
    EXPECT_TRUE(rec.contains(R"(PrintCell(-1, "---", 578, 350, 1004, 5710))"));
    EXPECT_TRUE(rec.contains(R"(PrintCell(0, "", 578, 350, 1004, 1860))"));
    EXPECT_TRUE(rec.contains(R"(PrintCell(0, "12", 1004, 350, 0, 5360))"));
    EXPECT_TRUE(rec.contains(R"(PrintCell(-1, "年平均", 1004, 350, 0, 12510))"));
    EXPECT_TRUE(rec.contains(R"#(PrintCell(-1, "本  站  气  压  (0.1hpa)", 4046, 400, 1004, 310))#"));
}

TEST_F(YearPage1Test, StartTimeOfEachMaximum)
{
    setParts(1, "12", "5", "14", "30");
    setParts(2, "3次", "5", "14", "30");
    setParts(3, "7月", "5", "14", "30");
    setParts(4, "", "5", "14", "30");
    setParts(5, "共3次计", "1", "2", "3");
    CanvasCallRecorder rec(c.canvas);
    PrintYearPage1(c);
    auto startTime = [&](int n) {
        const auto cells = cellsAt(rec, 17800, LowerY(n));
        EXPECT_EQ(cells.size(), 1u) << n;
        return cells.empty() ? QString() : cells[0].text;
    };
    EXPECT_EQ(startTime(1), QStringLiteral("12月5日14时30分"));
    EXPECT_EQ(startTime(2), QStringLiteral("3次"));
    EXPECT_EQ(startTime(3), QStringLiteral("7月"));
    EXPECT_EQ(startTime(4), QString());
    EXPECT_EQ(startTime(5), QStringLiteral("共3次计"));
    EXPECT_TRUE(rec.contains(R"(PrintCell(-1, "", 1700, 350, 17800, 8660))"));
}

TEST_F(YearPage1Test, DurationLabelsRightAlignedAndRulesStopAtTheMaximumTable)
{
    CanvasCallRecorder rec(c.canvas);
    PrintYearPage1(c);
    const auto labels = cellsAt(rec, 16500, 12510);
    ASSERT_EQ(labels.size(), 1u);
    EXPECT_EQ(labels[0].toString(), R"#(PrintCell(-1, "1440(24)", 700, 350, 16500, 12510))#");
    EXPECT_EQ(labels[0].textAlign, 2);
    EXPECT_EQ(cellsAt(rec, 17800, 12510).at(0).textAlign, 0);
    EXPECT_EQ(c.canvas.TextAlign, 0);
    EXPECT_TRUE(rec.contains(R"(DrawHorizontalLine(0, 7600, 16500, 4))"));
    EXPECT_TRUE(rec.contains(R"(DrawHorizontalLine(0, 9700, 16500, 4))"));
    EXPECT_TRUE(rec.contains(R"(DrawHorizontalLine(0, 11800, 19500, 4))"));
    EXPECT_TRUE(rec.contains(R"(DrawVerticalLine(16500, 6410, 12860, 4))"));
}

}  // namespace
}  // namespace tabulon::test
