#include "platform/PrintTestComponent.h"
#include "window/PrintRun.h"
#include "window/frmPrint.h"
#include "window/frmReportOutPut.h"
#include "toolkit/mduCustomPrint.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QListWidget>
#include <QTimer>
#include <gtest/gtest.h>

namespace tabulon {
namespace {

using test::FormNames;
using test::PrintTestComponent;

// Pages the printer was set up for, in order (each page's setup starts with its orientation).
struct PageRecorder {
    explicit PageRecorder(PrintTestComponent& t)
    {
        t.printer().onSetting = [this, &t](const QString& what) {
            if (what.startsWith(QStringLiteral("orientation")) && t.c.canvas.PrintMode == -1)
                pages.push_back(t.c.state.CurrentPage);
        };
    }
    std::vector<int> pages;
};

void LoadMonthly(PrintTestComponent& t, std::int16_t stationKind, std::int16_t pageCount)
{
    t.c.state.ReportKind = MonthlySurfaceReport;
    t.c.state.StationKind = stationKind;
    t.c.state.PageCount = pageCount;
    t.c.state.CurrentPage = 1;
}

std::vector<int> SelectedRows(QListWidget& list)
{
    std::vector<int> rows;
    for (int i = 0; i < list.count(); ++i)
        if (list.item(i)->isSelected())
            rows.push_back(i);
    return rows;
}

TEST(PrintDialog, NoPrinterGivesTheWarningAndNoDialog)
{
    PrintTestComponent t(QStringList{});
    LoadMonthly(t, ManualStation, 13);
    // Should a dialog open anyway, close it so the test fails instead of hanging. The timer
    // dies with the test: left pending, it would close whatever modal dialog a later test in
    // the same process has open when it fires.
    QTimer closeStrayDialog;
    closeStrayDialog.setSingleShot(true);
    closeStrayDialog.callOnTimeout([] {
        if (QWidget* w = QApplication::activeModalWidget())
            w->close();
    });
    closeStrayDialog.start(2000);
    ShowPrintDialog(t.c);
    ASSERT_EQ(t.box->shown.size(), 1u);
    EXPECT_EQ(t.box->shown[0].text, QStringLiteral("您的计算机没有安装打印机,不能进行打印操作!"));
    EXPECT_EQ(t.box->shown[0].title, QStringLiteral("警告"));
    EXPECT_EQ(t.box->shown[0].style, 0);
}

TEST(PrintDialog, LoadListsPrintersInReverseAndShowsTheCurrentOne)
{
    PrintTestComponent t({QStringLiteral("First"), QStringLiteral("Second"), QStringLiteral("Third")});
    t.printers->SetCurrentPrinter(QStringLiteral("Second"));
    LoadMonthly(t, ManualStation, 13);
    frmPrint dlg(t.c);
    ASSERT_TRUE(dlg.Form_Load());
    EXPECT_EQ(dlg.lnPrinterNum, 3);
    QComboBox& combo = dlg.cboPrintName();
    EXPECT_EQ(combo.itemText(0), QStringLiteral("Third"));
    EXPECT_EQ(combo.itemText(2), QStringLiteral("First"));
    EXPECT_EQ(combo.currentText(), QStringLiteral("Second"));
    EXPECT_EQ(dlg.Label11().text(), QStringLiteral("Second"));
    EXPECT_EQ(dlg.Label12().text(), QStringLiteral("port of Second"));
    EXPECT_EQ(dlg.lstPrintItem().count(), 10);

    // Choosing another printer makes it current.
    combo.setCurrentIndex(0);
    dlg.cboPrintName_Click();
    EXPECT_EQ(t.printers->CurrentPrinter()->DeviceName(), QStringLiteral("Third"));
    EXPECT_EQ(dlg.Label12().text(), QStringLiteral("port of Third"));
}

TEST(PrintDialog, OrientationFollowsThePaperAndTheDriverDialog)
{
    {
        PrintTestComponent t;
        LoadMonthly(t, ManualStation, 13);
        t.c.canvas.PaperKind = PaperWide;
        t.printer().orientation = PrinterOrientation::Landscape;
        frmPrint dlg(t.c);
        ASSERT_TRUE(dlg.Form_Load());
        dlg.showPrinterNote();
        EXPECT_EQ(t.c.state.Orientation, PrinterOrientation::Portrait);
        EXPECT_EQ(dlg.Label13().text(), QStringLiteral("宽行纸:竖打"));

        // The driver's dialog chose landscape: printer, window and note follow.
        t.printers->dialogOrientation = PrinterOrientation::Landscape;
        dlg.cmdProperty_Click();
        EXPECT_EQ(t.printers->dialogAskedFor, QStringLiteral("Laser"));
        EXPECT_EQ(t.printer().Orientation(), PrinterOrientation::Landscape);
        EXPECT_EQ(t.c.state.Orientation, PrinterOrientation::Landscape);
        EXPECT_EQ(dlg.Label13().text(), QStringLiteral("宽行纸:横打"));

        // Cancelled: nothing changes.
        t.printers->dialogOrientation = 0;
        dlg.cmdProperty_Click();
        EXPECT_EQ(t.c.state.Orientation, PrinterOrientation::Landscape);
    }
    {
        PrintTestComponent t;
        LoadMonthly(t, ManualStation, 13);
        t.c.canvas.PaperKind = PaperA4;
        frmPrint dlg(t.c);
        ASSERT_TRUE(dlg.Form_Load());
        dlg.showPrinterNote();
        EXPECT_EQ(dlg.Label13().text(), QStringLiteral("A4纸:横打"));
    }
}

TEST(PrintDialog, OptionButtonsSelectOddEvenAndAllRows)
{
    PrintTestComponent t;
    LoadMonthly(t, ManualStation, 13);
    frmPrint dlg(t.c);
    ASSERT_TRUE(dlg.Form_Load());
    QListWidget& list = dlg.lstPrintItem();
    list.item(9)->setSelected(true);

    dlg.Optdynd(0).click();
    EXPECT_EQ(SelectedRows(list), std::vector<int>({1, 3, 5, 7}));
    EXPECT_EQ(list.currentRow(), 1);
    dlg.Optdynd(1).click();
    EXPECT_EQ(SelectedRows(list), std::vector<int>({2, 4, 6, 8}));
    EXPECT_EQ(list.currentRow(), 2);
    dlg.Optdynd(2).click();
    EXPECT_EQ(SelectedRows(list).size(), 10u);
    EXPECT_EQ(list.currentRow(), 0);
}

TEST(PrintDialog, BriefTableBoxesOnlyForTheMonthlySurfaceReport)
{
    for (std::int16_t kind : {MonthlySurfaceReport, MonthlyRadiationReport, YearlySurfaceReport}) {
        PrintTestComponent t;
        t.c.state.ReportKind = kind;
        t.c.state.StationKind = 1;
        frmPrint dlg(t.c);
        ASSERT_TRUE(dlg.Form_Load());
        const bool expected = kind == MonthlySurfaceReport;
        EXPECT_EQ(dlg.Frayjb().isEnabled(), expected) << kind;
        for (int i = 0; i < 3; ++i)
            EXPECT_EQ(dlg.Ckyjbdy(i).isEnabled(), expected) << kind;
    }
}

TEST(PrintDialog, OkPrintsChosenRowsThenTickedBriefTablesEachOnItsOwnSetup)
{
    PrintTestComponent t;
    LoadMonthly(t, ReferenceStation, 37);
    t.c.canvas.PaperKind = PaperWide;
    PageRecorder recorder(t);
    frmPrint dlg(t.c);
    ASSERT_TRUE(dlg.Form_Load());
    dlg.lstPrintItem().item(0)->setSelected(true);
    dlg.lstPrintItem().item(4)->setSelected(true);
    dlg.Ckyjbdy(1).setChecked(true);

    dlg.cmdOk_Click();
    EXPECT_EQ(recorder.pages, std::vector<int>({1, 5, 36}));
    EXPECT_TRUE(SelectedRows(dlg.lstPrintItem()).empty());
    EXPECT_FALSE(dlg.Ckyjbdy(1).isChecked());
    EXPECT_EQ(t.c.state.CurrentPage, 36);
    // Output stays on the printer until the dialog closes; the form is gone after the run.
    EXPECT_EQ(t.c.canvas.PrintMode, -1);
    EXPECT_EQ(t.c.canvas.OutputTarget, &t.printer().surface());
    EXPECT_FALSE(FormNames(t.printers->spooler, QStringLiteral("Laser")).contains(ReportCustomFormName));
    EXPECT_EQ(t.printers->spooler.added, 3);
}

TEST(PrintDialog, OkWithNothingChosenPrintsNothingButRemovesTheForm)
{
    PrintTestComponent t;
    LoadMonthly(t, ManualStation, 13);
    t.printers->spooler.forms[QStringLiteral("Laser")].push_back({ReportCustomFormName, ReportCustomFormSize});
    PageRecorder recorder(t);
    frmPrint dlg(t.c);
    ASSERT_TRUE(dlg.Form_Load());
    dlg.cmdOk_Click();
    EXPECT_TRUE(recorder.pages.empty());
    EXPECT_EQ(t.c.state.CurrentPage, 1);
    EXPECT_FALSE(FormNames(t.printers->spooler, QStringLiteral("Laser")).contains(ReportCustomFormName));
}

TEST(PrintDialog, ClosingRestoresPreviewOutputEvenAfterZoom)
{
    PrintTestComponent t;
    LoadMonthly(t, ManualStation, 13);
    t.c.canvas.PageScale = Decimal4::fromRaw(15000);
    auto dlg = std::make_unique<frmPrint>(t.c);
    ASSERT_TRUE(dlg->Form_Load());
    dlg->lstPrintItem().item(1)->setSelected(true);
    t.c.canvas.PaperKind = PaperA4;
    dlg->cmdOk_Click();
    EXPECT_EQ(t.c.canvas.LeftMargin, 1595);

    dlg->cmdReturn_Click();
    EXPECT_EQ(t.c.canvas.PrintMode, 0);
    EXPECT_EQ(t.c.canvas.LeftMargin, 0);
    EXPECT_EQ(t.c.canvas.TopMargin, 0);
    EXPECT_EQ(t.c.canvas.PageScale, Decimal4::fromInt(1));
    EXPECT_EQ(t.c.canvas.OutputTarget, nullptr);
}

}  // namespace
}  // namespace tabulon
