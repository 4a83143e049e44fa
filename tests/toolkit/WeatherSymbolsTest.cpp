#include "toolkit/WeatherSymbols.h"

#include "SymbolPrinterTestSupport.h"
#include "toolkit/Canvas.h"

using namespace tabulon;
using tabulon::testing::SymbolPrinterTest;

TEST(WeatherCodes, EachCodeMapsToTheSymbolOfItsPosition)
{
    const QStringList codes = WeatherCodeList.split(u',');
    ASSERT_EQ(codes.size(), 34);
    for (int k = 1; k <= 34; ++k) {
        EXPECT_EQ(WeatherCodePosition(codes[k - 1]), k);
        EXPECT_EQ(WeatherSymbol(codes[k - 1]), QString(QChar(char16_t(0xE233 + k)))) << codes[k - 1].toStdString();
    }
    EXPECT_EQ(WeatherSymbol("48"), QString(QChar(0xE245)));
    EXPECT_EQ(WeatherSymbol("18"), QString(QChar(0xE255)));
    // Compared as text: "1" is not "01"; unknown and empty codes have no symbol.
    for (const char* none : {"1", "99", "", " 60", "60 "}) {
        EXPECT_EQ(WeatherCodePosition(none), 0) << none;
        EXPECT_TRUE(WeatherSymbol(none).isEmpty()) << none;
    }
}

// Cells at (100, 200), 330 high: at 9 points (em 180) the pen is centred at y 275.
class WeatherSymbolsTest : public SymbolPrinterTest {
protected:
    static constexpr double CentredY = 275;
    void record(const QString& text, double w = 6000, bool split = false)
    {
        surface.clear();
        PrintWeatherString(c, text, w, 330, 100, 200, split);
    }
    QString printed() const { return printedWithRaises(CentredY); }
};

TEST_F(WeatherSymbolsTest, SummaryPrintsKnownCodesSideBySide)
{
    PrintWeatherSummary(c, "60 99 01", 3000, 330, 100, 200);
    EXPECT_EQ(surface.lines().size(), 4u);
    ASSERT_EQ(surface.texts().size(), 2u);
    EXPECT_EQ(surface.texts()[0].text, ch(0xE234));
    EXPECT_EQ(surface.texts()[0].fontName, SymbolFontName);
    EXPECT_DOUBLE_EQ(surface.texts()[0].x, 150);
    EXPECT_DOUBLE_EQ(surface.texts()[0].y, CentredY);
    EXPECT_EQ(surface.texts()[1].text, ch(0xE242));
    EXPECT_DOUBLE_EQ(surface.texts()[1].x, 150 + 180);
    EXPECT_EQ(surface.FontName(), SymbolFontName);
    EXPECT_DOUBLE_EQ(surface.FontSize(), 9);
}

TEST_F(WeatherSymbolsTest, EmptyCellsDrawTheFrameOnlyAndLeaveTheTextFace)
{
    surface.SetFontName(SymbolFontName);
    surface.SetFontSize(12);
    PrintWeatherSummary(c, "", 3000, 330, 100, 200);
    EXPECT_EQ(surface.lines().size(), 4u);
    EXPECT_TRUE(surface.texts().empty());
    EXPECT_EQ(surface.FontName(), TextFontName);
    EXPECT_DOUBLE_EQ(surface.FontSize(), 12);

    c.canvas.ShowGridLines = 0;
    for (const char* nothing : {"", "."}) {
        record(nothing);
        EXPECT_TRUE(surface.lines().empty()) << nothing;
        EXPECT_TRUE(surface.texts().empty()) << nothing;
    }
}

TEST_F(WeatherSymbolsTest, RecordPrintsSymbolsTimesAndStopsAtTheTerminator)
{
    record("60 0930-1045'1500,80 2010,.,70 1200");
    const QString s60 = ch(0xE234), s80 = ch(0xE235);
    EXPECT_EQ(printed(), s60 + "|9|^30|-|10|^45| |15| |" + s80 + "|20|^10| ");
    EXPECT_DOUBLE_EQ(surface.texts()[0].x, 150);
    EXPECT_EQ(surface.texts()[0].fontName, SymbolFontName);
    EXPECT_EQ(surface.texts()[1].fontName, TextFontName);
    // Nothing wraps: every print continues where the last one ended.
    for (std::size_t i = 1; i < surface.texts().size(); ++i)
        EXPECT_DOUBLE_EQ(surface.texts()[i].x, surface.texts()[i - 1].x + surface.texts()[i - 1].width);
}

TEST_F(WeatherSymbolsTest, ClocksSpansAndNotes)
{
    const QString s60 = ch(0xE234);
    const struct { const char* record; QString printed; } cases[] = {
        {"60 0800-1000", s60 + "|8|-|10| "},
        {"60 0005-0900", s60 + "|0|^05|-|9| "},
        {"60 xx30", s60 + "|xx|^30| "},
        {"60 0900", s60 + "|9| "},
        {"60 093", s60 + "| "},                          // too short to be a clock
        {"60 0930;2", s60 + "|9|^30|[2]| "},             // a number note is bracketed
        {"60 0930[a]", s60 + "|9|^30|[a]| "},            // a "[" note is printed as it stands
        {"60 0930;a;b", s60 + "|9|^30| "},               // three parts: the clock only
        {"60 0930;2'1000", s60 + "|9|^30|[2]| |10| "},
        {"60[3]", s60 + "|[3]"},                         // a note in the code field
        {"60[3] 1000", s60 + "|10| "},                   // ... is printed only without times
        {"99 1000,60", "10| |" + s60},                   // an unknown code prints no symbol
    };
    for (const auto& t : cases) {
        record(t.record);
        EXPECT_EQ(printed(), t.printed) << t.record;
    }
}

