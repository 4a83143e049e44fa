// The fixed-time precipitation, evaporation, snow and icing page: day rows in ten-day
// blocks with their ten-day and month rows, the icing cells, and the block of pentads,
// day classes and spells below.
#include "support/PageTestSupport.h"
#include "pages/monthly_hourly/WindEvaporationRenderers.h"

namespace tabulon::test {
namespace {

double DayY(int d) { return 1210 + 310 * (d - 1 + (d > 10) + (d > 20)); }
constexpr double PeriodY[4] = {4310, 7720, 11440, 11750};

class PrecipitationEvaporationSnowPageTest : public TenDayPageTest {
protected:
    void SetUp() override
    {
        TenDayPageTest::SetUp();
        ATables& t = c.tables;
        t.AfilePara(2) = 2003;
        t.APrecipitation.dim({Bounds{1, 31}, Bounds{1, 4}});
        t.AEvaporation.dim({Bounds{1, 31}, Bounds{1, 1}});
        t.ASnow.dim({Bounds{1, 31}, Bounds{1, 2}});
        t.AWireIcing.dim({Bounds{1, 31}, Bounds{1, 9}});
        e601b(25);
        // Position codes: day and item, each with two runs of digits so they stay as they are.
        for (int d = 1; d <= 31; ++d) {
            for (int i = 1; i <= 3; ++i)
                t.APrecipitation(d, i) = QStringLiteral("%1.%2").arg(d).arg(i);
            t.ADailyStat(d, 14) = QStringLiteral("%1.14").arg(d);
            t.AEvaporation(d, 1) = QStringLiteral("e%1.1").arg(d);
            t.ASnow(d, 1) = QStringLiteral("s%1.1").arg(d);
            t.ASnow(d, 2) = QStringLiteral("s%1.2").arg(d);
            for (int i = 2; i <= 8; ++i)
                t.AWireIcing(d, i) = QStringLiteral("i%1.%2").arg(d).arg(i);
            t.AWireIcing(d, 9) = QStringLiteral("%1/%2").arg(300 + d).arg(d);
        }
        for (int p = 1; p <= 4; ++p)
            for (int k = 162; k <= 167; ++k)
                t.ADekadStat(p, k) = QStringLiteral("%1.%2").arg(p).arg(k);
        for (int k = 21; k <= 57; ++k)
            t.AMonthStat(k) = QStringLiteral("k%1").arg(k);
    }
    void e601b(int items)
    {
        TextTable& t = c.tables.AEvaporationE601B;
        t.dim({Bounds{1, 31}, Bounds{1, items}});
        for (int d = 1; d <= 31; ++d)
            for (int i = 1; i <= items; ++i)
                t(d, i) = QStringLiteral("%1.%2").arg(d).arg(i);
    }
};

TEST_F(PrecipitationEvaporationSnowPageTest, WholePage)
{
    const PositionCodedTables codes = positionCoded();
    const ATables& t = c.tables;
    CanvasCallRecorder rec(c.canvas);
    PrintPrecipitationEvaporationSnow(c, 2);

    // A coded icing phenomenon is no icing code (a blank cell) and a coded icing wind has
    // no "/" (two empty cells).
    PageExpectation page(codes);
    const QString blankSymbol = QStringLiteral(" ");
    for (int d = 1; d <= 31; ++d) {
        QStringList row;
        for (int i = 1; i <= 3; ++i)
            row << codes(t.APrecipitation, d, i);
        row << codes(t.ADailyStat, d, 14) << codes(t.AEvaporation, d, 1) << codes(t.AEvaporationE601B, d, 25)
            << codes(t.ASnow, d, 1) << codes(t.ASnow, d, 2) << blankSymbol;
        for (int i = 2; i <= 8; ++i)
            row << codes(t.AWireIcing, d, i);
        row << QString() << QString();
        page.row(DayY(d), 1500, 1000, row);
    }
    for (int p = 1; p <= 4; ++p) {
        QStringList row;
        for (int k = 162; k <= 167; ++k)
            row << codes(t.ADekadStat, p, k);
        if (p <= 2)
            row << QStringList(12, QStringLiteral("---"));
        page.row(PeriodY[p - 1], 1500, 1000, row);
    }
    const auto m = [&](int k) { return codes(t.AMonthStat, k); };
    page.row(11440, 7500, 1000,
             {m(42), m(44), blankSymbol, m(47), m(48), m(49), m(51), m(52), m(53), m(55), m(56), m(57)});
    page.row(11750, {7500, 8500, 9500, 10500, 13500, 16500, 17500, 18500},
             {m(43), m(45), "--", m(50), m(54), "--", "--", "--"});
    QStringList bottom;
    for (int k = 21; k <= 41; ++k)
        bottom << m(k);
    page.row(12680, {0, 750, 1500, 2250, 3000, 3750, 4500, 5375, 6250, 7125, 8000, 8875, 9750, 10625, 11500, 12643,
                     13786, 14929, 16072, 17215, 18358},
             bottom);
    page.only(1500, 1210, 19500, 12060).only(0, 12680, 19500, 12990);
    EXPECT_TRUE(page.matches(rec));
    EXPECT_EQ(cellsAt(rec, 16500, DayY(31)).at(0).textAlign, Align::Right);
    EXPECT_EQ(cellsAt(rec, 7500, 11750).at(0).textAlign, Align::Right);
    EXPECT_EQ(cellsAt(rec, 10500, 11750).at(0).textAlign, Align::Centre);
    EXPECT_TRUE(rec.contains(QStringLiteral(R"c(PrintCell(-1, "%1", 3000, 310, 10500, 11750))c").arg(m(50))));
    EXPECT_TRUE(rec.contains(R"c(PrintCell(-1, "≥0.1", 875, 310, 4500, 12370))c"));
    EXPECT_TRUE(rec.contains(R"c(PrintCell(-1, "起止日期", 1143, 310, 18358, 12370))c"));
    EXPECT_TRUE(rec.contains(R"c(PrintCell(-1, "最长连续无降水日数", 2286, 310, 17215, 12060))c"));

    // Band and row labels.
    EXPECT_TRUE(rec.contains(R"c(PrintCell(-1, "日  期", 1500, 900, 0, 310))c"));
    EXPECT_TRUE(rec.contains(R"c(PrintCell(-1, "E601B", 1000, 300, 6500, 910))c"));
    EXPECT_TRUE(rec.contains(R"c(PrintWrappedText(-1, 1000, 900, 7500, 310, "雪深  (cm)", 450, 4))c"));
    EXPECT_TRUE(rec.contains(R"c(PrintWrappedText(-1, 1000, 600, 18500, 610, "风速      (0.1m/s)", 300, 8))c"));
    EXPECT_TRUE(rec.contains(R"c(PrintCell(-1, "重量(g/m)", 1000, 300, 15500, 910))c"));
    EXPECT_TRUE(rec.contains(R"c(PrintCell(-1, "上旬计", 1500, 310, 0, 4310))c"));
    EXPECT_TRUE(rec.contains(R"c(PrintCell(-1, "31", 1500, 310, 0, 11130))c"));
    EXPECT_TRUE(rec.contains(R"c(PrintCell(-1, "下旬计或月极值", 1500, 310, 0, 11440))c"));
    EXPECT_TRUE(rec.contains(R"c(PrintCell(-1, "月合计或日期", 1500, 310, 0, 11750))c"));
    EXPECT_TRUE(rec.contains(R"c(DrawHorizontalLine(0, 9580, 19500, 3))c"));
    EXPECT_TRUE(rec.contains(R"c(DrawHorizontalLine(0, 11440, 19500, 4))c"));
    EXPECT_TRUE(rec.contains(R"c(DrawVerticalLine(13786, 12060, 12990, 4))c"));
    EXPECT_TRUE(rec.contains(R"c(PrintCell(0, "-9-", 19500, 300, 0, 13300))c"));
    EXPECT_EQ(surface.endDocCount(), 1);
}

TEST_F(PrecipitationEvaporationSnowPageTest, DayTotalByTheWidthOfTheE601BTable)
{
    for (auto [items, expected] : {std::pair{1, "7.1"}, {25, "7.25"}, {27, "7.25"}, {24, ""}}) {
        SCOPED_TRACE(items);
        e601b(items);
        CanvasCallRecorder rec(c.canvas);
        PrintPrecipitationEvaporationSnow(c, 2);
        EXPECT_EQ(cellText(rec, 6500, DayY(7)), QString::fromUtf8(expected));
        EXPECT_TRUE(boxes().shown.empty());
        EXPECT_TRUE(rec.contains(R"c(PrintCell(0, "-9-", 19500, 300, 0, 13300))c"));
    }
    EXPECT_TRUE(QStringLiteral("1.1") == c.tables.AEvaporationE601B(1, 1));
}

TEST_F(PrecipitationEvaporationSnowPageTest, IcingSymbolsAndWind)
{
    ATables& t = c.tables;
    t.AWireIcing(1, 1) = QStringLiteral("5648");
    t.AWireIcing(2, 1) = QStringLiteral("4856");
    t.AWireIcing(1, 9) = QStringLiteral("270/5");
    t.AWireIcing(2, 9) = QStringLiteral("270");
    t.AWireIcing(3, 9) = QStringLiteral("90/calm");
    t.AMonthStat(46) = QStringLiteral("48");
    CanvasCallRecorder rec(c.canvas);
    PrintPrecipitationEvaporationSnow(c, 3);

    const RecordedText* symbol = surface.findText(QString(QChar(0xE256)));
    ASSERT_NE(symbol, nullptr);
    EXPECT_GE(symbol->x, 9500);
    EXPECT_LT(symbol->x, 10500);
    EXPECT_GE(symbol->y, DayY(1));
    EXPECT_LT(symbol->y, DayY(2));
    const RecordedText* month = surface.findText(QString(QChar(0xE245)));
    ASSERT_NE(month, nullptr);
    EXPECT_GE(month->y, 11440);
    // The invalid code leaves the cell blank: no glyph in day 2's row.
    for (const RecordedText& text : surface.texts())
        EXPECT_FALSE(text.x >= 9500 && text.x < 10500 && text.y >= DayY(2) && text.y < DayY(3) &&
                     !text.text.trimmed().isEmpty());

    EXPECT_EQ(cellText(rec, 17500, DayY(1)), QStringLiteral("270"));
    EXPECT_EQ(cellText(rec, 18500, DayY(1)), QStringLiteral("05"));
    EXPECT_EQ(cellText(rec, 17500, DayY(2)), QString());
    EXPECT_EQ(cellText(rec, 18500, DayY(2)), QString());
    EXPECT_EQ(cellText(rec, 18500, DayY(3)), QStringLiteral("calm"));
    EXPECT_TRUE(rec.contains(R"c(PrintCell(0, "-16-", 19500, 300, 0, 13300))c"));
}

TEST_F(PrecipitationEvaporationSnowPageTest, SpellDatesLoseTheYear)
{
    c.tables.AMonthStat(39) = QStringLiteral("5/3/2003-8");
    c.tables.AMonthStat(41) = QStringLiteral("12/3/2002-20");
    CanvasCallRecorder rec(c.canvas);
    PrintPrecipitationEvaporationSnow(c, 2);
    EXPECT_TRUE(rec.contains(R"c(PrintCell(-1, "5/3-8", 1143, 310, 16072, 12680))c"));
    EXPECT_TRUE(rec.contains(R"c(PrintCell(-1, "12/3/2002-20", 1143, 310, 18358, 12680))c"));
    EXPECT_EQ(c.tables.AMonthStat(39), QStringLiteral("5/3-8"));
    PrintPrecipitationEvaporationSnow(c, 2);
    EXPECT_EQ(c.tables.AMonthStat(39), QStringLiteral("5/3-8"));
}

TEST_F(PrecipitationEvaporationSnowPageTest, ShortMonthAndGridLinesOff)
{
    c.tables.AfilePara(4) = 28;
    c.canvas.ShowGridLines = 0;
    CanvasCallRecorder rec(c.canvas);
    PrintPrecipitationEvaporationSnow(c, 2);

    for (int d = 29; d <= 31; ++d)
        EXPECT_EQ(rowTexts(rec, DayY(d), 1500), QStringList(18, QStringLiteral("  "))) << d;
    EXPECT_EQ(c.tables.APrecipitation(29, 1), QStringLiteral("29.1"));
    EXPECT_TRUE(rec.contains(R"c(PrintCell(0, "28.14", 1000, 310, 4500, 10200))c"));
    // The snow-pressure heading keeps its frame: its bottom edge under x 8500..9500.
    bool framed = false;
    for (const RecordedLine& l : surface.horizontalLinesAt(1211))
        framed = framed || (l.x1 == 8500 && l.x2 == 9500);
    EXPECT_TRUE(framed);
}

}  // namespace
}  // namespace tabulon::test
