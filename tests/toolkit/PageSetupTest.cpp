#include "platform/PrintTestComponent.h"
#include "toolkit/PageSetup.h"
#include "toolkit/mduCustomPrint.h"

#include <gtest/gtest.h>

namespace tabulon {
namespace {

using test::FormNames;
using test::PrintTestComponent;

struct PaperCase {
    std::int16_t paperKind;
    std::int64_t scaleRaw;
    std::int16_t left;
    std::int16_t top;
    std::int16_t code;
};

TEST(PageSetup, StandardPapersSetCodeScaleAndOffsetsAfterTheOrientation)
{
    // B4's left offset is 1560.5, which rounds to even: 1560, not 1561.
    const PaperCase cases[] = {
        {PaperA4, 7000, 1595, 1200, 9},
        {PaperB4, 9000, 1560, 1000, 12},
        {PaperA3, 10000, 2157, 1420, 8},
    };
    for (const PaperCase& pc : cases) {
        PrintTestComponent t;
        t.c.canvas.PaperKind = pc.paperKind;
        t.c.state.Orientation = PrinterOrientation::Landscape;
        ReportPageSetup(t.c);
        EXPECT_EQ(t.c.canvas.PageScale.raw(), pc.scaleRaw) << pc.paperKind;
        EXPECT_EQ(t.c.canvas.LeftMargin, pc.left) << pc.paperKind;
        EXPECT_EQ(t.c.canvas.TopMargin, pc.top) << pc.paperKind;
        EXPECT_EQ(t.printer().log, QStringList({QStringLiteral("orientation 2"), QStringLiteral("paper %1").arg(pc.code)}));
        EXPECT_TRUE(t.box->shown.empty());
        EXPECT_EQ(t.c.existingWindow(), nullptr);   // the set-up needs no report window
    }
}

TEST(PageSetup, WidePaperOnTheCustomFormUsesTheFormAndNoOffsets)
{
    PrintTestComponent t;
    t.c.canvas.PaperKind = PaperWide;
    t.c.canvas.PageScale = Decimal4::fromRaw(15000);
    t.c.canvas.LeftMargin = 750;
    t.c.state.Orientation = PrinterOrientation::Portrait;
    ReportPageSetup(t.c);
    EXPECT_EQ(t.c.canvas.CustomFormFailed, 0);
    EXPECT_EQ(t.c.canvas.PageScale, Decimal4::fromInt(1));
    EXPECT_EQ(t.c.canvas.LeftMargin, 0);
    EXPECT_EQ(t.c.canvas.TopMargin, 0);
    EXPECT_EQ(t.printer().log, QStringList({QStringLiteral("orientation 1"), QStringLiteral("form ReportCustomForm")}));

    // The next page re-creates and re-selects the form; the printer still holds it once.
    ReportPageSetup(t.c);
    EXPECT_EQ(t.printers->spooler.added, 2);
    EXPECT_EQ(FormNames(t.printers->spooler, QStringLiteral("Laser")).count(QStringLiteral("ReportCustomForm")), 1);
}

TEST(PageSetup, WidePaperFallsBackToAFixedPageWhenTheFormIsRefused)
{
    PrintTestComponent t;
    t.printers->spooler.refuseAdd = true;
    t.c.canvas.PaperKind = PaperWide;
    t.c.state.Orientation = PrinterOrientation::Portrait;
    ReportPageSetup(t.c);
    EXPECT_EQ(t.c.canvas.CustomFormFailed, -1);
    // Height first, then width, as the printer takes them.
    EXPECT_EQ(t.printer().log, QStringList({QStringLiteral("orientation 1"), QStringLiteral("height 16000"),
                                            QStringLiteral("width 19600")}));
    EXPECT_EQ(t.printer().Width(), 19600);
    EXPECT_EQ(t.printer().Height(), 16000);
    EXPECT_EQ(t.c.canvas.PageScale, Decimal4::fromInt(1));
    EXPECT_EQ(t.c.canvas.LeftMargin, 0);
    EXPECT_EQ(t.c.canvas.TopMargin, 0);
    EXPECT_TRUE(t.box->shown.empty());
}

TEST(PageSetup, UnknownPaperKindSetsOnlyTheOrientation)
{
    PrintTestComponent t;
    t.c.canvas.PaperKind = 7;
    t.c.canvas.PageScale = Decimal4::fromRaw(12000);
    t.c.canvas.LeftMargin = 33;
    t.c.canvas.TopMargin = 44;
    t.c.state.Orientation = PrinterOrientation::Landscape;
    ReportPageSetup(t.c);
    EXPECT_EQ(t.printer().log, QStringList({QStringLiteral("orientation 2")}));
    EXPECT_EQ(t.c.canvas.PageScale.raw(), 12000);
    EXPECT_EQ(t.c.canvas.LeftMargin, 33);
    EXPECT_EQ(t.c.canvas.TopMargin, 44);
}

TEST(PageSetup, PrinterErrorsStopTheSetupAndAreReported)
{
    {
        // A printer rejecting the paper: reported, and the scale is not reached.
        PrintTestComponent t;
        t.printer().rejectPaper = true;
        t.c.canvas.PaperKind = PaperA4;
        t.c.state.Orientation = PrinterOrientation::Landscape;
        ReportPageSetup(t.c);
        ASSERT_EQ(t.box->shown.size(), 1u);
        EXPECT_EQ(t.box->shown[0].title, QStringLiteral("报表页面设置"));
        EXPECT_EQ(t.box->shown[0].style, MsgStyle::Critical);
        EXPECT_EQ(t.c.canvas.PageScale, Decimal4::fromInt(1));
    }
    {
        // An orientation the printer cannot take (never chosen in the dialog).
        PrintTestComponent t;
        t.c.canvas.PaperKind = PaperA3;
        t.c.state.Orientation = 0;
        ReportPageSetup(t.c);
        ASSERT_EQ(t.box->shown.size(), 1u);
        EXPECT_TRUE(t.box->shown[0].text.contains(QStringLiteral("380")));
        EXPECT_TRUE(t.printer().log.isEmpty());
    }
    {
        PrintTestComponent t(QStringList{});
        t.c.canvas.PaperKind = PaperA4;
        ReportPageSetup(t.c);
        ASSERT_EQ(t.box->shown.size(), 1u);
        EXPECT_TRUE(t.box->shown[0].text.contains(QStringLiteral("482")));
    }
}

}  // namespace
}  // namespace tabulon
