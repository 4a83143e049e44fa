// The weather pages: the manual station's visibility, precipitation and weather page, and
// the weather-phenomenon pages of the automatic and reference stations.

#include "platform/ReportError.h"
#include "support/PageTestSupport.h"
#include "toolkit/Renderers.h"
#include "toolkit/SymbolGlyphs.h"

using namespace tabulon;
using namespace tabulon::testing;

namespace {

// Rows of the manual station's weather page: days, then the sums after each ten days.
double ManualDayY(int day) { return 910 + 300 * (day - 1 + (day > 10) + (day > 20)); }
constexpr std::array<double, 4> ManualSumY{3910, 7210, 10810, 11110};

class WeatherPagesTest : public DailyPageTest {
protected:
    void drawManualPage() { CallRenderer(RendererId::PrintVisibilityPrecipitationWeather, c, {}); }
    void drawVisibilityAndWeather() { CallRenderer(RendererId::PrintVisibilityAndWeather, c, {}); }
    void drawWeatherPhenomena() { CallRenderer(RendererId::PrintWeatherPhenomena, c, {}); }

    // Prints of a text in the symbol face.
    int symbolPrints(const QString& glyph) const
    {
        int n = 0;
        for (const RecordedText& t : printer.textsEqualTo(glyph))
            n += t.fontName == SymbolFontName;
        return n;
    }
};

}  // namespace

TEST_F(WeatherPagesTest, ManualPageWholeOverPositionCodedTables)
{
    const ReportTables& t = c.tables;
    const test::PositionCodedTables codes = positionCoded();
    CanvasCallRecorder rec(c.canvas);
    drawManualPage();

    test::PageExpectation page(codes);
    for (int d = 1; d <= 31; ++d)
        page.row(ManualDayY(d), 900, 650,
                 {codes(t.AVisibility, d, 1), codes(t.AVisibility, d, 2), codes(t.AVisibility, d, 3),
                  codes(t.AVisibility, d, 4), codes(t.APrecipitation, d, 1), codes(t.APrecipitation, d, 2),
                  codes(t.APrecipitation, d, 3), codes(t.ADailyStat, d, 14)});
    for (int p = 1; p <= 4; ++p)
        page.row(ManualSumY[p - 1], 900, 650,
                 {"---", "---", "---", "---", codes(t.ADekadStat, p, 162), codes(t.ADekadStat, p, 163),
                  codes(t.ADekadStat, p, 164), codes(t.ADekadStat, p, 165)});
    page.only(900, 910, 6100, 11410);
    for (int h = 1; h <= 4; ++h) {
        const double y = 12010 + 300 * (h - 1);
        page.row(y, {0, 400, 1020, 1640, 2260, 2880},
                 {QString::number(2 + 6 * (h - 1)), codes(t.AVisibilityClassStat, h, 1),
                  codes(t.AVisibilityClassStat, h, 2), codes(t.AVisibilityClassStat, h, 3),
                  codes(t.AVisibilityClassStat, h, 4), codes(t.AVisibilityClassStat, h, 5)});
    }
    QStringList classDays;
    for (int k = 27; k <= 34; ++k)
        classDays << codes(t.AMonthStat, k);
    page.row(12010, 3500, 696, classDays);
    page.row(12310, {5588, 8288}, {codes(t.AMonthStat, 35), codes(t.AMonthStat, 36)});
    page.row(12610, {5588, 6088, 6788, 8288},
             {codes(t.AMonthStat, 37), "降水量", codes(t.AMonthStat, 38), codes(t.AMonthStat, 39)});
    page.row(12910, {5588, 8288}, {codes(t.AMonthStat, 40), codes(t.AMonthStat, 41)});
    for (int n = 1; n <= 6; ++n)
        page.row(11410 + 300 * (n - 1), {9068, 9764}, {QString::number(n), codes(t.AMonthStat, 20 + n)});
    for (int e = 0; e < 25; ++e)
        page.cell(10460 + 696 * (e % 13), 12010 + 900 * (e / 13), codes(t.AWeatherDayCount, e + 1));
    EXPECT_TRUE(page.matches(rec));
    EXPECT_TRUE(rec.contains(R"x(PrintCell(0, "-3-", 19500, 300, 0, 13300))x"));
    EXPECT_TRUE(messages().shown.empty());
}

