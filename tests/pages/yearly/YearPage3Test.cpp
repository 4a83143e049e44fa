// Yearly page three: wind statistics by direction, calm and the most frequent direction;
// the month of each direction's maximum shown and kept with "月".
#include "pages/yearly/YearPage3.h"

#include "pages/yearly/YearlyPageTestSupport.h"

namespace tabulon::test {
namespace {

const std::vector<double> ItemOffsets{0, 511, 922, 1333, 1644};
double GroupX(int d) { return 1005 + 2055 * (d <= 9 ? d - 1 : d - 10); }
double MonthY(int d, int m) { return (d <= 9 ? 1910 : 8310) + 300 * (m - 1); }
double YearRowY(int d, int row) { return (d <= 9 ? 5510 : 11910) + 300 * row; }   // row 0, 1, 2

class YearPage3Test : public YearlyPageTest {
protected:
    TextCube& wind() { return c.tables.YWindStat; }
    TextTable& year() { return c.tables.YWindYearRow; }
    static std::vector<double> Xs(double x0, const std::vector<double>& offsets)
    {
        std::vector<double> xs;
        for (double o : offsets)
            xs.push_back(x0 + o);
        return xs;
    }
};

TEST_F(YearPage3Test, WholePageOverPositionCodedTables)
{
    PositionCodedTables codes = positionCoded();
    CanvasCallRecorder rec(c.canvas);
    PrintYearPage3(c);

    PageExpectation page(codes);
    const QString filler = QStringLiteral("---");
    for (int d = 1; d <= 16; ++d) {
        const std::vector<double> xs = Xs(GroupX(d), ItemOffsets);
        for (int m = 1; m <= 12; ++m) {
            QStringList cells;
            for (int item = 1; item <= 5; ++item)
                cells << codes(wind(), m, d, item);
            page.row(MonthY(d, m), xs, cells);
        }
        const auto y = [&](int item) { return codes(year(), d, item); };
        page.row(YearRowY(d, 0), xs, {y(1), y(2), filler, filler, filler});
        page.row(YearRowY(d, 1), xs, {filler, filler, filler, filler, y(5)});
        page.row(YearRowY(d, 2), xs, {filler, filler, y(3), y(4), y(6) + u'月'});
    }
    for (int m = 1; m <= 12; ++m)
        page.row(MonthY(10, m), {15390, 16623, 17445, 18678},
                 {codes(wind(), m, 17, 2), codes(wind(), m, 17, 4), codes(stat(), m, 109), codes(stat(), m, 110)});
    page.row(11910, {15390, 16623}, {codes(year(), 17, 2), filler});
    page.row(12210, {15390, 16623}, {filler, filler});
    page.row(12510, {15390, 16623, 17445, 18678},
             {filler, codes(year(), 17, 4), codes(stat(), 13, 109), codes(stat(), 13, 110)});
    page.only(1005, 1910, 19500, 6710).only(1005, 8310, 17445, 13110).only(17445, 8310, 19500, 11910)
        .only(17445, 12210, 19500, 13110);
    EXPECT_TRUE(page.matches(rec));
    EXPECT_TRUE(rec.contains(QStringLiteral("PrintCell(-1, \"%1\", 311, 300, 14668, 8310)").arg(codes(wind(), 1, 16, 4))));
    EXPECT_EQ(year()(3, 6), codes(year(), 3, 6) + u'月');
    EXPECT_EQ(year()(17, 6), codes(year(), 17, 6));   // calm's month is never read
    EXPECT_EQ(rec.strings().last(), R"(PrintCell(0, "-3-", 19500, 300, 0, 13300))");
    EXPECT_EQ(surface.endDocCount(), 1);
    EXPECT_TRUE(messages().shown.empty());
}

TEST_F(YearPage3Test, HeadingsOfTheDirectionsCalmAndMostFrequent)
{
    CanvasCallRecorder rec(c.canvas);
    PrintYearPage3(c);
    EXPECT_TRUE(rec.contains(R"(PrintCell(-1, "S", 2055, 300, 17445, 610))"));
    EXPECT_TRUE(rec.contains(R"(PrintCell(-1, "NNW", 2055, 300, 13335, 7010))"));
    EXPECT_TRUE(rec.contains(R"(PrintWrappedText(-1, 311, 1000, 14668, 7310, "风向频率", 250, 1))"));
    EXPECT_TRUE(rec.contains(R"(PrintCell(-1, "年最多风向", 1233, 600, 17445, 11910))"));
    EXPECT_TRUE(rec.contains(R"(PrintWrappedText(-1, 822, 1000, 16623, 7310, "风向频率", 500, 2))"));
    EXPECT_TRUE(rec.contains(R"(PrintWrappedText(-1, 1005, 600, 0, 12510, "年平均或月份", 300, 3))"));
    EXPECT_TRUE(rec.contains(R"(DrawVerticalLine(17445, 610, 13110, 4))"));
    EXPECT_EQ(c.canvas.TextAlign, 0);
}

TEST_F(YearPage3Test, MonthOfTheMaximumGetsItsMarkOnceAndAnEmptyCellStaysEmpty)
{
    c.canvas.ShowGridLines = 0;
    year()(1, 6) = QStringLiteral("7");
    year()(2, 6) = QStringLiteral("7月");
    year()(3, 6) = QString();
    const double x5 = 1644;
    for (int draw = 1; draw <= 2; ++draw) {
        SCOPED_TRACE(draw);
        CanvasCallRecorder rec(c.canvas);
        PrintYearPage3(c);
        EXPECT_TRUE(rec.contains(QStringLiteral("PrintCell(-1, \"7月\", 411, 600, %1, 6110)").arg(GroupX(1) + x5)));
        EXPECT_TRUE(rec.contains(QStringLiteral("PrintCell(-1, \"7月\", 411, 600, %1, 6110)").arg(GroupX(2) + x5)));
        // Empty and still framed, with grid lines off as well.
        EXPECT_TRUE(rec.contains(QStringLiteral("PrintCell(-1, \"\", 411, 600, %1, 6110)").arg(GroupX(3) + x5)));
        EXPECT_EQ(year()(1, 6), QStringLiteral("7月"));
        EXPECT_EQ(year()(2, 6), QStringLiteral("7月"));
        EXPECT_EQ(year()(3, 6), QString());
    }
    EXPECT_FALSE(surface.hasText(QStringLiteral("月月")));
    EXPECT_FALSE(surface.hasText(QStringLiteral("7月月")));
}

TEST_F(YearPage3Test, EmptyMonthValuesAreBoxedOnlyWithGridLines)
{
    wind()(2, 1, 1) = QString();
    {
        CanvasCallRecorder rec(c.canvas);
        PrintYearPage3(c);
        EXPECT_TRUE(rec.contains(R"(PrintCell(-1, "", 511, 300, 1005, 2210))"));
    }
    c.canvas.ShowGridLines = 0;
    CanvasCallRecorder rec(c.canvas);
    PrintYearPage3(c);
    EXPECT_TRUE(rec.contains(R"(PrintCell(0, "", 511, 300, 1005, 2210))"));
    EXPECT_TRUE(rec.contains(R"(PrintCell(-1, "---", 511, 300, 1005, 5810))"));
}

}  // namespace
}  // namespace tabulon::test
