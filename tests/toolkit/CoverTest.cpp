#include "support/FakePanes.h"
#include "toolkit/Cover.h"
#include "report/Component.h"

#include <gtest/gtest.h>

using namespace tabulon;
using namespace tabulon::test;

namespace {

class CoverTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        c.setPanes(&panes);
        ATables& a = c.tables;
        a.AfilePara(2) = 2026;
        a.AfilePara(3) = 7;
        a.AfilePara(7) = QStringLiteral("54511");
        a.AfilePara(8) = QStringLiteral("39.57N");
        a.AfilePara(9) = QStringLiteral("116.28E");
        a.AfilePara(10) = QStringLiteral("31.3");
        a.AfilePara(11) = QStringLiteral("32.6");
        a.AfilePara(12) = QStringLiteral("10.5");
        a.AfilePara(14) = QStringLiteral("");
        a.AfilePara(52) = QStringLiteral("110101");
        const char* info[] = {"北京", "南郊", "大兴区", "旧宫", "张", "王", "李", "赵", "钱", "孙"};
        for (int i = 1; i <= 10; ++i)
            a.AStationInfo(i) = QString::fromUtf8(info[i - 1]);
        RTables& r = c.tables;
        r.RfilePara(2) = 2026;
        r.RfilePara(3) = 8;
        r.RfilePara(7) = QStringLiteral("54511");
        for (int i = 1; i <= 16; ++i)
            r.RStationInfo(i) = QStringLiteral("r%1").arg(i);
    }

    QString line(int coverKind, int n) { return CoverLines(c.tables, coverKind)[static_cast<std::size_t>(n - 1)]; }

    ScriptedMessageBox* box = new ScriptedMessageBox;
    Component c{Services{std::unique_ptr<MessageBox>(box), nullptr}};
    FakePanes panes;
};

}  // namespace

TEST(CoverPosition, DegreesMinutesAndHemisphere)
{
    EXPECT_EQ(CoverPositionText("39.57N"), QStringLiteral("39 °57 ′N"));
    EXPECT_EQ(CoverPositionText("116.28E"), QStringLiteral("116 °28 ′E"));
    EXPECT_EQ(CoverPositionText("39.5N"), QStringLiteral("39 °50 ′N"));
    EXPECT_EQ(CoverPositionText("40.05N"), QStringLiteral("40 °05 ′N"));
    EXPECT_EQ(CoverPositionText("40N"), QStringLiteral("40 °00 ′N"));
    EXPECT_EQ(CoverPositionText(""), QStringLiteral("0 °00 ′"));
}

TEST_F(CoverTest, SurfaceLinesFromTheMonthlyHeader)
{
    EXPECT_EQ(line(1, 1), QStringLiteral("区站号  54511"));
    EXPECT_EQ(line(2, 2), QStringLiteral("档案号  110101"));
    EXPECT_EQ(line(3, 3), QStringLiteral("2026年7月"));
    EXPECT_EQ(line(1, 4), QStringLiteral("南郊"));
    EXPECT_EQ(line(1, 5), QStringLiteral("北京"));
    EXPECT_EQ(line(1, 6), QStringLiteral("大兴区（旧宫）"));
    EXPECT_EQ(line(1, 7), QStringLiteral("39 °57 ′N"));
    EXPECT_EQ(line(1, 8), QStringLiteral("116 °28 ′E"));
    EXPECT_EQ(line(1, 10), QStringLiteral("32.6"));
    // Head, copier, pre-review, printer, proof-reader, review; the computations stay blank.
    const QStringList staff{line(1, 12), line(1, 13), line(1, 14), line(1, 15), line(1, 16),
                            line(1, 17), line(1, 18), line(1, 19)};
    EXPECT_EQ(staff, (QStringList{"张", "王", "", "赵", "孙", "李", "", "钱"}));
}

TEST_F(CoverTest, AddressWithoutSecondPartHasNoEmptyParentheses)
{
    c.tables.AStationInfo(4) = QString();
    EXPECT_EQ(line(1, 6), QStringLiteral("大兴区"));
    c.tables.AStationInfo(3) = QStringLiteral("甲（）乙");
    EXPECT_EQ(line(1, 6), QStringLiteral("甲乙"));
}

