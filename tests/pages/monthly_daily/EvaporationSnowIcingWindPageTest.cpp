#include "pages/monthly_daily/EvaporationSnowIcingWindPage.h"

#include "support/PageTestSupport.h"

using namespace tabulon;
using namespace tabulon::testing;

namespace {

double DayY(int day) { return 1510 + 320 * (day - 1 + (day > 10) + (day > 20)); }
constexpr std::array<double, 4> StatisticsY{4710, 8230, 12070, 12390};
constexpr double ExtremesY = 12710;
constexpr double DatesY = 13030;
const QString Context = QStringLiteral("蒸发、积雪、电线积冰、定时风");

}  // namespace

class EvaporationSnowIcingWindPage : public DailyPageTest {
protected:
    void SetUp() override
    {
        DailyPageTest::SetUp();
        codes_.emplace(positionCoded());
        // Winds as the station writes them, each cell's numbers naming its day and hour.
        for (int d = 1; d <= 31; ++d) {
            for (int h = 1; h <= 4; ++h)
                c.tables.AWind(d, h) = QStringLiteral("%1%2/%3").arg(d).arg(h).arg(h + 5);
            c.tables.AWireIcing(d, 9) = QStringLiteral("%1/%2").arg(d).arg(d % 10);
        }
    }
    const test::PositionCodedTables& codes() const { return *codes_; }

    std::optional<test::PositionCodedTables> codes_;
};

TEST_F(EvaporationSnowIcingWindPage, WholePageOverPositionCodedTables)
{
    ReportTables& t = c.tables;
    const test::PositionCodedTables& k = codes();
    const auto month = [&](int item) { return k(t.AMonthStat, item); };
    CanvasCallRecorder rec(c.canvas);
    PrintEvaporationSnowIcingWind(c);

    test::PageExpectation page(k);
    for (int d = 1; d <= 31; ++d) {
        const double y = DayY(d);
        page.row(y, 900, 550, {k(t.AEvaporation, d, 1), k(t.AEvaporationE601B, d, 1), k(t.ASnow, d, 1), k(t.ASnow, d, 2)});
        page.cell(3100, y, QStringLiteral(" "));   // no icing code of the three: a blank cell
        QStringList icing;
        for (int m = 2; m <= 8; ++m)
            icing << k(t.AWireIcing, d, m);
        icing << QString::number(d) << QStringLiteral("%1").arg(d % 10, 2, 10, QLatin1Char('0'));
        page.row(y, 3600, 650, icing);
        QStringList wind;
        for (int h = 1; h <= 4; ++h)
            wind << QStringLiteral("%1%2").arg(d).arg(h) << QStringLiteral("%1").arg(h + 5, 2, 10, QLatin1Char('0'));
        wind << k(t.ADailyStat, d, 16);
        page.row(y, 9450, 500, wind);
    }
    for (int p = 1; p <= 4; ++p) {
        const double y = StatisticsY[p - 1];
        page.row(y, 900, 550, {k(t.ADekadStat, p, 166), k(t.ADekadStat, p, 167), "---", "---"});
        page.cell(3100, y, QStringLiteral("---"));
        page.row(y, 3600, 650, QStringList(9, QStringLiteral("---")));
        page.row(y, 9450, 500,
                 {"---", k(t.ADekadStat, p, 168), "---", k(t.ADekadStat, p, 169), "---", k(t.ADekadStat, p, 170), "---",
                  k(t.ADekadStat, p, 171), k(t.ADekadStat, p, 172)});
    }
    page.row(ExtremesY, 900, 550, {"---", "---", month(42), month(44)});
    page.row(DatesY, 900, 550, {"---", "---", month(43), month(45)});
    page.cell(3100, ExtremesY, QStringLiteral(" ")).cell(3100, DatesY, QStringLiteral("--"));
    page.row(ExtremesY, 3600, 650,
             {month(47), month(48), month(49), month(51), month(52), month(53), month(55), month(56), month(57)});
    page.row(DatesY, {3600, 5550, 7500, 8150, 8800}, {month(50), month(54), "--", "--", "--"});
    page.row(ExtremesY, 9450, 500, QStringList(9, QStringLiteral("---")));
    page.row(DatesY, 9450, 500, QStringList(9, QStringLiteral("---")));
    // The wind statistics: per direction three lines of 250, calm on one line.
    const TextCube& s = t.AWindDirectionStat;
    for (int d = 1; d <= 16; ++d) {
        const double y = 1420 + 750 * (d - 1);
        for (int line = 1; line <= 3; ++line)
            page.row(y + 250 * (line - 1), 15670, 312,
                     {k(s, 1, d, line), k(s, 2, d, line), k(s, 3, d, line), k(s, 4, d, line)});
        page.row(y, {16920, 17780, 18640}, {k(s, 5, d, 1), k(s, 6, d, 1), k(s, 6, d, 2)});
        page.row(y + 250, {16920}, {k(s, 5, d, 2)});
        page.row(y + 500, {16920, 17780}, {"月最大", k(s, 5, d, 3)});
    }
    page.row(13420, 15670, 312, {k(s, 1, 17, 2), k(s, 2, 17, 2), k(s, 3, 17, 2), k(s, 4, 17, 2)});
    page.row(13420, {16920, 17780, 18640}, {k(s, 5, 17, 2), "---", k(s, 6, 17, 2)});
    page.row(13350, {0, 3100, 4306, 5512, 6718, 7924, 9130, 10336, 11542, 12748},
             {"定时最大风速", month(58), "风向", month(59), "日期", month(60), "最多风向", month(61), "频率", month(62)});
    page.only(900, 1510, 13950, 13350).only(15670, 1420, 19500, 13670);
    EXPECT_TRUE(page.matches(rec));
    EXPECT_TRUE(rec.contains(R"(PrintCell(0, "-6-", 19500, 300, 0, 13750))"));
    EXPECT_EQ(printer.endDocCount(), 1);
    EXPECT_TRUE(messages().shown.empty());

    // The snow-pressure heading leaves its small unit size selected: the icing headings after
    // it stand in the size of the evaporation heading before it, the icing wind's in a larger one.
    const RecordedText* evaporation = printer.findText(QStringLiteral("小型"));
    ASSERT_NE(evaporation, nullptr);
    for (const QString& heading : {QStringLiteral("电   线   积   冰"), QStringLiteral("南   北"),
                                   QStringLiteral("东   西"), QStringLiteral("现象"), QStringLiteral("直径")}) {
        const RecordedText* text = printer.findText(heading);
        ASSERT_NE(text, nullptr) << heading.toStdString();
        EXPECT_EQ(text->fontSize, evaporation->fontSize) << heading.toStdString();
    }
    ASSERT_NE(printer.findText(QStringLiteral("风向")), nullptr);
    EXPECT_GT(printer.findText(QStringLiteral("风向"))->fontSize, evaporation->fontSize);
}

