// The automatic evaporation page: hourly amounts and day totals in ten-day blocks with
// their total rows, by the E601B mode letter.
#include "support/PageTestSupport.h"
#include "pages/monthly_hourly/WindEvaporationRenderers.h"

namespace tabulon::test {
namespace {

double RowY(int row) { return 1110 + 330 * row; }
double DayY(int d) { return RowY(d - 1 + (d > 10) + (d > 20)); }
double ColumnX(int column) { return 1000 + 740 * column; }
constexpr double TotalsY[4] = {4410, 8040, 12000, 12330};

class E601BEvaporationPageTest : public TenDayPageTest {
protected:
    void SetUp() override
    {
        TenDayPageTest::SetUp();
        fill(25);
        for (int p = 1; p <= 4; ++p)
            c.tables.ADekadStat(p, 167) = QStringLiteral("P%1.167").arg(p);
        mode(QStringLiteral("A"));
    }
    void fill(int items)
    {
        TextTable& t = c.tables.AEvaporationE601B;
        t.dim({Bounds{1, 31}, Bounds{1, items}});
        for (int d = 1; d <= 31; ++d)
            for (int i = 1; i <= items; ++i)
                t(d, i) = QStringLiteral("%1.%2").arg(d).arg(i);
    }
    void mode(const QString& letter) { c.tables.AfileMode(12) = letter; }
    // The texts of the value cells in the row at y.
    static QStringList rowTexts(const CanvasCallRecorder& rec, double y) { return PageTest::rowTexts(rec, y, 1000); }
};

TEST_F(E601BEvaporationPageTest, WholePage)
{
    const PositionCodedTables codes = positionCoded();
    const ATables& t = c.tables;
    CanvasCallRecorder rec(c.canvas);
    PrintE601BEvaporation(c, 2);

    PageExpectation page(codes);
    for (int d = 1; d <= 31; ++d) {
        QStringList row;
        for (int b = 1; b <= 25; ++b)
            row << codes(t.AEvaporationE601B, d, b);
        page.row(DayY(d), 1000, 740, row);
    }
    for (int p = 1; p <= 4; ++p)
        page.row(TotalsY[p - 1], 1000, 740, QStringList(24, QStringLiteral("---")) << codes(t.ADekadStat, p, 167));
    page.only(1000, 1110, 19500, 12660);
    EXPECT_TRUE(page.matches(rec));
    EXPECT_EQ(cellsAt(rec, 18760, DayY(31)).at(0).textAlign, Align::Right);
    EXPECT_EQ(cellsAt(rec, 18760, 12330).at(0).textAlign, Align::Right);
    EXPECT_EQ(cellsAt(rec, 1000, 12330).at(0).textAlign, Align::Centre);

    const QStringList labels = {"上旬计", "中旬计", "下旬计", "月合计"};
    for (int p = 0; p < 4; ++p)
        EXPECT_TRUE(
            rec.contains(QStringLiteral(R"c(PrintCell(-1, "%1", 1000, 330, 0, %2))c").arg(labels[p]).arg(TotalsY[p])));
    EXPECT_TRUE(rec.contains(R"c(PrintCell(-1, "31", 1000, 330, 0, 11670))c"));
    EXPECT_TRUE(rec.contains(R"c(PrintCell(-1, "日  期", 1000, 800, 0, 310))c"));
    EXPECT_TRUE(rec.contains(QStringLiteral(R"c(PrintCell(-1, "%1", 18500, 400, 1000, 310))c")
                                 .arg(QStringLiteral("        自        动        观        测        蒸        发        量"
                                                     "      (0.1mm)"))));
    EXPECT_TRUE(rec.contains(R"c(PrintCell(-1, "20-21", 740, 400, 1000, 710))c"));
    EXPECT_TRUE(rec.contains(R"c(PrintCell(-1, "合计", 740, 400, 18760, 710))c"));
    EXPECT_TRUE(rec.contains(R"c(DrawVerticalLine(9880, 710, 12660, 4))c"));
    EXPECT_TRUE(rec.contains(R"c(DrawHorizontalLine(0, 10020, 19500, 3))c"));
    EXPECT_TRUE(rec.contains(R"c(DrawHorizontalLine(0, 12660, 19500, 4))c"));
    EXPECT_TRUE(rec.contains(R"c(PrintCell(0, "-10-", 19500, 300, 0, 13300))c"));
    // No rules beside the fixed hours.
    for (const CanvasCall& call : rec.ofKind(CanvasCall::Kind::DrawVerticalLine))
        EXPECT_TRUE(call.numbers[0] == 0 || call.numbers[0] == 1000 || call.numbers[0] == 9880 ||
                    call.numbers[0] == 18760 || call.numbers[0] == 19500)
            << call.toString().toStdString();
    EXPECT_EQ(surface.endDocCount(), 1);
}

TEST_F(E601BEvaporationPageTest, ThirtyDayMonthBlanksRowThirtyOne)
{
    c.tables.AfilePara(4) = 30;
    CanvasCallRecorder rec(c.canvas);
    PrintE601BEvaporation(c, 3);
    const auto blanks = rowTexts(rec, 11670);
    EXPECT_EQ(blanks, QStringList(25, QStringLiteral("  ")));
    EXPECT_TRUE(rec.contains(R"c(PrintCell(-1, "30.25", 740, 330, 18760, 11340))c"));
    EXPECT_EQ(cellText(rec, 18760, 12000), QStringLiteral("P3.167"));
    EXPECT_TRUE(rec.contains(R"c(PrintCell(0, "-17-", 19500, 300, 0, 13300))c"));
}

TEST_F(E601BEvaporationPageTest, DailyModeShowsTheTotalAloneFromEitherTableWidth)
{
    mode(QStringLiteral("0"));
    for (int items : {25, 1}) {
        SCOPED_TRACE(items);
        fill(items);
        CanvasCallRecorder rec(c.canvas);
        PrintE601BEvaporation(c, 2);
        QStringList expected(24, QString());
        expected << QStringLiteral("21.%1").arg(items == 1 ? 1 : 25);
        EXPECT_EQ(rowTexts(rec, DayY(21)), expected);
        EXPECT_TRUE(boxes().shown.empty());
    }
}

TEST_F(E601BEvaporationPageTest, HourlyModeWithAShortTableDrawsTheWholePage)
{
    fill(24);
    CanvasCallRecorder rec(c.canvas);
    PrintE601BEvaporation(c, 2);
    EXPECT_TRUE(boxes().shown.empty());
    EXPECT_EQ(cellText(rec, ColumnX(23), DayY(31)), QStringLiteral("31.24"));
    EXPECT_EQ(cellText(rec, 18760, DayY(31)), QString());
    EXPECT_TRUE(rec.contains(R"c(PrintCell(0, "-10-", 19500, 300, 0, 13300))c"));
}

TEST_F(E601BEvaporationPageTest, EmptyAndUnknownLetters)
{
    for (const QString letter : {QStringLiteral("="), QStringLiteral("0=")}) {
        mode(letter);
        CanvasCallRecorder rec(c.canvas);
        PrintE601BEvaporation(c, 2);
        EXPECT_EQ(rowTexts(rec, DayY(15)), QStringList(25, QString()));
        EXPECT_EQ(cellText(rec, 18760, 12330), QStringLiteral("P4.167"));
    }
    for (const QString letter : {QStringLiteral("N"), QString()}) {
        mode(letter);
        CanvasCallRecorder rec(c.canvas);
        PrintE601BEvaporation(c, 2);
        EXPECT_TRUE(rowTexts(rec, DayY(15)).isEmpty());
        EXPECT_EQ(cellText(rec, 18760, 8040), QStringLiteral("P2.167"));
        EXPECT_TRUE(rec.contains(R"c(DrawHorizontalLine(0, 6390, 19500, 3))c"));
    }
}

TEST_F(E601BEvaporationPageTest, ValuesAndTotalsKeepTheirTwoDigitForm)
{
    c.tables.AEvaporationE601B(3, 4) = QStringLiteral("5");
    c.tables.ADekadStat(1, 167) = QStringLiteral("7");
    PrintE601BEvaporation(c, 2);
    EXPECT_EQ(c.tables.AEvaporationE601B(3, 4), QStringLiteral("05"));
    EXPECT_EQ(c.tables.ADekadStat(1, 167), QStringLiteral("07"));
}

}  // namespace
}  // namespace tabulon::test
