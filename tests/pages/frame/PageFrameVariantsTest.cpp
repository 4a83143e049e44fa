// The parts of the page frame that the later daily, radiation and yearly pages build on:
// collapsed preview panes, page numbers from a list, the day grid and rule drawing.

#include "support/PageTestSupport.h"
#include "pages/frame/LayoutLiterals.h"
#include "pages/frame/RowLayouts.h"
#include "toolkit/PageFrame.h"

using namespace tabulon;
using namespace tabulon::testing;

using PageFrameVariants = DailyPageTest;

TEST_F(PageFrameVariants, YearlyPagesCollapseCornerAndColumnHeadingPanes)
{
    usePreview("0.5");
    const PaneLayout layout = PaneLayout::rowHeadingsAndBody({1004, 12860, PaneMargin, PaneMargin},
                                                             {19500, 16000, PaneMargin, 0});
    DrawInPasses(c, layout, [&](Pass pass) {
        c.canvas.PrintCell(0, QString::number(static_cast<int>(pass)), 500, 300, 0, 0);
    });
    EXPECT_EQ(panes.sizes[0].width, 0);
    EXPECT_EQ(panes.sizes[1].width, 0);
    EXPECT_EQ(panes.sizes[2], (test::PaneSize{537.0, 6465.0}));
    EXPECT_EQ(panes.sizes[3], (test::PaneSize{9785.0, 8000.0}));
    // Each pass still draws into its own pane.
    for (int i = 0; i < 4; ++i)
        EXPECT_TRUE(panes.surfaces[static_cast<std::size_t>(i)].hasText(QString::number(i + 1))) << i;
}

TEST_F(PageFrameVariants, TextPagesDrawEverythingInTheBodyPane)
{
    usePreview("1");
    DrawInPasses(c, PaneLayout::bodyOnly({19500, 16000, PaneMargin, PaneMargin}), [&](Pass pass) {
        if (pass == Pass::Body)
            PrintPageNumber(c, CommaItem(QStringLiteral("-8-,-25-,-32-,-24-,-17-"), 2));
    });
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(panes.sizes[static_cast<std::size_t>(i)].width, 0) << i;
    EXPECT_EQ(panes.sizes[3], (test::PaneSize{19535.0, 16035.0}));
    EXPECT_TRUE(panes.surfaces[3].hasText(QStringLiteral("-25-")));
}

TEST_F(PageFrameVariants, PrintingTouchesNoPane)
{
    c.setPanes(&panes);
    CanvasCallRecorder rec(c.canvas);
    DrawInPasses(c, PaneLayout::bodyOnly(), [&](Pass pass) {
        if (pass == Pass::Body)
            PrintPageNumber(c, QStringLiteral("-3-"), 13500);
    });
    EXPECT_EQ(panes.sizeCalls, 0);
    EXPECT_EQ(c.canvas.OutputTarget, &printer);
    EXPECT_TRUE(rec.contains(R"(PrintCell(0, "-3-", 19500, 300, 0, 13500))"));
}

TEST_F(PageFrameVariants, DayGridLabelsAndRules)
{
    const DayGrid grid{910, 310};
    CanvasCallRecorder rec(c.canvas);
    grid.printDayLabels(c.canvas, 0, 800, c.canvas.ShowGridLines);
    grid.dayRules().draw(c.canvas, 800, 19500);
    EXPECT_TRUE(rec.contains(R"(PrintCell(-1, "1", 800, 310, 0, 910))"));
    EXPECT_TRUE(rec.contains(R"(PrintCell(-1, "31", 800, 310, 0, 10210))"));
    EXPECT_EQ(rec.ofKind(CanvasCall::Kind::PrintCell).size(), 31u);
    EXPECT_EQ(rec.ofKind(CanvasCall::Kind::DrawHorizontalLine).size(), 5u);
    EXPECT_TRUE(rec.contains(R"(DrawHorizontalLine(800, 2460, 19500, 3))"));
    EXPECT_TRUE(rec.contains(R"(DrawHorizontalLine(800, 4010, 19500, 4))"));
}
