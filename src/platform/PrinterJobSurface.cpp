#include "platform/PrinterJobSurface.h"

#include "platform/PainterSurface.h"

namespace tabulon {

PrinterJobSurface::PrinterJobSurface(std::function<QPaintDevice&()> startJob, std::function<void()> finishJob)
    : startJob_(std::move(startJob)), finishJob_(std::move(finishJob))
{
}

PrinterJobSurface::~PrinterJobSurface()
{
    // A job left open is sent rather than lost.
    EndDoc();
}

Surface& PrinterJobSurface::job()
{
    if (!job_) {
        job_ = std::make_unique<PainterSurface>(startJob_());
        if (!fontName_.isEmpty())
            job_->SetFontName(fontName_);
        if (fontSize_ > 0)
            job_->SetFontSize(fontSize_);
    }
    job_->CurrentX = CurrentX;
    job_->CurrentY = CurrentY;
    return *job_;
}

void PrinterJobSurface::Line(double x1, double y1, double x2, double y2)
{
    job().Line(x1, y1, x2, y2);
}

void PrinterJobSurface::Print(const QString& text)
{
    Surface& s = job();
    s.Print(text);
    CurrentX = s.CurrentX;
    CurrentY = s.CurrentY;
}

double PrinterJobSurface::TextWidth(const QString& text)
{
    return job().TextWidth(text);
}

double PrinterJobSurface::TextHeight(const QString& text)
{
    return job().TextHeight(text);
}

void PrinterJobSurface::SetFontName(const QString& family)
{
    job().SetFontName(family);
    fontName_ = family;
}

QString PrinterJobSurface::FontName() const
{
    return job_ ? job_->FontName() : fontName_;
}

void PrinterJobSurface::SetFontSize(double points)
{
    Surface& s = job();
    s.SetFontSize(points);
    fontSize_ = points;   // asked again of the next job, which snaps it the same way
    fontSizeTaken_ = s.FontSize();
}

double PrinterJobSurface::FontSize() const
{
    return job_ ? job_->FontSize() : fontSizeTaken_;
}

void PrinterJobSurface::EndDoc()
{
    if (!job_)
        return;   // nothing drawn since the last job: no empty job is sent
    job_.reset();   // ends the painter, which sends the job
    if (finishJob_)
        finishJob_();
}

}  // namespace tabulon
