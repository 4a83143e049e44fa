#include "toolkit/PenText.h"

#include "toolkit/CanvasTestSupport.h"

namespace tabulon::testing {
namespace {

using PenTextTest = CanvasTest;

TEST_F(PenTextTest, AGlyphFollowsTheTextOnItsLineAndSimSunComesBack)
{
    surface.SetFontSize(11);
    surface.CurrentX = 500;
    surface.CurrentY = 300;
    PrintTextAtPen(canvas, QStringLiteral("W"));
    PrintGlyphAtPen(canvas, PerSquareMetreGlyph);
    PrintTextAtPen(canvas, QStringLiteral(")"));
    const auto& t = surface.texts();
    ASSERT_EQ(t.size(), 3u);
    EXPECT_EQ(t[0].fontName, TextFontName);
    EXPECT_EQ(t[1].text, QString(QChar(0xE261)));
    EXPECT_EQ(t[1].fontName, SymbolFontName);
    EXPECT_EQ(t[1].x, 500 + t[0].width);
    EXPECT_EQ(t[1].y, 300);
    EXPECT_EQ(t[1].fontSize, t[0].fontSize);
    EXPECT_EQ(t[2].fontName, TextFontName);
    EXPECT_EQ(t[2].x, t[1].x + t[1].width);
    EXPECT_EQ(surface.FontName(), TextFontName);
}

TEST_F(PenTextTest, AMissingSymbolFontIsError380)
{
    surface.markFamilyMissing(SymbolFontName);
    try {
        PrintGlyphAtPen(canvas, PerWattGlyph);
        FAIL();
    } catch (const ReportError& e) {
        EXPECT_EQ(e.number(), 380);
    }
    EXPECT_TRUE(surface.texts().empty());
}

}  // namespace
}  // namespace tabulon::testing