TEST_F(WeatherPagesTest, ManualPageSplitsTheWeatherColumnAsTheRecordsAsk)
{
    positionCoded();
    c.tables.AfilePara(16) = 4;
    {
        CanvasCallRecorder rec(c.canvas);
        drawManualPage();
        EXPECT_TRUE(rec.contains(R"x(PrintCell(-1, "天  气  现  象", 10400, 600, 6100, 310))x"));
        EXPECT_FALSE(printer.hasText(QStringLiteral("夜间(20-8时)x")));
        EXPECT_TRUE(printer.verticalLinesAt(8101).empty());
    }
    // One "(" group anywhere in the month splits the whole page.
    printer.clear();
    c.tables.AWeather(17, 1) = QStringLiteral("(60)70 1200");
    {
        CanvasCallRecorder rec(c.canvas);
        drawManualPage();
        EXPECT_TRUE(rec.contains(R"x(PrintCell(-1, "天  气  现  象", 10400, 300, 6100, 310))x"));
        EXPECT_TRUE(rec.contains(R"x(PrintCell(-1, "夜间(20-8时)", 2000, 300, 6100, 610))x"));
        EXPECT_TRUE(rec.contains(R"x(PrintCell(-1, "白天(8-20时)", 8400, 300, 8100, 610))x"));
        EXPECT_TRUE(rec.contains(R"x(DrawVerticalLine(8100, 310, 10810, 1))x"));
    }
    // Three observations a day always split.
    printer.clear();
    c.tables.AWeather(17, 1) = QStringLiteral("60 1200");
    c.tables.AfilePara(16) = 3;
    CanvasCallRecorder rec(c.canvas);
    drawManualPage();
    EXPECT_TRUE(rec.contains(R"x(PrintCell(-1, "夜间(20-8时)", 2000, 300, 6100, 610))x"));
}

TEST_F(WeatherPagesTest, ManualPagePadsItsCellsInTheTableAndBlanksTheDaysPastTheMonth)
{
    positionCoded();
    loadManualStationMonth(30, 4);
    c.tables.AVisibility(1, 1) = QStringLiteral("5");
    CanvasCallRecorder rec(c.canvas);
    drawManualPage();
    EXPECT_EQ(c.tables.AVisibility(1, 1), QStringLiteral("05"));
    ASSERT_FALSE(CellsAt(rec, 900, 910).empty());
    EXPECT_EQ(CellsAt(rec, 900, 910).back().text, QStringLiteral("05"));
    EXPECT_EQ(c.canvas.TextAlign, 0);
    // Day 31's row: eight value cells, the weather and the summary cell, all blank.
    QStringList day31;
    for (const CanvasCall& call : rec.ofKind(CanvasCall::Kind::PrintCell))
        if (call.numbers[4] == 10510 && call.numbers[3] >= 900)
            day31 << call.text;
    EXPECT_EQ(day31, QStringList(10, QStringLiteral("  ")));
}

TEST_F(WeatherPagesTest, ManualPageWeatherDaysTable)
{
    positionCoded();
    CanvasCallRecorder rec(c.canvas);
    drawManualPage();
    EXPECT_TRUE(rec.contains(R"x(PrintCell(-1, "雨", 696, 300, 10460, 11410))x"));
    EXPECT_TRUE(rec.contains(R"x(PrintCell(-1, "结冰", 696, 300, 10460, 12310))x"));
    const QString rain = QString(QChar(0xE234));
    const QString ice = QString(QChar(0xE24A));
    ASSERT_FALSE(CellsAt(rec, 10460, 11710).empty());
    EXPECT_EQ(CellsAt(rec, 10460, 11710).back().text, rain);
    EXPECT_EQ(cellText(rec, 10460, 12610), ice);
    EXPECT_EQ(symbolPrints(rain), 1);
    // The 26th place: three empty framed cells.
    for (double y : {12310.0, 12610.0, 12910.0}) {
        const auto cells = CellsAt(rec, 18812, y);
        ASSERT_EQ(cells.size(), 1u) << y;
        EXPECT_TRUE(cells[0].text.trimmed().isEmpty());
        EXPECT_EQ(cells[0].numbers[0], -1);
    }
}

