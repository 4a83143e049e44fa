#include "window/PictureButton.h"

#include <QPainter>
#include <QStyleOptionFrame>

namespace tabulon {

PictureButton::PictureButton(QWidget* parent) : QAbstractButton(parent)
{
    setCheckable(true);
}

void PictureButton::setPicture(const QPixmap& picture)
{
    picture_ = picture;
    update();
}

QSize PictureButton::sizeHint() const
{
    return picture_.isNull() ? QSize(99, 22) : picture_.size();
}

void PictureButton::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), palette().button());
    if (!picture_.isNull()) {
        if (!isEnabled())
            p.setOpacity(0.4);
        p.drawPixmap(0, 0, picture_);
        p.setOpacity(1);
    }
    if (isChecked() || isDown()) {
        p.setPen(palette().dark().color());
        p.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

}  // namespace tabulon
