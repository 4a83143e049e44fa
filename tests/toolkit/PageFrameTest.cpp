#include "platform/RecordingSurface.h"
#include "support/FakePanes.h"
#include "toolkit/PageFrame.h"
#include "report/Component.h"

#include <gtest/gtest.h>

using namespace tabulon;
using namespace tabulon::test;

namespace {

class PageFrameTest : public ::testing::Test {
protected:
    void SetUp() override { c.setPanes(&panes); }
    void print()
    {
        c.canvas.PrintMode = -1;
        c.canvas.OutputTarget = &printer;
    }

    ScriptedMessageBox* box = new ScriptedMessageBox;
    Component c{Services{std::unique_ptr<MessageBox>(box), nullptr}};
    FakePanes panes;
    JobSurface printer;
};

}  // namespace

TEST_F(PageFrameTest, PreviewDrawsEachPassIntoItsOwnSizedPane)
{
    c.canvas.PageScale = Decimal4::fromRaw(15000);
    std::vector<Surface*> targets;
    DrawInPasses(c, PaneLayout::standard(1020, 1110, 12990), [&](Pass) { targets.push_back(c.canvas.OutputTarget); });
    ASSERT_EQ(targets.size(), 4u);
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(targets[static_cast<std::size_t>(i)], &panes.surfaces[static_cast<std::size_t>(i)]);
    EXPECT_DOUBLE_EQ(panes.PaneWidth(0), 1530 + 35);
    EXPECT_DOUBLE_EQ(panes.PaneHeight(0), 1665 + 35);
    EXPECT_DOUBLE_EQ(panes.PaneWidth(1), 29250 + 35);
    EXPECT_DOUBLE_EQ(panes.PaneHeight(2), 19485 + 35);
    EXPECT_DOUBLE_EQ(panes.PaneWidth(3), 29250 + 35);
    EXPECT_DOUBLE_EQ(panes.PaneHeight(3), 24300);
}

TEST_F(PageFrameTest, PrintingDrawsEveryPassOnTheCallersSurface)
{
    print();
    std::vector<Pass> passes;
    DrawInPasses(c, PaneLayout::standard(1020, 1110, 12990), [&](Pass p) {
        passes.push_back(p);
        EXPECT_EQ(c.canvas.OutputTarget, &printer);
    });
    EXPECT_EQ(passes, (std::vector<Pass>{Pass::Corner, Pass::ColumnHeadings, Pass::RowHeadings, Pass::Body}));
    EXPECT_DOUBLE_EQ(panes.PaneWidth(0), -1);   // untouched
}

TEST_F(PageFrameTest, EveryPageStartsCentredWhateverThePageBeforeLeft)
{
    print();
    std::vector<int> alignAtCorner;
    const auto page = [&](Pass p) {
        if (p == Pass::Corner)
            alignAtCorner.push_back(c.canvas.TextAlign);
        c.canvas.TextAlign = 2;   // the body is right-aligned ...
        if (p == Pass::Body)
            throw ReportError::subscriptOutOfRange();   // ... and the page fails there
    };
    EXPECT_THROW(DrawInPasses(c, PaneLayout::standard(1020, 1110, 12990), page), ReportError);
    EXPECT_EQ(c.canvas.TextAlign, 2);
    EXPECT_THROW(DrawInPasses(c, PaneLayout::standard(1020, 1110, 12990), page), ReportError);
    // After a page that ended normally (centred) nothing changes.
    c.canvas.TextAlign = 0;
    EXPECT_THROW(DrawInPasses(c, PaneLayout::standard(1020, 1110, 12990), page), ReportError);
    EXPECT_EQ(alignAtCorner, (std::vector<int>{0, 0, 0}));
}

TEST_F(PageFrameTest, PreviewWithoutPanesIsAnError)
{
    c.setPanes(nullptr);
    EXPECT_THROW(DrawInPasses(c, PaneLayout::bodyOnly(), [](Pass) {}), ReportError);
}

