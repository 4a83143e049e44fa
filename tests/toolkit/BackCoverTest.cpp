#include "platform/MessageBox.h"
#include "platform/RecordingSurface.h"
#include "support/FakePanes.h"
#include "support/TextLists.h"
#include "toolkit/BackCover.h"
#include "toolkit/BackCoverText.h"
#include "toolkit/CanvasObserver.h"
#include "report/Component.h"

#include <gtest/gtest.h>

#include <optional>

using namespace tabulon;

namespace {

const QString SummaryHeading = QStringLiteral("本 月 天 气 气 候 概 况");

using test::FillFromZero;

// n records of one row each ("01/0315/新名" is 1350 twips wide in 11.25 points), after element 0.
void FillHistory(TextList& list, int n, const QString& record = QStringLiteral("01/0315/新名"))
{
    list.dim({Bounds{0, n}});
    for (int k = 1; k <= n; ++k)
        list(k) = record;
}

class BackCoverTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        c.canvas.PrintMode = -1;
        c.canvas.OutputTarget = &printer;
        c.state.ReportKind = MonthlySurfaceReport;
        ReportTables& t = c.tables;
        t.AfilePara(2) = QStringLiteral("2003");
        t.AfilePara(3) = QStringLiteral("3");
        t.AfilePara(15) = QStringLiteral("基本站");
        t.AStationInfo(2) = QStringLiteral("北郊");
        FillFromZero(t.ABackCoverNotes, {""});
        FillFromZero(t.AClimateSummary, {""});
        FillFromZero(t.AStationChanges, {""});
    }
    QStringList draw()
    {
        printer.clear();
        CanvasCallRecorder rec(c.canvas);
        PrintBackCover(c, 1);
        calls = rec.calls();
        return rec.strings();
    }
    // The text alignment the call was drawn under; none when the page did not make the call.
    std::optional<int> textAlignOf(const QString& call) const
    {
        for (const CanvasCall& k : calls)
            if (k.toString() == call)
                return k.textAlign;
        return std::nullopt;
    }
    // The characters printed in one 330-twip row of a text column, in order.
    std::string rowText(double x, double w, double y) const
    {
        QString s;
        for (const RecordedText& t : printer.textsInBox(x, y, w, 330))
            s += t.text;
        return s.toStdString();
    }

    ScriptedMessageBox* box = new ScriptedMessageBox;
    Component c{Services{std::unique_ptr<MessageBox>(box), nullptr}};
    RecordingSurface printer;
    std::vector<CanvasCall> calls;
};

}  // namespace

TEST_F(BackCoverTest, ThreeBlocksWholePage)
{
    ReportTables& t = c.tables;
    FillFromZero(t.ABackCoverNotes, {"0/0/零号不读", "1/7日/纪要一", "2/21日/纪要二", "8888", "3/30日/不印"});
    FillFromZero(t.AClimateSummary, {"0/不读", "1/概况一", "2/", "3/概况二"});
    FillFromZero(t.AStationChanges, {"", "01/0315/新名", "10/4"});
    c.canvas.TextAlign = 2;   // left so by an earlier page
    const QStringList expected{
        R"(DrawHorizontalLine(0, 310, 19500, 4))",
        R"(DrawHorizontalLine(0, 1110, 19500, 4))",
        R"(DrawHorizontalLine(0, 12660, 19500, 4))",
        R"(SetFont(11, 1))",
        R"(DrawVerticalLine(0, 310, 12660, 4))",
        R"(DrawVerticalLine(6750, 310, 12660, 4))",
        R"(PrintCell(0, "2003年3月", 2500, 310, 1030, 0))",
        R"(PrintCell(0, "北郊", 5000, 310, 14500, 0))",
        R"(SetFont(12, 1))",
        R"(PrintCell(-1, "日 期", 750, 800, 0, 310))",
        R"(PrintCell(-1, "纪         要", 6000, 800, 750, 310))",
        R"(DrawVerticalLine(750, 310, 12660, 1))",
        R"(DrawVerticalLine(12750, 310, 12660, 4))",
        R"(DrawVerticalLine(13500, 310, 12660, 1))",
        R"(DrawVerticalLine(19500, 310, 12660, 4))",
        R"(PrintCell(-1, "本 月 天 气 气 候 概 况", 6000, 800, 6750, 310))",
        R"(PrintCell(-1, "日 期", 750, 800, 12750, 310))",
        R"(PrintCell(-1, "备         注", 6000, 800, 13500, 310))",
        R"(PrintParagraph(-1, 0, "", 6750, 11550, 0, 1110))",
        R"(PrintParagraph(-1, 0, "", 6750, 11550, 12750, 1110))",
        R"(SetFont(11, 1))",
        R"(PrintCell(-1, "7日", 750, 330, 0, 1110))",
        R"(PrintCell(-1, "21日", 750, 330, 0, 1440))",
        "PrintParagraph(-1, 450, \"概况一\n概况二\n\", 6000, 11550, 6750, 1110)",
        R"(PrintCell(-1, "15/3", 750, 330, 12750, 1440))",
        R"(PrintCell(-1, "4次观测站    ", 6000, 330, 13500, 1110))",
    };
    EXPECT_EQ(draw().join(u'\n').toStdString(), expected.join(u'\n').toStdString());
    EXPECT_EQ(textAlignOf(R"(PrintCell(-1, "日 期", 750, 800, 0, 310))"), 0);
    EXPECT_EQ(textAlignOf(R"(PrintCell(-1, "15/3", 750, 330, 12750, 1440))"), 0);
    EXPECT_EQ(textAlignOf(R"(PrintCell(-1, "4次观测站    ", 6000, 330, 13500, 1110))"), 1);
    EXPECT_EQ(rowText(750, 6000, 1110), "纪要一");
    EXPECT_EQ(rowText(750, 6000, 1440), "纪要二");
    EXPECT_EQ(rowText(13500, 6000, 1440), "从即日起本站名更改为新名。");
    EXPECT_EQ(c.canvas.TextAlign, 0);
    EXPECT_EQ(printer.endDocCount(), 1);
    EXPECT_TRUE(box->shown.empty());
}

