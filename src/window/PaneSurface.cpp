#include "window/PaneSurface.h"

#include "toolkit/ReportError.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QPainter>
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

namespace {

// A plain painter surface used until the toolkit's shared one is linked in here.
class ImageSurface : public Surface {
public:
    explicit ImageSurface(QImage& image) : painter_(&image)
    {
        painter_.setRenderHint(QPainter::TextAntialiasing);
        painter_.scale(1 / TwipsPerPixel, 1 / TwipsPerPixel);
        font_.setPointSizeF(9);
        QPen pen(Qt::black);
        pen.setCosmetic(true);   // one device pixel, whatever the twips scale
        painter_.setPen(pen);
    }
    void Line(double x1, double y1, double x2, double y2) override
    {
        painter_.drawLine(QPointF(x1, y1), QPointF(x2, y2));
    }
    void Print(const QString& text) override
    {
        painter_.setFont(scaledFont());
        const QFontMetricsF m(scaledFont());
        painter_.drawText(QPointF(CurrentX, CurrentY + m.ascent()), text);
        CurrentX += m.horizontalAdvance(text);
    }
    double TextWidth(const QString& text) override { return QFontMetricsF(scaledFont()).horizontalAdvance(text); }
    double TextHeight(const QString&) override { return QFontMetricsF(scaledFont()).height(); }
    void SetFontName(const QString& family) override
    {
        if (!QFontDatabase::hasFamily(family) && family != QStringLiteral("宋体"))
            throw ReportError::invalidPropertyValue();
        font_.setFamily(family);
    }
    QString FontName() const override { return font_.family(); }
    void SetFontSize(double points) override { font_.setPointSizeF(std::max(1.0, points)); }
    double FontSize() const override { return font_.pointSizeF(); }

private:
    // The painter works in twips, so a font of p points is 20 p units high.
    QFont scaledFont() const
    {
        QFont f = font_;
        f.setPixelSize(std::max(1, static_cast<int>(std::lround(font_.pointSizeF() * 20))));
        return f;
    }
    QPainter painter_;
    QFont font_;
};

}  // namespace

std::unique_ptr<Surface> MakeImageSurface(QImage& image)
{
    return std::make_unique<ImageSurface>(image);
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
