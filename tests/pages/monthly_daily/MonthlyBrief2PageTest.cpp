#include "pages/monthly_daily/MonthlyBriefPages.h"

#include "pages/monthly_daily/BriefTableTest.h"
#include "platform/FakePrinters.h"

using namespace tabulon;
using namespace tabulon::testing;

namespace {

double DayY(int day) { return 1510 + 330 * (day - 1 + (day > 10) + (day > 20)); }
constexpr std::array<double, 4> PeriodY{4810, 8440, 12400, 12730};
const std::vector<double> DayColumns{900, 1500, 2300, 3100, 3900, 4700};
double SnowRowY(int r) { return 6592 + 462 * r; }

}  // namespace

class MonthlyBrief2Page : public test::BriefTableTest {
protected:
    const CanvasCall* paragraph(const CanvasCallRecorder& rec) const
    {
        static CanvasCall found;
        const auto calls = rec.ofKind(CanvasCall::Kind::PrintParagraph);
        if (calls.size() != 1)
            return nullptr;
        found = calls[0];
        return &found;
    }
    void expectPageEnded()
    {
        EXPECT_TRUE(boxes().shown.empty()) << boxes().shown.size();
        EXPECT_TRUE(surface.hasText(QStringLiteral("-2-")));
        EXPECT_EQ(surface.endDocCount(), 1);
    }
};

TEST_F(MonthlyBrief2Page, WholePageOverPositionCodedTables)
{
    ReportTables& t = c.tables;
    const auto month = [&](int item) { return code(t.AMonthStat, item); };
    CanvasCallRecorder rec(c.canvas);
    PrintMonthlyBrief2(c);

    test::PageExpectation page(codes());
    for (int d = 1; d <= 31; ++d)
        page.row(DayY(d), DayColumns,
                 {code(t.APrecipitation, d, 3), code(t.AWind, d, 1), code(t.AWind, d, 2), code(t.AWind, d, 3),
                  code(t.AWind, d, 4), code(t.ADailyStat, d, 16)});
    for (int p = 1; p <= 4; ++p) {
        QStringList row{code(t.ADekadStat, p, 164)};
        for (int item = 168; item <= 171; ++item)
            row << code(t.ADekadStat, p, item);
        row << code(t.ADekadStat, p, 192);
        page.row(PeriodY[p - 1], DayColumns, row);
        page.cell(5100, PeriodY[p - 1], QStringLiteral("-----"));
    }
    page.only(900, 1510, 5100, 13060);

    for (int j = 1; j <= 17; ++j) {
        const double x = 7300 + 400 * (j - 1);
        page.cell(x, 1510, code(t.AWindDirectionStat, 5, j, 1));
        page.cell(x, 1840, code(t.AWindDirectionStat, 5, j, 2));
        page.cell(x, 2170, code(t.AWindDirectionStat, 6, j, 1));
        page.cell(x, 2500, code(t.AWindDirectionStat, 5, j, 3));
        page.cell(x, 2830, code(t.AWindDirectionStat, 6, j, 2));
    }
    page.cell(14100, 1510, month(61)).cell(14100, 2500, month(62));
    page.row(1510, 14850, 465,
             {month(47), month(48), month(49), month(51), month(52), month(53), month(55), month(56), month(57),
              month(50) + "," + month(54)});
    QStringList classes;
    for (int tt = 1; tt <= 2; ++tt)
        for (int k = 1; k <= 3; ++k)
            classes << code(t.ACloudClassStat, tt, 5, k);
    page.row(2830, 14500, 834, classes);
    QStringList weatherDays;
    for (int n = 1; n <= 25; ++n)
        weatherDays << code(t.AWeatherDayCount, n);
    page.row(3490, 7100, 496, weatherDays);
    QStringList precipitation;
    for (int item = 27; item <= 26 + 14; ++item)   // the eight classes, then pentads 1..6 (items 21..26)
        precipitation << month(item <= 34 ? item : item - 14);
    page.row(4480, 6600, 587, precipitation);
    page.row(4480, 14818, 780, {month(65), month(66), month(67), month(70), month(71), month(72)});
    page.cell(8600, 4810, month(35)).cell(11000, 4810, month(36));
    page.cell(8600, 5140, month(37)).cell(9600, 5140, month(38)).cell(11000, 5140, month(39));
    page.cell(8600, 5470, month(40)).cell(11000, 5470, month(41));
    page.row(5470, 13167, 1267,
             {month(85), month(86), code(t.ASunshineStat, 3), code(t.ASunshineStat, 1), code(t.ASunshineStat, 2)});

    for (int r = 1; r <= 10; ++r)
        page.row(SnowRowY(r), 6600, 717,
                 {QString::number(r), code(t.ASnow, r, 1), code(t.ASnow, r, 2), QString::number(r + 10),
                  code(t.ASnow, r + 10, 1), code(t.ASnow, r + 10, 2), QString::number(r + 20),
                  code(t.ASnow, r + 20, 1), code(t.ASnow, r + 20, 2)});
    page.cell(10902, SnowRowY(11), QStringLiteral("31")).cell(11619, SnowRowY(11), code(t.ASnow, 31, 1));
    page.cell(12336, SnowRowY(11), code(t.ASnow, 31, 2));
    page.cell(6600, 12136, QStringLiteral("月  最  大"));
    page.row(12590, 6600, 806,
             {"雪深", month(42), "日期", month(43), "雪压", month(44), "日期", month(45)});
    page.only(6600, SnowRowY(1), 13050, 13060);
    EXPECT_TRUE(page.matches(rec));

    EXPECT_TRUE(rec.contains(R"(PrintCell(-1, "13", 921, 330, 0, 5800))"));
    EXPECT_TRUE(rec.contains(R"(PrintWrappedText(-1, 900, 330, 0, 12730, "月计/平均", 330, 6))"));
    EXPECT_TRUE(cellsAt(rec, 11900, 5470).empty());   // no value under "日数"
    expectPageEnded();
}

