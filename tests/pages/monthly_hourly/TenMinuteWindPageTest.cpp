// The ten-minute wind page: the day grid under a three-tier band, split wind cells, the
// daily maximum and extreme wind with times written at the pen, and the month row.
#include "support/PageTestSupport.h"
#include "pages/monthly_hourly/WindEvaporationRenderers.h"
#include "toolkit/Dispatcher.h"

namespace tabulon::test {
namespace {

double DayY(int d) { return 1510 + 350 * (d - 1); }
double ColumnX(int column) { return 620 + 590 * column; }

class TenMinuteWindPageTest : public TenDayPageTest {
protected:
    void SetUp() override
    {
        TenDayPageTest::SetUp();
        ATables& t = c.tables;
        t.AWind10Min.dim({Bounds{1, 31}, Bounds{1, 24}});
        t.AMaxWind.dim({Bounds{1, 31}, Bounds{1, 4}});
        // Position codes: north winds whose speed names day and hour, maxima from the east
        // whose speed names the day, extremes from the west, times of the day's hour.
        for (int d = 1; d <= 31; ++d) {
            for (int h = 1; h <= 24; ++h)
                t.AWind10Min(d, h) = QStringLiteral("0/%1").arg(100 * d + h);
            t.ADailyStat(d, 18) = QStringLiteral("D%1.18").arg(d);
            t.ADailyStat(d, 19) = QStringLiteral("D%1.19").arg(d);
            t.AMaxWind(d, 1) = QStringLiteral("%1/90").arg(100 + d);
            t.AMaxWind(d, 2) = QStringLiteral("%1%2").arg(d % 24, 2, 10, QChar(u'0')).arg(d, 2, 10, QChar(u'0'));
            t.AMaxWind(d, 3) = QStringLiteral("%1/270").arg(200 + d);
            t.AMaxWind(d, 4) = QStringLiteral("%1%2").arg(d % 24, 2, 10, QChar(u'0')).arg(d + 20);
        }
        for (int e = 1; e <= 26; ++e)
            t.AWind10MinMonthRow(e) = QStringLiteral("M%1").arg(e);
        for (int k = 65; k <= 74; ++k)
            t.AMonthStat(k) = QStringLiteral("k%1").arg(k);
    }

