// The air, ground and grass temperature pages.
#include "support/PageTestSupport.h"
#include "pages/monthly_hourly/TenDayRenderers.h"

namespace tabulon::test {
namespace {

using TemperaturePagesTest = TenDayPageTest;

TEST_F(TemperaturePagesTest, ValuesAreZeroFilledInTheSharedTable)
{
    ATables& t = c.tables;
    t.AfileMode(2) = QStringLiteral("A");
    t.AAirTemperature(1, 1) = QStringLiteral("5");
    t.AAirTemperature(1, 26) = QStringLiteral("-3");
    t.ADailyStat(1, 3) = QStringLiteral("7");
    t.ADekadStat(1, 29) = QStringLiteral("4");
    t.AMonthStat(5) = QStringLiteral("8");     // month extremes are printed as stored
    t.AMonthStat(9) = QStringLiteral("6");     // first pentad mean
    CanvasCallRecorder rec(c.canvas);
    PrintTemperature(c, 1, 2);
    const auto cell = cellsAt(rec, 1020, 1110);
    ASSERT_EQ(cell.size(), 1u);
    EXPECT_EQ(cell[0].toString(), R"c(PrintCell(-1, "05", 660, 330, 1020, 1110))c");
    EXPECT_EQ(cell[0].textAlign, 2);
    EXPECT_EQ(t.AAirTemperature(1, 1), "05");
    EXPECT_EQ(t.AAirTemperature(1, 26), "-03");
    EXPECT_EQ(t.ADailyStat(1, 3), "07");
    EXPECT_EQ(t.ADekadStat(1, 29), "04");
    EXPECT_EQ(t.AMonthStat(9), "06");
    EXPECT_TRUE(rec.contains(R"c(PrintCell(-1, "8", 1320, 330, 1680, 12660))c"));
    EXPECT_EQ(t.AMonthStat(5), "8");

    // A second drawing sees the rewritten cells and changes nothing more.
    PrintTemperature(c, 1, 2);
    EXPECT_EQ(t.AAirTemperature(1, 1), "05");
    EXPECT_TRUE(boxes().shown.empty());
}

TEST_F(TemperaturePagesTest, AirMinimumByModeLetter)
{
    ATables& t = c.tables;
    t.AAirTemperature(3, 26) = QStringLiteral("-11");
    t.AAirTemperature(3, 27) = QStringLiteral("-22");
    const double y = 1110 + 2 * 330;
    const std::pair<const char*, const char*> cases[] = {{"A", "-11"}, {"B", "-22"}, {"C", ""}, {"", ""}};
    for (const auto& [mode, shown] : cases) {
        t.AfileMode(2) = QString::fromLatin1(mode);
        CanvasCallRecorder rec(c.canvas);
        PrintTemperature(c, 1, 2);
        const auto minimum = cellsAt(rec, 18840, y);
        ASSERT_EQ(minimum.size(), 1u) << mode;
        EXPECT_EQ(minimum[0].text, QString::fromLatin1(shown)) << mode;
    }
    // Grass always takes item 27.
    t.AGrassTemperature(3, 27) = QStringLiteral("-33");
    CanvasCallRecorder rec(c.canvas);
    PrintTemperature(c, 3, 2);
    EXPECT_EQ(cellsAt(rec, 18840, y).at(0).text, "-33");
}

TEST_F(TemperaturePagesTest, GroundHourlyFourTimesAndUnobserved)
{
    ATables& t = c.tables;
    for (int item = 1; item <= 27; ++item)
        t.AGroundTemperature(1, item) = QString::number(100 + item);
    t.ADailyStat(1, 22) = QStringLiteral("5");
    t.ADailyStat(1, 23) = QStringLiteral("6");
    for (int k = 222; k <= 249; ++k)
        t.ADekadStat(1, k) = QString::number(k);
    t.AMonthStat(80) = QStringLiteral("250");
    t.AMonthStat(84) = QStringLiteral("3");

    {
        t.AfileMode(16) = QStringLiteral("B");
        CanvasCallRecorder rec(c.canvas);
        PrintTemperature(c, 2, 2);
        const QStringList day = rowTexts(rec, 1110);
        EXPECT_EQ(day.size(), 28);
        EXPECT_TRUE(day.contains("124"));
        EXPECT_EQ(cellsAt(rec, 18180, 1110).at(0).text, "125");
        EXPECT_EQ(cellsAt(rec, 18840, 1110).at(0).text, "127");
        EXPECT_EQ(cellsAt(rec, 1020, 4410).at(0).text, "222");
        EXPECT_EQ(cellsAt(rec, 18840, 4410).at(0).text, "249");
    }
    {
        t.AfileMode(16) = QStringLiteral("2");
        CanvasCallRecorder rec(c.canvas);
        PrintTemperature(c, 2, 2);
        // 28 framed blanks, then the four readings, the extremes and the two means on top.
        const QStringList day = rowTexts(rec, 1110);
        EXPECT_EQ(day.mid(0, 28), QStringList(28, QStringLiteral(" ")));
        EXPECT_EQ(day.mid(28), (QStringList{"101", "102", "103", "104", "105", "106", "05", "06"}));
        EXPECT_EQ(cellsAt(rec, 4320, 1110).at(1).text, "101");
        EXPECT_EQ(cellsAt(rec, 16200, 1110).at(1).text, "104");
        const QStringList stats = rowTexts(rec, 4410);
        EXPECT_EQ(stats.mid(0, 28), QStringList(28, QString()));
        EXPECT_EQ(stats.mid(28), (QStringList{"222", "223", "224", "225", "226", "", "227", "228"}));
        EXPECT_EQ(cellText(rec, 17520, 4410), "");
    }
    {
        t.AfileMode(16) = QStringLiteral("=");
        CanvasCallRecorder rec(c.canvas);
        PrintTemperature(c, 2, 2);
        EXPECT_EQ(rowTexts(rec, 1110), (QStringList{"05", "06"}));
        for (double y : {4410, 8040, 12000, 12330})
            EXPECT_TRUE(rowTexts(rec, y).isEmpty()) << y;
        EXPECT_TRUE(rec.contains(R"c(PrintCell(-1, "250", 1320, 330, 1680, 12660))c"));
        EXPECT_TRUE(rec.contains(R"c(PrintCell(-1, "地面最低温度≤0.0℃日数", 3960, 330, 8940, 12660))c"));
        EXPECT_TRUE(rec.contains(R"c(PrintCell(-1, "3", 1980, 330, 12900, 12660))c"));
    }
    EXPECT_TRUE(boxes().shown.empty());
}

TEST_F(TemperaturePagesTest, BottomBlockAndItsRules)
{
    ATables& t = c.tables;
    t.AfileMode(2) = QStringLiteral("A");
    {
        CanvasCallRecorder rec(c.canvas);
        PrintTemperature(c, 1, 3);
        EXPECT_TRUE(rec.contains(R"c(PrintCell(-1, "气        温    (0.1℃)", 15840, 400, 1020, 310))c"));
        EXPECT_TRUE(rec.contains(R"c(PrintCell(-1, "日期", 660, 330, 6960, 12660))c"));
        EXPECT_TRUE(rec.contains(R"c(PrintCell(-1, "候平均气温(4次)", 2640, 330, 8940, 12660))c"));
        EXPECT_TRUE(rec.contains(R"c(PrintCell(-1, "候1", 660, 330, 11580, 12660))c"));
        EXPECT_TRUE(rec.contains(R"c(PrintCell(-1, "候6", 660, 330, 18180, 12660))c"));
        EXPECT_EQ(cellsAt(rec, 18840, 12660).size(), 1u);
        EXPECT_TRUE(rec.contains("DrawVerticalLine(8940, 710, 12990, 4)"));
        EXPECT_TRUE(rec.contains("DrawVerticalLine(12900, 710, 12660, 4)"));
        EXPECT_TRUE(rec.contains("DrawVerticalLine(19500, 310, 12990, 4)"));
        EXPECT_TRUE(rec.contains("DrawHorizontalLine(1020, 12990, 19500, 4)"));
        EXPECT_FALSE(rec.contains("DrawVerticalLine(11580, 12660, 13000, 4)"));
    }
    CanvasCallRecorder rec(c.canvas);
    PrintTemperature(c, 3, 4);
    EXPECT_TRUE(rec.contains(R"c(PrintCell(-1, "草   面   (雪  面)   温    度   (0.1℃)", 15840, 400, 1020, 310))c"));
    EXPECT_TRUE(rec.contains(R"c(PrintCell(-1, "草面最低温度≤0.0℃日数", 3960, 330, 8940, 12660))c"));
    EXPECT_TRUE(rec.contains("DrawVerticalLine(19500, 310, 12660, 4)"));
    EXPECT_TRUE(rec.contains("DrawHorizontalLine(1020, 12990, 14880, 4)"));
    EXPECT_TRUE(rec.contains("DrawVerticalLine(14880, 12660, 12990, 4)"));
    EXPECT_TRUE(rec.withText(QStringLiteral("候1")).empty());
}

TEST_F(TemperaturePagesTest, PageNumberForEveryDispatchedCall)
{
    c.tables.AfileMode(2) = QStringLiteral("A");
    c.tables.AfileMode(16) = QStringLiteral("B");
    const struct {
        std::int16_t element, variant;
        const char* number;
    } calls[] = {{1, 2, "-2-"},  {1, 3, "-2-"},  {2, 2, "-15-"}, {2, 3, "-22-"},
                 {3, 2, "-24-"}, {3, 3, "-31-"}, {3, 4, "-23-"}, {3, 5, "-16-"}};
    for (const auto& call : calls) {
        CanvasCallRecorder rec(c.canvas);
        PrintTemperature(c, call.element, call.variant);
        EXPECT_EQ(rec.strings().last(),
                  QStringLiteral(R"c(PrintCell(0, "%1", 19500, 300, 0, 13300))c").arg(QLatin1String(call.number)))
            << call.element << "," << call.variant;
    }
    EXPECT_EQ(surface.endDocCount(), 8);
    EXPECT_TRUE(boxes().shown.empty());
}

TEST_F(TemperaturePagesTest, PreviewPanesAndErrorContext)
{
    FakePanes panes;
    c.setPanes(&panes);
    c.canvas.PrintMode = 0;
    c.tables.AfileMode(2) = QStringLiteral("A");
    PrintTemperature(c, 1, 2);
    EXPECT_EQ(panes.sizes[1].width, 19535);
    EXPECT_EQ(panes.sizes[2].height, 13040);
    EXPECT_EQ(panes.sizes[3].width, 19535);
    EXPECT_TRUE(boxes().shown.empty());

    c.tables.AGroundTemperature.dim({Bounds{1, 31}, Bounds{1, 24}});
    c.tables.AfileMode(16) = QStringLiteral("B");
    PrintTemperature(c, 2, 2);
    ASSERT_EQ(boxes().shown.size(), 1u);
    EXPECT_EQ(boxes().shown[0].title, QStringLiteral("打印地面(0cm)温度"));
}

}  // namespace
}  // namespace tabulon::test

