#include "toolkit/CloudIcingSymbols.h"

#include "SymbolPrinterTestSupport.h"
#include "toolkit/Canvas.h"
#include "toolkit/CanvasObserver.h"

using namespace tabulon;
using tabulon::testing::SymbolPrinterTest;

using CloudFormTest = SymbolPrinterTest;

TEST_F(CloudFormTest, AbbreviationsInTextFaceCodesAsSymbols)
{
    CanvasCallRecorder calls(c.canvas);
    PrintCloudFormString(c, "Ci 31 AC", 2310, 350, 1020, 1110);
    ASSERT_EQ(surface.joinedTexts(), "Ci| |" + ch(0xE24B) + "| |Ac| ");
    EXPECT_EQ(surface.findText("Ci")->fontName, TextFontName);
    EXPECT_EQ(surface.findText(ch(0xE24B))->fontName, SymbolFontName);
    EXPECT_EQ(surface.findText("Ac")->fontName, TextFontName);
    // 50 twips in, centred on "A" at 10 points (em 200); no frame.
    EXPECT_DOUBLE_EQ(surface.texts()[0].x, 1070);
    EXPECT_DOUBLE_EQ(surface.texts()[0].y, 1110 + 75);
    EXPECT_DOUBLE_EQ(surface.texts()[0].fontSize, 10);
    EXPECT_TRUE(surface.lines().empty());
    ASSERT_FALSE(calls.calls().empty());
    EXPECT_EQ(calls.strings().last(), "SetFont(9, 1)");
    EXPECT_EQ(surface.FontName(), TextFontName);
    EXPECT_DOUBLE_EQ(surface.FontSize(), 9);
}

TEST_F(CloudFormTest, SymbolCodesAndCapitals)
{
    const struct { const char* code; char16_t symbol; } symbols[] = {
        {"31", 0xE24B}, {"42", 0xE240}, {"38", 0xE246}, {"39", 0xE247}, {"04", 0xE24E},
        {"05", 0xE24F}, {"06", 0xE24D}, {"07", 0xE24C}, {"10", 0xE241},
    };
    for (const auto& s : symbols) {
        surface.clear();
        PrintCloudFormString(c, s.code, 2310, 350, 0, 0);
        EXPECT_EQ(surface.texts()[0].text, ch(s.symbol)) << s.code;
    }
    surface.clear();
    PrintCloudFormString(c, "CI fc Cu 60 4", 2310, 350, 0, 0);
    EXPECT_EQ(surface.joinedTexts(), "Ci| |fc| |Cu| |60| |4| ");
}

TEST_F(CloudFormTest, BlankTextPrintsNothingAndEndsInTextFace)
{
    surface.SetFontName(SymbolFontName);
    surface.SetFontSize(12);
    PrintCloudFormString(c, "   ", 2310, 350, 0, 0);
    EXPECT_TRUE(surface.texts().empty());
    EXPECT_EQ(surface.FontName(), TextFontName);
    EXPECT_DOUBLE_EQ(surface.FontSize(), 9);
}

TEST_F(CloudFormTest, WideTextShrinksByScaledPointsFromAFixedPen)
{
    setScale("0.7");
    // 17 narrow characters: 1190 twips at 7 points, 595 at 3.5 in a cell 700 wide.
    PrintCloudFormString(c, "Ci Cu Sc Ac As Ns", 1000, 400, 0, 0);
    EXPECT_DOUBLE_EQ(surface.texts()[0].fontSize, 3.5);
    EXPECT_DOUBLE_EQ(surface.texts()[0].x, 50);
    EXPECT_DOUBLE_EQ(surface.texts()[0].y, (280 - 140) / 2.0);   // measured at 7 points
    EXPECT_EQ(surface.joinedTexts(), "Ci| |Cu| |Sc| |Ac| |As| |Ns| ");

    // A cell with no room stops at 1 point (0.7 on the surface).
    surface.clear();
    PrintCloudFormString(c, "Ci Cu", 10, 400, 0, 0);
    EXPECT_DOUBLE_EQ(surface.texts()[0].fontSize, 0.7);
}

TEST_F(CloudFormTest, EmptyItemsAreSkippedQuietly)
{
    PrintCloudFormString(c, " Ci  31 ", 2310, 350, 0, 0);
    EXPECT_EQ(surface.joinedTexts(), "Ci| |" + ch(0xE24B) + "| ");
    EXPECT_TRUE(box->shown.empty());
}

TEST_F(CloudFormTest, MissingSymbolFaceIsReportedOnceThroughItsSlot)
{
    surface.markFamilyMissing(SymbolFontName);
    PrintCloudFormString(c, "Ci 31", 2310, 350, 0, 0);
    PrintCloudFormString(c, "31 Ac", 2310, 350, 0, 0);
    ASSERT_EQ(box->shown.size(), 1u);
    EXPECT_EQ(box->shown[0].title, "打印云状字串");
    EXPECT_TRUE(box->shown[0].text.startsWith("错误号：380"));
    EXPECT_EQ(c.LastErrorNumbers[2], 380);
    ASSERT_EQ(surface.textsEqualTo(ch(0xE24B)).size(), 2u);
    EXPECT_EQ(surface.textsEqualTo(ch(0xE24B))[1].fontName, TextFontName);
}

