#include "platform/QtPrinter.h"

#include "platform/AtomicOutputFile.h"
#include "platform/PainterSurface.h"

#include "platform/ReportError.h"

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPrinterInfo>
#include <cmath>
#include <utility>

namespace tabulon {

namespace {
constexpr double TwipsPerPoint = 20;
constexpr double TwipsPerMillimetre = 1440 / 25.4;

struct OneDotImage {
    explicit OneDotImage(int dpi) : image(1, 1, QImage::Format_RGB32)
    {
        constexpr double InchesPerMetre = 1 / 0.0254;
        image.setDotsPerMeterX(qRound(dpi * InchesPerMetre));
        image.setDotsPerMeterY(qRound(dpi * InchesPerMetre));
    }
    QImage image;
};

// Takes the drawing of a job that cannot be output: the pages still measure their texts as
// on the device, and nothing is painted anywhere.
class DiscardingSurface : private OneDotImage, public PainterSurface {
public:
    explicit DiscardingSurface(int dpi) : OneDotImage(dpi), PainterSurface(image) {}
};

// The device writes a PDF file itself and does not say when a write failed: a file cut
// short lacks the end-of-file mark that closes every complete PDF file.
bool PdfFileIsComplete(const QString& path)
{
    QFile file(path);
    constexpr qint64 Tail = 32;
    if (!file.open(QIODevice::ReadOnly) || file.size() < Tail)
        return false;
    // The mark ends the file, followed at most by a line end.
    file.seek(file.size() - Tail);
    return file.read(Tail).trimmed().endsWith("%%EOF");
}

[[noreturn]] void invalidValue()
{
    throw ReportError::invalidPropertyValue();
}

// EndDoc sends the job; the next job is asked the font size as asked, since the device
// snaps it the same way again.
ReopeningSurface::Rules JobRules(std::function<void()> finishJob)
{
    return {.endDocCloses = true, .finish = std::move(finishJob), .reaskFontSizeAsAsked = true};
}
}  // namespace

QString PdfJobFileName(const QString& pdfPath, int job)
{
    const QFileInfo fi(pdfPath);
    const QString suffix = fi.suffix().isEmpty() ? QStringLiteral("pdf") : fi.suffix();
    return fi.dir().filePath(fi.completeBaseName() + u'-' + QString::number(job) + u'.' + suffix);
}

QtPrinter::QtPrinter(const QPrinterInfo& info)
    : printer_(info, QPrinter::HighResolution),
      name_(info.printerName()),
      port_(info.location()),
      surface_([this] { return startJob(); }, JobRules([this] { finishJob(); }))
{
}

QtPrinter::QtPrinter(const QString& deviceName, const QString& pdfPath)
    : printer_(QPrinter::HighResolution),
      name_(deviceName),
      port_(pdfPath),
      pdfPath_(pdfPath),
      surface_([this] { return startJob(); }, JobRules([this] { finishJob(); }))
{
    printer_.setOutputFormat(QPrinter::PdfFormat);
    // A file has no unprintable border: the page starts at the paper's corner.
    printer_.setFullPage(true);
}

QtPrinter::~QtPrinter()
{
    surface_.EndDoc();
}

std::int16_t QtPrinter::Orientation() const
{
    return printer_.pageLayout().orientation() == QPageLayout::Landscape ? PrinterOrientation::Landscape
                                                                         : PrinterOrientation::Portrait;
}

void QtPrinter::SetOrientation(std::int16_t orientation)
{
    if (orientation != PrinterOrientation::Portrait && orientation != PrinterOrientation::Landscape)
        invalidValue();
    printer_.setPageOrientation(orientation == PrinterOrientation::Landscape ? QPageLayout::Landscape
                                                                           : QPageLayout::Portrait);
}

std::int16_t QtPrinter::PaperSize() const
{
    const QPageSize size = printer_.pageLayout().pageSize();
    if (size.id() == QPageSize::Custom || size.windowsId() <= 0)
        return PaperSizeCode::User;
    return static_cast<std::int16_t>(size.windowsId());
}

void QtPrinter::SetPaperSize(std::int16_t code)
{
    const QPageSize::PageSizeId id = QPageSize::id(code);
    if (code <= 0 || id == QPageSize::Custom)
        invalidValue();
    if (!printer_.setPageSize(QPageSize(id)))
        invalidValue();
}

QSizeF QtPrinter::paperTwips() const
{
    // From the unit the size was defined in, so that a size set in twips reads back exactly.
    const QPageLayout layout = printer_.pageLayout();
    const QPageSize size = layout.pageSize();
    QSizeF twips = size.definitionUnits() == QPageSize::Point ? size.definitionSize() * TwipsPerPoint
                                                              : size.size(QPageSize::Millimeter) * TwipsPerMillimetre;
    if (layout.orientation() == QPageLayout::Landscape)
        twips.transpose();
    return twips;
}

double QtPrinter::Width() const
{
    return paperTwips().width();
}

double QtPrinter::Height() const
{
    return paperTwips().height();
}

void QtPrinter::SetWidth(double twips)
{
    setOrientedSize(twips, Height());
}

void QtPrinter::SetHeight(double twips)
{
    setOrientedSize(Width(), twips);
}

void QtPrinter::setOrientedSize(double widthTwips, double heightTwips)
{
    if (!(widthTwips > 0) || !(heightTwips > 0))
        invalidValue();
    QSizeF points(widthTwips / TwipsPerPoint, heightTwips / TwipsPerPoint);
    // The paper is defined upright; the orientation turns it.
    if (Orientation() == PrinterOrientation::Landscape)
        points.transpose();
    if (!printer_.setPageSize(QPageSize(points, QPageSize::Point, QString(), QPageSize::ExactMatch)))
        invalidValue();
}

bool QtPrinter::SelectPaperForm(const PaperForm& form)
{
    if (form.size.cx <= 0 || form.size.cy <= 0)
        return false;
    const QPageSize size(QSizeF(form.size.cx / 1000.0, form.size.cy / 1000.0), QPageSize::Millimeter,
                         form.name, QPageSize::ExactMatch);
    return printer_.setPageSize(size);
}

std::unique_ptr<Surface> QtPrinter::startJob()
{
    printer_.setDocName(name_);
    if (!pdfPath_.isEmpty()) {
        // Written beside its final name and renamed when complete, so no half file is left.
        // The file is made before any painting: a place that takes no file loses the job
        // here, once, rather than failing every drawing call.
        ++jobsStarted_;
        pdfJob_ = std::make_unique<AtomicOutputFile>(PdfJobFileName(pdfPath_, jobsStarted_));
        if (!pdfJob_->open()) {
            loseJob(pdfJob_->error());
            return std::make_unique<DiscardingSurface>(printer_.resolution());
        }
        printer_.setOutputFileName(pdfJob_->temporaryPath());
    }
    auto surface = std::make_unique<PainterSurface>(printer_);
    if (!surface->isActive()) {
        loseJob(QStringLiteral("打印机不能开始打印作业: ") + name_);
        return std::make_unique<DiscardingSurface>(printer_.resolution());
    }
    return surface;
}

void QtPrinter::finishJob()
{
    const std::unique_ptr<AtomicOutputFile> job = std::move(pdfJob_);
    if (jobLost_) {
        jobLost_ = false;
        return;
    }
    if (!job) {
        if (printer_.printerState() == QPrinter::Error)
            outputFailures_ << QStringLiteral("打印机报告打印作业出错: ") + name_;
        return;
    }
    if (!PdfFileIsComplete(job->temporaryPath())) {
        job->fail(QStringLiteral("写入文件失败: %1 (PDF文件不完整)").arg(job->target()));
        outputFailures_ << job->error();
        return;
    }
    if (!job->commit()) {
        outputFailures_ << job->error();
        return;
    }
    jobFiles_ << job->target();
}

void QtPrinter::loseJob(QString reason)
{
    pdfJob_.reset();
    jobLost_ = true;
    outputFailures_ << std::move(reason);
}

QStringList QtPrinter::TakeOutputFailures()
{
    return std::exchange(outputFailures_, {});
}

}  // namespace tabulon