TEST_F(MonthlyBrief2Page, WindLettersPickDayPeriodAndStatisticsItems)
{
    ReportTables& t = c.tables;
    struct Case {
        const char* letter;
        int dayItem;        // of AWind for 02 h
        int periodItem;     // of ADekadStat for 02 h
        int statisticsRow;  // of AWindDirectionStat
    };
    for (const Case& k : {Case{"K", 6, 173, 25}, Case{"N", 6, 173, 25}, Case{"L", 1, 173, 25},
                          Case{"A", 1, 173, 25}, Case{"0", 1, 168, 5}, Case{"9", 1, 168, 5}}) {
        letters({{15, k.letter}});
        t.AWind(1, k.dayItem) = QStringLiteral("90/7");
        CanvasCallRecorder rec(c.canvas);
        PrintMonthlyBrief2(c);
        EXPECT_TRUE(rec.contains(R"(PrintCell(-1, "90/7", 800, 330, 1500, 1510, 1))")) << k.letter;
        EXPECT_EQ(cellText(rec, 3900, 1510), code(t.AWind, 1, k.dayItem == 6 ? 24 : 4)) << k.letter;
        EXPECT_EQ(cellText(rec, 1500, PeriodY[0]), code(t.ADekadStat, 1, k.periodItem)) << k.letter;
        EXPECT_EQ(cellText(rec, 3900, PeriodY[0]), code(t.ADekadStat, 1, k.periodItem + 3 * (k.periodItem - 167)))
            << k.letter;
        EXPECT_EQ(cellText(rec, 7300, 1510), code(t.AWindDirectionStat, k.statisticsRow, 1, 1)) << k.letter;
        EXPECT_EQ(cellText(rec, 7300, 2170), code(t.AWindDirectionStat, k.statisticsRow + 1, 1, 1)) << k.letter;
        // The means and the most frequent direction do not follow the letter.
        EXPECT_EQ(cellText(rec, 4700, PeriodY[0]), code(t.ADekadStat, 1, 192));
        EXPECT_EQ(cellText(rec, 14100, 1510), code(t.AMonthStat, 61));
        t.AWind(1, k.dayItem) = code(t.AWind, 1, k.dayItem);
    }
}

TEST_F(MonthlyBrief2Page, AWindWithoutSlashStandsWholeAtTheTopLeft)
{
    c.tables.AWind(1, 1) = QStringLiteral("静风");
    c.tables.AWind(1, 2) = QString();
    CanvasCallRecorder rec(c.canvas);
    PrintMonthlyBrief2(c);
    EXPECT_TRUE(rec.contains(R"(PrintCell(-1, "静风", 800, 330, 1500, 1510, 1))"));
    const auto printed = surface.textsEqualTo(QStringLiteral("静风"));
    ASSERT_EQ(printed.size(), 1u);
    EXPECT_EQ(printed[0].x, 1550);
    EXPECT_EQ(printed[0].y, 1560);
    EXPECT_TRUE(rec.contains(R"(PrintCell(-1, "", 800, 330, 2300, 1510, 1))"));
    expectPageEnded();
}

