#include "platform/RecordingSurface.h"
#include "toolkit/CanvasObserver.h"
#include "toolkit/PageHeading.h"
#include "report/Component.h"

#include <gtest/gtest.h>

using namespace tabulon;

namespace {

class PageHeadingTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        c.canvas.PrintMode = -1;
        c.canvas.OutputTarget = &surface;
        c.tables.AfilePara(2) = 2026;
        c.tables.AfilePara(3) = 7;
        c.tables.AfilePara(7) = QStringLiteral("54511");
        c.tables.AStationInfo(2) = QStringLiteral(" 南郊 ");
        c.tables.RfilePara(2) = 2026;
        c.tables.RfilePara(3) = 8;
        c.tables.RfilePara(7) = QStringLiteral("54399");
        c.tables.RStationInfo(3) = QStringLiteral("海淀");
        c.tables.YfilePara(2) = 2025;
        c.tables.YfilePara(5) = QStringLiteral("54433");
    }
    QStringList heading(int reportKind)
    {
        c.state.ReportKind = static_cast<std::int16_t>(reportKind);
        CanvasCallRecorder rec(c.canvas);
        PrintPageHeading(c);
        return rec.strings();
    }

    Component c{Services{std::make_unique<ScriptedMessageBox>(), nullptr}};
    RecordingSurface surface;
};

}  // namespace

TEST_F(PageHeadingTest, PeriodLeftStationRight)
{
    EXPECT_EQ(heading(1), (QStringList{R"(PrintCell(0, "2026年7月", 2500, 310, 1030, 0))",
                                       R"(PrintCell(0, " 南郊 ", 5000, 310, 14500, 0))"}));
    EXPECT_EQ(heading(2), (QStringList{R"(PrintCell(0, "2026年8月", 2500, 310, 1030, 0))",
                                       R"(PrintCell(0, "海淀", 5000, 310, 14500, 0))"}));
}

TEST_F(PageHeadingTest, BlankStationNameShowsTheStationNumber)
{
    c.tables.AStationInfo(2) = QStringLiteral("   ");
    EXPECT_EQ(heading(1).at(1), R"(PrintCell(0, "54511", 5000, 310, 14500, 0))");
    c.tables.YStationInfo(2) = QString();
    EXPECT_EQ(heading(3).at(1), R"(PrintCell(0, "54433", 5000, 310, 14500, 0))");
}

TEST_F(PageHeadingTest, YearlyHeadingHasNoMonth)
{
    EXPECT_EQ(heading(3).at(0), R"(PrintCell(0, "2025年", 2500, 310, 1030, 0))");
}

TEST_F(PageHeadingTest, UnknownReportKindDrawsAnEmptyStationCellOnly)
{
    EXPECT_EQ(heading(0), QStringList{R"(PrintCell(0, "", 5000, 310, 14500, 0))"});
}

TEST_F(PageHeadingTest, LeavesFontAndAlignmentToTheCaller)
{
    c.canvas.TextAlign = 2;
    const QStringList calls = heading(1);
    EXPECT_EQ(calls.filter("SetFont").size(), 0);
    EXPECT_EQ(c.canvas.TextAlign, 2);
}
