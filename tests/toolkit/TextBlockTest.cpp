#include "CanvasTestSupport.h"

using namespace tabulon;
using tabulon::testing::CanvasTest;

using WrappedTextTest = CanvasTest;

TEST_F(WrappedTextTest, RowsAreCutCentredAndTrimmed)
{
    canvas.PrintWrappedText(0, 1500, 600, 0, 0, "上旬计/平均", 600, 6);
    ASSERT_EQ(surface.texts().size(), 1u);
    EXPECT_DOUBLE_EQ(surface.texts()[0].x, (1500 - 990) / 2.0);
    EXPECT_DOUBLE_EQ(surface.texts()[0].y, (600 - 180) / 2.0);

    surface.clear();
    canvas.TextAlign = 1;   // rows are centred whatever TextAlign holds
    canvas.PrintWrappedText(0, 500, 800, 100, 1000, "最多风向", 400, 2);
    ASSERT_EQ(surface.texts().size(), 2u);
    EXPECT_EQ(surface.texts()[0].text, "最多");
    EXPECT_EQ(surface.texts()[1].text, "风向");
    EXPECT_DOUBLE_EQ(surface.texts()[0].x, 100 + 70);
    EXPECT_DOUBLE_EQ(surface.texts()[0].y, 1000 + 110);
    EXPECT_DOUBLE_EQ(surface.texts()[1].y, 1400 + 110);

    surface.clear();
    canvas.PrintWrappedText(0, 2000, 1600, 0, 0, "降      水      量      (0.1mm)", 400, 7);
    EXPECT_EQ(surface.joinedTexts(), "降|水|量|(0.1mm)");
}

TEST_F(WrappedTextTest, EveryCharacterIsPrinted)
{
    // A short last row is a row of its own.
    canvas.PrintWrappedText(0, 1000, 900, 0, 0, "降水量", 300, 2);
    EXPECT_EQ(surface.joinedTexts(), "降水|量");
    surface.clear();
    canvas.PrintWrappedText(0, 1000, 900, 0, 0, "降水量", 300, 0);
    EXPECT_EQ(surface.joinedTexts(), "降|水|量");
    surface.clear();
    canvas.PrintWrappedText(0, 1000, 900, 0, 0, "降水量", 300, -4);
    EXPECT_EQ(surface.joinedTexts(), "降|水|量");
}

TEST_F(WrappedTextTest, EachRowStartsAtTheEntrySize)
{
    useExactSizes(10);
    // The first row must shrink (600 wide, 420 free), the second is printed at the entry size.
    canvas.PrintWrappedText(-1, 450, 600, 0, 0, "一二三12 ", 300, 3);
    ASSERT_EQ(surface.texts().size(), 2u);
    EXPECT_DOUBLE_EQ(surface.texts()[0].fontSize, 7);
    EXPECT_EQ(surface.texts()[1].text, "12");
    EXPECT_DOUBLE_EQ(surface.texts()[1].fontSize, 10);
    EXPECT_EQ(surface.lines().size(), 4u);
    EXPECT_DOUBLE_EQ(surface.FontSize(), 10);
}

using SymbolPlacementTest = CanvasTest;

TEST_F(SymbolPlacementTest, PlacesThePenAndLeavesTheFittedSymbolFace)
{
    useExactSizes(10);
    canvas.TextAlign = 0;
    const QString glyphs = QString(QChar(0xE234)) + QChar(0xE235) + QChar(0xE236);
    canvas.PlaceSymbolText(0, glyphs, 500, 300, 1000, 0);   // 600 does not fit 470: 7 points
    EXPECT_TRUE(surface.texts().empty());
    EXPECT_EQ(surface.FontName(), SymbolFontName);
    EXPECT_DOUBLE_EQ(surface.FontSize(), 7);
    EXPECT_DOUBLE_EQ(surface.CurrentX, 1000 + (500 - 420) / 2);
    EXPECT_DOUBLE_EQ(surface.CurrentY, (300 - 140) / 2.0);

    surface.SetFontSize(10);
    surface.clear();
    surface.CurrentX = 77;
    canvas.PlaceSymbolText(-1, "", 500, 300, 1000, 0);
    EXPECT_EQ(surface.lines().size(), 4u);
    EXPECT_DOUBLE_EQ(surface.CurrentX, 77);
}

TEST_F(SymbolPlacementTest, MissingSymbolFaceShrinksInTheTextFace)
{
    useExactSizes(10);
    surface.markFamilyMissing(SymbolFontName);
    EXPECT_NO_THROW(canvas.PlaceSymbolText(0, "一二三", 500, 300, 0, 0));
    EXPECT_EQ(surface.FontName(), "宋体");
    EXPECT_DOUBLE_EQ(surface.FontSize(), 7);
}

using TwoLineCellTest = CanvasTest;

TEST_F(TwoLineCellTest, KeepsOneLineForTwoShrinkStepsThenBreaks)
{
    useExactSizes(10);
    canvas.TextAlign = 2;   // the one-line case is always placed on the left
    canvas.PrintCellTwoLines(0, "一二三四五", 830, 600, 100, 0);   // fits at 8 points
    ASSERT_EQ(surface.texts().size(), 1u);
    EXPECT_DOUBLE_EQ(surface.texts()[0].fontSize, 8);
    EXPECT_DOUBLE_EQ(surface.texts()[0].x, 100 + 15);
    EXPECT_DOUBLE_EQ(surface.texts()[0].y, (600 - 160) / 2.0);
    EXPECT_DOUBLE_EQ(surface.FontSize(), 10);

    surface.clear();
    canvas.PrintCellTwoLines(0, "一二三四五", 730, 600, 100, 1000);   // 800 at 8 still too wide
    ASSERT_EQ(surface.texts().size(), 2u);
    EXPECT_EQ(surface.texts()[0].text, "一二三四");
    EXPECT_EQ(surface.texts()[1].text, "五");
    EXPECT_DOUBLE_EQ(surface.texts()[0].fontSize, 7);
    EXPECT_DOUBLE_EQ(surface.texts()[0].x, 150);
    EXPECT_DOUBLE_EQ(surface.texts()[0].y, 1020);
    EXPECT_DOUBLE_EQ(surface.texts()[1].x, 150);
    EXPECT_DOUBLE_EQ(surface.texts()[1].y, 1020 + 140);
    EXPECT_DOUBLE_EQ(surface.FontSize(), 10);
}

TEST_F(TwoLineCellTest, BoxNarrowerThanTheFitMarginPrintsOneLine)
{
    useExactSizes(10);
    canvas.PrintCellTwoLines(-1, "一二", 20, 300, 0, 0);
    ASSERT_EQ(surface.texts().size(), 1u);
    EXPECT_EQ(surface.texts()[0].text, "一二");
    EXPECT_EQ(surface.lines().size(), 4u);
    EXPECT_DOUBLE_EQ(surface.FontSize(), 10);
}