TEST_F(MonthlyBrief2Page, ClimateSummaryTakesEachLinesSecondField)
{
    TextList& summary = c.tables.AClimateSummary;
    summary.dim({Bounds{0, 4}});
    const QStringList lines{"", "1/甲", "2/", "3/乙/丙", "无斜线"};
    for (int k = 0; k <= 4; ++k)
        summary(k) = lines[k];
    CanvasCallRecorder rec(c.canvas);
    PrintMonthlyBrief2(c);
    EXPECT_TRUE(rec.contains(QStringLiteral("PrintParagraph(0, 450, \"甲\n乙\n\", 6450, 6930, 13050, 6130)")));
    expectPageEnded();
}

TEST_F(MonthlyBrief2Page, ASummaryNeverFilledGivesAnEmptyBox)
{
    c.tables.AClimateSummary.clear();
    ASSERT_FALSE(c.tables.AClimateSummary.allocated());
    CanvasCallRecorder rec(c.canvas);
    PrintMonthlyBrief2(c);
    EXPECT_TRUE(rec.contains(R"(PrintParagraph(0, 450, "", 6450, 6930, 13050, 6130))"));
    expectPageEnded();
}

TEST_F(MonthlyBrief2Page, SavingWithNoPrinterMeasuresTheIndentOnThePicture)
{
    c.tables.AClimateSummary.dim({Bounds{0, 1}});
    c.tables.AClimateSummary(1) = QStringLiteral("1/甲");
    c.setPrinters(std::make_unique<test::FakePrinterCollection>());
    c.canvas.LeftMargin = 750;
    c.canvas.TopMargin = 750;
    CanvasCallRecorder rec(c.canvas);
    PrintMonthlyBrief2(c);
    ASSERT_NE(paragraph(rec), nullptr);
    EXPECT_EQ(paragraph(rec)->numbers[1], 450);
    expectPageEnded();

    // In preview the body pane measures in its own font.
    usePreview("1");
    CanvasCallRecorder preview(c.canvas);
    PrintMonthlyBrief2(c);
    ASSERT_NE(paragraph(preview), nullptr);
    EXPECT_EQ(paragraph(preview)->numbers[1], 450);
    EXPECT_TRUE(panes.surfaces[3].hasText(QStringLiteral("-2-")));
}

TEST_F(MonthlyBrief2Page, IcingDatesAndSymbol)
{
    ReportTables& t = c.tables;
    t.AMonthStat(50) = QStringLiteral("5");
    t.AMonthStat(54) = QStringLiteral("6");
    t.AMonthStat(46) = QStringLiteral("56");
    CanvasCallRecorder rec(c.canvas);
    PrintMonthlyBrief2(c);
    EXPECT_TRUE(rec.contains(R"(PrintCell(-1, "5,6", 465, 330, 19035, 1510))"));
    EXPECT_TRUE(surface.hasText(QString(QChar(0xE244))));
}

TEST_F(MonthlyBrief2Page, ShortMonthAndNoGridLines)
{
    ReportTables& t = c.tables;
    t.AfilePara(4) = 30;
    c.canvas.ShowGridLines = 0;
    CanvasCallRecorder rec(c.canvas);
    PrintMonthlyBrief2(c);
    const double day31 = DayY(31);
    EXPECT_EQ(rowTexts(rec, day31, 900), QStringList(7, QStringLiteral("  ")));
    EXPECT_EQ(cellText(rec, 0, day31), QStringLiteral("31"));
    // The snow table keeps the day number 31 but shows no value beside it.
    EXPECT_EQ(cellText(rec, 10902, SnowRowY(11)), QStringLiteral("31"));
    EXPECT_TRUE(cellsAt(rec, 11619, SnowRowY(11)).empty());
    EXPECT_EQ(cellText(rec, 11619, SnowRowY(10)), code(t.ASnow, 30, 1));
    for (const CanvasCall& call : rec.ofKind(CanvasCall::Kind::PrintCell)) {
        const double x = call.numbers[3], y = call.numbers[4];
        const bool dataCell = x >= 900 && x < 5100 && y >= 1510 && y < 13060;
        const bool icingSymbol = x == 14500 && y == 1510;
        if (dataCell || icingSymbol)
            EXPECT_EQ(call.numbers[0], 0) << call.toString().toStdString();
        else if (x >= 6600 && y >= 310 && y < 13060 && call.text != QStringLiteral("雪压"))
            EXPECT_EQ(call.numbers[0], -1) << call.toString().toStdString();
    }
    expectPageEnded();
}

TEST_F(MonthlyBrief2Page, AMonthLongerThan31DaysStopsAtDay31)
{
    c.tables.AfilePara(4) = 40;
    CanvasCallRecorder rec(c.canvas);
    PrintMonthlyBrief2(c);
    EXPECT_EQ(cellText(rec, 11619, SnowRowY(11)), code(c.tables.ASnow, 31, 1));
    EXPECT_TRUE(cellsAt(rec, 11619, SnowRowY(12)).empty());
    expectPageEnded();
}

