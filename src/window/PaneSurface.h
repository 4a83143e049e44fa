#pragma once
// Drawing surfaces over a backing image. A pane's surface must stay the same object while
// the image behind it is replaced (resized or blanked), because renderers keep pointing
// OutputTarget at it; PaneSurface is that stable front, recreating its painter as needed.

#include "platform/Surface.h"

#include <QImage>
#include <memory>

namespace tabulon {

// Twips per device pixel: panes and page images are laid out at 96 dots per inch.
constexpr double TwipsPerPixel = 15;

// A blank image of the given size in twips (at least one pixel each way), filled with
// `background` and marked as 96 dots per inch so painters measure twips on it correctly.
QImage MakeTwipsImage(double widthTwips, double heightTwips, QRgb background);

// The one place that makes the surface drawing on an image.
std::unique_ptr<Surface> MakeImageSurface(QImage& image);

class PaneSurface : public Surface {
public:
    explicit PaneSurface(QImage& image) : image_(image) {}

    // Ends drawing on the image; call before the image is replaced or blanked. The next
    // drawing call starts a new painter with the font last chosen.
    void release() { inner_.reset(); }

    void Line(double x1, double y1, double x2, double y2) override;
    void Print(const QString& text) override;
    double TextWidth(const QString& text) override;
    double TextHeight(const QString& text) override;
    void SetFontName(const QString& family) override;
    QString FontName() const override;
    void SetFontSize(double points) override;
    double FontSize() const override;

private:
    Surface& inner();

    QImage& image_;
    std::unique_ptr<Surface> inner_;
    QString fontName_;
    double fontSize_ = 0;
};

}  // namespace tabulon
