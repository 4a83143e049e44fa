#include "CanvasTestSupport.h"

using namespace tabulon;
using tabulon::testing::CanvasTest;

// At 10 exact points every character is 200 wide and "A" is 200 high: the band offset is 65.
class ParagraphTest : public CanvasTest {
protected:
    void SetUp() override
    {
        CanvasTest::SetUp();
        useExactSizes(10);
    }
    std::vector<RecordedText> row(int r) const { return surface.textsInBox(-1e6, r * 330, 2e6, 330); }
};

TEST_F(ParagraphTest, RowsBreakForWidthAndForLineFeeds)
{
    canvas.PrintParagraph(0, 200, "一二三四五六七八九十一二三四五六七八", 2000, 990, 0, 0);
    // First row: indent 200 + 200, characters at 400..1800; the next rows start at 200.
    ASSERT_EQ(row(0).size(), 8u);
    EXPECT_DOUBLE_EQ(row(0).front().x, 400);
    EXPECT_DOUBLE_EQ(row(0).front().y, 65);
    ASSERT_EQ(row(1).size(), 9u);
    EXPECT_DOUBLE_EQ(row(1).front().x, 200);
    EXPECT_DOUBLE_EQ(row(1).front().y, 395);
    EXPECT_EQ(row(2).size(), 1u);

    surface.clear();
    canvas.PrintParagraph(0, 200, "一二\r\n三四", 2000, 990, 0, 0);
    ASSERT_EQ(surface.joinedTexts(), "一|二|三|四");
    EXPECT_DOUBLE_EQ(surface.findText("三")->x, 200 + 80);
    EXPECT_DOUBLE_EQ(surface.findText("三")->y, 395);
}

TEST_F(ParagraphTest, IndentsAreScaledButTheBreakTestIsNot)
{
    setScale("0.5");
    canvas.LeftMargin = 1000;
    canvas.PrintParagraph(0, 200, "一\n二", 2000, 990, 0, 0);
    ASSERT_EQ(surface.joinedTexts(), "一|二");
    EXPECT_DOUBLE_EQ(surface.findText("一")->x, 1000 + 100 + 200);
    EXPECT_DOUBLE_EQ(surface.findText("二")->x, 1000 + 100 + 80);
    EXPECT_DOUBLE_EQ(surface.findText("二")->y, 165 + (165 - 200) / 2.0);
}

TEST_F(ParagraphTest, ClosingMarkMayOverhangHalfACharacter)
{
    // Box right edge 1950: after seven characters the pen is at 1800.
    canvas.PrintParagraph(0, 200, "一二三四五六七，", 1950, 990, 0, 0);
    ASSERT_NE(surface.findText("，"), nullptr);
    EXPECT_DOUBLE_EQ(surface.findText("，")->x, 1800);
    EXPECT_DOUBLE_EQ(surface.findText("，")->y, 65);

    surface.clear();
    canvas.PrintParagraph(0, 200, "一二三四五六七八", 1950, 990, 0, 0);
    ASSERT_NE(surface.findText("八"), nullptr);
    EXPECT_DOUBLE_EQ(surface.findText("八")->x, 200);
    EXPECT_DOUBLE_EQ(surface.findText("八")->y, 395);

    surface.clear();   // a mark that would overhang by more than half starts a row
    canvas.PrintParagraph(0, 200, "一二三四五六七。", 1850, 990, 0, 0);
    ASSERT_NE(surface.findText("。"), nullptr);
    EXPECT_DOUBLE_EQ(surface.findText("。")->y, 395);

    surface.clear();   // "[" and "!" are not closing marks
    canvas.PrintParagraph(0, 200, "一二三四五六七!", 1950, 990, 0, 0);
    ASSERT_NE(surface.findText("!"), nullptr);
    EXPECT_DOUBLE_EQ(surface.findText("!")->y, 395);
}

TEST_F(ParagraphTest, TextBelowTheBoxIsNotPrinted)
{
    canvas.PrintParagraph(0, 200, QString(40, QChar(0x4E00)), 2000, 660, 0, 0);
    EXPECT_EQ(surface.texts().size(), 8u + 9u);
    for (const RecordedText& t : surface.texts())
        EXPECT_LT(t.y, 660);
}

TEST_F(ParagraphTest, BoxIsAlwaysDrawnAndRulesOnlyWhenRuled)
{
    canvas.PrintParagraph(0, 200, "", 2000, 990, 0, 0);
    EXPECT_EQ(surface.lines().size(), 4u);
    EXPECT_TRUE(surface.texts().empty());

    surface.clear();
    canvas.PrintParagraph(-1, 200, "", 2000, 990, 0, 0);
    ASSERT_EQ(surface.lines().size(), 7u);
    EXPECT_EQ(surface.horizontalLinesAt(331).size(), 1u);
    EXPECT_EQ(surface.horizontalLinesAt(661).size(), 1u);
    EXPECT_EQ(surface.horizontalLinesAt(991).size(), 2u);   // the last rule lies on the bottom edge
}

TEST_F(ParagraphTest, UsesTheCallersFont)
{
    surface.SetFontName(SymbolFontName);
    canvas.PrintParagraph(0, 200, "一", 2000, 990, 0, 0);
    EXPECT_EQ(surface.texts()[0].fontName, SymbolFontName);
    EXPECT_EQ(surface.FontName(), SymbolFontName);
}
