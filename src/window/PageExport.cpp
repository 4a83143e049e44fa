#include "window/PageExport.h"

#include "outside/ImageEncoder.h"
#include "platform/AtomicOutputFile.h"
#include "platform/Bitmap.h"
#include "platform/MessageBox.h"
#include "platform/Paths.h"
#include "platform/PreviewPanes.h"
#include "platform/RunInterruption.h"
#include "toolkit/Dispatcher.h"
#include "toolkit/ErrorReporter.h"
#include "toolkit/ScopedOutput.h"
#include "report/Component.h"
#include "window/PaneSurface.h"
#include "window/PreviewPane.h"
#include "window/frmReportOutPut.h"

#include <QFile>
#include <QGuiApplication>
#include <QImage>

#include <array>
#include <future>

namespace tabulon {

namespace {

// The title of every box this command shows about its own failures.
const QString SaveContext = QStringLiteral("JPG方式保存报表内容");

QString twoDigits(const QString& number)
{
    return (QStringLiteral("00") + number).right(2);
}

QString imageFolder(const Component& c)
{
    return c.state.SystemPath + QStringLiteral("ReportFile\\Rpic");
}

// Restores everything the command changes, on every way out of it.
class ViewRestorer {
public:
    explicit ViewRestorer(Component& c, const PageDrawer& draw)
        : c_(c), draw_(draw), page_(c.state.CurrentPage), output_(c.canvas)
    {
        // Back to the preview at the scale and margins it had.
        const Canvas& cv = c.canvas;
        output_.restoreTo(OutputSettings::preview(cv.PageScale, cv.LeftMargin, cv.TopMargin));
    }
    ~ViewRestorer()
    {
        if (busy_)
            QGuiApplication::restoreOverrideCursor();
        c_.state.CurrentPage = page_;
        output_.restore();
        frmReportOutPut* w = c_.existingWindow();
        if (PreviewPanes* panes = c_.panes())
            panes->clearpicture();
        try {
            draw_(c_);
        } catch (const ReportError& e) {
            ShowError(c_, SaveContext, e);
        } catch (...) {
            // The preview is drawn again at the next command.
        }
        if (w) {
            w->intbuttonmanu();
            for (int i = 0; i < 4; ++i)
                w->pane(i)->show();
        }
    }
    void hidePanes()
    {
        if (frmReportOutPut* w = c_.existingWindow()) {
            for (int i = 0; i < 4; ++i)
                w->pane(i)->hide();
        }
    }
    void showBusy()
    {
        QGuiApplication::setOverrideCursor(Qt::WaitCursor);
        busy_ = true;
    }

private:
    Component& c_;
    const PageDrawer& draw_;
    std::int16_t page_;
    ScopedOutput output_;
    bool busy_ = false;
};

// Draws page `page` off screen at scale 1; false when the page failed (it is reported).
bool drawPage(Component& c, const PageDrawer& draw, int page, QImage& image)
{
    image.fill(Qt::white);
    c.state.CurrentPage = static_cast<std::int16_t>(page);
    std::unique_ptr<Surface> surface = MakeImageSurface(image);
    const ScopedOutput output(c.canvas,
                              OutputSettings::drawingOn(*surface, Decimal4::fromInt(1), ExportMargin, ExportMargin));
    const bool drawn = draw(c);
    // A page that moved the report elsewhere is not this page's image either.
    return drawn && c.state.CurrentPage == page;
}

// Writes, encodes and deletes one bitmap; raises ReportError with a clear cause, or
// RunInterrupted when a signal stopped the run before the image was made. No bitmap is
// left behind on any path.
void savePage(const QImage& image, const QString& bmpPath, ImageEncoder& encoder)
{
    const QString native = NativePath(bmpPath);
    const auto removeBitmap = [&native] { QFile::remove(native); };
    StopIfInterrupted();
    // Never through a link placed at the name; a bitmap cut short is not left behind.
    if (const QString failure = WriteFileWhole(native, EncodeBitmap(image)); !failure.isEmpty())
        throw ReportError(75, QStringLiteral("不能写入位图文件: ") + failure);
    try {
        StopIfInterrupted();
        encoder.JpegEncoder(bmpPath);
    } catch (...) {
        removeBitmap();
        throw;
    }
    if (!QFile::remove(native) && QFile::exists(native))
        throw ReportError(75, QStringLiteral("不能删除位图文件: ") + native);
}

// Writes the pages one after another on a thread of its own, so a page is drawn while the
// one before it is written and encoded. At most one page is in hand at a time, so the pages
// reach the disk in order and the first failure stops the run before the next page starts,
// as if they were written in turn. Two image buffers take turns.
class PageWriter {
public:
    explicit PageWriter(ImageEncoder& encoder) : encoder_(encoder) {}
    ~PageWriter()
    {
        // A run left early (an error elsewhere) still waits for its page before the
        // buffers go.
        if (pending_.valid())
            pending_.wait();
    }

