// The radiation report's instruments and site page: the page whole over position-coded
// tables, the certificate heading's glyph, the dates, and the short or missing tables that
// must not cost the rest of the page.
#include "pages/radiation/RadiationPageTestSupport.h"
#include "platform/FakePrinters.h"

namespace tabulon::test {
namespace {

constexpr double Row = 350;
const std::vector<double> InstrumentX{0, 2500, 3400, 4300, 7300, 8800};
const std::vector<double> NoteX{10500, 11150, 12050};
double InstrumentY(int i) { return 1360 + Row * (i - 1); }
double NoteY(int d) { return 660 + Row * (d - 1); }
const QString Context = QStringLiteral("打印辐射报表：现用仪器及备注");

class InstrumentsPageTest : public RadiationPageTest {
protected:
    QString field(int f, int i) const { return code()(c.tables.RInstruments, f, i); }
    const CanvasCall* paragraph(const CanvasCallRecorder& rec) const
    {
        static std::vector<CanvasCall> found;
        found = rec.ofKind(CanvasCall::Kind::PrintParagraph);
        return found.empty() ? nullptr : &found.front();
    }
};

TEST_F(InstrumentsPageTest, WholePage)
{
    CanvasCallRecorder rec(c.canvas);
    PrintRadiationInstrumentsPage(c);
    PageExpectation page(code());
    page.cell(0, 310, QStringLiteral("现用仪器表(备份、待修仪器不填)"))
        .row(660, {0, 2500, 3400, 7300, 8800},
             {QStringLiteral("仪器名称"), QStringLiteral("型号"), QStringLiteral("号码"), QStringLiteral("最近检定时间"),
              QStringLiteral("开始工作时间")})
        .cell(4300, 660, QStringLiteral("检定证"));
    for (int i = 1; i <= 3; ++i) {
        // Codes are no eight-character dates, so each prints by its first four characters.
        page.row(InstrumentY(i), InstrumentX,
                 {field(1, i), field(2, i), field(3, i), field(4, i) + "  " + field(5, i) + "  " + field(6, i),
                  field(7, i).left(4), field(8, i).left(4)});
    }
    for (int i = 4; i <= 12; ++i)
        page.row(InstrumentY(i), InstrumentX, QStringList(6, QString()));
    page.cell(0, 5560, QStringLiteral("场地周围环境描述:"))
        .row(310, NoteX, {QStringLiteral("日期"), QStringLiteral("作用层编码"), QStringLiteral("备     注     栏")});
    for (int d = 1; d <= 10; ++d)
        page.row(NoteY(d), {10500, 11150}, {QString::number(d), code()(c.tables.RNotes, d, 1)});
    for (int d = 11; d <= 31; ++d)
        page.row(NoteY(d), NoteX, QStringList(3, QString()));
    page.cell(0, 13300, QStringLiteral("-1-")).only(0, 310, 19500, 13400);
    EXPECT_TRUE(page.matches(rec));

    // The remarks break into two lines where they do not fit, left-aligned.
    for (int d = 1; d <= 10; ++d) {
        const auto remark = rec.withText(code()(c.tables.RNotes, d, 2));
        ASSERT_EQ(remark.size(), 1u) << d;
        EXPECT_EQ(remark[0].kind, CanvasCall::Kind::PrintCellTwoLines);
        EXPECT_EQ(remark[0].numbers, (std::vector<double>{-1, 7450, 350, 12050, NoteY(d)}));
        EXPECT_EQ(remark[0].textAlign, 1);
    }
    // The site description: each stored line on a line of its own below the label.
    const RTables& t = c.tables;
    const CanvasCall* text = paragraph(rec);
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(text->text, QStringLiteral("\n%1\n%2\n%3\n")
                              .arg(code()(t.RSiteDescription, 1), code()(t.RSiteDescription, 2),
                                   code()(t.RSiteDescription2, 1)));
    EXPECT_EQ(CellsAt(rec, 0, 5560).at(0).textAlign, 1);
    for (const char* rule : {"DrawHorizontalLine(0, 5560, 10300, 4)", "DrawVerticalLine(10300, 310, 11860, 4)",
                             "DrawVerticalLine(11150, 310, 11860, 1)", "DrawVerticalLine(12050, 310, 11860, 1)",
                             "DrawHorizontalLine(10500, 11860, 19500, 4)"})
        EXPECT_TRUE(rec.contains(QString::fromUtf8(rule))) << rule;
    EXPECT_EQ(c.canvas.TextAlign, 0);
    EXPECT_EQ(surface.endDocCount(), 1);
    EXPECT_TRUE(boxes().shown.empty());
}

TEST_F(InstrumentsPageTest, CertificateHeadingPrintsItsPiecesAtThePen)
{
    CanvasCallRecorder rec(c.canvas);
    PrintRadiationInstrumentsPage(c);
    EXPECT_TRUE(rec.contains(R"c(PlaceSymbolText(-1, "K(μV·W·m)  t(s)  R(Ω)", 3000, 350, 4300, 1010))c"));
    const QStringList prints = printsWithFonts();
    const qsizetype k = prints.indexOf(QStringLiteral("K(μV·@宋体"));
    ASSERT_GE(k, 0);
    EXPECT_EQ(prints[k + 1], Glyph262 + QStringLiteral("@Nimbrix"));
    EXPECT_EQ(prints[k + 2], QStringLiteral("·㎡) t(s) R(Ω)@宋体"));
    const RecordedText& first = surface.texts()[std::size_t(k)];
    const RecordedText& glyph = surface.texts()[std::size_t(k + 1)];
    EXPECT_EQ(glyph.x, first.x + first.width);
    EXPECT_EQ(glyph.y, first.y);
}

TEST_F(InstrumentsPageTest, CalibrationDates)
{
    EXPECT_EQ(CalibrationDate(QStringLiteral("20020915")), QStringLiteral("2002年09月15日"));
    EXPECT_EQ(CalibrationDate(QStringLiteral("200209")), QStringLiteral("2002"));
    EXPECT_EQ(CalibrationDate(QStringLiteral("")), QString());
    EXPECT_EQ(CalibrationDate(QStringLiteral("200")), QStringLiteral("200"));

    c.tables.RInstruments(7, 2) = QStringLiteral("20020915");
    c.tables.RInstruments(8, 2) = QStringLiteral("200209");
    CanvasCallRecorder rec(c.canvas);
    PrintRadiationInstrumentsPage(c);
    EXPECT_TRUE(rec.contains(R"c(PrintCell(-1, "2002年09月15日", 1500, 350, 7300, 1710))c"));
    EXPECT_TRUE(rec.contains(R"c(PrintCell(-1, "2002", 1500, 350, 8800, 1710))c"));
}

TEST_F(InstrumentsPageTest, ShortOrMissingTablesKeepTheRestOfThePage)
{
    RTables& t = c.tables;
    // Seven fields: the start of work reads empty.
    t.RInstruments.dim({Bounds{1, 7}, Bounds{1, 2}});
    t.RInstruments(1, 2) = QStringLiteral("总辐射表");
    // One field: the remarks read empty.
    t.RNotes.dim({Bounds{1, 5}, Bounds{1, 1}});
    t.RNotes(4, 1) = QStringLiteral("3");
    CanvasCallRecorder rec(c.canvas);
    PrintRadiationInstrumentsPage(c);
    EXPECT_TRUE(boxes().shown.empty());
    EXPECT_TRUE(rec.contains(R"c(PrintCell(-1, "总辐射表", 2500, 350, 0, 1710))c"));
    EXPECT_TRUE(rec.contains(R"c(PrintCell(-1, "", 1500, 350, 8800, 1710))c"));
    EXPECT_TRUE(rec.contains(R"c(PrintCell(-1, "3", 900, 350, 11150, 1710))c"));
    EXPECT_TRUE(rec.contains(R"c(PrintCellTwoLines(-1, "", 7450, 350, 12050, 1710))c"));
    EXPECT_TRUE(rec.contains(R"c(PrintCell(-1, "5", 650, 350, 10500, 2060))c"));
    EXPECT_TRUE(rec.contains(R"c(PrintCell(-1, "", 650, 350, 10500, 2410))c"));
    ASSERT_NE(paragraph(rec), nullptr);
    EXPECT_TRUE(surface.hasText(QStringLiteral("-1-")));

    // Lists never filled: no rows, every row empty, the description only its label.
    t.RInstruments.clear();
    t.RNotes.clear();
    t.RSiteDescription.clear();
    t.RSiteDescription2.dim({Bounds{1, 2}});
    rec.clear();
    surface.clear();
    PrintRadiationInstrumentsPage(c);
    EXPECT_TRUE(boxes().shown.empty());
    for (double x : InstrumentX)
        EXPECT_EQ(cellText(rec, x, 1360), QString()) << x;
    EXPECT_EQ(CellsAt(rec, 10500, 660).at(0).text, QString());
    EXPECT_EQ(paragraph(rec)->text, QStringLiteral("\n"));
    EXPECT_TRUE(surface.hasText(QStringLiteral("-1-")));
}

TEST_F(InstrumentsPageTest, TwelveInstrumentsAtMost)
{
    RTables& t = c.tables;
    t.RInstruments.dim({Bounds{1, 8}, Bounds{1, 13}});
    for (int i = 1; i <= 13; ++i)
        t.RInstruments(1, i) = QStringLiteral("仪器%1").arg(i);
    CanvasCallRecorder rec(c.canvas);
    PrintRadiationInstrumentsPage(c);
    EXPECT_EQ(cellText(rec, 0, InstrumentY(12)), QStringLiteral("仪器12"));
    EXPECT_TRUE(rec.withText(QStringLiteral("仪器13")).empty());
    EXPECT_EQ(CellsAt(rec, 2500, InstrumentY(13)).size(), 0u);
}

TEST_F(InstrumentsPageTest, SavingMeasuresTheIndentOnTheImageWithNoPrinter)
{
    c.setPrinters(std::make_unique<FakePrinterCollection>());
    surface.setSnapToPixels(false);
    CanvasCallRecorder rec(c.canvas);
    PrintRadiationInstrumentsPage(c);
    EXPECT_TRUE(boxes().shown.empty());
    EXPECT_TRUE(surface.hasText(QStringLiteral("-1-")));
    // "中" at 10 points on the drawing surface is 200 twips wide: twice that.
    ASSERT_NE(paragraph(rec), nullptr);
    EXPECT_EQ(paragraph(rec)->numbers[1], 400);

    // At another scale the measure follows the surface's font.
    c.canvas.PageScale = Decimal4::fromInt(2);
    rec.clear();
    PrintRadiationInstrumentsPage(c);
    EXPECT_EQ(paragraph(rec)->numbers[1], 800);
}

TEST_F(InstrumentsPageTest, PreviewDrawsOnTheBodyPaneAlone)
{
    usePreview("1");
    c.canvas.TextAlign = 2;   // left so by a page that failed
    CanvasCallRecorder rec(c.canvas);
    PrintRadiationInstrumentsPage(c);
    EXPECT_EQ(panes.sizes[0].width, 0);
    EXPECT_EQ(panes.sizes[1].width, 0);
    EXPECT_EQ(panes.sizes[2].width, 0);
    EXPECT_EQ(panes.sizes[3], (PaneSize{19535, 16000}));
    EXPECT_TRUE(panes.surfaces[3].hasText(QStringLiteral("-1-")));
    EXPECT_EQ(CellsAt(rec, 0, 310).at(0).textAlign, 0);
}

TEST_F(InstrumentsPageTest, AnErrorIsReportedUnderThePagesOwnTitle)
{
    surface.markFamilyMissing(QStringLiteral("Nimbrix"));
    PrintRadiationInstrumentsPage(c);
    ASSERT_EQ(boxes().shown.size(), 1u);
    EXPECT_EQ(boxes().shown[0].title, Context);
    EXPECT_FALSE(surface.hasText(QStringLiteral("-1-")));
}

}  // namespace
}  // namespace tabulon::test