// A fixed-time wind without "/" (the 02 h wind of a station observing three times a day is
// "" or "-") shows as stored with an empty speed, and the page still ends normally.
TEST_F(EvaporationSnowIcingWindPage, WindWithoutSpeedShowsAsStoredAndThePageGoesOn)
{
    ReportTables& t = c.tables;
    t.AWind(1, 1) = QString();
    t.AWind(2, 1) = QStringLiteral("-");
    t.AWireIcing(3, 9) = QStringLiteral("-");
    CanvasCallRecorder rec(c.canvas);
    PrintEvaporationSnowIcingWind(c);
    EXPECT_TRUE(messages().shown.empty());
    EXPECT_TRUE(rec.contains(R"(PrintCell(-1, "", 500, 320, 9450, 1510))"));
    EXPECT_TRUE(rec.contains(R"(PrintCell(-1, "", 500, 320, 9950, 1510))"));
    EXPECT_TRUE(rec.contains(R"(PrintCell(-1, "-", 500, 320, 9450, 1830))"));
    EXPECT_TRUE(rec.contains(R"(PrintCell(-1, "", 500, 320, 9950, 1830))"));
    EXPECT_TRUE(rec.contains(R"(PrintCell(-1, "", 650, 320, 8150, 2150))"));
    EXPECT_TRUE(rec.contains(R"(PrintCell(-1, "", 650, 320, 8800, 2150))"));
    EXPECT_TRUE(rec.contains(R"(PrintCell(0, "-6-", 19500, 300, 0, 13750))"));
    EXPECT_TRUE(rec.contains(R"(PrintCell(-1, "定时最大风速", 3100, 320, 0, 13350))"));
    EXPECT_EQ(printer.endDocCount(), 1);
    EXPECT_EQ(t.AWind(2, 1), QStringLiteral("-"));
}

