#include "platform/QtPrinters.h"
#include "platform/Surface.h"
#include "support/FileSizeLimit.h"
#include "support/ScopedRenderers.h"
#include "toolkit/PageFrame.h"
#include "report/Component.h"
#include "window/PrintRun.h"
#include "window/frmReportOutPut.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace tabulon {
namespace {

using test::ScopedRenderers;

int PdfPageCount(const QString& file)
{
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    static const QRegularExpression page(QStringLiteral("/Type\\s*/Page[^s]"));
    return static_cast<int>(QString::fromLatin1(f.readAll()).count(page));
}

struct PdfRun {
    PdfRun() : c(Services{std::make_unique<ScriptedMessageBox>(), nullptr}) {}

    // A renderer that draws its page and records how many jobs were already sent before it.
    RendererFn recordingRenderer(int page)
    {
        return [this, page](Component& comp, const RendererArgs&) {
            auto& printers = static_cast<QtPrinterCollection&>(comp.printers());
            jobsBefore.push_back({page, static_cast<int>(printers.current()->jobFiles().size())});
            Surface& s = *comp.canvas.OutputTarget;
            s.Line(comp.canvas.deviceX(0), comp.canvas.deviceY(0), comp.canvas.deviceX(19500), comp.canvas.deviceY(16000));
            EndPrintedPage(comp);
        };
    }

