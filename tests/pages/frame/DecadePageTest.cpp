// The decade-page frame: panes that follow the layout, each pass in its own pane, the row
// headings from the frame's literals, a page's own corner and pane changes; and the rules a
// ten-day page states as data, drawn where its callbacks would draw them.

#include "support/PageTestSupport.h"
#include "pages/frame/DecadePage.h"
#include "pages/frame/TenDayPage.h"

using namespace tabulon;
using namespace tabulon::testing;

namespace {

// Three labelled rows under a deep heading band (the evaporation page's layout).
const DecadeFrame SmallFrame{900, 1510, 13350, 320, QStringLiteral("1510,5030,8550"),
                             QStringLiteral("4710,8230,12070,12390"),
                             QStringLiteral("3110 4710 5030 6630 8230 8550 10150120701271013350"),
                             QStringLiteral("a  b  c  "), 3, 3, 10};

DecadePage SmallPage(Component& c)
{
    DecadePage page(SmallFrame);
    page.columnHeadings = [&c] { c.canvas.PrintCell(-1, QStringLiteral("H"), 500, 300, 1000, 310); };
    page.body = [&c] { c.canvas.PrintCell(-1, QStringLiteral("B"), 500, 300, 1000, 1510); };
    page.pageNumber = PageNumberText(6);
    page.pageNumberY = 13750;
    return page;
}

}  // namespace

using DecadePageFrame = DailyPageTest;

TEST_F(DecadePageFrame, PanesFollowTheLayoutAndEachPassDrawsInItsOwn)
{
    usePreview("1");
    CanvasCallRecorder rec(c.canvas);
    DrawDecadePage(c, SmallPage(c));

    EXPECT_EQ(panes.sizes[0], (test::PaneSize{935, 1545}));
    EXPECT_EQ(panes.sizes[1], (test::PaneSize{19550, 1545}));
    EXPECT_EQ(panes.sizes[2], (test::PaneSize{935, 13385}));
    EXPECT_EQ(panes.sizes[3], (test::PaneSize{19550, 16200}));
    EXPECT_TRUE(panes.surfaces[0].hasText(QStringLiteral("日  期")));
    EXPECT_TRUE(panes.surfaces[1].hasText(QStringLiteral("H")));
    EXPECT_TRUE(panes.surfaces[3].hasText(QStringLiteral("B")));
    EXPECT_TRUE(panes.surfaces[3].hasText(QStringLiteral("-6-")));
    EXPECT_FALSE(panes.surfaces[2].hasText(QStringLiteral("-6-")));

    // One label a row from the body top, in the frame's font size.
    EXPECT_TRUE(rec.contains(R"(PrintCell(-1, "a", 900, 320, 0, 1510))"));
    EXPECT_TRUE(rec.contains(R"(PrintCell(-1, "c", 900, 320, 0, 2150))"));
    EXPECT_TRUE(rec.contains(R"(SetFont(10, 1))"));
    EXPECT_EQ(panes.paneClears[2], 0);
}

TEST_F(DecadePageFrame, APageMayDrawItsOwnCornerAndChangeAPane)
{
    usePreview("1");
    DecadePage page = SmallPage(c);
    page.corner = [this] { c.canvas.PrintCell(-1, QStringLiteral("X"), 900, 1200, 0, 310); };
    page.panes.panes[2].clearedAfterSizing = true;
    DrawDecadePage(c, page);
    EXPECT_TRUE(panes.surfaces[0].hasText(QStringLiteral("X")));
    EXPECT_FALSE(panes.surfaces[0].hasText(QStringLiteral("日  期")));
    EXPECT_EQ(panes.paneClears[2], 1);
}

TEST_F(DecadePageFrame, PrintingDrawsTheRowHeadingRulesAndEndsOneJob)
{
    CanvasCallRecorder rec(c.canvas);
    DrawDecadePage(c, SmallPage(c));
    EXPECT_EQ(printer.endDocCount(), 1);
    EXPECT_EQ(panes.sizeCalls, 0);
    EXPECT_TRUE(rec.contains(R"(DrawVerticalLine(0, 310, 13350, 4))"));
    EXPECT_TRUE(rec.contains(R"(DrawVerticalLine(900, 310, 13350, 4))"));
    // After day 5 the rule is one weight lighter than after day 10.
    EXPECT_TRUE(rec.contains(R"(DrawHorizontalLine(0, 3110, 900, 3))"));
    EXPECT_TRUE(rec.contains(R"(DrawHorizontalLine(0, 4710, 900, 4))"));
    EXPECT_TRUE(rec.contains(R"(PrintCell(0, "-6-", 19500, 300, 0, 13750))"));
}