TEST_F(WeatherSymbolsTest, GroupGoesToTheNightPartWhenSplit)
{
    const QString original = "(60[1],80)70 1200";
    QString cell = original;
    record(cell, 6000, true);
    EXPECT_EQ(cell, original);
    ASSERT_EQ(printed(), ch(0xE234) + "|[1]|" + ch(0xE235) + "|" + ch(0xE237) + "|12| ");
    EXPECT_EQ(surface.findText("[1]")->fontName, TextFontName);
    EXPECT_EQ(surface.findText(ch(0xE235))->fontName, SymbolFontName);
    EXPECT_DOUBLE_EQ(surface.findText(ch(0xE234))->x, 150);
    EXPECT_DOUBLE_EQ(surface.findText(ch(0xE237))->x, 2100 + 50);

    // Without the split the rest follows the group; the rest ends at the next ")".
    record("(60)70 1200)80");
    ASSERT_EQ(printed(), ch(0xE234) + "|" + ch(0xE237) + "|12| ");
    EXPECT_DOUBLE_EQ(surface.findText(ch(0xE237))->x, 150 + 180);
}

TEST_F(WeatherSymbolsTest, WideRecordShrinksButNotItsGroup)
{
    // The rest is 25 narrow characters: 2250 twips at 9 points, 1000 at 4.
    record("(60)60 0930-1045'1500,80 2010", 1000);
    EXPECT_DOUBLE_EQ(surface.texts()[0].fontSize, 9);
    EXPECT_DOUBLE_EQ(surface.texts()[1].fontSize, 4);
    EXPECT_DOUBLE_EQ(surface.texts().back().fontSize, 4);
}

TEST_F(WeatherSymbolsTest, FitStopsAtOnePointInACellTooNarrow)
{
    // With the split the rest has no width at all: it is printed at 1 point.
    record("(60)70 1200", 1500, true);
    ASSERT_NE(surface.findText(ch(0xE237)), nullptr);
    EXPECT_DOUBLE_EQ(surface.findText(ch(0xE237))->fontSize, 1);
    EXPECT_TRUE(box->shown.empty());
}

TEST_F(WeatherSymbolsTest, EmptyItemsAndAnUnclosedGroupAreQuiet)
{
    const QString s60 = ch(0xE234), s80 = ch(0xE235);
    record(",60 0900,,80 1000, ,");
    EXPECT_EQ(printed(), s60 + "|9| |" + s80 + "|10| ");
    record("(60[1],,80");
    EXPECT_EQ(printed(), s60 + "|[1]|" + s80);
    record("(");
    EXPECT_TRUE(surface.texts().empty());
    EXPECT_TRUE(box->shown.empty());
    EXPECT_EQ(c.LastErrorNumbers[1], 0);
}

TEST_F(WeatherSymbolsTest, MissingSymbolFaceIsReportedOncePerPrinter)
{
    surface.markFamilyMissing(SymbolFontName);
    record("60 0930,80 1000");
    ASSERT_EQ(box->shown.size(), 1u);
    EXPECT_EQ(box->shown[0].title, "打印天气现象字串");
    EXPECT_TRUE(box->shown[0].text.startsWith("错误号：380"));
    EXPECT_EQ(c.LastErrorNumbers[1], 380);
    // The symbols come out as text-face characters.
    ASSERT_NE(surface.findText(ch(0xE234)), nullptr);
    EXPECT_EQ(surface.findText(ch(0xE234))->fontName, TextFontName);

    record("60 0930");
    EXPECT_EQ(box->shown.size(), 1u);
    // A repeat sets the text face straight after the failed face change.
    const auto& requests = surface.fontRequests();
    const auto failed = std::find_if(requests.begin(), requests.end(), [](const FontRequest& r) { return r.failed; });
    ASSERT_NE(failed, requests.end());
    ASSERT_NE(failed + 1, requests.end());
    EXPECT_EQ((failed + 1)->name, TextFontName);

    // The summary has a slot of its own; a different number is reported again.
    PrintWeatherSummary(c, "60", 3000, 330, 100, 200);
    c.LastErrorNumbers[1] = 9;
    record("60 0930");
    ASSERT_EQ(box->shown.size(), 3u);
    EXPECT_EQ(box->shown[1].title, "打印天气现象记要");
    EXPECT_EQ(c.LastErrorNumbers[0], 380);
    EXPECT_EQ(box->shown[2].title, "打印天气现象字串");
}

TEST_F(WeatherSymbolsTest, NoSurfaceIsReportedNotFatal)
{
    c.canvas.OutputTarget = nullptr;
    PrintWeatherString(c, "(60)70 1200,80 0930-1045", 6000, 330, 0, 0, true);
    PrintWeatherSummary(c, "60 80", 3000, 330, 0, 0);
    EXPECT_EQ(box->titles(), (QStringList{"打印天气现象字串", "打印天气现象记要"}));
}