TEST_F(BackCoverTest, ThirtyFiveHistoryRowsMoveTheSummaryBelowTheNotes)
{
    FillHistory(c.tables.AStationChanges, 34);
    QStringList s = draw();
    EXPECT_TRUE(s.contains(R"(PrintCell(-1, "本 月 天 气 气 候 概 况", 6000, 800, 6750, 310))"));
    EXPECT_TRUE(s.contains(R"(PrintCell(-1, "15/3", 750, 330, 12750, 1440))"));

    FillHistory(c.tables.AStationChanges, 35);
    FillFromZero(c.tables.ABackCoverNotes, {"", "1/7日/纪要一"});
    FillFromZero(c.tables.AClimateSummary, {"", "1/概况"});
    s = draw();
    EXPECT_FALSE(s.contains(R"(PrintCell(-1, "本 月 天 气 气 候 概 况", 6000, 800, 6750, 310))"));
    for (const char* call : {
             R"(DrawVerticalLine(7500, 310, 12660, 1))",
             R"(DrawVerticalLine(19500, 310, 12660, 4))",
             R"(PrintCell(-1, "日 期", 750, 800, 6750, 310))",
             R"(PrintCell(-1, "备         注", 12000, 800, 7500, 310))",
             R"(PrintParagraph(-1, 0, "", 6750, 11550, 0, 1110))",
             R"(PrintParagraph(-1, 0, "", 12750, 11550, 6750, 1110))",
             R"(PrintCell(-1, "本 月 天 气 气 候 概 况", 6750, 330, 0, 2100))",
             R"(DrawHorizontalLine(0, 2100, 6750, 4))",
             R"(DrawHorizontalLine(0, 2430, 6750, 4))",
             "PrintParagraph(-1, 450, \"概况\n\", 6750, 10230, 0, 2430)",
             R"(PrintCell(-1, "15/3", 750, 330, 6750, 1440))",
             R"(PrintCell(-1, "15/3", 750, 330, 6750, 12660))",
             R"(PrintCell(-1, "", 12000, 330, 7500, 1110))",
         })
        EXPECT_TRUE(s.contains(QString::fromUtf8(call))) << call;
    EXPECT_EQ(rowText(7500, 12000, 1440), "从即日起本站名更改为新名。");
    EXPECT_EQ(textAlignOf(QStringLiteral("PrintCell(-1, \"%1\", 6750, 330, 0, 2100)").arg(SummaryHeading)), 0);
}

TEST_F(BackCoverTest, TheLayoutIsChosenAlikeAtEveryScale)
{
    // 18 records two rows wide each: 36 rows, measured in logical twips whatever the scale.
    printer.setSnapToPixels(false);
    FillHistory(c.tables.AStationChanges, 18, QStringLiteral("BB/0315/") + QString(27, u'长'));
    for (const char* scale : {"1", "0.7", "0.5", "1.5"}) {
        ASSERT_TRUE(Decimal4::parse(QString::fromLatin1(scale), c.canvas.PageScale));
        c.canvas.SetFont(11, 1);
        EXPECT_EQ(StationHistoryRows(c), 36) << scale;
    }
    ASSERT_TRUE(Decimal4::parse(QStringLiteral("0.7"), c.canvas.PageScale));
    EXPECT_TRUE(draw().contains(R"(PrintCell(-1, "备         注", 12000, 800, 7500, 310))"));
}