TEST_F(EvaporationSnowIcingWindPage, WindCellsAlignmentAndWriteBacks)
{
    ReportTables& t = c.tables;
    t.AWind(1, 1) = QStringLiteral("90/7");
    t.AEvaporation(1, 1) = QStringLiteral("5");
    t.ADekadStat(1, 166) = QStringLiteral("8");
    t.AWireIcing(1, 1) = QStringLiteral("48");
    t.AWireIcing(2, 1) = QStringLiteral("5648");
    CanvasCallRecorder rec(c.canvas);
    PrintEvaporationSnowIcingWind(c);

    const auto direction = CellsAt(rec, 9450, 1510);
    const auto speed = CellsAt(rec, 9950, 1510);
    ASSERT_EQ(direction.size(), 1u);
    ASSERT_EQ(speed.size(), 1u);
    EXPECT_EQ(direction[0].text, QStringLiteral("90"));
    EXPECT_EQ(direction[0].textAlign, 1);
    EXPECT_EQ(speed[0].text, QStringLiteral("07"));
    EXPECT_EQ(speed[0].textAlign, 2);
    EXPECT_EQ(t.AWind(1, 1), QStringLiteral("90/7"));

    EXPECT_TRUE(rec.contains(R"(PrintCell(-1, "05", 550, 320, 900, 1510))"));
    EXPECT_EQ(t.AEvaporation(1, 1), QStringLiteral("05"));
    EXPECT_EQ(t.ADekadStat(1, 166), QStringLiteral("08"));

    ASSERT_FALSE(printer.textsInBox(3100, 1510, 500, 320).empty());
    EXPECT_EQ(printer.textsInBox(3100, 1510, 500, 320).back().text, QStringLiteral("\uE245"));
    ASSERT_FALSE(printer.textsInBox(3100, 1830, 500, 320).empty());
    EXPECT_EQ(printer.textsInBox(3100, 1830, 500, 320).back().text, QStringLiteral("\uE256"));
}

TEST_F(EvaporationSnowIcingWindPage, ShortMonthBlanksTheLeftTableOfDays29To31)
{
    loadManualStationMonth(28, 4);
    CanvasCallRecorder rec(c.canvas);
    PrintEvaporationSnowIcingWind(c);
    for (double y : {11110.0, 11430.0, 11750.0}) {
        QStringList row;
        for (const CanvasCall& call : rec.ofKind(CanvasCall::Kind::PrintCell))
            if (call.numbers[4] == y && call.numbers[3] >= 900 && call.numbers[3] < 13950)
                row << call.text;
        EXPECT_EQ(row, QStringList(23, QStringLiteral("  "))) << y;
    }
}

TEST_F(EvaporationSnowIcingWindPage, AnErrorEndsThePageUnderItsContext)
{
    c.tables.AWind.dim({Bounds{1, 31}, Bounds{1, 2}});
    PrintEvaporationSnowIcingWind(c);
    ASSERT_EQ(messages().shown.size(), 1u);
    EXPECT_EQ(messages().shown[0].title, Context);
    EXPECT_FALSE(printer.hasText(QStringLiteral("-6-")));
}

TEST(WindCellsTest, FixedTimeAndIcingWindsSplitAtTheFirstSlash)
{
    const auto cells = [](const WindCells& w) { return w.direction + u'|' + w.speed; };
    EXPECT_EQ(cells(SplitFixedTimeWind(QStringLiteral("90/7"))), QStringLiteral("90|07"));
    EXPECT_EQ(cells(SplitFixedTimeWind(QStringLiteral("C/0"))), QStringLiteral("C|00"));
    EXPECT_EQ(cells(SplitFixedTimeWind(QStringLiteral("-/-"))), QStringLiteral("-|-"));
    EXPECT_EQ(cells(SplitFixedTimeWind(QStringLiteral("-"))), QStringLiteral("-|"));
    EXPECT_EQ(cells(SplitFixedTimeWind(QString())), QStringLiteral("|"));
    EXPECT_EQ(cells(SplitIcingWind(QStringLiteral("12/7"))), QStringLiteral("12|07"));
    EXPECT_EQ(cells(SplitIcingWind(QStringLiteral("337/42"))), QStringLiteral("337|42"));
    EXPECT_EQ(cells(SplitIcingWind(QStringLiteral("12/x"))), QStringLiteral("12|x"));
    EXPECT_EQ(cells(SplitIcingWind(QStringLiteral("-"))), QStringLiteral("|"));
}
