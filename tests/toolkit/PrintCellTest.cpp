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

// The two-line cell breaks a long text at the shortest tail whose head fits (width at most
// the box less 30 twips), or prints it on one line when not even an empty head fits. The
// expected break is found by walking the tails one by one over running widths.
TEST_F(PrintCellTest, TwoLineBreakOnLongAndMixedWidthTexts)
{
    auto repeated = [](const QString& unit, qsizetype length) {
        QString text;
        while (text.size() < length)
            text += unit;
        return text.left(length);
    };
    // At 7 points (10 less three steps): a narrow character is 70 twips, a wide one 140.
    const struct {
        const char* name;
        QString text;
        double w;
    } cases[] = {
        {"narrow, head exactly at the margin", repeated("x", 5000), 30 + 70 * 37},
        {"wide, spare short of one more", repeated("中", 3000), 30 + 140 * 20 + 139},
        {"mixed, a wide character just misses", repeated("ab中", 4500), 30 + 280 * 10 + 140 + 139},
        {"mixed, a narrow one still fits", repeated("中ab", 4500), 30 + 280 * 10 + 140 + 70},
        {"only the last character goes down", repeated("x", 4000) + "中", 30 + 70 * 4000},
        {"an empty head", repeated("中x", 2000), 30},
        {"narrower than the margin: one line", repeated("中x", 2000), 29},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        useExactSizes(10);
        canvas.PrintCellTwoLines(0, c.text, c.w, 600, 0, 0);

        surface.SetFontSize(7);
        std::vector<double> head(c.text.size() + 1, 0.0);   // width of the first k characters
        for (qsizetype k = 0; k < c.text.size(); ++k)
            head[k + 1] = head[k] + surface.TextWidth(QString(c.text[k]));
        qsizetype tail = 0;
        for (qsizetype i = 1; i <= c.text.size() && tail == 0; ++i)
            if (head[c.text.size() - i] <= c.w - 30)
                tail = i;

        if (tail == 0) {
            ASSERT_EQ(surface.texts().size(), 1u);
            EXPECT_TRUE(surface.texts()[0].text == c.text);
            continue;
        }
        ASSERT_EQ(surface.texts().size(), 2u);
        EXPECT_EQ(surface.texts()[0].fontSize, 7);
        EXPECT_EQ(surface.texts()[1].text.size(), tail);
        EXPECT_TRUE(surface.texts()[0].text == c.text.left(c.text.size() - tail));
        EXPECT_TRUE(surface.texts()[1].text == c.text.right(tail));
    }
}