using SnowPressureHeadingTest = SymbolPrinterTest;

TEST_F(SnowPressureHeadingTest, FramedCellWordAndUnitBelow)
{
    c.canvas.ShowGridLines = 0;
    PrintSnowPressureHeading(c, 717, 924, 8034, 6130, 462);
    // The whole cell framed; neither band.
    ASSERT_EQ(surface.lines().size(), 4u);
    EXPECT_EQ(surface.horizontalLinesAt(6131).size(), 1u);
    EXPECT_EQ(surface.horizontalLinesAt(6130 + 924 + 1).size(), 1u);
    EXPECT_TRUE(surface.horizontalLinesAt(6592 + 1).empty());

    ASSERT_EQ(surface.joinedTexts(), "雪压|(|" + ch(0xE264) + ch(0xE267) + "|)");
    const RecordedText& word = *surface.findText("雪压");
    EXPECT_DOUBLE_EQ(word.fontSize, 11);
    EXPECT_DOUBLE_EQ(word.y, 6130 + (462 - 220) / 2.0);
    // The unit, 540 twips wide at 9 points, centred in the band below.
    const RecordedText& open = surface.texts()[1];
    EXPECT_EQ(open.fontName, TextFontName);
    EXPECT_DOUBLE_EQ(open.x, 8034 + 88);
    EXPECT_DOUBLE_EQ(open.y, 6592 + (462 - 180) / 2.0);
    EXPECT_EQ(surface.texts()[2].fontName, SymbolFontName);
    EXPECT_EQ(surface.texts()[3].fontName, TextFontName);
}

TEST_F(SnowPressureHeadingTest, MissingSymbolFacePrintsTextQuietly)
{
    surface.markFamilyMissing(SymbolFontName);
    PrintSnowPressureHeading(c, 717, 924, 8034, 6130, 462);
    EXPECT_EQ(surface.joinedTexts(), "雪压|(|" + ch(0xE264) + ch(0xE267) + "|)");
    EXPECT_EQ(surface.texts()[2].fontName, TextFontName);
    EXPECT_TRUE(box->shown.empty());
}

using WireIcingTest = SymbolPrinterTest;

TEST_F(WireIcingTest, KnownCodesPrintTheSharedTablesGlyphCentred)
{
    const struct { const char* code; char16_t glyph; } cases[] = {{"48", 0xE245}, {"56", 0xE244}, {"5648", 0xE256}};
    for (const auto& t : cases) {
        surface.clear();
        PrintWireIcingSymbol(c, t.code, WireIcingGlyphs(), 600, 300, 1000, 2000);
        ASSERT_EQ(surface.texts().size(), 1u) << t.code;
        const RecordedText& glyph = surface.texts()[0];
        EXPECT_EQ(glyph.text, ch(t.glyph));
        EXPECT_EQ(glyph.fontName, SymbolFontName);
        EXPECT_DOUBLE_EQ(glyph.x, 1000 + (600 - 180) / 2.0);
        EXPECT_DOUBLE_EQ(glyph.y, 2000 + (300 - 180) / 2.0);
        EXPECT_EQ(surface.lines().size(), 4u);
        EXPECT_EQ(surface.FontName(), TextFontName);
        EXPECT_DOUBLE_EQ(surface.FontSize(), 9);
    }
}

TEST_F(WireIcingTest, OtherCodesGiveABlankCellFramedByTheGridSetting)
{
    for (const char* blank : {"4856", "", "48 "}) {
        surface.clear();
        PrintWireIcingSymbol(c, blank, WireIcingGlyphs(), 600, 300, 1000, 2000);
        EXPECT_EQ(surface.joinedTexts().trimmed(), "") << blank;
        EXPECT_EQ(surface.lines().size(), 4u) << blank;
    }
    c.canvas.ShowGridLines = 0;
    surface.clear();
    PrintWireIcingSymbol(c, "4856", WireIcingGlyphs(), 600, 300, 1000, 2000);
    EXPECT_TRUE(surface.lines().empty());
}

TEST_F(WireIcingTest, MissingSymbolFaceShowsNoBox)
{
    surface.markFamilyMissing(SymbolFontName);
    PrintWireIcingSymbol(c, "5648", WireIcingGlyphs(), 600, 300, 1000, 2000);
    ASSERT_NE(surface.findText(ch(0xE256)), nullptr);
    EXPECT_EQ(surface.findText(ch(0xE256))->fontName, TextFontName);
    EXPECT_TRUE(box->shown.empty());
    EXPECT_EQ(c.LastErrorNumbers, (std::array<std::int16_t, 6>{}));
}
