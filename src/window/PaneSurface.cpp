#include "window/PaneSurface.h"

#include "platform/PainterSurface.h"

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

ReopeningSurface::Rules PaneSurfaceRules()
{
    return {.toleratesFontRefusal = true};
}

}  // namespace tabulon
