#pragma once
// A check box drawn as a picture button: shows its picture as it is, pressed in when checked.

#include <QAbstractButton>
#include <QPixmap>

namespace tabulon {

class PictureButton : public QAbstractButton {
    Q_OBJECT
public:
    explicit PictureButton(QWidget* parent = nullptr);

    void setPicture(const QPixmap& picture);
    const QPixmap& picture() const { return picture_; }
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap picture_;
};

}  // namespace tabulon
