#include "platform/RecordingSurface.h"
#include "window/LineSample.h"
#include "window/PreviewPane.h"
#include "WindowFixture.h"
#include "window/PictureButton.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QMenu>
#include <QToolButton>

namespace tabulon {
namespace {

class ReportWindowCommands : public WindowFixture {
protected:
    ReportWindowCommands() : w(openWindow())
    {
        loadReport(ManualStation, 13);
        // Pages are drawn on a recording surface: with no report data they fail, and there
        // the page dispatch reports them without moving on to another page.
        c->canvas.PrintMode = -1;
        c->canvas.OutputTarget = &page;
        markBody();
    }
    // A pane state that only a redraw (which clears the panes first) takes away.
    void markBody() { w.SizePane(3, 777, 777); }
    bool redrawn() const { return w.PaneWidth(3) != 777; }

    frmReportOutPut& w;
    RecordingSurface page;
};

TEST_F(ReportWindowCommands, PagingWrapsAndRebuildsTheMenus)
{
    c->state.CurrentPage = 13;
    w.tlbReport_ButtonClick("NextPage");
    EXPECT_EQ(c->state.CurrentPage, 1);
    EXPECT_TRUE(redrawn());
    w.mnuPrevPage_Click();
    EXPECT_EQ(c->state.CurrentPage, 13);
    EXPECT_EQ(w.pageMenu("PrevPage")->actions().size(), 12);
    EXPECT_TRUE(w.pageMenu("NextPage")->actions().isEmpty());

    w.tlbReport_ButtonMenuClick("n:12");
    EXPECT_EQ(c->state.CurrentPage, 12);
    EXPECT_EQ(w.pageMenu("PrevPage")->actions().size(), 11);
    ASSERT_EQ(w.pageMenu("NextPage")->actions().size(), 1);
    EXPECT_EQ(w.pageMenu("NextPage")->actions()[0]->data().toString(), QStringLiteral("n:13"));
}

TEST_F(ReportWindowCommands, ChoosingAPageMenuItemJumpsThere)
{
    w.pageMenu("NextPage")->actions()[4]->trigger();   // "n:6"
    EXPECT_EQ(c->state.CurrentPage, 6);
}

TEST_F(ReportWindowCommands, ZoomCommandsStepAndShowTheRatio)
{
    for (int i = 0; i < 6; ++i)
        w.mnuMagnify_Click();
    EXPECT_EQ(c->canvas.PageScale.raw(), 15000);
    EXPECT_EQ(w.cboDisRatio()->currentText(), QStringLiteral("150"));
    markBody();
    w.tlbReport_ButtonClick("Magnify");   // at the limit it still redraws
    EXPECT_EQ(c->canvas.PageScale.raw(), 15000);
    EXPECT_TRUE(redrawn());

    w.tlbReport_ButtonClick("Normal");
    EXPECT_EQ(c->canvas.PageScale.raw(), 10000);
    EXPECT_EQ(w.cboDisRatio()->currentText(), QStringLiteral("100"));
    for (int i = 0; i < 7; ++i)
        w.tlbReport_ButtonClick("Desize");
    EXPECT_EQ(c->canvas.PageScale.raw(), 5000);
    EXPECT_EQ(w.cboDisRatio()->currentText(), QStringLiteral("50"));

    w.cboDisRatio()->setCurrentText("80");
    w.cboDisRatio_Click();
    EXPECT_EQ(c->canvas.PageScale.raw(), 8000);
}

TEST_F(ReportWindowCommands, DoubleClickZoomsInWithTheLeftButtonAndOutWithAnother)
{
    w.Picqb_MouseDown(3, Qt::LeftButton, 100, 100);
    w.Picqb_DblClick(3);
    EXPECT_EQ(c->canvas.PageScale.raw(), 11000);
    w.Picqb_MouseDown(3, Qt::RightButton, 100, 100);
    EXPECT_EQ(w.lright, 1);
    w.Picqb_DblClick(3);
    w.Picqb_DblClick(3);
    EXPECT_EQ(c->canvas.PageScale.raw(), 9000);
    EXPECT_EQ(w.cboDisRatio()->currentText(), QStringLiteral("90"));
}

TEST_F(ReportWindowCommands, PaperKindIsRecordedWithoutARedraw)
{
    w.cboPaper()->setCurrentIndex(2);   // "A3纸"
    EXPECT_EQ(c->canvas.PaperKind, PaperA3);
    EXPECT_FALSE(redrawn());
}

TEST_F(ReportWindowCommands, GridLineSwitchRedraws)
{
    w.ckshowline()->setChecked(false);
    EXPECT_EQ(c->canvas.ShowGridLines, 0);
    EXPECT_TRUE(redrawn());
    w.ckshowline()->setChecked(true);
    EXPECT_EQ(c->canvas.ShowGridLines, -1);
}

TEST_F(ReportWindowCommands, TheLineWeightPopUp)
{
    w.picline_MouseMove();
    EXPECT_TRUE(w.lineListOpen());
    EXPECT_TRUE(w.fraPic()->isVisible());
    EXPECT_TRUE(w.Picline(3)->isVisible());
    EXPECT_EQ(w.Picline(2)->y(), w.Picline(1)->y() + w.Picline(1)->height());

    w.Picline_MouseMove(1);
    EXPECT_EQ(w.Picline(1)->background(), 0xE0E0E0u);
    EXPECT_EQ(w.Picline(2)->background(), 0xFFFFFFu);
    w.Picline_Click(1);
    EXPECT_EQ(c->canvas.LineWeight, 3);
    EXPECT_FALSE(w.lineListOpen());
    EXPECT_FALSE(w.fraPic()->isVisible());
    EXPECT_TRUE(w.picline()->isChecked());
    EXPECT_TRUE(redrawn());
    // The button shows the thin sample on the grey hover ground.
    const QImage shown = w.picline()->picture().toImage();
    EXPECT_EQ(shown.pixel(1, 1) & 0xFFFFFF, 0xE0E0E0u);

    w.picline_Click();
    EXPECT_TRUE(w.lineListOpen());
    w.Picqb_MouseMove(3, Qt::NoButton, 10, 10);   // moving over a pane closes it
    EXPECT_FALSE(w.lineListOpen());
    w.linewidthprint(33);   // not a sample: the weight stays
    EXPECT_EQ(c->canvas.LineWeight, 3);
}

TEST_F(ReportWindowCommands, DraggingALargePageMovesTheBodyAndItsHeadings)
{
    w.SizePane(1, 40000, 600);
    w.SizePane(2, 1500, 40000);
    w.SizePane(3, 40000, 40000);
    w.Picqb_MouseDown(3, Qt::LeftButton, 5000, 5000);
    w.Picqb_MouseMove(3, Qt::LeftButton, 3000, 4000);
    EXPECT_EQ(w.pane(3)->leftTwips(), 15 - 2000);
    EXPECT_EQ(w.pane(3)->topTwips(), w.PaneTop - 1000);
    EXPECT_EQ(w.pane(1)->leftTwips(), 15 - 2000);
    EXPECT_EQ(w.pane(1)->topTwips(), w.PaneTop);
    EXPECT_EQ(w.pane(2)->leftTwips(), 15);
    EXPECT_EQ(w.pane(2)->topTwips(), w.PaneTop - 1000);
    EXPECT_EQ(w.newx, 3000);

    // The corner pane never drags the page; without the left button nothing moves.
    w.Picqb_MouseMove(0, Qt::LeftButton, 0, 0);
    w.Picqb_MouseMove(3, Qt::NoButton, 9000, 9000);
    EXPECT_EQ(w.pane(3)->leftTwips(), 15 - 2000);
}

TEST_F(ReportWindowCommands, ARightClickOnAPaneOpensThePopUpMenu)
{
    w.Picqb_MouseDown(3, Qt::LeftButton, 10, 10);
    w.Picqb_Click(3);
    EXPECT_FALSE(w.mnuMain()->isVisible());
    w.Picqb_MouseDown(3, Qt::RightButton, 10, 10);
    w.Picqb_Click(3);
    EXPECT_TRUE(w.mnuMain()->isVisible());
    w.mnuMain()->hide();
}

TEST_F(ReportWindowCommands, UnknownToolbarKeysDoNothing)
{
    const std::int16_t page = c->state.CurrentPage;
    w.tlbReport_ButtonClick("DisRatio");
    w.tlbReport_ButtonClick("nextpage");
    EXPECT_EQ(c->state.CurrentPage, page);
    EXPECT_FALSE(redrawn());
}

TEST_F(ReportWindowCommands, TheCloseCommandClosesTheWindow)
{
    w.tlbReport_ButtonClick("Close");
    EXPECT_FALSE(w.isVisible());
}

}  // namespace
}  // namespace tabulon
