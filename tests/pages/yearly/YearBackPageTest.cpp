// The yearly back page: the instrument list by code, the summary and notes fonts chosen by
// length, the remarks lines, and a page that goes on over lists never filled or short
// records and reports what does fail.
#include "pages/yearly/YearBackPage.h"

#include "pages/yearly/YearlyPageTestSupport.h"
#include "platform/FakePrinters.h"
#include "support/TextLists.h"
#include "toolkit/Numeric.h"

namespace tabulon::test {
namespace {

double LineY(int line) { return 1110 + 330 * line; }
const std::vector<double> FieldXs{15200, 16700, 17600, 18600};

class YearBackPageTest : public YearlyPageTest {
protected:
    void SetUp() override
    {
        YearlyPageTest::SetUp();
        for (TextList* list : {&c.tables.YClimateSummary, &c.tables.YNotes, &c.tables.YInstruments})
            FillFromZero(*list, {""});
    }
    // The size of the last font set before the first call drawn with `text`.
    static double FontBefore(const CanvasCallRecorder& rec, const QString& callText)
    {
        double size = 0;
        for (const CanvasCall& call : rec.calls()) {
            if (call.toString() == callText)
                return size;
            if (call.kind == CanvasCall::Kind::SetFont)
                size = call.numbers.at(0);
        }
        return -1;
    }
    double summaryFont(int characters)
    {
        c.tables.YClimateSummary.dim({Bounds{0, 1}});
        c.tables.YClimateSummary(1) = QStringLiteral("1/") + QString(characters, u'晴');
        CanvasCallRecorder rec(c.canvas);
        PrintYearBackCover(c);
        const auto paragraphs = rec.ofKind(CanvasCall::Kind::PrintParagraph);
        return paragraphs.empty() ? -1 : FontBefore(rec, paragraphs[0].toString());
    }
    // The four fields printed on an instrument line.
    static QStringList fields(const CanvasCallRecorder& rec, int line)
    {
        QStringList texts;
        for (double x : FieldXs)
            texts << cellText(rec, x, LineY(line));
        return texts;
    }
};

TEST_F(YearBackPageTest, WholePageWithEveryInstrumentLine)
{
    // One record per line naming its line ("L13m" ...), codes 14 and 33 twice: the second of
    // each mentions "称重" or "电缆" anywhere in the record.
    std::vector<std::pair<int, int>> codeOfLine;   // (line, code)
    for (int code = 1; code <= 36; ++code)
        codeOfLine.push_back({code <= 14 ? code - 1 : code <= 33 ? code : code + 1, code});
    codeOfLine.push_back({14, 14});
    codeOfLine.push_back({34, 33});
    TextList& records = c.tables.YInstruments;
    records.dim({Bounds{0, static_cast<int>(codeOfLine.size())}});
    for (std::size_t k = 0; k < codeOfLine.size(); ++k) {
        const auto [line, code] = codeOfLine[k];
        const QString marker = line == 14 ? QStringLiteral("称重") : line == 34 ? QStringLiteral("电缆") : QString();
        records(static_cast<int>(k) + 1) = QStringLiteral("%1/L%2m/L%2n/L%2f%3/L%2d").arg(code).arg(line).arg(marker);
    }
    FillFromZero(c.tables.YClimateSummary, {"", "1/本年少雨。", "2/夏季多雷暴。"});
    FillFromZero(c.tables.YNotes, {"", "10/4", "BB/0915/更换风速感应器。"});
    c.tables.YfilePara(14) = QStringLiteral("人工");
    CanvasCallRecorder rec(c.canvas);
    PrintYearBackCover(c);

    PageExpectation page;
    for (int line = 0; line < 38; ++line) {
        const QString l = QStringLiteral("L%1").arg(line);
        const QString marker = line == 14 ? QStringLiteral("称重") : line == 34 ? QStringLiteral("电缆") : QString();
        page.row(LineY(line), FieldXs, {l + u'm', l + u'n', l + u'f' + marker, l + u'd'});
    }
    page.row(310, {0, 6000, 12200},
             {QStringLiteral("本年天气气候概况"), QStringLiteral("备    注"), QStringLiteral("现  用  仪  器")});
    page.row(710, {12200, 15200, 16700, 17600, 18600},
             {QStringLiteral("仪器名称"), QStringLiteral("规格型号"), QStringLiteral("号码"), QStringLiteral("厂名"),
              QStringLiteral("检定日期")});
    page.row(1110, {6000, 6800}, {QStringLiteral("日期"), QStringLiteral("4次观测站    ")});
    page.cell(6800, 1440, QStringLiteral("是否配有自动气象站：否"));
    page.cell(6000, 1770, QStringLiteral("15/9"));
    page.only(0, 310, 12200, 13650).only(15200, 310, 19500, 13650);
    EXPECT_TRUE(page.matches(rec));

    EXPECT_EQ(cellText(rec, 12200, LineY(0)), QStringLiteral("测云仪"));
    EXPECT_EQ(cellText(rec, 12200, LineY(14)), QStringLiteral("雨量计(称重传感器)"));
    EXPECT_EQ(cellText(rec, 12200, LineY(34)), QStringLiteral("电线积冰架(电缆)"));
    EXPECT_EQ(cellText(rec, 12200, LineY(37)), QStringLiteral("观测用钟(表)"));
    EXPECT_TRUE(rec.contains(QStringLiteral("PrintParagraph(-1, 405, \"本年少雨。\n夏季多雷暴。\n\", 6000, 12540, 0, 1110)")));
    EXPECT_TRUE(rec.contains(R"(PrintParagraph(-1, 0, "", 6200, 12540, 6000, 1110))"));
    EXPECT_TRUE(rec.contains(R"(DrawVerticalLine(6800, 1110, 13650, 1))"));
    EXPECT_TRUE(rec.contains(R"(DrawVerticalLine(12190, 310, 13650, 4))"));
    ASSERT_FALSE(cellsAt(rec, 6800, 1110).empty());
    EXPECT_EQ(cellsAt(rec, 6800, 1110).back().textAlign, 1);
    EXPECT_EQ(c.canvas.TextAlign, 0);
    EXPECT_EQ(surface.endDocCount(), 1);
    EXPECT_TRUE(messages().shown.empty());
}

TEST_F(YearBackPageTest, RecordsWithoutALineOrAfterTheFirstArePassedOver)
{
    // A code that fits no line comes first: it must not take line 0.
    FillFromZero(c.tables.YInstruments,
                 {"", "0/零号/1/厂/日", "abc/字母/1/厂/日", "34/ZQZ/5/厂/日", "37/多余/9/厂/日", "34/第二台/5/厂/日",
                  "13.5/半/1/厂/日", "12.5/偶/1/厂/日", "", "32.5/间/1/厂/日", "14/称/重/厂/日"});
    CanvasCallRecorder rec(c.canvas);
    PrintYearBackCover(c);
    EXPECT_EQ(fields(rec, 0), (QStringList{"", "", "", ""}));
    EXPECT_EQ(cellText(rec, 15200, LineY(35)), QStringLiteral("ZQZ"));
    EXPECT_EQ(cellText(rec, 15200, LineY(12)), QStringLiteral("偶"));   // 11.5 rounds to even
    EXPECT_EQ(cellText(rec, 15200, LineY(13)), QStringLiteral("称"));   // "称/重" is no "称重"
    for (const char* text : {"零号", "字母", "多余", "第二台", "半", "间"})
        EXPECT_TRUE(rec.withText(QString::fromUtf8(text)).empty()) << text;
    EXPECT_EQ(InstrumentLine(QStringLiteral("2.5")), 2);
    EXPECT_EQ(InstrumentLine(QStringLiteral("36.5")), std::nullopt);
    EXPECT_EQ(InstrumentLine(QStringLiteral("-3")), std::nullopt);
    EXPECT_TRUE(messages().shown.empty());
}

TEST_F(YearBackPageTest, SummaryAndNotesFontByLength)
{
    // The line feed after each line counts: 599 characters and a line feed make 600.
    EXPECT_EQ(summaryFont(599), 11);
    EXPECT_EQ(summaryFont(600), 9);
    EXPECT_EQ(summaryFont(1000), 8);

    // The notes: the summed lengths of the records, 304 + 297; "日期" stays at 11.
    FillFromZero(c.tables.YClimateSummary, {""});
    FillFromZero(c.tables.YNotes, {"", "BB/0915/", "BB/0916/"});
    c.tables.YNotes(1) += QString(296, u'风');
    c.tables.YNotes(2) += QString(289, u'风');
    CanvasCallRecorder rec(c.canvas);
    PrintYearBackCover(c);
    EXPECT_EQ(FontBefore(rec, R"(PrintCell(-1, "日期", 800, 330, 6000, 1110))"), 11);
    EXPECT_EQ(FontBefore(rec, R"(PrintCell(-1, "15/9", 800, 330, 6000, 1770))"), 9);
}

// Lists never filled (a yearly file that failed to read), summary lines without "/" and
// short instrument records read as empty: the page is drawn to its end.
TEST_F(YearBackPageTest, MissingDataReadsAsEmptyAndThePageGoesOn)
{
    for (TextList* list : {&c.tables.YClimateSummary, &c.tables.YNotes, &c.tables.YInstruments})
        list->clear();
    CanvasCallRecorder rec(c.canvas);
    PrintYearBackCover(c);
    int names = 0;
    for (const CanvasCall& call : rec.ofKind(CanvasCall::Kind::PrintCell))
        names += call.numbers[3] == 12200 && call.numbers[4] >= 1110;
    EXPECT_EQ(names, 38);
    EXPECT_TRUE(rec.contains(R"(PrintParagraph(-1, 405, "", 6000, 12540, 0, 1110))"));
    EXPECT_EQ(cellText(rec, 6800, 1440), QStringLiteral("是否配有自动气象站：是"));   // YfilePara(14) empty

    FillFromZero(c.tables.YClimateSummary, {"", "没有斜线", "1/有斜线", "2/"});
    FillFromZero(c.tables.YInstruments, {"", "5/DYM", "7"});
    c.canvas.ShowGridLines = 0;
    rec.clear();
    PrintYearBackCover(c);
    EXPECT_TRUE(rec.contains(QStringLiteral("PrintParagraph(0, 405, \"有斜线\n\", 6000, 12540, 0, 1110)")));
    EXPECT_EQ(fields(rec, 4), (QStringList{"DYM", "", "", ""}));
    EXPECT_EQ(rec.strings().last(), R"(PrintCell(0, "", 900, 330, 18600, 13320))");
    EXPECT_EQ(surface.endDocCount(), 2);
    EXPECT_EQ(c.canvas.TextAlign, 0);
    EXPECT_TRUE(messages().shown.empty());
}

TEST_F(YearBackPageTest, SavingWithNoPrinterMeasuresOnTheDrawingSurface)
{
    c.setPrinters(std::make_unique<FakePrinterCollection>());
    CanvasCallRecorder rec(c.canvas);
    PrintYearBackCover(c);
    EXPECT_TRUE(messages().shown.empty());
    // 1.8 times two blanks of the summary's font (the page ends in it) on the drawing surface.
    const auto indent = [&] { return RoundHalfEven(surface.TextWidth(QStringLiteral("  "))) * 1.8; };
    EXPECT_EQ(rec.ofKind(CanvasCall::Kind::PrintParagraph).at(0).numbers[1], indent());
    c.canvas.PageScale = Decimal4::fromInt(2);
    rec.clear();
    PrintYearBackCover(c);
    EXPECT_EQ(rec.ofKind(CanvasCall::Kind::PrintParagraph).at(0).numbers[1], indent());
}

TEST_F(YearBackPageTest, AnErrorEndsThePageAndIsReported)
{
    c.canvas.OutputTarget = nullptr;
    PrintYearBackCover(c);
    ASSERT_EQ(messages().shown.size(), 1u);
    EXPECT_EQ(messages().shown[0].title, QStringLiteral("打印年报表封底"));
}

TEST_F(YearBackPageTest, PreviewDrawsOnTheBodyPaneAlone)
{
    usePreview("1");
    PrintYearBackCover(c);
    EXPECT_EQ(panes.sizes[2].width, 0);
    EXPECT_EQ(panes.sizes[3], (PaneSize{19535, 16035}));
    EXPECT_TRUE(panes.surfaces[3].hasText(QStringLiteral("观测用微机")));
}

}  // namespace
}  // namespace tabulon::test