    Component c;
    std::vector<std::pair<int, int>> jobsBefore;
    ScopedRenderers renderers;
    QTemporaryDir dir;
};

TEST(PrintToPdf, ThreePagesGiveThreeOnePageJobsInOrder)
{
    PdfRun run;
    run.c.state.ReportKind = YearlySurfaceReport;
    run.c.state.PageCount = 6;
    run.c.state.CurrentPage = 1;
    run.c.canvas.PaperKind = PaperA4;
    run.renderers.set(RendererId::PrintYearPage1, run.recordingRenderer(2));
    run.renderers.set(RendererId::PrintYearPage2, run.recordingRenderer(3));
    run.renderers.set(RendererId::PrintYearPage3, run.recordingRenderer(4));

    const PdfPrintRun printed = PrintPagesToPdf(run.c, run.dir.filePath(QStringLiteral("year.pdf")), {4, 2, 3});
    const QStringList& files = printed.files;
    const QString error = printed.refused + printed.lostJobs.join(u'\n');
    EXPECT_TRUE(error.isEmpty()) << error.toStdString();
    ASSERT_EQ(files.size(), 3);
    EXPECT_EQ(run.jobsBefore, (std::vector<std::pair<int, int>>{{2, 0}, {3, 1}, {4, 2}}));
    for (const QString& f : files)
        EXPECT_EQ(PdfPageCount(f), 1) << f.toStdString();
    EXPECT_TRUE(files[2].endsWith(QStringLiteral("year-3.pdf")));

    // Printed as the dialog prints: A4 across, then back to the preview's settings.
    EXPECT_EQ(run.c.state.Orientation, PrinterOrientation::Landscape);
    EXPECT_EQ(run.c.canvas.PrintMode, 0);
    EXPECT_EQ(run.c.canvas.OutputTarget, nullptr);
    EXPECT_EQ(run.c.canvas.PageScale, Decimal4::fromInt(1));
}

TEST(PrintToPdf, BriefTablesArePrintedThroughTheirBoxes)
{
    PdfRun run;
    run.c.state.ReportKind = MonthlySurfaceReport;
    run.c.state.StationKind = ManualStation;
    run.c.state.PageCount = 13;
    run.c.canvas.PaperKind = PaperWide;
    run.renderers.set(RendererId::PrintCover, run.recordingRenderer(1));
    run.renderers.set(RendererId::PrintMonthlyBrief3, run.recordingRenderer(13));

    const PdfPrintRun printed = PrintPagesToPdf(run.c, run.dir.filePath(QStringLiteral("m.pdf")), {1, 13});
    EXPECT_EQ(printed.files.size(), 2);
    EXPECT_FALSE(printed.any());
    EXPECT_EQ(run.jobsBefore, (std::vector<std::pair<int, int>>{{1, 0}, {13, 1}}));
    EXPECT_EQ(run.c.canvas.CustomFormFailed, 0);

    // A page the report has not got prints nothing and says so.
    run.jobsBefore.clear();
    const PdfPrintRun refused = PrintPagesToPdf(run.c, run.dir.filePath(QStringLiteral("n.pdf")), {1, 14});
    EXPECT_TRUE(refused.files.isEmpty());
    EXPECT_TRUE(refused.refused.contains(QStringLiteral("14")));
    EXPECT_TRUE(run.jobsBefore.empty());
}

// A yearly report whose pages 2 and 3 draw a line each.
struct YearlyPdfRun : PdfRun {
    YearlyPdfRun()
    {
        c.state.ReportKind = YearlySurfaceReport;
        c.state.PageCount = 6;
        c.canvas.PaperKind = PaperA4;
        renderers.set(RendererId::PrintYearPage1, recordingRenderer(2));
        renderers.set(RendererId::PrintYearPage2, recordingRenderer(3));
    }
    ScriptedMessageBox& messages() { return static_cast<ScriptedMessageBox&>(c.messages()); }
};

// Counts what the painter says while alive.
class PainterWarnings {
public:
    PainterWarnings() { previous_ = qInstallMessageHandler(&PainterWarnings::record); count() = 0; }
    ~PainterWarnings() { qInstallMessageHandler(previous_); }
    static int& count()
    {
        static int n = 0;
        return n;
    }

private:
    static void record(QtMsgType, const QMessageLogContext&, const QString& text)
    {
        if (text.contains(QStringLiteral("QPainter")) || text.contains(QStringLiteral("Painter not active")))
            ++count();
    }
    QtMessageHandler previous_ = nullptr;
};

TEST(PrintToPdf, APlaceThatTakesNoFileLosesTheJobsWithOneBoxAndNoPainting)
{
    YearlyPdfRun run;
    // The folder named for the files is a regular file: no one can write there, not even
    // the superuser the tests may run as.
    QFile blocker(run.dir.filePath(QStringLiteral("blocker")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();

    PainterWarnings warnings;
    const PdfPrintRun printed = PrintPagesToPdf(run.c, run.dir.filePath(QStringLiteral("blocker/out.pdf")), {2, 3});
    const QStringList& files = printed.files;
    const QString error = printed.refused + printed.lostJobs.join(u'\n');
    EXPECT_TRUE(files.isEmpty());
    EXPECT_TRUE(error.contains(QStringLiteral("out-1.pdf")) && error.contains(QStringLiteral("out-2.pdf")))
        << error.toStdString();
    EXPECT_EQ(PainterWarnings::count(), 0);
    ASSERT_EQ(run.messages().titles(), QStringList{"打印报表"});
    EXPECT_EQ(run.messages().shown[0].style, MsgStyle::Critical);
    // The pages were still laid out, each as a job of its own.
    EXPECT_EQ(run.jobsBefore.size(), 2u);
}

TEST(PrintToPdf, AFolderAtAJobNameLosesOnlyThatJobAndSaysSo)
{
    YearlyPdfRun run;
    ASSERT_TRUE(QDir(run.dir.path()).mkdir(QStringLiteral("out-1.pdf")));
    const PdfPrintRun printed = PrintPagesToPdf(run.c, run.dir.filePath(QStringLiteral("out.pdf")), {2, 3});
    const QStringList& files = printed.files;
    const QString error = printed.refused + printed.lostJobs.join(u'\n');
    EXPECT_EQ(files, QStringList{run.dir.filePath(QStringLiteral("out-2.pdf"))});
    EXPECT_EQ(PdfPageCount(files.value(0)), 1);
    EXPECT_TRUE(error.contains(QStringLiteral("out-1.pdf"))) << error.toStdString();
    EXPECT_FALSE(error.contains(QStringLiteral("out-2.pdf")));
    EXPECT_EQ(run.messages().titles(), QStringList{"打印报表"});
    EXPECT_TRUE(QFileInfo(run.dir.filePath(QStringLiteral("out-1.pdf"))).isDir());
}

TEST(PrintToPdf, UnderAFileSizeLimitNoTruncatedJobIsListedOrLeft)
{
    YearlyPdfRun run;
    const int child = test::RunUnderFileSizeLimit(256, [&] {
        const PdfPrintRun printed = PrintPagesToPdf(run.c, run.dir.filePath(QStringLiteral("out.pdf")), {2, 3});
        const QStringList& files = printed.files;
        const QString error = printed.refused + printed.lostJobs.join(u'\n');
        return files.isEmpty() && error.contains(QStringLiteral("out-2.pdf")) &&
                       run.messages().titles() == QStringList{"打印报表"}
                   ? 0
                   : 1;
    });
    EXPECT_EQ(child, 0);
    EXPECT_EQ(QDir(run.dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{});
}

}  // namespace
}  // namespace tabulon