TEST_F(BackCoverTest, RemarksLineSaysWhetherAReferenceStationHasAnAutomaticStation)
{
    ReportTables& t = c.tables;
    t.AfilePara(15) = QStringLiteral("基准站");
    t.AfilePara(17) = QStringLiteral("人工");   // station kind 4
    FillFromZero(t.AStationChanges, {"", "10/4", "11/守班"});
    const QString line = QStringLiteral("是否配有自动气象站：否    4次观测站    夜间守班");
    EXPECT_TRUE(draw().contains(QStringLiteral(R"(PrintCell(-1, "%1", 6000, 330, 13500, 1110))").arg(line)));
    EXPECT_EQ(textAlignOf(QStringLiteral(R"(PrintCell(-1, "%1", 6000, 330, 13500, 1110))").arg(line)), 1);

    t.AfilePara(17) = QStringLiteral("自动");
    EXPECT_EQ(BackCoverRemarksLine(t, QStringLiteral("夜间守班")), QStringLiteral("是否配有自动气象站：是    夜间守班"));
    t.AfilePara(15) = QStringLiteral("基本站");
    EXPECT_EQ(BackCoverRemarksLine(t, QStringLiteral("夜间守班")), QStringLiteral("夜间守班"));
    EXPECT_EQ(BackCoverRemarksLine(t, QString()), QString());
}

TEST_F(BackCoverTest, FaultyListsDoNotEndThePage)
{
    ReportTables& t = c.tables;
    FillFromZero(t.AClimateSummary, {"", "abc", "", "1/晴"});
    FillFromZero(t.ABackCoverNotes, {"", "1/07", "2/08/下一条"});
    FillFromZero(t.AStationChanges, {"", "05/0601/3957N/11628E/523/新址", "55/0320/3957N", "10/4"});
    QStringList s = draw();
    EXPECT_TRUE(box->shown.empty());
    EXPECT_TRUE(s.contains(R"(PrintCell(-1, "07", 750, 330, 0, 1110))"));
    EXPECT_TRUE(s.contains(R"(PrintCell(-1, "08", 750, 330, 0, 1440))"));   // the next row, not over it
    EXPECT_EQ(rowText(750, 6000, 1440), "下一条");
    EXPECT_TRUE(s.contains("PrintParagraph(-1, 450, \"晴\n\", 6000, 11550, 6750, 1110)"));
    EXPECT_TRUE(s.contains(R"(PrintCell(-1, "1/6", 750, 330, 12750, 1440))"));
    EXPECT_EQ(rowText(13500, 6000, 1440) + rowText(13500, 6000, 1770),
              "即日起本站迁移到新址，距原址0米，方位，39°57′N，116°28′E，观测场拔海高度为52.3米。");
    EXPECT_EQ(rowText(13500, 6000, 2100), "即日起本站参数重新测量，纬度变为39°57′N，米。");
    EXPECT_TRUE(s.contains(R"(PrintCell(-1, "4次观测站    ", 6000, 330, 13500, 1110))"));
    EXPECT_EQ(printer.endDocCount(), 1);

    // Lists never filled read as empty.
    t.AClimateSummary = TextList{};
    t.ABackCoverNotes = TextList{};
    t.AStationChanges = TextList{};
    s = draw();
    EXPECT_TRUE(box->shown.empty());
    EXPECT_TRUE(s.contains(R"(PrintParagraph(-1, 450, "", 6000, 11550, 6750, 1110))"));
    EXPECT_TRUE(s.contains(R"(PrintCell(-1, "", 6000, 330, 13500, 1110))"));
    EXPECT_EQ(printer.endDocCount(), 1);
}

TEST_F(BackCoverTest, TwoBlocksLeaveTheSummaryOutWhenTheNotesFillTheBlock)
{
    FillHistory(c.tables.AStationChanges, 35);
    FillFromZero(c.tables.AClimateSummary, {"", "1/概况"});
    TextList& notes = c.tables.ABackCoverNotes;
    notes.dim({Bounds{0, 32}});   // 32 notes end at row 11670: heading 12330, no row left below it
    for (int k = 1; k <= 32; ++k)
        notes(k) = QStringLiteral("%1/%1日/纪要").arg(k);
    QStringList s = draw();
    EXPECT_TRUE(s.filter(SummaryHeading).isEmpty());
    EXPECT_TRUE(s.filter(QStringLiteral("概况")).isEmpty());
    EXPECT_TRUE(box->shown.empty());

    notes.dim({Bounds{0, 31}});   // 31 notes: heading 12000, one row of summary above the frame's rule
    for (int k = 1; k <= 31; ++k)
        notes(k) = QStringLiteral("%1/%1日/纪要").arg(k);
    s = draw();
    EXPECT_TRUE(s.contains(QStringLiteral(R"(PrintCell(-1, "%1", 6750, 330, 0, 12000))").arg(SummaryHeading)));
    EXPECT_TRUE(s.contains("PrintParagraph(-1, 450, \"概况\n\", 6750, 330, 0, 12330)"));
}