TEST_F(WeatherPagesTest, WithoutTheSymbolFontTheWeatherDaysAreToldOnceAndThePageEnds)
{
    const test::PositionCodedTables codes = positionCoded();
    printer.markFamilyMissing(SymbolFontName);
    CanvasCallRecorder rec(c.canvas);
    drawManualPage();
    // The weather-string and summary printers tell their own missing face; the page itself
    // tells it once, for the weather-day symbols.
    ASSERT_EQ(messages().titles().count(QStringLiteral("天气日数")), 1);
    for (const auto& box : messages().shown)
        if (box.title == QStringLiteral("天气日数"))
            EXPECT_TRUE(box.text.startsWith(QStringLiteral("错误号：380")));
    const std::size_t boxes = messages().shown.size();
    EXPECT_EQ(c.LastErrorNumbers[5], 380);
    EXPECT_TRUE(rec.contains(R"x(PrintCell(0, "-3-", 19500, 300, 0, 13300))x"));
    // The counts below the symbols are still there.
    EXPECT_EQ(cellText(rec, 10460 + 696 * 11, 12910), codes(c.tables.AWeatherDayCount, 25));
    EXPECT_EQ(printer.endDocCount(), 1);
    // The slot is never cleared: a later drawing reports nothing new.
    drawManualPage();
    EXPECT_EQ(messages().shown.size(), boxes);
    EXPECT_EQ(printer.endDocCount(), 2);
}

TEST_F(WeatherPagesTest, VisibilityAndWeatherWholeOverPositionCodedTables)
{
    const ReportTables& t = c.tables;
    const test::PositionCodedTables codes = positionCoded();
    c.tables.AfilePara(16) = 24;
    CanvasCallRecorder rec(c.canvas);
    drawVisibilityAndWeather();

    test::PageExpectation page(codes);
    for (int d = 1; d <= 31; ++d)
        page.row(1110 + 310 * (d - 1), 800, 700,
                 {codes(t.AVisibility, d, 1), codes(t.AVisibility, d, 2), codes(t.AVisibility, d, 3),
                  codes(t.AVisibility, d, 4)});
    page.only(800, 1110, 3600, 10720);
    for (int h = 1; h <= 4; ++h)
        page.row(11650 + 310 * (h - 1), 0, 600,
                 {QString::number(2 + 6 * (h - 1)), codes(t.AVisibilityClassStat, h, 1),
                  codes(t.AVisibilityClassStat, h, 2), codes(t.AVisibilityClassStat, h, 3),
                  codes(t.AVisibilityClassStat, h, 4), codes(t.AVisibilityClassStat, h, 5)});
    for (int e = 0; e < 25; ++e)
        page.cell(3600 + 1223 * (e % 13), 11650 + 930 * (e / 13), codes(t.AWeatherDayCount, e + 1));
    page.cell(3600 + 1223 * 12, 11650 + 930, QStringLiteral("  "));
    EXPECT_TRUE(page.matches(rec));
    EXPECT_TRUE(rec.contains(R"x(PrintCell(-1, "天     气     现     象", 12900, 800, 3600, 310))x"));
    EXPECT_TRUE(rec.contains(R"x(PrintCell(0, "-8-", 19500, 300, 0, 13300))x"));
    EXPECT_TRUE(printer.verticalLinesAt(5601).empty());
    EXPECT_TRUE(messages().shown.empty());
}

