#include "platform/PreviewPanes.h"
#include "window/LineSample.h"
#include "window/PreviewPane.h"
#include "WindowFixture.h"
#include "window/PictureButton.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMenu>
#include <QToolButton>

namespace tabulon {
namespace {

using ReportWindowFrame = WindowFixture;

QStringList enabledButtons(frmReportOutPut& w)
{
    QStringList keys;
    for (const char* k : {"Load", "Print", "Magnify", "Desize", "Normal", "PrevPage", "NextPage", "Save", "Close"}) {
        if (w.toolbarButton(k)->isEnabled())
            keys << k;
    }
    return keys;
}

TEST_F(ReportWindowFrame, OpensWithItsListsAndOnlyLoadAndCloseEnabled)
{
    c->canvas.PaperKind = PaperB4;
    frmReportOutPut& w = openWindow();
    EXPECT_EQ(c->canvas.PaperKind, PaperB4);   // filling the paper list chooses nothing
    QStringList ratios;
    for (int i = 0; i < w.cboDisRatio()->count(); ++i)
        ratios << w.cboDisRatio()->itemText(i);
    EXPECT_EQ(ratios, (QStringList{"50", "60", "70", "80", "90", "100", "110", "120", "130", "140", "150"}));
    EXPECT_EQ(w.cboDisRatio()->currentText(), QStringLiteral("100"));
    QStringList papers;
    for (int i = 0; i < w.cboPaper()->count(); ++i)
        papers << w.cboPaper()->itemText(i);
    EXPECT_EQ(papers, (QStringList{"A4纸", "B4纸", "A3纸", "宽行纸"}));

    EXPECT_EQ(enabledButtons(w), (QStringList{"Load", "Close"}));
    EXPECT_FALSE(w.cboDisRatio()->isEnabled());
    EXPECT_FALSE(w.cboPaper()->isEnabled());
    EXPECT_FALSE(w.ckshowline()->isEnabled());
    EXPECT_FALSE(w.picline()->isEnabled());
    EXPECT_EQ(c->canvas.PrintMode, 0);
}

TEST_F(ReportWindowFrame, TextsOfTheControls)
{
    frmReportOutPut& w = openWindow();
    EXPECT_EQ(w.toolbarButton("Save")->toolTip(), QStringLiteral("JPG方式保存报表内容"));
    EXPECT_EQ(w.toolbarButton("Load")->toolTip(), QStringLiteral("加载数据文件"));
    EXPECT_EQ(w.toolbarButton("Close")->toolTip(), QStringLiteral("关闭窗口"));
    EXPECT_EQ(w.cboDisRatio()->toolTip(), QStringLiteral("调整显示比例"));
    EXPECT_EQ(w.cboPaper()->toolTip(), QStringLiteral("选定打印纸张"));
    EXPECT_EQ(w.picline()->toolTip(), QStringLiteral("选择报表打印固定栏分隔线的粗细"));
    EXPECT_EQ(w.ckshowline()->text(), QStringLiteral("显示内网格线"));
    EXPECT_EQ(w.ckshowline()->toolTip(), QStringLiteral("内网格线是否显示"));
    EXPECT_EQ(w.Picline(1)->toolTip(), QStringLiteral("细线"));
    EXPECT_EQ(w.Picline(3)->toolTip(), QStringLiteral("粗线"));
    QStringList items;
    for (QAction* a : w.mnuMain()->actions())
        items << (a->isSeparator() ? QStringLiteral("-") : a->text());
    EXPECT_EQ(items, (QStringList{"加载...(&L)", "-", "放大(&M)", "缩小(&D)", "正常(&N)", "-", "上一页(&r)", "下一页(&E)",
                                  "-", "打印(&P)...", "存盘(&S)", "-", "退出(&X)"}));
}

TEST_F(ReportWindowFrame, AnUnknownReportKindKeepsTheDesignCaption)
{
    frmReportOutPut& w = openWindow(0);
    EXPECT_EQ(w.windowTitle(), QStringLiteral("编制地面月报表"));
}

TEST_F(ReportWindowFrame, InitiativeControlEnablesTheViewWithItsDefaults)
{
    frmReportOutPut& w = openWindow();
    c->canvas.PaperKind = PaperA4;
    c->canvas.ShowGridLines = 0;
    w.ckshowline()->setChecked(false);
    w.cboDisRatio()->setCurrentText("70");

    w.InitiativeControl(1);
    EXPECT_EQ(enabledButtons(w).size(), 9);
    EXPECT_EQ(w.cboDisRatio()->currentText(), QStringLiteral("100"));
    EXPECT_TRUE(w.ckshowline()->isChecked());
    EXPECT_EQ(c->canvas.ShowGridLines, -1);
    EXPECT_EQ(w.cboPaper()->currentText(), QStringLiteral("宽行纸"));
    EXPECT_EQ(c->canvas.PaperKind, PaperWide);
    EXPECT_TRUE(w.picline()->isEnabled());
    EXPECT_FALSE(w.picline()->picture().isNull());

    w.InitiativeControl(2);   // any other value changes nothing
    EXPECT_EQ(enabledButtons(w).size(), 9);
    w.InitiativeControl(0);
    EXPECT_EQ(enabledButtons(w), (QStringList{"Load", "Close"}));
}

TEST_F(ReportWindowFrame, PageMenusFollowTheCurrentPage)
{
    frmReportOutPut& w = openWindow();
    loadReport(ManualStation, 13);
    EXPECT_TRUE(w.pageMenu("PrevPage")->actions().isEmpty());
    const QList<QAction*> next = w.pageMenu("NextPage")->actions();
    ASSERT_EQ(next.size(), 12);
    EXPECT_EQ(next.first()->data().toString(), QStringLiteral("n:2"));
    EXPECT_EQ(next.last()->data().toString(), QStringLiteral("n:13"));
    EXPECT_EQ(next.last()->text(), QStringLiteral("月简表3"));

    c->state.StationKind = 9;   // unknown: empty menus, the window stays usable
    w.intbuttonmanu();
    EXPECT_TRUE(w.pageMenu("NextPage")->actions().isEmpty());
}

TEST_F(ReportWindowFrame, ClearpictureLeavesEmptyPanesAtTheOrigin)
{
    frmReportOutPut& w = openWindow();
    w.SizePane(3, 19500, 16200);
    w.pane(3)->moveToTwips(-900, -300);
    w.clearpicture();
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(w.PaneWidth(i), 0);
        EXPECT_EQ(w.PaneHeight(i), 0);
        EXPECT_EQ(w.pane(i)->leftTwips(), 15);
        EXPECT_EQ(w.pane(i)->topTwips(), w.PaneTop);
    }
    EXPECT_GT(w.PaneTop, 0);
    EXPECT_THROW(w.Picqb(4), ReportError);
}

TEST_F(ReportWindowFrame, DrawingOnAPaneSurvivesRepaintsAndClearing)
{
    frmReportOutPut& w = openWindow();
    w.SizePane(3, 3000, 3000);
    Surface& body = w.Picqb(3);
    body.Line(0, 750, 3000, 750);
    w.pane(3)->repaint();
    EXPECT_EQ(w.pane(3)->image().pixel(100, 50) & 0xFFFFFF, 0u);
    // The surface stays the same object when the pane is resized under it.
    w.SizePane(3, 1500, 1500);
    EXPECT_EQ(&w.Picqb(3), &body);
    EXPECT_EQ(w.pane(3)->image().pixel(50, 50) & 0xFFFFFF, 0xFFFFFFu);
    body.Line(0, 750, 1500, 750);
    EXPECT_EQ(w.pane(3)->image().pixel(50, 50) & 0xFFFFFF, 0u);
}

TEST_F(ReportWindowFrame, ResizeResetsTheViewDefaultsButNotTheControls)
{
    frmReportOutPut& w = openWindow();
    loadReport(ManualStation, 13);
    c->canvas.PageScale = Decimal4::fromRaw(15000);
    w.cboDisRatio()->setCurrentText("150");
    c->canvas.ShowGridLines = 0;
    c->canvas.LineWeight = 5;
    c->canvas.PaperKind = PaperA3;
    w.Form_Resize();
    EXPECT_EQ(c->canvas.PageScale, Decimal4::fromInt(1));
    EXPECT_EQ(c->canvas.ShowGridLines, -1);
    EXPECT_EQ(c->canvas.LineWeight, 4);
    EXPECT_EQ(c->canvas.PaperKind, PaperA3);
    EXPECT_EQ(w.cboDisRatio()->currentText(), QStringLiteral("150"));
}

TEST_F(ReportWindowFrame, ClosingWritesTheStatusKeyKeepingTheRestOfTheFile)
{
    QDir().mkpath(systemPath + "SysConfig");
    const QByteArray before = "[Open_File]\r\nAFileReportPath=/data/\r\nReportOutPutStatus=1\r\n\r\n[Print]\r\nx=1\r\n";
    {
        QFile f(systemPath + "SysConfig/UserOpt.ini");
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(before);
    }
    openWindow().close();
    QFile f(systemPath + "SysConfig/UserOpt.ini");
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), QByteArray(before).replace("ReportOutPutStatus=1", "ReportOutPutStatus=0"));
    EXPECT_EQ(QDir(systemPath + "SysConfig").entryList(QDir::Files | QDir::Hidden), QStringList{"UserOpt.ini"});
}