    // The buffer the next page is drawn into; never the one being written.
    QImage& nextBuffer()
    {
        QImage& image = buffers_[next_];
        if (image.isNull())
            image = MakeTwipsImage(ExportWidth, ExportHeight, 0xFFFFFF);
        return image;
    }
    // Starts writing the page just drawn into nextBuffer().
    void start(const QImage& image, const QString& bmpPath)
    {
        pending_ = std::async(std::launch::async, [this, &image, bmpPath] { savePage(image, bmpPath, encoder_); });
        next_ = 1 - next_;
    }
    // Waits for the page in hand: 1 when it was saved, 0 when there was none; its failure
    // is raised here.
    int finishPending()
    {
        if (!pending_.valid())
            return 0;
        pending_.get();
        return 1;
    }

private:
    ImageEncoder& encoder_;
    std::array<QImage, 2> buffers_;
    int next_ = 0;
    std::future<void> pending_;
};

// Draws and writes pages 1 to `pages`. A stop signal ends the run once the page being
// written is whole, or dropped with its bitmap; the page just drawn is not started.
void savePages(Component& c, const PageDrawer& draw, ImageEncoder& encoder, int pages, ExportResult& result)
{
    InterruptibleRun run;
    try {
        PageWriter writer(encoder);
        // Its own page counter: a failed page is skipped, never saved under another name.
        for (int page = 1; page <= pages && InterruptingSignal() == 0; ++page) {
            QImage& image = writer.nextBuffer();
            const int errorsBefore = c.DrawingErrors;
            const bool drawn = drawPage(c, draw, page, image);
            // The page before is on disk (or its failure raised here) before this one starts.
            result.saved += writer.finishPending();
            if (InterruptingSignal() != 0)
                break;
            if (!drawn) {
                result.skipped.push_back(page);
                continue;
            }
            if (c.DrawingErrors != errorsBefore)
                result.stopped.push_back(page);
            writer.start(image, imageFolder(c) + u'\\' + PageImageName(c, page));
        }
        result.saved += writer.finishPending();
    } catch (const RunInterrupted&) {
        // The page in hand was dropped before its image was made.
    }
    result.interruptedBy = run.stopSignal();
}

}  // namespace

QString SaveConfirmationText(const QString& systemPath)
{
    return QStringLiteral("此功能是将报表内容生成JPG文件,") + QStringLiteral("\r\n") + QStringLiteral("文件保存在") +
           systemPath + QStringLiteral("ReportFile\\Rpic\\中,") + QStringLiteral("\r\n") +
           QStringLiteral("写入文件需花费约2-5分钟,确实保存吗?");
}

int ExportPageCount(const Component& c)
{
    switch (c.state.ReportKind) {
    case MonthlySurfaceReport: {
        static const int pages[] = {13, 30, 37, 29, 22};
        const int k = c.state.StationKind;
        return k >= 1 && k <= 5 ? pages[k - 1] : 0;
    }
    case MonthlyRadiationReport:
        return std::max<int>(0, c.state.PageCount);
    case YearlySurfaceReport:
        return 6;
    default:
        return 0;
    }
}

QString PageImageName(const Component& c, int page, QString* problem)
{
    const ReportTables& t = c.tables;
    QString base;
    try {
        switch (c.state.ReportKind) {
        case MonthlySurfaceReport:
            base = QStringLiteral("A") + t.AfilePara(7).toString() + t.AfilePara(2).toString() +
                   twoDigits(t.AfilePara(3).toString());
            break;
        case MonthlyRadiationReport:
            base = QStringLiteral("R") + t.RfilePara(7).toString() + t.RfilePara(2).toString() +
                   twoDigits(t.RfilePara(3).toString());
            break;
        case YearlySurfaceReport:
            base = QStringLiteral("Y") + t.YfilePara(5).toString() + t.YfilePara(2).toString();
            break;
        default:
            break;
        }
    } catch (const ReportError&) {
        base.clear();
    }
    const QString name = base + u'_' + twoDigits(QString::number(page)) + QStringLiteral(".bmp");
    // A header field with a separator or ".." would put the file somewhere else. Empty
    // fields (a yearly file the reader could not read whole) still make a plain name.
    if (base.isEmpty() || !IsPlainFileName(name) || name.contains(QStringLiteral(".."))) {
        if (problem)
            *problem = QStringLiteral("报表文件头中的台站号或年月不能用作文件名: ") + name;
        return {};
    }
    return name;
}

ExportResult SaveReportPages(Component& c)
{
    return SaveReportPages(c, [](Component& comp) {
        if (comp.canvas.PrintMode == 0) {
            PrintReportPage(comp);
            return true;
        }
        return DrawCurrentPage(comp);
    });
}

ExportResult SaveReportPages(Component& c, const PageDrawer& draw)
{
    ExportResult result;
    ViewRestorer restore(c, draw);
    try {
        std::unique_ptr<ImageEncoder> encoder = c.objects().Create<ImageEncoder>(ProgId::ImageEncoder);

        const int answer =
            c.messages().show(SaveConfirmationText(c.state.SystemPath), QStringLiteral("询问"), MsgStyle::YesNoQuestion);
        if (answer != MsgAnswer::Yes)
            return result;
        result.confirmed = true;

        const int pages = ExportPageCount(c);
        QString problem;
        if (pages > 0 && PageImageName(c, 1, &problem).isEmpty())
            throw ReportError(ErrorNumber::InvalidProcedureCall, problem);

        const QString folder = NativePath(imageFolder(c));
        if (const QString reason = MakeFolder(folder, false); !reason.isEmpty())
            throw ReportError(ErrorNumber::PathNotFound, QStringLiteral("不能建立文件夹: %1 (%2)").arg(folder, reason));

        restore.hidePanes();
        restore.showBusy();
        savePages(c, draw, *encoder, pages, result);
    } catch (const ReportError& e) {
        ShowError(c, SaveContext, e);
        result.aborted = true;
    }
    return result;
}

}  // namespace tabulon
