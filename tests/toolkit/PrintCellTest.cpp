#include "CanvasTestSupport.h"

using namespace tabulon;
using tabulon::testing::CanvasTest;

// The surface starts at 9 points: em 180, a narrow character 90 device twips.
using PrintCellTest = CanvasTest;

TEST_F(PrintCellTest, LeftInsetFollowsTheCentringSlack)
{
    canvas.TextAlign = 1;
    // "1" is 90 wide, so a cell 90 + 2 x slack wide has exactly that slack.
    const struct { double slack, inset; } cases[] = {{59, 59}, {60, 60}, {120, 60}, {121, 90}};
    for (const auto& c : cases) {
        surface.clear();
        canvas.PrintCell(0, "1", 90 + 2 * c.slack, 300, 1000, 0);
        ASSERT_EQ(surface.texts().size(), 1u);
        EXPECT_DOUBLE_EQ(surface.texts()[0].x, 1000 + c.inset) << "slack " << c.slack;
    }
}

TEST_F(PrintCellTest, PlacementByTextAlignAndCellCentring)
{
    setScale("0.5");
    canvas.LeftMargin = 100;
    canvas.TopMargin = 200;
    // Box 2000 x 600 at (1000, 400): device x 600..1600, y 400..700; "cc" is 180 high.
    canvas.TextAlign = 0;
    canvas.PrintCell(0, "12", 2000, 600, 1000, 400);
    EXPECT_DOUBLE_EQ(surface.texts().back().x, 600 + 410);   // slack (1000 - 180) / 2
    EXPECT_DOUBLE_EQ(surface.texts().back().y, 400 + 60);
    canvas.TextAlign = 2;
    canvas.PrintCell(0, "12", 2000, 600, 1000, 400);
    EXPECT_DOUBLE_EQ(surface.texts().back().x, 1600 - 180 - 90);
    canvas.TextAlign = 7;   // no placement: the pen stays where the last print left it
    const double penX = surface.CurrentX;
    canvas.PrintCell(0, "12", 2000, 600, 1000, 400);
    EXPECT_DOUBLE_EQ(surface.texts().back().x, penX);
}

TEST_F(PrintCellTest, NegativeValueWithBGetsARaisedSuffix)
{
    canvas.PrintCell(0, "-12B", 1000, 300, 0, 0);
    ASSERT_EQ(surface.texts().size(), 2u);
    const RecordedText& value = surface.texts()[0];
    const RecordedText& suffix = surface.texts()[1];
    EXPECT_EQ(value.text, "-12");
    EXPECT_DOUBLE_EQ(value.x, (1000 - 360) / 2);   // centred as the whole "-12B"
    EXPECT_DOUBLE_EQ(value.y, 60);
    EXPECT_EQ(suffix.text, "B");
    EXPECT_DOUBLE_EQ(suffix.x, value.x + value.width);
    EXPECT_DOUBLE_EQ(suffix.y, 10);

    for (const char* asIs : {"12B", "-B"}) {
        surface.clear();
        canvas.PrintCell(0, asIs, 1000, 300, 0, 0);
        ASSERT_EQ(surface.texts().size(), 1u) << asIs;
        EXPECT_EQ(surface.texts()[0].text, asIs);
    }
}

TEST_F(PrintCellTest, SplitModePutsThePartsInOppositeCorners)
{
    canvas.PrintCell(0, "NNE/35", 600, 400, 100, 200, 1);
    ASSERT_EQ(surface.texts().size(), 2u);
    EXPECT_EQ(surface.texts()[0].text, "NNE");
    EXPECT_DOUBLE_EQ(surface.texts()[0].x, 150);
    EXPECT_DOUBLE_EQ(surface.texts()[0].y, 250);
    EXPECT_EQ(surface.texts()[1].text, "35");
    EXPECT_DOUBLE_EQ(surface.texts()[1].x, 700 - 180 - 40);
    EXPECT_DOUBLE_EQ(surface.texts()[1].y, 600 - 180);

    surface.clear();
    canvas.PrintCell(0, "N/3/x", 600, 400, 0, 0, -1);   // parts after the second are ignored
    EXPECT_EQ(surface.joinedTexts(), "N|3");

    surface.clear();
    EXPECT_NO_THROW(canvas.PrintCell(0, "C", 600, 400, 0, 0, 1));
    ASSERT_EQ(surface.texts().size(), 1u);
    EXPECT_EQ(surface.texts()[0].text, "C");
    EXPECT_DOUBLE_EQ(surface.texts()[0].x, 50);
}

TEST_F(PrintCellTest, EmptyTextDrawsTheBorderAndResetsTheFont)
{
    surface.setSnapToPixels(false);
    surface.SetFontName(SymbolFontName);
    surface.SetFontSize(7.7);
    surface.clear();

    canvas.PrintCell(-1, "", 400, 300, 1000, 2000);
    EXPECT_TRUE(surface.texts().empty());
    ASSERT_EQ(surface.lines().size(), 4u);
    const RecordedLine top{1000, 2001, 1400, 2001}, bottom{1000, 2301, 1400, 2301},
        left{1001, 2000, 1001, 2300}, right{1401, 2000, 1401, 2300};
    const RecordedLine expected[] = {top, bottom, left, right};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(surface.lines()[i].x1, expected[i].x1) << i;
        EXPECT_EQ(surface.lines()[i].y1, expected[i].y1) << i;
        EXPECT_EQ(surface.lines()[i].x2, expected[i].x2) << i;
        EXPECT_EQ(surface.lines()[i].y2, expected[i].y2) << i;
    }
    EXPECT_EQ(surface.FontName(), "宋体");
    EXPECT_DOUBLE_EQ(surface.FontSize(), 8);   // the entry size, whole points
}

TEST_F(PrintCellTest, TooWideTextShrinksAndTheSizeIsRestored)
{
    useExactSizes(10);
    // Five wide characters: 1000 at 10 points; a box of 830 takes 800, that is 8 points.
    canvas.PrintCell(0, "一二三四五", 830, 300, 0, 0);
    ASSERT_EQ(surface.texts().size(), 1u);
    EXPECT_DOUBLE_EQ(surface.texts()[0].fontSize, 8);
    EXPECT_DOUBLE_EQ(surface.FontSize(), 10);

    // Nothing fits a box 30 twips wide: the text goes out at 1 point and the loop ends.
    surface.clear();
    canvas.PrintCell(0, "一二三四五", 30, 300, 0, 0);
    ASSERT_EQ(surface.texts().size(), 1u);
    EXPECT_DOUBLE_EQ(surface.texts()[0].fontSize, 1);
    EXPECT_DOUBLE_EQ(surface.FontSize(), 10);
}
