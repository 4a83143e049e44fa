// Yearly page two: the upper block with its icing symbols, the weather-day table and its
// glyph row, the first/last-date table, and the page's once-per-number trap.
#include "pages/yearly/YearPage2.h"

#include "pages/yearly/YearlyPageTestSupport.h"
#include "toolkit/Canvas.h"
#include "toolkit/SymbolGlyphs.h"

namespace tabulon::test {
namespace {

const std::vector<double> UpperXs{916, 1686, 2456, 3663, 4433, 5640, 6410, 7180, 7950, 8720, 9490, 10260,
                                  11030, 11800, 12570, 13340, 14110, 14880, 15650, 16420, 17190, 17960, 18730};
double UpperY(int m) { return 1510 + 350 * (m - 1); }
double LowerY(int m) { return 7610 + 350 * (m - 1); }
constexpr double IcingX = 10260;

class YearPage2Test : public YearlyPageTest {
protected:
    TextTable& dates() { return c.tables.YFirstLastDates; }
    // The icing glyph placed in month m's row, or "" when the cell is blank.
    static QString IcingGlyph(const CanvasCallRecorder& rec, double y)
    {
        for (const CanvasCall& call : rec.ofKind(CanvasCall::Kind::PlaceSymbolText))
            if (call.numbers[3] == IcingX && call.numbers[4] == y)
                return call.text;
        return {};
    }
};

TEST_F(YearPage2Test, WholePageOverPositionCodedTables)
{
    PositionCodedTables codes = positionCoded();
    for (int m = 1; m <= 13; ++m)
        stat()(m, 72) = QString();   // no icing: the symbol column stays blank
    CanvasCallRecorder rec(c.canvas);
    PrintYearPage2(c);

    PageExpectation page(codes);
    for (int m = 1; m <= 12; ++m) {
        QStringList upper, weather;
        for (int col = 1; col <= 23; ++col)
            upper << (col == 12 ? QStringLiteral(" ") : codes(stat(), m, 60 + col));
        for (int col = 1; col <= 25; ++col)
            weather << codes(stat(), m, 83 + col);
        page.row(UpperY(m), UpperXs, upper);
        page.row(LowerY(m), 916, 595, weather);
    }
    QStringList totals, extremes, weatherTotals;
    for (int col = 1; col <= 23; ++col) {
        totals << (col == 6 || col == 7 ? codes(stat(), 13, 60 + col) : QStringLiteral("---"));
        extremes << (col == 6 || col == 7 ? QStringLiteral("---") : col == 12 ? QStringLiteral(" ") : codes(stat(), 13, 60 + col));
    }
    for (int col = 1; col <= 25; ++col)
        weatherTotals << codes(stat(), 13, 83 + col);
    page.row(5710, UpperXs, totals).row(6060, UpperXs, extremes).row(11810, 916, 595, weatherTotals);
    const std::vector<double> rowYs{7610, 7960, 8310, 8660, 9010, 9710, 10410, 11110};
    for (int r = 1; r <= 8; ++r)
        page.row(rowYs[static_cast<std::size_t>(r - 1)], 16700, 700,
                 {codes(dates(), r, 1), codes(dates(), r, 2), codes(dates(), r, 3),
                  r == 8 ? QStringLiteral("---") : codes(dates(), r, 4)});
    page.cell(16700, 11460, codes(dates(), 9, 3));
    page.only(916, 1510, 19500, 6410).only(916, 7610, 15800, 12160).only(16700, 7610, 19500, 12160);
    EXPECT_TRUE(page.matches(rec));
    EXPECT_TRUE(rec.contains(QStringLiteral("PrintCell(-1, \"%1\", 2800, 700, 16700, 11460)").arg(codes(dates(), 9, 3))));
    EXPECT_EQ(rec.strings().last(), R"(PrintCell(0, "-2-", 19500, 300, 0, 13100))");
    EXPECT_EQ(surface.endDocCount(), 1);
    EXPECT_TRUE(messages().shown.empty());
}

TEST_F(YearPage2Test, WeatherGlyphRow)
{
    CanvasCallRecorder rec(c.canvas);
    PrintYearPage2(c);
    std::vector<CanvasCall> glyphs;
    for (const CanvasCall& call : rec.ofKind(CanvasCall::Kind::PrintCell))
        if (call.numbers[4] == 7310)
            glyphs.push_back(call);
    ASSERT_EQ(glyphs.size(), 25u);
    for (std::size_t k = 0; k < glyphs.size(); ++k) {
        EXPECT_EQ(glyphs[k].numbers[3], 916 + 595 * static_cast<double>(k));
        EXPECT_EQ(glyphs[k].numbers[1], 595);
        EXPECT_EQ(glyphs[k].numbers[2], 300);
    }
    EXPECT_EQ(glyphs[0].text, QString(QChar(0xE234)));
    EXPECT_EQ(glyphs[11].text, QString(QChar(0xE248)));
    EXPECT_EQ(glyphs[24].text, QString(QChar(0xE255)));
    EXPECT_TRUE(rec.contains(R"(PrintCell(-1, "沙尘暴", 595, 600, 9246, 6710))"));
    // The glyphs are drawn in the symbol face at 12 points.
    const RecordedText* glyph = surface.findText(QString(QChar(0xE248)));
    ASSERT_NE(glyph, nullptr);
    EXPECT_EQ(glyph->fontName, SymbolFontName);
}

TEST_F(YearPage2Test, MissingSymbolFontIsReportedOnceAndThePageIsDrawnToItsEnd)
{
    surface.markFamilyMissing(SymbolFontName);
    PrintYearPage2(c);
    ASSERT_EQ(messages().shown.size(), 1u);
    EXPECT_EQ(messages().shown[0].title, QStringLiteral("天气日数"));
    EXPECT_TRUE(messages().shown[0].text.startsWith(QStringLiteral("错误号：380")));
    EXPECT_TRUE(surface.hasText(QStringLiteral("-2-")));
    EXPECT_TRUE(surface.hasText(QStringLiteral("初终日期(日/月)")));
    EXPECT_EQ(surface.endDocCount(), 1);
    EXPECT_EQ(c.YearPage2LastError, 380);

    // The number is remembered: drawing the page again shows nothing.
    PrintYearPage2(c);
    EXPECT_EQ(messages().shown.size(), 1u);
    EXPECT_EQ(surface.endDocCount(), 2);
}

TEST_F(YearPage2Test, OtherErrorsAreReportedUnderThePagesOwnContext)
{
    // A short table: the thunder row and the frost-free days are past its end (error 9).
    dates().dim({Bounds{1, 7}, Bounds{1, 4}});
    CanvasCallRecorder rec(c.canvas);
    PrintYearPage2(c);
    ASSERT_EQ(messages().shown.size(), 1u);
    EXPECT_EQ(messages().shown[0].title, QStringLiteral("年报表第二页"));
    EXPECT_TRUE(messages().shown[0].text.startsWith(QStringLiteral("错误号：9")));
    // Each failing cell is skipped alone: the thunder row's filler, the rules and the page
    // number are drawn, and the print job ends once.
    EXPECT_TRUE(cellsAt(rec, 16700, 11110).empty());
    EXPECT_EQ(cellsAt(rec, 18800, 11110).size(), 1u);
    EXPECT_TRUE(rec.contains(R"(DrawVerticalLine(19500, 310, 12160, 4))"));
    EXPECT_TRUE(surface.hasText(QStringLiteral("-2-")));
    EXPECT_EQ(surface.endDocCount(), 1);
}

TEST_F(YearPage2Test, IcingCodesPrintTheirSymbols)
{
    const char* codes[] = {"48", "56", "5648", "4856", ""};
    for (int m = 1; m <= 5; ++m)
        stat()(m, 72) = QString::fromUtf8(codes[m - 1]);
    stat()(13, 72) = QStringLiteral("5648");
    CanvasCallRecorder rec(c.canvas);
    PrintYearPage2(c);
    EXPECT_EQ(IcingGlyph(rec, UpperY(1)), QString(QChar(0xE245)));
    EXPECT_EQ(IcingGlyph(rec, UpperY(2)), QString(QChar(0xE244)));
    EXPECT_EQ(IcingGlyph(rec, UpperY(3)), QString(QChar(0xE256)));
    EXPECT_EQ(IcingGlyph(rec, 6060), QString(QChar(0xE256)));
    for (int m : {4, 5}) {
        EXPECT_EQ(IcingGlyph(rec, UpperY(m)), QString());
        ASSERT_EQ(cellsAt(rec, IcingX, UpperY(m)).size(), 1u);
        EXPECT_EQ(cellsAt(rec, IcingX, UpperY(m))[0].text, QStringLiteral(" "));
    }
    // The year total row has no icing value: a plain filler.
    EXPECT_TRUE(rec.contains(R"(PrintCell(-1, "---", 770, 350, 10260, 5710))"));
}

TEST_F(YearPage2Test, ThunderRowsFourthCellShowsOnlyTheFiller)
{
    dates()(8, 4) = QStringLiteral("5/6");
    CanvasCallRecorder rec(c.canvas);
    PrintYearPage2(c);
    const auto cells = cellsAt(rec, 18800, 11110);
    ASSERT_EQ(cells.size(), 1u);
    EXPECT_EQ(cells[0].toString(), R"(PrintCell(-1, "---", 700, 350, 18800, 11110))");
    EXPECT_FALSE(surface.hasText(QStringLiteral("5/6")));
    EXPECT_EQ(dates()(8, 4), QStringLiteral("5/6"));
}

}  // namespace
}  // namespace tabulon::test