TEST_F(CoverTest, RadiationLinesJoinTheRadiometerHeights)
{
    EXPECT_EQ(line(5, 2), QStringLiteral("档案号  r1"));
    EXPECT_EQ(line(5, 3), QStringLiteral("2026年8月"));
    EXPECT_EQ(line(5, 4), QStringLiteral("r3"));
    EXPECT_EQ(line(5, 6), QStringLiteral("r4（r5）"));
    EXPECT_EQ(line(5, 10), QStringLiteral("r6、r7、r8"));
    EXPECT_EQ(line(5, 11), QStringLiteral("r9、r10"));
    EXPECT_EQ(line(5, 20), QString());
}

TEST_F(CoverTest, YearlyLinesShowOnlyTheYear)
{
    c.tables.YfilePara(2) = 2025;
    c.tables.YfilePara(5) = QStringLiteral("54511");
    c.tables.YfilePara(11) = QStringLiteral("12.5");
    EXPECT_EQ(line(4, 1), QStringLiteral("区站号  54511"));
    EXPECT_EQ(line(4, 3), QStringLiteral("2025年"));
    EXPECT_EQ(line(4, 20), QStringLiteral("12.5"));
    for (int n = 1; n <= 20; ++n)
        EXPECT_TRUE(line(6, n).isEmpty());
}

TEST_F(CoverTest, FormNumbers)
{
    EXPECT_EQ(CoverFormNumber(c.tables, 1), QStringLiteral("气  表-1 (人工)"));
    EXPECT_EQ(CoverFormNumber(c.tables, 3), QStringLiteral("气  表-1 (基准)"));
    EXPECT_EQ(CoverFormNumber(c.tables, 4), QStringLiteral("气    表 - 21"));
    const std::pair<QVariant, const char*> classes[] = {
        {1, "气  表 -33(一)"}, {2, "气  表 -33(二)"}, {QStringLiteral("3"), "气  表 -33(三)"},
        {0, "气  表 -33(一)"}, {4, "气  表 -33(一)"}, {QStringLiteral("x"), "气  表 -33(一)"}, {QVariant(), "气  表 -33(一)"}};
    for (const auto& [stationClass, form] : classes) {
        c.tables.RfilePara(11) = stationClass;
        EXPECT_EQ(CoverFormNumber(c.tables, 5), QString::fromUtf8(form)) << stationClass.toString().toStdString();
    }
    EXPECT_THROW(CoverFormNumber(c.tables, 0), ReportError);
    EXPECT_THROW(CoverFormNumber(c.tables, 6), ReportError);
}

TEST_F(CoverTest, PreviewUsesOnlyTheBodyPane)
{
    for (auto& s : panes.sizes)
        s = {500, 700};
    c.canvas.PageScale = Decimal4::fromRaw(8000);
    PrintCover(c, 1);
    EXPECT_TRUE(box->shown.empty());
    for (int i = 0; i < 3; ++i) {
        EXPECT_DOUBLE_EQ(panes.PaneWidth(i), 0);
        EXPECT_DOUBLE_EQ(panes.PaneHeight(i), 700);
    }
    EXPECT_DOUBLE_EQ(panes.PaneWidth(3), 15600);
    EXPECT_DOUBLE_EQ(panes.PaneHeight(3), 12960);
    EXPECT_EQ(c.canvas.OutputTarget, &panes.surfaces[3]);
}

TEST_F(CoverTest, PrintedCoverIsOneJob)
{
    JobSurface printer;
    c.canvas.PrintMode = -1;
    c.canvas.OutputTarget = &printer;
    PrintCover(c, 5);
    EXPECT_TRUE(box->shown.empty());
    EXPECT_EQ(printer.endedJobs, 1);
    EXPECT_DOUBLE_EQ(panes.PaneWidth(3), -1);
}

TEST_F(CoverTest, UnknownKindIsReportedUnderThePlainContext)
{
    JobSurface printer;
    c.canvas.PrintMode = -1;
    c.canvas.OutputTarget = &printer;
    PrintCover(c, 6);
    ASSERT_EQ(box->shown.size(), 1u);
    EXPECT_EQ(box->shown[0].title, QStringLiteral("打印"));
    EXPECT_TRUE(box->shown[0].text.startsWith(QStringLiteral("错误号：9\r\n")));
    EXPECT_EQ(printer.endedJobs, 1);
}
