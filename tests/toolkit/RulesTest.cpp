#include "CanvasTestSupport.h"

using namespace tabulon;
using tabulon::testing::CanvasTest;

using RulesTest = CanvasTest;

TEST_F(RulesTest, WidthCodesGiveUnscaledOneTwipStrokes)
{
    setScale("0.5");
    canvas.DrawVerticalLine(1000, 0, 2000, 4);
    ASSERT_EQ(surface.lines().size(), 20u);
    for (int k = 0; k < 20; ++k) {
        const RecordedLine& l = surface.lines()[k];
        EXPECT_EQ(l.x1, 501 + k);
        EXPECT_EQ(l.x2, 501 + k);
        EXPECT_EQ(l.y1, 0);
        EXPECT_EQ(l.y2, 1000);
    }

    const int expected[] = {0, 1, 10, 15, 20, 30};
    for (int code = 1; code <= 5; ++code) {
        surface.clear();
        canvas.DrawHorizontalLine(0, 100, 400, code);
        EXPECT_EQ(surface.lines().size(), size_t(expected[code])) << "code " << code;
    }
}

TEST_F(RulesTest, OtherCodesDrawNothingAndRaiseNothing)
{
    for (int code : {0, 6, -1}) {
        EXPECT_NO_THROW(canvas.DrawVerticalLine(10, 10, 20, code));
        EXPECT_NO_THROW(canvas.DrawHorizontalLine(10, 10, 20, code));
    }
    EXPECT_TRUE(surface.lines().empty());
    canvas.OutputTarget = nullptr;
    EXPECT_NO_THROW(canvas.DrawVerticalLine(10, 10, 20, 0));
}

TEST_F(RulesTest, PositionsAreFlooredThenOffsetByTheMargins)
{
    canvas.DrawVerticalLine(100.9, 0, 10, 1);
    ASSERT_EQ(surface.lines().size(), 1u);
    EXPECT_EQ(surface.lines()[0].x1, 101);

    surface.clear();
    setScale("0.5");
    canvas.DrawVerticalLine(-1, -1, 3, 1);   // -0.5 floors to -1
    EXPECT_EQ(surface.lines()[0].x1, 0);
    EXPECT_EQ(surface.lines()[0].y1, -1);
    EXPECT_EQ(surface.lines()[0].y2, 1);

    surface.clear();
    setScale("0.7");
    canvas.LeftMargin = 750;
    canvas.TopMargin = 300;
    canvas.DrawHorizontalLine(1000, 1000, 3001, 2);   // 700, 700, 2100.7
    ASSERT_EQ(surface.lines().size(), 10u);
    EXPECT_EQ(surface.lines().front().x1, 1450);
    EXPECT_EQ(surface.lines().front().x2, 2850);
    EXPECT_EQ(surface.lines().front().y1, 1001);
    EXPECT_EQ(surface.lines().back().y1, 1010);   // a heavy rule grows downwards
}

TEST_F(RulesTest, AMissingSurfaceIsReportedToTheCaller)
{
    canvas.OutputTarget = nullptr;
    EXPECT_THROW(canvas.DrawHorizontalLine(0, 0, 10, 1), ReportError);
}