// A page whose statements each run through a trap: the frame's own statements (corner, row
// rules, label font, labels, page number) go through the same trap, so one failing does not
// stop the others; the outer rule may reach below the row-heading column.
TEST_F(DecadePageFrame, TheFrameRunsItsStatementsThroughThePagesTrap)
{
    DecadePage page = SmallPage(c);
    page.frame.outerRuleBottom = 13600;
    int statements = 0;
    page.statement = [&](const std::function<void()>& statement) {
        // The first statement (the corner) fails and the trap goes on.
        if (++statements == 1)
            return;
        statement();
    };
    CanvasCallRecorder rec(c.canvas);
    DrawDecadePage(c, page);
    EXPECT_EQ(statements, 5);
    EXPECT_FALSE(printer.hasText(QStringLiteral("日  期")));
    EXPECT_TRUE(rec.contains(R"(DrawVerticalLine(0, 310, 13600, 4))"));
    EXPECT_TRUE(rec.contains(R"(DrawVerticalLine(900, 310, 13350, 4))"));
    EXPECT_TRUE(rec.contains(R"(PrintCell(-1, "c", 900, 320, 0, 2150))"));
    EXPECT_TRUE(printer.hasText(QStringLiteral("-6-")));
    EXPECT_EQ(printer.endDocCount(), 1);
}

using TenDayPageRules = TenDayPageTest;

TEST_F(TenDayPageRules, RulesGivenAsDataStandWhereTheCallbacksDrawTheirs)
{
    TenDayPage page;
    page.panes = PaneLayout::standard(1020, 1110, 12990);
    page.dayRow = [](int, double) {};
    page.statisticsRow = [](int, double) {};
    page.fixedHourRules = FixedHourRuleSpan{710, 700, 12660};
    page.bodyRules = {{19500, 1110, 12660}};
    page.columnRules = [this] { c.canvas.DrawVerticalLine(18000, 1110, 12660, c.canvas.LineWeight); };
    page.bottomLines = {{1020, 12990, 6492}};
    page.bottomEdges = {{6492, 12660, 13000}};
    CanvasCallRecorder rec(c.canvas);
    DrawTenDayPage(c, page);

    const QStringList calls = rec.strings();
    const QString firstFixedHour = QStringLiteral("DrawVerticalLine(%1, 710, 12660, 4)").arg(page.layout.fixedHourRightX(1));
    const QString firstLeftSide = QStringLiteral("DrawVerticalLine(%1, 700, 12660, 4)").arg(page.layout.fixedHourLeftX(1));
    const qsizetype bodyRule = calls.indexOf(QStringLiteral("DrawVerticalLine(19500, 1110, 12660, 4)"));
    const qsizetype ownRule = calls.indexOf(QStringLiteral("DrawVerticalLine(18000, 1110, 12660, 4)"));
    const qsizetype bottomLine = calls.indexOf(QStringLiteral("DrawHorizontalLine(1020, 12990, 6492, 4)"));
    const qsizetype bottomEdge = calls.indexOf(QStringLiteral("DrawVerticalLine(6492, 12660, 13000, 4)"));
    ASSERT_GE(calls.indexOf(firstFixedHour), 0);
    EXPECT_GE(calls.indexOf(firstLeftSide), 0);
    EXPECT_LT(calls.indexOf(firstFixedHour), bodyRule);
    EXPECT_LT(bodyRule, ownRule);
    // The bottom row's rules close it after the separators.
    const std::vector<CanvasCall> across = rec.ofKind(CanvasCall::Kind::DrawHorizontalLine);
    ASSERT_FALSE(across.empty());
    EXPECT_EQ(across.back().toString(), QStringLiteral("DrawHorizontalLine(1020, 12990, 6492, 4)"));
    EXPECT_LT(ownRule, bottomLine);
    EXPECT_LT(bottomLine, bottomEdge);
}
