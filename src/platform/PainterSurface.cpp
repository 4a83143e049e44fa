#include "platform/PainterSurface.h"

#include "platform/Fonts.h"
#include "platform/ReportError.h"

#include <QPaintDevice>
#include <QPen>
#include <cmath>

namespace tabulon {

namespace {
constexpr double TwipsPerInch = 1440.0;
constexpr double PointsPerInch = 72.0;

int roundPixel(double v) { return static_cast<int>(std::floor(v + 0.5)); }

QString fontKey(const QString& family, int pixelSize)
{
    return family + u'\x1f' + QString::number(pixelSize);
}
}  // namespace

PainterSurface::PainterSurface(QPaintDevice& device)
    : device_(device),
      dpiX_(device.logicalDpiX() > 0 ? device.logicalDpiX() : 96),
      dpiY_(device.logicalDpiY() > 0 ? device.logicalDpiY() : 96),
      family_(QStringLiteral("宋体"))
{
    InstallReportFonts();
    pixelSize_ = snappedPixelSize(9);
    painter();
}

PainterSurface::~PainterSurface()
{
    end();
}

QPainter& PainterSurface::painter()
{
    if (!painter_.isActive()) {
        painter_.begin(&device_);
        QPen pen(Qt::black);
        pen.setWidth(0);   // one device pixel: a stroke is the finest line the device draws
        pen.setCapStyle(Qt::FlatCap);
        painter_.setPen(pen);
        painter_.setRenderHint(QPainter::Antialiasing, false);
        painter_.setRenderHint(QPainter::TextAntialiasing, true);
        fontApplied_ = false;
        hasLastLine_ = false;
    }
    return painter_;
}

void PainterSurface::end()
{
    if (painter_.isActive())
        painter_.end();
    hasLastLine_ = false;
}

int PainterSurface::snappedPixelSize(double points) const
{
    return std::max(1, roundPixel(points * dpiY_ / PointsPerInch));
}

PainterSurface::FontEntry& PainterSurface::currentFont()
{
    if (current_)
        return *current_;
    const QString key = fontKey(family_, pixelSize_);
    auto it = fonts_.find(key);
    if (it == fonts_.end()) {
        QFont font(family_);
        font.setPixelSize(pixelSize_);
        QFontMetricsF metrics(font, &device_);
        auto entry = std::make_shared<FontEntry>(FontEntry{
            font, metrics, metrics.ascent() * TwipsPerInch / dpiY_,
            metrics.height() * TwipsPerInch / dpiY_, {}});
        it = fonts_.insert(key, entry);
    }
    current_ = it.value().get();
    fontApplied_ = false;
    return *current_;
}

void PainterSurface::Line(double x1, double y1, double x2, double y2)
{
    const QLine line(roundPixel(toPixelsX(x1)), roundPixel(toPixelsY(y1)),
                     roundPixel(toPixelsX(x2)), roundPixel(toPixelsY(y2)));
    QPainter& p = painter();
    if (hasLastLine_ && line == lastLine_)
        return;
    p.drawLine(line);
    lastLine_ = line;
    hasLastLine_ = true;
}

void PainterSurface::Print(const QString& text)
{
    const FontEntry& f = currentFont();
    QPainter& p = painter();
    if (!fontApplied_) {
        p.setFont(f.font);
        fontApplied_ = true;
    }
    if (!text.isEmpty())
        p.drawText(QPointF(toPixelsX(CurrentX), toPixelsY(CurrentY + f.ascentTwips)), text);
    CurrentX += widthOf(text);
}

double PainterSurface::widthOf(const QString& text)
{
    constexpr qsizetype MaxCachedWidths = 4096;
    FontEntry& f = currentFont();
    auto it = f.widths.constFind(text);
    if (it != f.widths.constEnd())
        return it.value();
    if (f.widths.size() >= MaxCachedWidths)
        f.widths.clear();
    const double w = f.metrics.horizontalAdvance(text) * TwipsPerInch / dpiX_;
    f.widths.insert(text, w);
    return w;
}

double PainterSurface::TextWidth(const QString& text)
{
    return widthOf(text);
}

double PainterSurface::TextHeight(const QString& text)
{
    // One line per line break, as a form measures a text.
    const int lines = 1 + static_cast<int>(text.count(u'\n'));
    return currentFont().heightTwips * lines;
}

void PainterSurface::SetFontName(const QString& family)
{
    if (family == family_)
        return;
    if (!IsFontFamilyInstalled(family))
        throw ReportError::invalidPropertyValue();
    family_ = family;
    current_ = nullptr;
}

void PainterSurface::SetFontSize(double points)
{
    if (!(points > 0) || points > 2048)
        throw ReportError::invalidPropertyValue();
    const int px = snappedPixelSize(points);
    if (px == pixelSize_)
        return;
    pixelSize_ = px;
    current_ = nullptr;
}

double PainterSurface::FontSize() const
{
    return pixelSize_ * PointsPerInch / dpiY_;
}

}  // namespace tabulon