TEST_F(BackCoverTest, PreviewDrawsTheWholePageInTheBodyPane)
{
    test::RecordingPanes panes;
    c.canvas.PrintMode = 0;
    c.canvas.OutputTarget = nullptr;
    c.setPanes(&panes);
    FillFromZero(c.tables.AStationChanges, {"", "01/0315/新名"});
    draw();
    EXPECT_TRUE(box->shown.empty());
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(panes.sizes[static_cast<std::size_t>(i)].width, 0) << i;
    EXPECT_EQ(panes.sizes[3], (test::PaneSize{19535, 16200}));
    EXPECT_TRUE(panes.surfaces[3].hasText(QStringLiteral("北郊")));
    EXPECT_EQ(panes.surfaces[3].endDocCount(), 0);
}

TEST_F(BackCoverTest, DatedEntryWrapsIntoRowsWithEmptyDateCells)
{
    // 11.25 points: 225 twips a character; the text starts 150 right of the date cell and a
    // row takes 25 characters before the next one might pass 100 short of the right edge.
    c.canvas.SetFont(11, 1);
    const QString text = QString(25, u'甲') + QString(25, u'乙') + QString(10, u'丙');
    CanvasCallRecorder rec(c.canvas);
    double y = 1110;
    PrintBackCoverText(c, {QString(), QStringLiteral("7日"), text}, 750, 6000, 0, y);
    EXPECT_EQ(y, 2100);
    EXPECT_EQ(rec.strings().join(u'\n').toStdString(),
              "PrintCell(-1, \"7日\", 750, 330, 0, 1110)\n"
              "PrintCell(-1, \"\", 750, 330, 0, 1440)\n"
              "PrintCell(-1, \"\", 750, 330, 0, 1770)");
    EXPECT_EQ(rowText(750, 6000, 1110), std::string(QString(25, u'甲').toStdString()));
    EXPECT_EQ(rowText(750, 6000, 1440), std::string(QString(25, u'乙').toStdString()));
    EXPECT_EQ(rowText(750, 6000, 1770), std::string(QString(10, u'丙').toStdString()));
    const RecordedText* first = printer.findText(QStringLiteral("甲"));
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->x, 900);
    EXPECT_EQ(first->y, 1110 + (330 - 225) / 2.0);
    EXPECT_EQ(c.canvas.TextAlign, 1);

    // Without grid lines the continuation date cells are not framed.
    c.canvas.ShowGridLines = 0;
    rec.clear();
    y = 1110;
    PrintBackCoverText(c, {QString(), QString(), text}, 750, 6000, 0, y);
    EXPECT_EQ(rec.count(QStringLiteral(R"(PrintCell(0, "", 750, 330, 0, 1440))")), 1);
    EXPECT_TRUE(box->shown.empty());
}

TEST_F(BackCoverTest, DatedEntriesStopAtTheLastRow)
{
    c.canvas.SetFont(11, 1);
    double y = 13320;
    PrintBackCoverText(c, {QString(), QStringLiteral("1"), QString(30, u'甲')}, 750, 6000, 0, y);
    EXPECT_EQ(y, 13650);   // the rest of the text is dropped
    EXPECT_EQ(printer.textsEqualTo(QStringLiteral("甲")).size(), 25u);

    printer.clear();
    PrintBackCoverText(c, {QString(), QStringLiteral("2"), QStringLiteral("乙")}, 750, 6000, 0, y);
    EXPECT_EQ(y, 13650);
    EXPECT_TRUE(printer.texts().empty());
    EXPECT_TRUE(printer.lines().empty());

    // Codes 10 and 11 still reach the remarks line when the column is full.
    TextList records;
    FillFromZero(records, {"", "01/0315/新名", "10/4"});
    QString remarks = QStringLiteral("前");
    PrintStationChangeNotes(c, records, 750, 6000, 0, y, remarks);
    EXPECT_EQ(remarks, QStringLiteral("前4次观测站    "));
    EXPECT_TRUE(printer.texts().empty());
}

TEST_F(BackCoverTest, AnEntryWithoutADateFieldIsReportedAndTakesNoRow)
{
    double y = 1110;
    PrintBackCoverText(c, {QString()}, 750, 6000, 0, y);
    EXPECT_EQ(y, 1110);
    ASSERT_EQ(box->shown.size(), 1u);
    EXPECT_EQ(box->shown[0].title, QStringLiteral("打印封底文字部分"));
    EXPECT_TRUE(printer.texts().empty());
}