TEST_F(PageFrameTest, EndPrintedPageEndsTheJobOnlyWhenPrinting)
{
    c.canvas.OutputTarget = &printer;
    EndPrintedPage(c);
    EXPECT_EQ(printer.endedJobs, 0);
    print();
    printer.failEndDoc = true;
    EXPECT_NO_THROW(EndPrintedPage(c));
    EXPECT_EQ(printer.endedJobs, 1);
    c.canvas.OutputTarget = nullptr;
    EXPECT_NO_THROW(EndPrintedPage(c));
}

TEST_F(PageFrameTest, TrapAndReportEndsThePageAndStillEndsThePrintJob)
{
    print();
    QString context = QStringLiteral("打印");
    bool reachedEnd = false;
    const bool ok = TrapAndReport(c, context, [&] {
        context = QStringLiteral("打印本站气压");
        throw ReportError::subscriptOutOfRange();
        reachedEnd = true;
    });
    EXPECT_FALSE(ok);
    EXPECT_FALSE(reachedEnd);
    EXPECT_EQ(box->titles(), QStringList{"打印本站气压"});
    EXPECT_EQ(printer.endedJobs, 1);
}

TEST_F(PageFrameTest, TrapAndReportInPreviewOnlyReports)
{
    EXPECT_TRUE(TrapAndReport(c, QStringLiteral("x"), [] {}));
    EXPECT_FALSE(TrapAndReport(c, QStringLiteral("x"), [] { throw std::runtime_error("boom"); }));
    ASSERT_EQ(box->shown.size(), 1u);
    EXPECT_TRUE(box->shown[0].text.startsWith(QStringLiteral("错误号：51\r\n")));
}

TEST_F(PageFrameTest, ResumeReportingOnceReportsEachNumberOncePerSlotAndGoesOn)
{
    RecordingSurface surface;
    c.canvas.PrintMode = -1;
    c.canvas.OutputTarget = &surface;
    const QString page = QStringLiteral("天气现象");
    auto fail = [](int number) { return [number] { throw ReportError(number, QStringLiteral("x")); }; };

    int drawn = 0;
    EXPECT_FALSE(ResumeReportingOnce(c, 3, page, fail(380)));
    surface.SetFontName(SymbolFontName);
    EXPECT_FALSE(ResumeReportingOnce(c, 3, page, fail(380)));
    // The repeat is not reported; the text after it is drawn in SimSun.
    EXPECT_EQ(surface.FontName(), TextFontName);
    EXPECT_TRUE(ResumeReportingOnce(c, 3, page, [&] { ++drawn; }));
    EXPECT_FALSE(ResumeReportingOnce(c, 3, page, fail(9)));
    EXPECT_FALSE(ResumeReportingOnce(c, 3, page, fail(380)));
    EXPECT_FALSE(ResumeReportingOnce(c, 4, page, fail(9)));   // another slot reports on its own

    EXPECT_EQ(drawn, 1);
    EXPECT_EQ(box->titles(), (QStringList{QStringLiteral("天气日数"), page, QStringLiteral("天气日数"), page}));
    EXPECT_EQ(c.LastErrorNumbers[3], 380);
    // The slot is never reset: the next drawing of the page stays quiet for the same error.
    EXPECT_FALSE(ResumeReportingOnce(c, 3, page, fail(380)));
    EXPECT_EQ(box->shown.size(), 4u);
    EXPECT_EQ(c.LastErrorNumbers[4], 9);
    EXPECT_EQ(surface.endDocCount(), 0);   // the page goes on; its end is the renderer's
}

TEST_F(PageFrameTest, TrapSilentlyShowsNothingButEndsThePrintJob)
{
    print();
    EXPECT_FALSE(TrapSilently(c, [] { throw ReportError::typeMismatch(); }));
    EXPECT_TRUE(box->shown.empty());
    EXPECT_EQ(printer.endedJobs, 1);
}
