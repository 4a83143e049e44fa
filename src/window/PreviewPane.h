#pragma once
// One preview pane Picqb(i): a widget showing its own backing image, so what a renderer
// drew stays on screen through every repaint. Position and size are kept in twips of the
// window's client area, as the window lays its panes out.

#include "window/PaneSurface.h"

#include <QImage>
#include <QWidget>

namespace tabulon {

class PreviewPane : public QWidget {
    Q_OBJECT
public:
    PreviewPane(int index, QRgb background, QWidget* parent);

    int index() const { return index_; }
    Surface& surface() { return surface_; }
    const QImage& image() const { return image_; }
    QRgb background() const { return background_; }

    // A blank image of this size; what was drawn is gone.
    void setSizeTwips(double width, double height);
    double widthTwips() const { return width_; }
    double heightTwips() const { return height_; }
    // Blanks the drawing, keeping the size.
    void clearDrawing();

    void moveToTwips(int left, int top);
    int leftTwips() const { return left_; }
    int topTwips() const { return top_; }

Q_SIGNALS:
    // Pane coordinates in twips.
    void mouseDown(int index, Qt::MouseButton button, double x, double y);
    void mouseMoved(int index, Qt::MouseButtons buttons, double x, double y);
    void mouseUp(int index);
    void clicked(int index);
    void doubleClicked(int index);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    void applyGeometry();

    int index_;
    QRgb background_;
    QImage image_;
    ReopeningSurface surface_{[this] { return MakeImageSurface(image_); }, PaneSurfaceRules()};
    double width_ = 0;
    double height_ = 0;
    int left_ = 0;
    int top_ = 0;
    bool pressed_ = false;
};

}  // namespace tabulon