    // The texts written at the pen in the time cell at (x, y): hour, then minutes.
    std::vector<RecordedText> penTexts(double x, double y) const
    {
        std::vector<RecordedText> found;
        for (const RecordedText& text : surface.texts())
            if (text.x >= x && text.x < x + 590 && text.y >= y - 60 && text.y < y + 350)
                found.push_back(text);
        return found;
    }
};

TEST_F(TenMinuteWindPageTest, WholePage)
{
    const PositionCodedTables codes = positionCoded();
    const ATables& t = c.tables;
    CanvasCallRecorder rec(c.canvas);
    PrintTenMinuteWind(c, 2);

    // A coded maximum has no "/": the whole text is the speed and the direction is empty;
    // a coded time is not "HHMM" and prints as it stands.
    PageExpectation page(codes);
    for (int d = 1; d <= 31; ++d) {
        QStringList row;
        for (int h = 1; h <= 24; ++h)
            row << codes(t.AWind10Min, d, h);
        row << codes(t.ADailyStat, d, 18) << codes(t.ADailyStat, d, 19) << codes(t.AMaxWind, d, 1) << QString()
            << codes(t.AMaxWind, d, 2) << codes(t.AMaxWind, d, 3) << QString() << codes(t.AMaxWind, d, 4);
        page.row(DayY(d), 620, 590, row);
    }
    QStringList monthRow;
    for (int e = 1; e <= 26; ++e)
        monthRow << codes(t.AWind10MinMonthRow, e);
    monthRow << codes(t.AMonthStat, 65) << codes(t.AMonthStat, 66) << QStringLiteral("----")
             << codes(t.AMonthStat, 70) << codes(t.AMonthStat, 71) << QStringLiteral("----");
    page.row(12360, 620, 590, monthRow);
    page.row(12710, 620, 590, QStringList(26, QStringLiteral("--")));
    const auto date = [&](int day) {
        return codes(t.AMonthStat, day) + u'日' + codes(t.AMonthStat, day + 1) + u'时' + codes(t.AMonthStat, day + 2) +
               u'分';
    };
    page.cell(15960, 12710, date(67)).cell(17730, 12710, date(72));
    page.only(620, 1510, 19500, 13060);
    EXPECT_TRUE(page.matches(rec));
    EXPECT_EQ(cellsAt(rec, 620, 1510).at(0).numbers.back(), 1);   // direction over speed
    EXPECT_EQ(cellsAt(rec, 15370, 1510).at(0).textAlign, Align::Right);
    EXPECT_EQ(cellsAt(rec, 15960, 1510).at(0).textAlign, Align::Right);
    EXPECT_EQ(cellsAt(rec, 16550, 1510).at(0).textAlign, Align::Left);
    EXPECT_EQ(cellsAt(rec, 620, 12360).at(0).textAlign, Align::Right);

    // Band, corner and row headings.
    EXPECT_TRUE(rec.contains(R"c(PrintCell(-1, "日期", 620, 1200, 0, 310))c"));
    EXPECT_TRUE(rec.contains(
        R"c(PrintCell(-1, "  自  动  观  测  十  分  钟  平  均  风  向  风  速     (0.1m/s)", 18880, 400, 620, 310))c"));
    EXPECT_TRUE(rec.contains(R"c(PrintCell(-1, "21", 590, 400, 620, 710))c"));
    EXPECT_TRUE(rec.contains(R"c(PrintCell(-1, "20", 590, 400, 14190, 710))c"));
    EXPECT_EQ(rec.count(R"c(PrintCell(-1, "向 速", 590, 400, 1210, 1110))c"), 1);
    EXPECT_TRUE(rec.contains(R"c(PrintCell(-1, "平均风速", 1180, 400, 14780, 710))c"));
    EXPECT_TRUE(rec.contains(R"c(PrintCell(-1, "24次", 590, 400, 15370, 1110))c"));
    EXPECT_TRUE(rec.contains(R"c(PrintCell(-1, "极大风速", 1770, 400, 17730, 710))c"));
    EXPECT_TRUE(rec.contains(R"c(PrintCell(-1, "时间", 590, 400, 18910, 1110))c"));
    EXPECT_TRUE(rec.contains(R"c(PrintCell(-1, "31", 620, 350, 0, 12010))c"));
    EXPECT_TRUE(rec.contains(R"c(PrintWrappedText(-1, 620, 700, 0, 12360, "月平均或极值", 350, 3))c"));
    // Pentad rules one weight lighter, across the body from x 600.
    EXPECT_TRUE(rec.contains(R"c(DrawHorizontalLine(600, 3260, 19500, 3))c"));
    EXPECT_TRUE(rec.contains(R"c(DrawHorizontalLine(600, 12710, 19500, 4))c"));
    EXPECT_TRUE(rec.contains(R"c(PrintCell(0, "-12-", 19500, 300, 0, 13300))c"));
    EXPECT_EQ(surface.endDocCount(), 1);
}

TEST_F(TenMinuteWindPageTest, WindCellsTakeTheirTwoDigitFormAndCompassNames)
{
    c.tables.AWind10Min(1, 1) = QStringLiteral("90/25");
    c.tables.AWind10Min(1, 2) = QStringLiteral("90/2");
    CanvasCallRecorder rec(c.canvas);
    PrintTenMinuteWind(c, 3);
    EXPECT_TRUE(rec.contains(R"c(PrintCell(-1, "E/25", 590, 350, 620, 1510, 1))c"));
    EXPECT_TRUE(rec.contains(R"c(PrintCell(-1, "C/02", 590, 350, 1210, 1510, 1))c"));
    EXPECT_EQ(c.tables.AWind10Min(1, 2), QStringLiteral("90/02"));
    EXPECT_TRUE(rec.contains(R"c(PrintCell(0, "-19-", 19500, 300, 0, 13300))c"));
}

TEST_F(TenMinuteWindPageTest, TimeIsWrittenAtThePenWithTheMinutesRaised)
{
    c.tables.AMaxWind(1, 1) = QStringLiteral("52/270");
    c.tables.AMaxWind(1, 2) = QStringLiteral("0835");
    c.tables.AMaxWind(2, 2) = QStringLiteral("1200");
    c.tables.AMaxWind(3, 2) = QStringLiteral("----");
    c.tables.AMaxWind(4, 2) = QStringLiteral("-");
    CanvasCallRecorder rec(c.canvas);
    PrintTenMinuteWind(c, 1);

    EXPECT_TRUE(rec.contains(R"c(PrintCell(-1, "52", 590, 350, 15960, 1510))c"));
    EXPECT_EQ(cellsAt(rec, 15960, 1510).at(0).textAlign, 2);
    EXPECT_TRUE(rec.contains(R"c(PrintCell(-1, "W", 590, 350, 16550, 1510))c"));
    const auto time = penTexts(17140, 1510);
    ASSERT_EQ(time.size(), 2u);
    EXPECT_EQ(time[0].text, QStringLiteral("8"));
    EXPECT_EQ(time[1].text, QStringLiteral("35"));
    // The four-digit block (360 wide at 9 points) is centred in the cell; the minutes follow
    // the hour 50 twips higher.
    EXPECT_DOUBLE_EQ(time[0].x, 17140 + (590 - 360) / 2);
    EXPECT_DOUBLE_EQ(time[1].x, time[0].x + time[0].width);
    EXPECT_DOUBLE_EQ(time[1].y, time[0].y - 50);

    const auto noon = penTexts(17140, DayY(2));
    ASSERT_EQ(noon.size(), 2u);
    EXPECT_EQ(noon[0].text, QStringLiteral("12"));
    EXPECT_EQ(noon[1].text, QStringLiteral("00"));
    // A time whose hour is not a number prints as it stands, not as an invented "0".
    EXPECT_EQ(cellText(rec, 17140, DayY(3)), QStringLiteral("----"));
    const auto dashes = penTexts(17140, DayY(3));
    ASSERT_EQ(dashes.size(), 1u);
    EXPECT_EQ(dashes[0].text, QStringLiteral("----"));
    EXPECT_EQ(cellText(rec, 17140, DayY(4)), QStringLiteral("-"));
}

TEST_F(TenMinuteWindPageTest, MonthWithoutMaximumWindIsRewrittenToEmptyCells)
{
    ATables& t = c.tables;
    for (int d = 1; d <= 31; ++d) {
        t.AMaxWind(d, 1) = d % 3 == 0 ? QStringLiteral("-/-") : QString();
        t.AMaxWind(d, 2) = d % 3 == 1 ? QStringLiteral("-") : QStringLiteral("1200");
    }
    t.AMaxWind(5, 1) = QStringLiteral("120/90");   // a speed without a time does not count
    t.AMaxWind(5, 2) = QStringLiteral("-");
    CanvasCallRecorder rec(c.canvas);
    PrintTenMinuteWind(c, 2);

    for (int d = 1; d <= 31; ++d) {
        EXPECT_EQ(t.AMaxWind(d, 1), QStringLiteral("/")) << d;
        EXPECT_EQ(t.AMaxWind(d, 2), QString()) << d;
        EXPECT_EQ(cellText(rec, 15960, DayY(d)), QString());
        EXPECT_EQ(cellText(rec, 16550, DayY(d)), QString());
        EXPECT_EQ(cellText(rec, 17140, DayY(d)), QString());
    }
    // The extreme wind has values and keeps them.
    EXPECT_EQ(t.AMaxWind(1, 3), QStringLiteral("201/270"));
    EXPECT_EQ(cellText(rec, 17730, DayY(1)), QStringLiteral("201"));
    EXPECT_TRUE(boxes().shown.empty());
}

TEST_F(TenMinuteWindPageTest, MaximumWithoutSlashInAMonthWithValuesDrawsTheWholePage)
{
    c.tables.AMaxWind(3, 1) = QString();
    c.tables.AMaxWind(4, 3) = QStringLiteral("-");
    c.state.StationKind = AutomaticStation;
    c.state.PageCount = 30;
    c.state.CurrentPage = 13;
    CanvasCallRecorder rec(c.canvas);
    PrintReportPage(c);

    EXPECT_TRUE(boxes().shown.empty());
    EXPECT_EQ(cellText(rec, 15960, DayY(3)), QString());
    EXPECT_EQ(cellText(rec, 16550, DayY(3)), QString());
    EXPECT_EQ(cellText(rec, 17730, DayY(4)), QStringLiteral("-"));
    EXPECT_EQ(cellText(rec, 18320, DayY(4)), QString());
    EXPECT_EQ(cellText(rec, 15960, DayY(31)), QStringLiteral("131"));
    EXPECT_EQ(cellText(rec, ColumnX(25), 12360), QStringLiteral("M26"));
    EXPECT_TRUE(rec.contains(R"c(PrintCell(0, "-12-", 19500, 300, 0, 13300))c"));
}

TEST_F(TenMinuteWindPageTest, MonthDatesInDaysOrEmpty)
{
    c.tables.AMonthStat(67) = QStringLiteral("3天");
    c.tables.AMonthStat(72) = QStringLiteral("12");
    c.tables.AMonthStat(73) = QStringLiteral("14");
    c.tables.AMonthStat(74) = QStringLiteral("17");
    CanvasCallRecorder rec(c.canvas);
    PrintTenMinuteWind(c, 2);
    EXPECT_TRUE(rec.contains(R"c(PrintCell(-1, "3天", 1770, 350, 15960, 12710))c"));
    EXPECT_TRUE(rec.contains(R"c(PrintCell(-1, "12日14时17分", 1770, 350, 17730, 12710))c"));

    c.tables.AMonthStat(72) = QString();
    rec.clear();
    PrintTenMinuteWind(c, 2);
    EXPECT_TRUE(cellsAt(rec, 17730, 12710).empty());
}

TEST_F(TenMinuteWindPageTest, ShortMonthLooksOnlyAtItsDaysAndBlanksTheRest)
{
    ATables& t = c.tables;
    t.AfilePara(4) = 28;
    for (int d = 1; d <= 28; ++d)
        t.AMaxWind(d, 1) = QStringLiteral("-/-");
    CanvasCallRecorder rec(c.canvas);
    PrintTenMinuteWind(c, 2);

    EXPECT_EQ(t.AMaxWind(28, 1), QStringLiteral("/"));
    EXPECT_EQ(t.AMaxWind(29, 1), QStringLiteral("129/90"));   // past the month: untouched
    for (int d = 29; d <= 31; ++d) {
        EXPECT_EQ(cellText(rec, ColumnX(0), DayY(d)), QStringLiteral("  "));
        EXPECT_EQ(cellText(rec, ColumnX(31), DayY(d)), QStringLiteral("  "));
        EXPECT_EQ(cellsAt(rec, ColumnX(32), DayY(d)).size(), 0u);
    }
    EXPECT_EQ(t.AWind10Min(29, 1), QStringLiteral("0/2901"));
}

}  // namespace
}  // namespace tabulon::test
