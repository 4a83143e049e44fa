// The five hour-by-day pages of the radiation report: each page whole over position-coded
// tables, then the cases at the edges (short months, extremes' times, the unit glyphs, panes).
#include "pages/radiation/RadiationPageTestSupport.h"
#include "pages/radiation/RadiationTablePage.h"

namespace tabulon::test {
namespace {

constexpr double BodyTop = 1510;
constexpr double Row = 330;
double DayY(int day) { return BodyTop + Row * (day - 1); }

QStringList HourLabelsThen(const QString& extra)
{
    QStringList labels;
    for (int h = 0; h < 24; ++h)
        labels << QStringLiteral("%1-%2").arg(h).arg(h + 1);
    return labels + extra.split(u',');
}

QStringList Repeat(const QString& text, int n)
{
    QStringList out;
    for (int i = 0; i < n; ++i)
        out << text;
    return out;
}

class RadiationTablePagesTest : public RadiationPageTest {
protected:
    // The parts every page shares: the day rows from its table (blank past the month's end),
    // the 33 row labels and the column labels, all at the page's W and C.
    PageExpectation tablePage(double w, double c, const TextTable& day, int columns, const QStringList& rowLabels,
                              const QStringList& columnLabels, int days = 31) const
    {
        PageExpectation page(code());
        for (int d = 1; d <= 31; ++d) {
            QStringList cells;
            for (int k = 1; k <= columns; ++k)
                cells << (d <= days ? code()(day, d, k) : QString());
            page.row(DayY(d), w, c, cells);
            page.cell(0, DayY(d), rowLabels[d - 1]);
        }
        page.cell(0, 11740, QStringLiteral("月计")).cell(0, 12070, QStringLiteral("月平均"));
        page.row(1110, w, c, columnLabels);
        return page;
    }
    QStringList stat(int row, int first, int last) const
    {
        QStringList out;
        for (int k = first; k <= last; ++k)
            out << code()(c.tables.RMonthStat, row, k);
        return out;
    }
    QString extreme(int item) const { return code()(c.tables.RMonthExtremes, item); }
    QString time(int dayItem, const QString& minute = {}) const
    {
        return extreme(dayItem) + u'日' + extreme(dayItem + 1) + u'时' +
               (minute.isNull() ? extreme(dayItem + 2) : minute) + u'分';
    }
    int glyphPrints() const
    {
        int n = 0;
        for (const RecordedText& t : surface.textsEqualTo(Glyph261))
            n += t.fontName == QStringLiteral("Nimbrix");
        return n;
    }
    static QStringList DayLabels()
    {
        QStringList out;
        for (int d = 1; d <= 31; ++d)
            out << QString::number(d);
        return out;
    }
};

TEST_F(RadiationTablePagesTest, TotalPageWhole)
{
    const RTables& t = c.tables;
    CanvasCallRecorder rec(c.canvas);
    PrintRadiationTotalPage(c);
    QStringList rowLabels = DayLabels();
    rowLabels[0] = QStringLiteral(" 1");
    PageExpectation page =
        tablePage(824, 667, t.RTotalRadiation, 28, rowLabels, HourLabelsThen(QStringLiteral("日总量,W,时分,0.1h")));
    page.cell(0, 310, QStringLiteral("日  期"))
        .cell(824, 310, QStringLiteral("时、日总辐射曝辐量Hg、Dg(0.01MJ·"))
        .cell(17499, 310, QStringLiteral("日最大"))
        .cell(18833, 310, QStringLiteral("日照"))
        .row(710, 17499, 667, {QStringLiteral("Eg"), QStringLiteral("时间"), QStringLiteral("时数")})
        .row(11740, 824, 667, stat(1, 1, 25) + QStringList{"---", "---", code()(t.RMonthStat, 1, 26)})
        .row(12070, 824, 667, stat(2, 1, 25) + Repeat("---", 3))
        .row(12400, {0, 3492, 4826, 6160},
             {QStringLiteral("总辐射月最大辐照度"), extreme(1), QStringLiteral("出现时间"), time(2)})
        .cell(0, 13300, QStringLiteral("-2-"))
        .only(0, 310, 19500, 13400);
    EXPECT_TRUE(page.matches(rec));
    EXPECT_TRUE(rec.contains(R"c(PrintCell(-1, "日  期", 824, 1200, 0, 310))c"));
    EXPECT_EQ(CellsAt(rec, 18833, 11740).at(0).textAlign, 2);   // the sunshine total
    EXPECT_EQ(CellsAt(rec, 18833, 12070).at(0).textAlign, 0);
    EXPECT_EQ(CellsAt(rec, 824, 1510).at(0).textAlign, 2);
    EXPECT_EQ(c.canvas.TextAlign, 0);
    EXPECT_EQ(surface.endDocCount(), 1);
    EXPECT_TRUE(boxes().shown.empty());
}

TEST_F(RadiationTablePagesTest, TotalPageRules)
{
    CanvasCallRecorder rec(c.canvas);
    PrintRadiationTotalPage(c);
    for (const char* call : {"DrawHorizontalLine(0, 310, 824, 4)", "DrawVerticalLine(824, 310, 1510, 4)",
                             "DrawVerticalLine(16832, 1110, 1510, 4)", "DrawVerticalLine(17499, 310, 1510, 4)",
                             "DrawVerticalLine(824, 310, 12400, 4)", "DrawHorizontalLine(0, 3160, 824, 3)",
                             "DrawHorizontalLine(0, 3160, 19500, 3)", "DrawHorizontalLine(0, 4810, 19500, 4)",
                             "DrawHorizontalLine(0, 6460, 19500, 3)", "DrawHorizontalLine(0, 8110, 19500, 4)",
                             "DrawHorizontalLine(0, 9760, 19500, 3)", "DrawHorizontalLine(0, 11740, 19500, 4)",
                             "DrawHorizontalLine(0, 12730, 8161, 4)", "DrawVerticalLine(8161, 12400, 12740, 4)",
                             "DrawVerticalLine(16832, 1110, 12440, 4)", "DrawVerticalLine(19500, 310, 12440, 4)"})
        EXPECT_EQ(rec.count(QString::fromUtf8(call)), 1) << call;
}

TEST_F(RadiationTablePagesTest, NetPageWhole)
{
    const RTables& t = c.tables;
    CanvasCallRecorder rec(c.canvas);
    PrintRadiationNetPage(c);
    PageExpectation page = tablePage(650, 650, t.RNetRadiation, 29, DayLabels(),
                                     HourLabelsThen(QStringLiteral("日总量,W,时分,W,时分")));
    page.cell(0, 310, QStringLiteral("日期"))
        .cell(650, 310, QStringLiteral("时、日净全辐射曝辐量H*、D*(0.01MJ·"))
        .row(310, {16900, 18200}, {QStringLiteral("日最大"), QStringLiteral("日最小")})
        .row(710, 16900, 650, {QStringLiteral("E*"), QStringLiteral("时间"), QStringLiteral("E*"), QStringLiteral("时间")})
        .row(11740, 650, 650, stat(1, 27, 51) + Repeat("---", 4))
        .row(12070, 650, 650, stat(2, 27, 51) + Repeat("---", 4))
        // The maximum's minute is a number written with two digits: a code reads as 0.
        .row(12400, {0, 3900, 5200, 6500, 8450, 12350, 13650, 14950, 16900, 17550, 18200, 18850},
             {QStringLiteral("净全辐射月最大辐照度"), extreme(5), QStringLiteral("出现时间"), time(6, "00"),
              QStringLiteral("净全辐射月最小辐照度"), extreme(9), QStringLiteral("出现时间"), time(10), "---", "---",
              "---", "---"})
        .cell(0, 13300, QStringLiteral("-3-"))
        .only(0, 310, 19500, 13400);
    EXPECT_TRUE(page.matches(rec));
    EXPECT_TRUE(rec.contains("DrawHorizontalLine(0, 12730, 650, 4)"));   // across the row headings too
    EXPECT_TRUE(rec.contains("DrawHorizontalLine(0, 12730, 19500, 4)"));
}

TEST_F(RadiationTablePagesTest, DiffusePageWhole)
{
    const RTables& t = c.tables;
    CanvasCallRecorder rec(c.canvas);
    PrintRadiationDiffusePage(c);
    PageExpectation page =
        tablePage(870, 690, t.RDiffuseRadiation, 27, DayLabels(), HourLabelsThen(QStringLiteral("日总量,W,时分")));
    page.cell(0, 310, QStringLiteral("日期"))
        .cell(870, 310, QStringLiteral("时、日散射辐射曝辐量Hd、Dd(0.01MJ·"))
        .cell(18120, 310, QStringLiteral("日最大"))
        .row(710, 18120, 690, {QStringLiteral("Ed"), QStringLiteral("时间")})
        .row(11740, 870, 690, stat(1, 52, 76) + Repeat("---", 2))
        .row(12070, 870, 690, stat(2, 52, 76) + Repeat("---", 2))
        .row(12400, {0, 3630, 5010, 6390},
             {QStringLiteral("散射辐射月最大辐照度"), extreme(13), QStringLiteral("出现时间"), time(14)})
        .cell(0, 13300, QStringLiteral("-4-"))
        .only(0, 310, 19500, 13400);
    EXPECT_TRUE(page.matches(rec));
    EXPECT_TRUE(rec.contains("DrawVerticalLine(8460, 12400, 12730, 4)"));
}

TEST_F(RadiationTablePagesTest, DirectPageWhole)
{
    const RTables& t = c.tables;
    CanvasCallRecorder rec(c.canvas);
    PrintRadiationDirectPage(c);
    PageExpectation page = tablePage(650, 650, t.RDirectRadiation, 28, DayLabels(),
                                     HourLabelsThen(QStringLiteral("日总量,W,时分,0.01MJ·")));
    page.cell(0, 310, QStringLiteral("日期"))
        .cell(650, 310, QStringLiteral("时、日太阳直接辐射曝辐量Hs、Ds(0.01MJ·"))
        .cell(16900, 310, QStringLiteral("日最大"))
        .row(710, 16900, 650, {QStringLiteral("s"), QStringLiteral("时间")})
        .row(11740, 650, 650, stat(1, 77, 101) + QStringList{"---", "---", code()(t.RMonthStat, 1, 102)})
        .row(12070, 650, 650, stat(2, 77, 101) + QStringList{"---", "---", code()(t.RMonthStat, 2, 102)})
        .row(12400, {0, 3250, 4550, 5850},
             {QStringLiteral("太阳直接辐射月最大辐照度"), extreme(17), QStringLiteral("出现时间"), time(18)})
        .cell(0, 13300, QStringLiteral("-5-"))
        .only(0, 310, 19500, 13400);
    EXPECT_TRUE(page.matches(rec));
    // The last column is twice as wide, its label one size smaller.
    EXPECT_EQ(CellsAt(rec, 18200, 1510).at(0).numbers[1], 1300);
    EXPECT_EQ(CellsAt(rec, 18200, 12070).at(0).numbers[1], 1300);
    EXPECT_EQ(CellsAt(rec, 18200, 12070).at(0).textAlign, 2);
    EXPECT_TRUE(rec.contains(R"c(PrintWrappedText(-1, 1300, 800, 18200, 310, "水平面直射日总量  ", 400, 5))c"));
    const QStringList calls = rec.strings();
    const qsizetype label = calls.indexOf(R"c(PrintCell(-1, "0.01MJ·", 1300, 400, 18200, 1110))c");
    ASSERT_GT(label, 0);
    EXPECT_EQ(calls[label - 1], "SetFont(10, 1)");
    EXPECT_EQ(calls[label - 3], "SetFont(11, 1)");
}

TEST_F(RadiationTablePagesTest, ReflectedPageWhole)
{
    const RTables& t = c.tables;
    CanvasCallRecorder rec(c.canvas);
    PrintRadiationReflectedPage(c);
    PageExpectation page = tablePage(562, 557, t.RReflectedRadiation, 34, DayLabels(),
                                     HourLabelsThen(QStringLiteral("日总量,0.01,W,时分,9,12,15,9,12,15")));
    page.cell(0, 310, QStringLiteral("日期"))
        .cell(562, 310, QStringLiteral("时、日反射辐射曝辐量Hr、Dr(0.01MJ·"))
        .cell(15044, 310, QStringLiteral("日最大"))
        .row(710, 15044, 557, {QStringLiteral("Er"), QStringLiteral("时间")})
        .row(11740, 562, 557, stat(1, 103, 128) + Repeat("---", 8))
        .row(12070, 562, 557, stat(2, 103, 128) + Repeat("---", 8))
        .row(12400, {0, 3347, 4461, 5575},
             {QStringLiteral("反射辐射月最大辐照度"), extreme(21), QStringLiteral("出现时间"), time(22)})
        .cell(0, 13300, QStringLiteral("-6-"))
        .only(0, 310, 19500, 13400);
    EXPECT_TRUE(page.matches(rec));
    EXPECT_TRUE(rec.contains(R"c(PrintWrappedText(-1, 557, 800, 14487, 310, "日反射比Dk", 400, 3))c"));
    EXPECT_TRUE(rec.contains(R"c(PrintWrappedText(-1, 1671, 800, 17829, 310, "浑浊度指标Tg0.01   ", 400, 7))c"));
    // The wrapped heading's second line "W" is followed by the unit glyph.
    EXPECT_TRUE(printsWithFonts().join(u' ').contains(QStringLiteral("太阳直接辐射S@宋体 W@宋体 ") + Glyph261 +
                                                       QStringLiteral("@Nimbrix")));
}

TEST_F(RadiationTablePagesTest, UnitGlyphsFollowTheirTextsAndSimSunComesBack)
{
    using Renderer = void (*)(Component&);
    const std::pair<Renderer, int> pages[] = {{PrintRadiationTotalPage, 2}, {PrintRadiationNetPage, 3},
                                              {PrintRadiationDiffusePage, 2}, {PrintRadiationDirectPage, 3},
                                              {PrintRadiationReflectedPage, 3}};
    for (const auto& [render, glyphs] : pages) {
        surface.clear();
        render(c);
        EXPECT_EQ(glyphPrints(), glyphs);
        EXPECT_EQ(surface.textsEqualTo(Glyph261).size(), std::size_t(glyphs));   // never in another face
    }
    surface.clear();
    PrintRadiationTotalPage(c);
    const QStringList prints = printsWithFonts();
    const qsizetype w = prints.indexOf(QStringLiteral("W@宋体"));
    ASSERT_GE(w, 0);
    EXPECT_EQ(prints[w + 1], Glyph261 + QStringLiteral("@Nimbrix"));
    EXPECT_EQ(prints[w + 2], QStringLiteral("时分@宋体"));
    const qsizetype title = prints.indexOf(QStringLiteral("时、日总辐射曝辐量Hg、Dg(0.01MJ·@宋体"));
    ASSERT_GE(title, 0);
    EXPECT_EQ(prints[title + 1], Glyph261 + QStringLiteral("@Nimbrix"));
    EXPECT_EQ(prints[title + 2], QStringLiteral(")@宋体"));
    // The glyph continues the line where the text ended.
    const RecordedText& text = surface.texts()[std::size_t(w)];
    const RecordedText& glyph = surface.texts()[std::size_t(w + 1)];
    EXPECT_EQ(glyph.x, text.x + text.width);
    EXPECT_EQ(glyph.y, text.y);
    EXPECT_EQ(glyph.fontSize, text.fontSize);
}

TEST_F(RadiationTablePagesTest, DaysPastTheMonthAreBlankCells)
{
    c.tables.RfilePara(4) = 30;
    CanvasCallRecorder rec(c.canvas);
    PrintRadiationTotalPage(c);
    const QStringList row31 = rowTexts(rec, 11410, 824);
    EXPECT_EQ(row31, Repeat(QString(), 28));
    EXPECT_TRUE(rec.contains(R"c(PrintCell(-1, "", 667, 330, 824, 11410))c"));
    EXPECT_TRUE(rec.contains(R"c(PrintCell(-1, "31", 824, 330, 0, 11410))c"));
    EXPECT_EQ(rowTexts(rec, 11080, 824).first(), code()(c.tables.RTotalRadiation, 30, 1));

    // Without grid lines the blank cells are not boxed.
    c.canvas.ShowGridLines = 0;
    rec.clear();
    PrintRadiationTotalPage(c);
    EXPECT_TRUE(rec.contains(R"c(PrintCell(0, "", 667, 330, 824, 11410))c"));

    // A day count that is no number counts as no day at all; the labels stay.
    for (const char* days : {"", "abc"}) {
        c.tables.RfilePara(4) = QString::fromLatin1(days);
        rec.clear();
        PrintRadiationNetPage(c);
        EXPECT_EQ(rowTexts(rec, 1510, 650), Repeat(QString(), 29)) << days;
        EXPECT_TRUE(rec.contains(R"c(PrintCell(0, "1", 650, 330, 0, 1510))c")) << days;
    }
}

TEST_F(RadiationTablePagesTest, ExtremeTimes)
{
    TextList& e = c.tables.RMonthExtremes;
    e(2) = QStringLiteral("12");
    e(3) = QStringLiteral("13");
    e(4) = QStringLiteral("05");
    CanvasCallRecorder rec(c.canvas);
    PrintRadiationTotalPage(c);
    EXPECT_TRUE(rec.contains(R"c(PrintCell(-1, "12日13时05分", 2001, 330, 6160, 12400))c"));

    e(2) = QStringLiteral("3天");
    rec.clear();
    PrintRadiationTotalPage(c);
    EXPECT_TRUE(rec.contains(R"c(PrintCell(-1, "3天", 2001, 330, 6160, 12400))c"));

    e(2) = QString();
    rec.clear();
    PrintRadiationTotalPage(c);
    EXPECT_TRUE(CellsAt(rec, 6160, 12400).empty());
    EXPECT_EQ(CellsAt(rec, 4826, 12400).size(), 1u);

    // Net page: the maximum's minute with two digits, the minimum's as stored.
    e(6) = e(10) = QStringLiteral("2");
    e(7) = e(11) = QStringLiteral("14");
    e(8) = QStringLiteral("5");
    e(12) = QStringLiteral("7");
    rec.clear();
    PrintRadiationNetPage(c);
    EXPECT_TRUE(rec.contains(R"c(PrintCell(-1, "2日14时05分", 1950, 330, 6500, 12400))c"));
    EXPECT_TRUE(rec.contains(R"c(PrintCell(-1, "2日14时7分", 1950, 330, 14950, 12400))c"));
    e(8) = QString();
    rec.clear();
    PrintRadiationNetPage(c);
    EXPECT_TRUE(rec.contains(R"c(PrintCell(-1, "2日14时00分", 1950, 330, 6500, 12400))c"));

    EXPECT_EQ(ExtremeTimeText("9", "8", "123", true), QStringLiteral("9日8时123分"));
    EXPECT_EQ(ExtremeTimeText("9", "8", "-3", true), QStringLiteral("9日8时-03分"));
    EXPECT_TRUE(ExtremeTimeText("9", "8", "99999999999999999999999", true).startsWith(QStringLiteral("9日8时")));
}

TEST_F(RadiationTablePagesTest, PreviewPanes)
{
    usePreview("1");
    PrintRadiationTotalPage(c);
    EXPECT_EQ(panes.sizes[0], (PaneSize{859, 1545}));
    EXPECT_EQ(panes.sizes[1], (PaneSize{19550, 1545}));
    EXPECT_EQ(panes.sizes[2], (PaneSize{859, 12435}));
    EXPECT_EQ(panes.sizes[3], (PaneSize{19550, 16200}));
    EXPECT_TRUE(panes.surfaces[0].hasText(QStringLiteral("日  期")));
    EXPECT_TRUE(panes.surfaces[3].hasText(QStringLiteral("-2-")));

    PrintRadiationReflectedPage(c);
    EXPECT_EQ(panes.sizes[2], (PaneSize{597, 12435}));
    usePreview("0.5");
    PrintRadiationReflectedPage(c);
    EXPECT_EQ(panes.sizes[0], (PaneSize{316, 790}));
}

TEST_F(RadiationTablePagesTest, AShortDayTableEndsThePageWithoutATrapOfItsOwn)
{
    c.tables.RDiffuseRadiation.dim({Bounds{1, 31}, Bounds{1, 26}});
    CanvasCallRecorder rec(c.canvas);
    try {
        PrintRadiationDiffusePage(c);
        FAIL() << "the error should reach the caller";
    } catch (const ReportError& e) {
        EXPECT_EQ(e.number(), 9);
    }
    EXPECT_TRUE(rec.withText("-4-").empty());
    EXPECT_EQ(surface.endDocCount(), 0);
    EXPECT_TRUE(boxes().shown.empty());
}

}  // namespace
}  // namespace tabulon::test