TEST_F(ReportWindowFrame, ClosingWithoutASettingsComponentStillCloses)
{
    c->objects().setFailing(ProgId::Settings, true);
    frmReportOutPut& w = openWindow();
    EXPECT_TRUE(w.close());
    EXPECT_TRUE(messages->shown.empty());
}

TEST_F(ReportWindowFrame, ClosingTellsWhenTheSettingsCannotBeWrittenAndStillCloses)
{
    // A folder where the settings file should be: not writable even for the superuser.
    QDir().mkpath(systemPath + "SysConfig/UserOpt.ini");
    frmReportOutPut& w = openWindow();
    EXPECT_TRUE(w.close());
    ASSERT_EQ(messages->shown.size(), 1u);
    EXPECT_EQ(messages->shown[0].title, QStringLiteral("关闭窗口"));
    EXPECT_EQ(messages->shown[0].style, MsgStyle::Critical);
    EXPECT_TRUE(QFileInfo(systemPath + "SysConfig/UserOpt.ini").isDir());
}

}  // namespace
}  // namespace tabulon

namespace tabulon {
namespace {

using ReportWindowResize = WindowFixture;

TEST_F(ReportWindowResize, DrawsNothingWhileOpeningOrWithoutAReportOfTheCurrentKind)
{
    // State left from an earlier window: a monthly report of 13 pages.
    c->state.StationKind = ManualStation;
    c->state.PageCount = 13;
    c->state.CurrentPage = 2;
    c->state.ReportKind = MonthlySurfaceReport;
    frmReportOutPut& w = c->window();
    w.show();
    w.Form_Resize();   // still opening
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(w.PaneWidth(i), 0);

    w.Form_Activate();
    w.Form_Resize();   // up, but nothing loaded in this window
    EXPECT_EQ(w.PaneWidth(3), 0);

    w.InitiativeControl(1);
    c->state.ReportKind = YearlySurfaceReport;   // the host asked for another report
    w.Form_Resize();
    EXPECT_EQ(w.PaneWidth(3), 0);
    EXPECT_TRUE(messages->shown.empty());
}

}  // namespace
}  // namespace tabulon
