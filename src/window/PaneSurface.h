#pragma once
// Drawing surfaces over a backing image. A pane's surface must stay the same object while
// the image behind it is replaced (resized or blanked), because renderers keep pointing
// OutputTarget at it: a ReopeningSurface with PaneSurfaceRules() is that stable front.

#include "platform/ReopeningSurface.h"
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

// How a pane's front re-opens on its image: the font comes back as the last painter took
// it, a refusal leaves the new painter in its own default, and EndDoc does nothing.
// Call release() on the front before the image is replaced or blanked.
ReopeningSurface::Rules PaneSurfaceRules();

}  // namespace tabulon
