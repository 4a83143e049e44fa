#include "window/PreviewPane.h"

#include <QMouseEvent>
#include <QPainter>
#include <cmath>

namespace tabulon {

PreviewPane::PreviewPane(int index, QRgb background, QWidget* parent)
    : QWidget(parent), index_(index), background_(background),
      image_(MakeTwipsImage(0, 0, background))
{
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    applyGeometry();
}

void PreviewPane::setSizeTwips(double width, double height)
{
    surface_.release();
    width_ = std::max(0.0, width);
    height_ = std::max(0.0, height);
    image_ = MakeTwipsImage(width_, height_, background_);
    applyGeometry();
    update();
}

void PreviewPane::clearDrawing()
{
    surface_.release();
    image_.fill(background_);
    update();
}

void PreviewPane::moveToTwips(int left, int top)
{
    left_ = left;
    top_ = top;
    applyGeometry();
}

void PreviewPane::applyGeometry()
{
    const auto px = [](double twips) { return static_cast<int>(std::floor(twips / TwipsPerPixel)); };
    const auto extent = [](double twips) { return static_cast<int>(std::ceil(twips / TwipsPerPixel)); };
    setGeometry(px(left_), px(top_), extent(width_), extent(height_));
}

void PreviewPane::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), QColor::fromRgb(background_));
    p.drawImage(0, 0, image_);
}

void PreviewPane::mousePressEvent(QMouseEvent* event)
{
    pressed_ = true;
    const QPointF at = event->position() * TwipsPerPixel;
    Q_EMIT mouseDown(index_, event->button(), at.x(), at.y());
}

void PreviewPane::mouseMoveEvent(QMouseEvent* event)
{
    const QPointF at = event->position() * TwipsPerPixel;
    Q_EMIT mouseMoved(index_, event->buttons(), at.x(), at.y());
}

void PreviewPane::mouseReleaseEvent(QMouseEvent* event)
{
    Q_EMIT mouseUp(index_);
    if (pressed_ && rect().contains(event->position().toPoint()))
        Q_EMIT clicked(index_);
    pressed_ = false;
}

void PreviewPane::mouseDoubleClickEvent(QMouseEvent*)
{
    Q_EMIT doubleClicked(index_);
}

}  // namespace tabulon
