#include "platform/ReopeningSurface.h"

#include "platform/ReportError.h"

namespace tabulon {

ReopeningSurface::ReopeningSurface(Opener open, Rules rules) : open_(std::move(open)), rules_(std::move(rules))
{
}

ReopeningSurface::~ReopeningSurface()
{
    EndDoc();
}

Surface& ReopeningSurface::inner()
{
    if (!inner_) {
        inner_ = open_();
        restoreFont();
    }
    inner_->CurrentX = CurrentX;
    inner_->CurrentY = CurrentY;
    return *inner_;
}

void ReopeningSurface::restoreFont()
{
    const double size = rules_.reaskFontSizeAsAsked ? fontSizeAsked_ : fontSizeTaken_;
    try {
        if (!fontName_.isEmpty())
            inner_->SetFontName(fontName_);
        if (size > 0)
            inner_->SetFontSize(size);
    } catch (const ReportError&) {
        if (!rules_.toleratesFontRefusal)
            throw;
    }
}

void ReopeningSurface::Line(double x1, double y1, double x2, double y2)
{
    inner().Line(x1, y1, x2, y2);
}

void ReopeningSurface::Print(const QString& text)
{
    Surface& s = inner();
    s.Print(text);
    CurrentX = s.CurrentX;
    CurrentY = s.CurrentY;
}

double ReopeningSurface::TextWidth(const QString& text)
{
    return inner().TextWidth(text);
}

double ReopeningSurface::TextHeight(const QString& text)
{
    return inner().TextHeight(text);
}

void ReopeningSurface::SetFontName(const QString& family)
{
    inner().SetFontName(family);
    fontName_ = family;
}

QString ReopeningSurface::FontName() const
{
    return inner_ ? inner_->FontName() : fontName_;
}

void ReopeningSurface::SetFontSize(double points)
{
    Surface& s = inner();
    s.SetFontSize(points);
    fontSizeAsked_ = points;
    fontSizeTaken_ = s.FontSize();
}

double ReopeningSurface::FontSize() const
{
    return inner_ ? inner_->FontSize() : fontSizeTaken_;
}

void ReopeningSurface::EndDoc()
{
    if (!rules_.endDocCloses || !inner_)
        return;   // nothing drawn since the last job: no empty job is sent
    inner_.reset();   // ends the painter, which sends the job
    if (rules_.finish)
        rules_.finish();
}

}  // namespace tabulon
