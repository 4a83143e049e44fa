#include "platform/PrintTestComponent.h"
#include "window/PrintPageChoice.h"

#include <gtest/gtest.h>

namespace tabulon {
namespace {

using test::PrintTestComponent;

std::vector<int> Rows(std::initializer_list<int> rows)
{
    return rows;
}

QStringList Numbered(int n, const QString& last)
{
    QStringList titles{QStringLiteral("封面")};
    for (int i = 1; i < n - 1; ++i)
        titles << QString::number(i);
    titles << last;
    return titles;
}

TEST(PrintPageChoice, CaptionsNameStationAndPeriod)
{
    PrintTestComponent t;
    t.c.state.ReportKind = MonthlySurfaceReport;
    t.c.tables.AfilePara(7) = QStringLiteral("54511");
    t.c.tables.AfilePara(2) = 2003;
    t.c.tables.AfilePara(3) = 3;
    EXPECT_EQ(PrintDialogCaption(t.c), QStringLiteral("打印：54511站2003年3月月报表"));

    t.c.state.ReportKind = MonthlyRadiationReport;
    t.c.tables.RfilePara(7) = QStringLiteral("54511");
    t.c.tables.RfilePara(2) = QStringLiteral("2003");
    t.c.tables.RfilePara(3) = 3.0;
    EXPECT_EQ(PrintDialogCaption(t.c), QStringLiteral("打印：54511站2003年3月月报表"));

    t.c.state.ReportKind = YearlySurfaceReport;
    t.c.tables.YfilePara(5) = QStringLiteral("54511");
    t.c.tables.YfilePara(2) = 2003;
    EXPECT_EQ(PrintDialogCaption(t.c), QStringLiteral("打印：54511站2003年年报表"));

    t.c.state.ReportKind = 0;
    EXPECT_EQ(PrintDialogCaption(t.c), QString());
}

TEST(PrintPageChoice, PageListsLeaveTheBriefTablesToTheirBoxes)
{
    PrintTestComponent t;
    t.c.state.ReportKind = MonthlySurfaceReport;
    t.c.state.StationKind = ManualStation;
    const QStringList kind1 = PrintPageTitles(t.c);
    ASSERT_EQ(kind1.size(), 10);
    EXPECT_EQ(kind1.first(), QStringLiteral("封面"));
    EXPECT_EQ(kind1.last(), QStringLiteral("封底"));

    t.c.state.StationKind = ReferenceStation;
    EXPECT_EQ(PrintPageTitles(t.c).size(), 34);
    t.c.state.StationKind = 6;
    EXPECT_TRUE(PrintPageTitles(t.c).isEmpty());

    // The radiation report offers the pages its class has, as the preview does.
    t.c.state.ReportKind = MonthlyRadiationReport;
    t.c.state.StationKind = 1;
    EXPECT_EQ(PrintPageTitles(t.c).size(), 7);
    t.c.state.StationKind = 3;
    EXPECT_EQ(PrintPageTitles(t.c).size(), 3);

    t.c.state.ReportKind = YearlySurfaceReport;
    EXPECT_EQ(PrintPageTitles(t.c).size(), 6);
}

TEST(PrintPageChoice, OddEvenAndAllOfAManualStationReport)
{
    PrintTestComponent t;
    t.c.state.ReportKind = MonthlySurfaceReport;
    t.c.state.StationKind = ManualStation;
    const QStringList titles = PrintPageTitles(t.c);

    PageChoiceRows odd = ChoosePages(OddPages, titles);
    EXPECT_EQ(odd.rows, Rows({1, 3, 5, 7}));
    EXPECT_EQ(odd.currentRow, 1);
    PageChoiceRows even = ChoosePages(EvenPages, titles);
    EXPECT_EQ(even.rows, Rows({2, 4, 6, 8}));
    EXPECT_EQ(even.currentRow, 2);
    PageChoiceRows all = ChoosePages(AllPages, titles);
    EXPECT_EQ(all.rows, Rows({0, 1, 2, 3, 4, 5, 6, 7, 8, 9}));
    EXPECT_EQ(all.currentRow, 0);
    EXPECT_TRUE(ChoosePages(3, titles).rows.empty());
}

TEST(PrintPageChoice, TheLastRowIsLeftOutOnlyWhenItIsABackCover)
{
    // Radiation report: the last page is numbered "-6-" and belongs to the even pages.
    const QStringList radiation = Numbered(7, QStringLiteral("时、日反射辐射曝辐量"));
    EXPECT_EQ(ChoosePages(OddPages, radiation).rows, Rows({1, 3, 5}));
    EXPECT_EQ(ChoosePages(EvenPages, radiation).rows, Rows({2, 4, 6}));
    // The yearly back cover is left out.
    const QStringList yearly = Numbered(6, QStringLiteral("年报表封底"));
    EXPECT_EQ(ChoosePages(OddPages, yearly).rows, Rows({1, 3}));
    EXPECT_EQ(ChoosePages(EvenPages, yearly).rows, Rows({2, 4}));
}

TEST(PrintPageChoice, ShortListsNeverNameARowTheyHaveNot)
{
    const QStringList coverOnly{QStringLiteral("封面")};
    EXPECT_TRUE(ChoosePages(OddPages, coverOnly).rows.empty());
    EXPECT_EQ(ChoosePages(OddPages, coverOnly).currentRow, -1);
    EXPECT_EQ(ChoosePages(EvenPages, coverOnly).currentRow, -1);
    EXPECT_EQ(ChoosePages(AllPages, coverOnly).rows, Rows({0}));

    const QStringList two{QStringLiteral("封面"), QStringLiteral("x")};
    EXPECT_EQ(ChoosePages(OddPages, two).rows, Rows({1}));
    EXPECT_TRUE(ChoosePages(EvenPages, two).rows.empty());
    EXPECT_EQ(ChoosePages(EvenPages, two).currentRow, -1);

    EXPECT_EQ(ChoosePages(AllPages, {}).currentRow, -1);
    EXPECT_TRUE(ChoosePages(OddPages, {}).rows.empty());
}

TEST(PrintPageChoice, BriefTablesAreTheLastThreePagesOfTheMonthlyReport)
{
    EXPECT_EQ(BriefTablePage(37, 0), 35);
    EXPECT_EQ(BriefTablePage(37, 1), 36);
    EXPECT_EQ(BriefTablePage(13, 2), 13);
    EXPECT_TRUE(HasBriefTables(MonthlySurfaceReport));
    EXPECT_FALSE(HasBriefTables(MonthlyRadiationReport));
    EXPECT_FALSE(HasBriefTables(YearlySurfaceReport));
}

}  // namespace
}  // namespace tabulon