namespace tabulon::test {
namespace {

// Air (mode "A": minimum in item 26) and grass (minimum in item 27) over position codes:
// each reads its own daily means, ten-day statistics and month extremes.
TEST_F(TemperaturePagesTest, WholePagesOverPositionCodedTables)
{
    ATables& t = c.tables;
    t.AfileMode(2) = QStringLiteral("A");
    const PositionCodedTables codes = positionCoded();
    const struct {
        std::int16_t element;
        const TextTable& values;
        int minimumItem, meanOf4, meanOf24, dekadBase, monthExtremes;
    } pages[] = {{1, t.AAirTemperature, 26, 3, 4, 28, 5}, {3, t.AGrassTemperature, 27, 20, 21, 193, 75}};
    for (const auto& e : pages) {
        SCOPED_TRACE(e.element);
        CanvasCallRecorder rec(c.canvas);
        PrintTemperature(c, e.element, 2);

        PageExpectation page(codes);
        for (int d = 1; d <= 31; ++d) {
            QStringList row;
            for (int hour = 1; hour <= 24; ++hour)
                row << codes(e.values, d, hour);
            row << codes(t.ADailyStat, d, e.meanOf4) << codes(t.ADailyStat, d, e.meanOf24)
                << codes(e.values, d, 25) << codes(e.values, d, e.minimumItem);
            page.row(TenDayRowY(d), 1020, 660, row);
        }
        for (int p = 1; p <= 4; ++p) {
            QStringList row;
            for (int k = 1; k <= 28; ++k)
                row << codes(t.ADekadStat, p, e.dekadBase + k);
            page.row(TenDayStatisticsY(p), 1020, 660, row);
        }
        const int m = e.monthExtremes;
        page.row(TenDayExtremesY, {1020, 1680, 3000, 3660, 4980, 5640, 6960, 7620},
                 {"最高", codes(t.AMonthStat, m), "日期", codes(t.AMonthStat, m + 1), "最低",
                  codes(t.AMonthStat, m + 2), "日期", codes(t.AMonthStat, m + 3)});
        if (e.element == 1) {
            page.cell(8940, TenDayExtremesY, QStringLiteral("候平均气温(4次)"));
            for (int n = 1; n <= 6; ++n)
                page.row(TenDayExtremesY, 11580 + 1320 * (n - 1), 660,
                         {QStringLiteral("候") + QString::number(n), codes(t.AMonthStat, 8 + n)});
        } else {
            page.row(TenDayExtremesY, {8940, 12900}, {"草面最低温度≤0.0℃日数", codes(t.AMonthStat, 79)});
        }
        page.only(1020, 1110, 19500, 12990);
        EXPECT_TRUE(page.matches(rec));
    }
    EXPECT_TRUE(boxes().shown.empty());
}

}  // namespace
}  // namespace tabulon::test
