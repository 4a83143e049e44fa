// The recorded precipitation page and its accumulation markers.
#include "pages/monthly_hourly/AccumulationMarkers.h"
#include "support/PageTestSupport.h"
#include "pages/monthly_hourly/DayGridRenderers.h"

namespace tabulon::test {
namespace {

QStringList Marked(const QStringList& hours) { return MarkAccumulatedHours(hours); }

TEST(AccumulationMarkersTest, RunsLeadToTheHourHoldingTheAmount)
{
    EXPECT_EQ(Marked({"5", "A", "-", "-", "12"}), QStringList({"5", "←---", "----", "----", "12"}));
    // An "A" ending a run is marked but starts no run: the "-" after it stays.
    EXPECT_EQ(Marked({"A", "-", "A", "-", "7"}), QStringList({"←---", "----", "←---", "-", "7"}));
    // A run reaching the last hour, and an "A" in the last hour.
    EXPECT_EQ(Marked({"1", "A", "-", "-"}), QStringList({"1", "←---", "----", "----"}));
    EXPECT_EQ(Marked({"", "3", "-", "A"}), QStringList({"", "3", "-", "←---"}));
    // A "-" outside a run and an empty hour end nothing and are kept.
    EXPECT_EQ(Marked({"-", "A", "", "-"}), QStringList({"-", "←---", "", "-"}));
    EXPECT_EQ(Marked({}), QStringList());
}

TEST(AccumulationMarkersTest, SecondPassChangesNothing)
{
    const QStringList once = Marked({"A", "-", "A", "-", "7", "A", "-", "2", "-", "A"});
    EXPECT_EQ(Marked(once), once);
}

class SelfRecordingPrecipitationPageTest : public DayGridPageTest {
protected:
    static double IntervalX(int item) { return 1025 + 739 * (item - 1); }
};

TEST_F(SelfRecordingPrecipitationPageTest, WholePage)
{
    const PositionCodedTables codes = positionCoded();
    ATables& t = c.tables;
    const QStringList day4 = {"5", "A", "-", "-", "12"};
    for (int k = 0; k < day4.size(); ++k)
        t.AHourlyPrecipitation(4, 10 + k) = day4.at(k);
    t.AHourlyPrecipitation(5, 24) = QStringLiteral("A");
    t.AHourlyPrecipitation(6, 3) = QStringLiteral("-");
    t.ADailyStat(2, 15) = QStringLiteral("3");
    t.AHourlyPrecipTotal = QStringLiteral("7");
    CanvasCallRecorder rec(c.canvas);
    PrintSelfRecordingPrecipitation(c, 3);

    PageExpectation page(codes);
    for (int d = 1; d <= 31; ++d)
        page.row(DayGridRowY(d), 1025, 739, DayCodes(codes, t.AHourlyPrecipitation, d, 1, 24) << codes(t.ADailyStat, d, 15));
    page.row(DayGridRowY(4), IntervalX(10), 739, {"05", "←---", "----", "----", "12"});   // amounts zero-filled
    page.cell(IntervalX(24), DayGridRowY(5), QStringLiteral("←---"));
    page.cell(IntervalX(3), DayGridRowY(6), QStringLiteral("-"));
    page.cell(18761, 1460, QStringLiteral("03"));
    page.row(11960, 1025, 739, QStringList(24, QStringLiteral("----")) << QStringLiteral("07"));
    EXPECT_TRUE(page.only(1025, 1110, 19500, 12310).matches(rec));
    EXPECT_EQ(lastCellAt(rec, 18761, 11960).textAlign, 2);
    EXPECT_EQ(lastCellAt(rec, 1025, 11960).textAlign, 0);

    // The rewrites stay in the tables.
    EXPECT_EQ(t.AHourlyPrecipitation(4, 11), "←---");
    EXPECT_EQ(t.AHourlyPrecipitation(4, 13), "----");
    EXPECT_EQ(t.AHourlyPrecipitation(5, 24), "←---");
    EXPECT_EQ(t.AHourlyPrecipitation(6, 3), "-");
    EXPECT_EQ(t.ADailyStat(2, 15), "03");
    EXPECT_EQ(t.AHourlyPrecipTotal, "07");

    EXPECT_TRUE(rec.contains(R"c(PrintCell(-1, "日  期", 1025, 800, 0, 310))c"));
    EXPECT_TRUE(rec.contains(
        R"c(PrintCell(-1, " 自    动    观    测    降    水    量    (0.1mm)  ", 18480, 400, 1025, 310))c"));
    EXPECT_TRUE(PageExpectation()
                    .row(710, 1025, 739,
                         QStringLiteral("20-21,21-22,22-23,23-24,0-1,1-2,2-3,3-4,4-5,5-6,6-7,7-8,8-9,9-10,10-11,"
                                        "11-12,12-13,13-14,14-15,15-16,16-17,17-18,18-19,19-20,合计")
                             .split(u','))
                    .only(1025, 710, 19500, 1110)
                    .matches(rec));
    EXPECT_TRUE(rec.contains(R"c(PrintCell(-1, "月合计", 1025, 350, 0, 11960))c"));
    EXPECT_TRUE(rec.contains(R"c(PrintCell(-1, "31", 1025, 350, 0, 11610))c"));
    EXPECT_TRUE(rec.contains("DrawVerticalLine(9888, 710, 1110, 4)"));
    EXPECT_TRUE(rec.contains("DrawVerticalLine(9888, 710, 12310, 4)"));
    EXPECT_TRUE(rec.contains("DrawVerticalLine(19500, 310, 12310, 4)"));
    EXPECT_TRUE(rec.contains("DrawVerticalLine(1025, 310, 12310, 4)"));
    EXPECT_TRUE(rec.contains("DrawHorizontalLine(0, 12310, 1030, 4)"));
    EXPECT_TRUE(rec.contains("DrawHorizontalLine(0, 12310, 19500, 4)"));
    EXPECT_TRUE(rec.contains("DrawHorizontalLine(1025, 9860, 19500, 3)"));
    EXPECT_FALSE(rec.contains("DrawVerticalLine(4870, 710, 11960, 4)"));   // no fixed-hour rules
    EXPECT_EQ(rec.strings().last(), R"c(PrintCell(0, "-18-", 19500, 300, 0, 13300))c");
    EXPECT_TRUE(boxes().shown.empty());
}

TEST_F(SelfRecordingPrecipitationPageTest, VariantsShortMonthAndRedraw)
{
    positionCoded();
    c.tables.AfilePara(4) = 30;
    c.canvas.ShowGridLines = 0;
    c.tables.AHourlyPrecipitation(1, 1) = QStringLiteral("A");
    c.tables.AHourlyPrecipitation(1, 2) = QStringLiteral("-");
    CanvasCallRecorder rec(c.canvas);
    PrintSelfRecordingPrecipitation(c, 1);
    const QStringList first = rec.strings();
    EXPECT_TRUE(rec.contains(R"c(PrintCell(-1, "自   记  降  水  量     (0.1mm)", 18480, 400, 1025, 310))c"));
    EXPECT_TRUE(rec.contains(R"c(PrintCell(0, "-4-", 19500, 300, 0, 13300))c"));
    // Row 31: 25 blank cells; labels lose their borders with the grid, the title keeps its.
    EXPECT_EQ(countCells(rec, QStringLiteral("  "), 11610), 25);
    EXPECT_TRUE(rec.contains(R"c(PrintCell(0, "20-21", 739, 400, 1025, 710))c"));
    EXPECT_TRUE(rec.contains(R"c(PrintCell(0, "月合计", 1025, 350, 0, 11960))c"));

    // Drawing again finds the rewritten markers and gives the same page.
    rec.clear();
    PrintSelfRecordingPrecipitation(c, 1);
    EXPECT_EQ(rec.strings(), first);

    rec.clear();
    PrintSelfRecordingPrecipitation(c, 2);
    EXPECT_TRUE(rec.contains(
        R"c(PrintCell(-1, "自  记  (或  自  动  观  测)  降  水  量    (0.1mm)", 18480, 400, 1025, 310))c"));
    EXPECT_TRUE(rec.contains(R"c(PrintCell(0, "-11-", 19500, 300, 0, 13300))c"));
    EXPECT_TRUE(boxes().shown.empty());
}

}  // namespace
}  // namespace tabulon::test
