#include "platform/PrintTestComponent.h"
#include "toolkit/mduCustomPrint.h"

#include <gtest/gtest.h>

namespace tabulon {
namespace {

using test::FormNames;
using test::PrintTestComponent;

const QString Laser = QStringLiteral("Laser");

TEST(CustomForm, APrinterThatAcceptsFormsCreatesAndSelectsTheCustomForm)
{
    PrintTestComponent t;
    QString name = ReportCustomFormName;
    EXPECT_EQ(SelectPrinterForm(t.c, name), FormSelection::Created);
    EXPECT_EQ(name, QStringLiteral("ReportCustomForm"));
    EXPECT_EQ(t.printer().log.last(), QStringLiteral("form ReportCustomForm"));
    EXPECT_EQ(t.printers->spooler.openHandles, 0);

    t.c.canvas.CustomFormFailed = -1;
    UseReportCustomForm(t.c);
    EXPECT_EQ(t.c.canvas.CustomFormFailed, 0);
}

TEST(CustomForm, AnEqualSizedFormListedFirstIsTheOneSelected)
{
    PrintTestComponent t;
    t.printers->spooler.forms[Laser].push_back({QStringLiteral("Fanfold 360"), {360000, 280000}});
    QString name = ReportCustomFormName;
    EXPECT_EQ(SelectPrinterForm(t.c, name), FormSelection::Created);
    EXPECT_EQ(name, QStringLiteral("Fanfold 360"));
    EXPECT_EQ(t.printer().log.last(), QStringLiteral("form Fanfold 360"));
}

TEST(CustomForm, ARefusedFormFailsAndIsRecorded)
{
    PrintTestComponent t;
    t.printers->spooler.refuseAdd = true;
    std::unique_ptr<PrinterFormHandle> handle = t.printers->spooler.OpenPrinter(Laser);
    EXPECT_EQ(AddPrinterForm(*handle, ReportCustomFormSize, ReportCustomFormName), QStringLiteral("none"));
    handle.reset();

    QString name = ReportCustomFormName;
    EXPECT_EQ(SelectPrinterForm(t.c, name), FormSelection::Failed);
    EXPECT_EQ(name, QString());
    UseReportCustomForm(t.c);
    EXPECT_EQ(t.c.canvas.CustomFormFailed, -1);
    EXPECT_TRUE(t.printer().log.isEmpty());
    EXPECT_EQ(t.printers->spooler.openHandles, 0);
}

TEST(CustomForm, AFormTheDriverDoesNotTakeIsAFailureNotASuccess)
{
    PrintTestComponent t;
    t.printers->spooler.refuseSelect = true;
    UseReportCustomForm(t.c);
    EXPECT_EQ(t.c.canvas.CustomFormFailed, -1);

    // Any other name is selected by name; an unknown one fails the same way.
    t.printers->spooler.refuseSelect = false;
    QString other = QStringLiteral("Legal");
    EXPECT_EQ(SelectPrinterForm(t.c, other), FormSelection::Failed);
    QString a3 = QStringLiteral("A3");
    EXPECT_EQ(SelectPrinterForm(t.c, a3), FormSelection::Selected);
}

TEST(CustomForm, APrinterThatCannotBeOpenedOrIsMissingFails)
{
    PrintTestComponent t;
    t.printers->spooler.refuseOpen = true;
    UseReportCustomForm(t.c);
    EXPECT_EQ(t.c.canvas.CustomFormFailed, -1);
    DeleteReportCustomForm(t.c);   // nothing to do, nothing raised

    PrintTestComponent none(QStringList{});
    UseReportCustomForm(none.c);
    EXPECT_EQ(none.c.canvas.CustomFormFailed, -1);
    DeleteReportCustomForm(none.c);
}

TEST(CustomForm, FindFormBySizeGivesThePositionAndName)
{
    PrintTestComponent t;
    t.printers->spooler.forms[Laser].clear();
    std::unique_ptr<PrinterFormHandle> handle = t.printers->spooler.OpenPrinter(Laser);
    QString name = QStringLiteral("stale");
    EXPECT_EQ(FindFormBySize(*handle, ReportCustomFormSize, name), 0);
    EXPECT_EQ(name, QString());

    t.printers->spooler.forms[Laser] = {{QStringLiteral("A4"), {210000, 297000}},
                                        {QStringLiteral("A3"), {297000, 420000}},
                                        {QStringLiteral("A3 again"), {297000, 420000}}};
    EXPECT_EQ(FindFormBySize(*handle, {297000, 420000}, name), 2);
    EXPECT_EQ(name, QStringLiteral("A3"));
    // Exactly equal sizes only: turned or nearly equal forms do not count.
    EXPECT_EQ(FindFormBySize(*handle, {420000, 297000}, name), 0);
    EXPECT_EQ(FindFormBySize(*handle, {297000, 420001}, name), 0);
}

TEST(CustomForm, DeleteRemovesOnlyTheCustomForm)
{
    PrintTestComponent t;
    UseReportCustomForm(t.c);
    ASSERT_TRUE(FormNames(t.printers->spooler, Laser).contains(ReportCustomFormName));
    DeleteReportCustomForm(t.c);
    EXPECT_EQ(FormNames(t.printers->spooler, Laser), QStringList({QStringLiteral("A4"), QStringLiteral("A3")}));
    EXPECT_EQ(t.printers->spooler.openHandles, 0);
}

}  // namespace
}  // namespace tabulon
