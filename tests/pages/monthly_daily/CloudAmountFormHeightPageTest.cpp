#include "pages/monthly_daily/CloudAmountFormHeightPage.h"

#include "support/PageTestSupport.h"

using namespace tabulon;
using namespace tabulon::testing;

namespace {

double DayY(int day) { return 1110 + 310 * (day - 1 + (day > 10) + (day > 20)); }
constexpr std::array<double, 4> StatisticsY{4210, 7620, 11340, 11650};

}  // namespace

using CloudAmountFormHeightPage = DailyPageTest;

TEST_F(CloudAmountFormHeightPage, WholePageOverPositionCodedTables)
{
    ReportTables& t = c.tables;
    const test::PositionCodedTables codes = positionCoded();
    CanvasCallRecorder rec(c.canvas);
    PrintCloudAmountFormHeight(c, 1);

    test::PageExpectation page(codes);
    for (int d = 1; d <= 31; ++d) {
        QStringList amounts;
        for (int h = 1; h <= 4; ++h)
            amounts << codes(t.ATotalCloud, d, h);
        amounts << codes(t.ADailyStat, d, 9);
        for (int h = 1; h <= 4; ++h)
            amounts << codes(t.ALowCloud, d, h);
        amounts << codes(t.ADailyStat, d, 11);
        page.row(DayY(d), 1000, 600, amounts);
        // The form cells are empty frames with the forms drawn over them.
        page.row(DayY(d), 7000, 2375, {"", "", "", ""});
        page.row(DayY(d), 16500, 750,
                 {codes(t.ACloudHeight, d, 1), codes(t.ACloudHeight, d, 2), codes(t.ACloudHeight, d, 3),
                  codes(t.ACloudHeight, d, 4)});
    }
    for (int p = 1; p <= 4; ++p) {
        QStringList means;
        for (int k = 110; k <= 114; ++k)
            means << codes(t.ADekadStat, p, k);
        for (int k = 136; k <= 140; ++k)
            means << codes(t.ADekadStat, p, k);
        page.row(StatisticsY[p - 1], 1000, 600, means);
    }
    for (int p = 1; p <= 2; ++p) {
        page.row(StatisticsY[p - 1], 7000, 2375, QStringList(4, QStringLiteral("--------")));
        page.row(StatisticsY[p - 1], 16500, 750, QStringList(4, QStringLiteral("--------")));
    }
    // The class tables below the form and height columns.
    page.cell(7000, 11340, QStringLiteral("日平均云量量别日数"))
        .cell(11750, 11340, QStringLiteral("总云量出现回数"))
        .cell(15625, 11340, QStringLiteral("低云量出现回数"));
    // The label run is cut from one width literal, so the low-cloud labels start a twip past
    // their caption.
    page.row(11650, {7000, 9375, 11750, 12719, 13688, 14657, 15626, 16595, 17564, 18533},
             {"总云量", "低云量", "时间", "0-2", "3-7", "8-10", "时间", "0-2", "3-7", "8-10"});
    page.row(11960, 7000, 792, {"0.0-1.9", "2.0-8.0", "8.1-10.0", "0.0-1.9", "2.0-8.0", "8.1-10.0"});
    QStringList meanClassDays;
    for (int cloud = 1; cloud <= 2; ++cloud)
        for (int cls = 1; cls <= 3; ++cls)
            meanClassDays << codes(t.ACloudClassStat, cloud, 5, cls);
    page.row(12270, 7000, 792, meanClassDays);
    for (int cloud = 1; cloud <= 2; ++cloud) {
        const double x = cloud == 1 ? 11750 : 15625;
        for (int hour = 1; hour <= 4; ++hour)
            page.row(11960 + 310 * (hour - 1), x, 969,
                     {QString::number(6 * hour - 4), codes(t.ACloudClassStat, cloud, hour, 1),
                      codes(t.ACloudClassStat, cloud, hour, 2), codes(t.ACloudClassStat, cloud, hour, 3)});
    }
    page.only(1000, 1110, 19500, 13300);
    EXPECT_TRUE(page.matches(rec));
    EXPECT_TRUE(rec.contains(R"(PrintCell(0, "-2-", 19500, 300, 0, 13300))"));
    EXPECT_TRUE(messages().shown.empty());
}

TEST_F(CloudAmountFormHeightPage, HeadingsFormsAndThePageNumberOfEachArgument)
{
    positionCoded();
    c.tables.ACloudForm(1, 1) = QStringLiteral("Ci 31 AC");
    CanvasCallRecorder rec(c.canvas);
    PrintCloudAmountFormHeight(c, 2);
    EXPECT_TRUE(rec.contains(R"(PrintCell(-1, "平均", 600, 400, 3400, 710))"));
    EXPECT_TRUE(rec.contains(R"(PrintCell(-1, "云        状", 9500, 400, 7000, 310))"));
    EXPECT_TRUE(rec.contains(R"(PrintCell(-1, "2", 750, 400, 16500, 710))"));
    EXPECT_TRUE(rec.contains(R"(PrintCell(0, "-7-", 19500, 300, 0, 13300))"));
    // The cloud form mixes faces inside its 2375-wide cell: Ci, the symbol of 31, Ac.
    const QStringList inCell = [&] {
        QStringList texts;
        for (const RecordedText& text : printer.textsInBox(7000, 1110, 2375, 310))
            if (!text.text.trimmed().isEmpty())
                texts << text.text.trimmed();
        return texts;
    }();
    EXPECT_EQ(inCell.join(u'|'), QStringLiteral("Ci|\uE24B|Ac"));

    CanvasCallRecorder seven(c.canvas);
    PrintCloudAmountFormHeight(c, 7);
    EXPECT_TRUE(seven.contains(R"(PrintCell(0, "-7-", 19500, 300, 0, 13300))"));
}

TEST_F(CloudAmountFormHeightPage, ThirtyDayMonthLeavesDay31BlankAndStillPrintsTheThirdMeans)
{
    loadManualStationMonth(30, 4);
    const test::PositionCodedTables codes = positionCoded();
    CanvasCallRecorder rec(c.canvas);
    PrintCloudAmountFormHeight(c, 1);

    QStringList day31;
    for (const CanvasCall& call : rec.ofKind(CanvasCall::Kind::PrintCell))
        if (call.numbers[4] == 11030 && call.numbers[3] >= 1000)
            day31 << call.text;
    EXPECT_EQ(day31, QStringList(18, QStringLiteral("  ")));
    EXPECT_TRUE(rec.contains(R"(PrintCell(-1, "  ", 2375, 310, 14125, 11030))"));
    EXPECT_TRUE(rec.contains(QStringLiteral(R"(PrintCell(-1, "%1", 600, 310, 1000, 11340))")
                                 .arg(codes(c.tables.ADekadStat, 3, 110))));
    EXPECT_TRUE(rec.contains(QStringLiteral(R"(PrintCell(-1, "%1", 792, 310, 10960, 12270))")
                                 .arg(codes(c.tables.ACloudClassStat, 2, 5, 3))));
}

