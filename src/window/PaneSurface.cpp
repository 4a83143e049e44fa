#include "window/PaneSurface.h"

#include "platform/PainterSurface.h"
#include "toolkit/ReportError.h"

#include <cmath>

namespace tabulon {

QImage MakeTwipsImage(double widthTwips, double heightTwips, QRgb background)
{
    const int w = std::max(1, static_cast<int>(std::ceil(widthTwips / TwipsPerPixel)));
    const int h = std::max(1, static_cast<int>(std::ceil(heightTwips / TwipsPerPixel)));
    QImage image(w, h, QImage::Format_RGB32);
    constexpr int dotsPerMeterAt96Dpi = 3780;
    image.setDotsPerMeterX(dotsPerMeterAt96Dpi);
    image.setDotsPerMeterY(dotsPerMeterAt96Dpi);
    image.fill(background);
    return image;
}

std::unique_ptr<Surface> MakeImageSurface(QImage& image)
{
    return std::make_unique<PainterSurface>(image);
}

Surface& PaneSurface::inner()
{
    if (!inner_) {
        inner_ = MakeImageSurface(image_);
        try {
            if (!fontName_.isEmpty())
                inner_->SetFontName(fontName_);
            if (fontSize_ > 0)
                inner_->SetFontSize(fontSize_);
        } catch (const ReportError&) {
            // The font was accepted before; a new painter keeps its own default then.
        }
    }
    return *inner_;
}

void PaneSurface::Line(double x1, double y1, double x2, double y2)
{
    inner().Line(x1, y1, x2, y2);
}

void PaneSurface::Print(const QString& text)
{
    Surface& s = inner();
    s.CurrentX = CurrentX;
    s.CurrentY = CurrentY;
    s.Print(text);
    CurrentX = s.CurrentX;
    CurrentY = s.CurrentY;
}

double PaneSurface::TextWidth(const QString& text)
{
    return inner().TextWidth(text);
}

double PaneSurface::TextHeight(const QString& text)
{
    return inner().TextHeight(text);
}

void PaneSurface::SetFontName(const QString& family)
{
    inner().SetFontName(family);
    fontName_ = family;
}

QString PaneSurface::FontName() const
{
    return inner_ ? inner_->FontName() : fontName_;
}

void PaneSurface::SetFontSize(double points)
{
    Surface& s = inner();
    s.SetFontSize(points);
    fontSize_ = s.FontSize();
}

double PaneSurface::FontSize() const
{
    return inner_ ? inner_->FontSize() : fontSize_;
}

}  // namespace tabulon