TEST_F(WeatherPagesTest, EightObservationsSplitBothPages)
{
    positionCoded();
    c.tables.AfilePara(16) = 8;
    {
        CanvasCallRecorder rec(c.canvas);
        drawVisibilityAndWeather();
        EXPECT_TRUE(rec.contains(R"x(PrintCell(-1, "天     气     现     象", 12900, 500, 3600, 310))x"));
        EXPECT_TRUE(rec.contains(R"x(PrintCell(-1, "夜间(20-8时)", 2000, 300, 3600, 810))x"));
        EXPECT_TRUE(rec.contains(R"x(PrintCell(-1, "白天(8-20时)", 10900, 300, 5600, 810))x"));
        EXPECT_TRUE(rec.contains(R"x(DrawVerticalLine(5600, 810, 10720, 1))x"));
    }
    printer.clear();
    CanvasCallRecorder rec(c.canvas);
    drawWeatherPhenomena();
    EXPECT_TRUE(rec.contains(R"x(PrintCell(-1, "天  气  现  象", 15700, 400, 800, 310))x"));
    EXPECT_TRUE(rec.contains(R"x(PrintCell(-1, "夜间(20-8时)", 2000, 400, 800, 710))x"));
    EXPECT_TRUE(rec.contains(R"x(DrawVerticalLine(2800, 310, 11960, 1))x"));
}

TEST_F(WeatherPagesTest, TheReferencePageSplitsOnlyForEightObservations)
{
    positionCoded();
    c.tables.AfilePara(16) = 3;
    c.tables.AWeather(5, 1) = QStringLiteral("(60)70 1200");
    CanvasCallRecorder rec(c.canvas);
    drawWeatherPhenomena();
    EXPECT_TRUE(rec.contains(R"x(PrintCell(-1, "天  气  现  象", 15700, 800, 800, 310))x"));
    EXPECT_FALSE(printer.hasText(QStringLiteral("夜间(20-8时)x")));
}

TEST_F(WeatherPagesTest, WeatherPhenomenaWeatherDaysRow)
{
    const ReportTables& t = c.tables;
    const test::PositionCodedTables codes = positionCoded();
    CanvasCallRecorder rec(c.canvas);
    drawWeatherPhenomena();
    test::PageExpectation page(codes);
    QStringList names, counts;
    for (int e = 1; e <= 25; ++e)
        counts << codes(t.AWeatherDayCount, e);
    page.row(12660, 800, 748, counts).only(800, 12660, 19500, 13010);
    EXPECT_TRUE(page.matches(rec));
    EXPECT_TRUE(rec.contains(R"x(PrintCell(-1, "雨", 748, 350, 800, 11960))x"));
    EXPECT_TRUE(rec.contains(R"x(PrintWrappedText(-1, 800, 1050, 0, 11960, "天气日数", 525, 2))x"));
    EXPECT_EQ(cellText(rec, 800 + 748 * 24, 12310), SymbolGlyph(34));
    EXPECT_TRUE(rec.contains(R"x(PrintCell(0, "-15-", 19500, 300, 0, 13300))x"));
}

TEST_F(WeatherPagesTest, DrawingNeverChangesTheWeatherRecords)
{
    positionCoded();
    c.tables.AfilePara(16) = 4;
    const QString record = QStringLiteral("(60[1],80)70 1200");
    c.tables.AWeather(5, 1) = record;
    for (const RendererId id : {RendererId::PrintVisibilityAndWeather, RendererId::PrintWeatherPhenomena,
                                RendererId::PrintVisibilityPrecipitationWeather}) {
        for (int drawing = 1; drawing <= 2; ++drawing) {
            printer.clear();
            CallRenderer(id, c, {});
            EXPECT_EQ(c.tables.AWeather(5, 1), record);
            for (const ushort glyph : {0xE234, 0xE235, 0xE237})
                EXPECT_GE(symbolPrints(QString(QChar(glyph))), 1) << int(id) << " drawing " << drawing;
        }
    }
}
