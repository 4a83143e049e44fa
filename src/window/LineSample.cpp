#include "window/LineSample.h"

#include "window/PaneSurface.h"

#include <QMouseEvent>
#include <QPainter>

namespace tabulon {

LineSample::LineSample(int lines, QWidget* parent) : QWidget(parent), lines_(lines)
{
    setMouseTracking(true);
}

void LineSample::setBackground(QRgb rgb)
{
    background_ = rgb;
    repaint();
}

QPixmap LineSample::picture() const
{
    QPixmap p(size().expandedTo(QSize(1, 1)));
    p.fill(QColor::fromRgb(background_));
    QPainter painter(&p);
    paintLines(painter, lines_);
    return p;
}

void LineSample::paintLines(QPainter& painter, int lines)
{
    // The lines lie one twip apart, so together they make one band n twips high.
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF band(50 / TwipsPerPixel, 176 / TwipsPerPixel, 1350 / TwipsPerPixel, lines / TwipsPerPixel);
    painter.fillRect(band, Qt::black);
}

void LineSample::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), QColor::fromRgb(background_));
    paintLines(p, lines_);
}

void LineSample::mouseMoveEvent(QMouseEvent*)
{
    Q_EMIT hovered();
}

void LineSample::mouseReleaseEvent(QMouseEvent* event)
{
    if (rect().contains(event->position().toPoint()))
        Q_EMIT clicked();
}

}  // namespace tabulon
