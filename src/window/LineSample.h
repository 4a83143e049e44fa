#pragma once
// One sample of the line-weight pop-up: n black one-twip lines, the weight they stand for.

#include <QWidget>

namespace tabulon {

class LineSample : public QWidget {
    Q_OBJECT
public:
    LineSample(int lines, QWidget* parent);

    int lines() const { return lines_; }
    void setBackground(QRgb rgb);
    QRgb background() const { return background_; }
    // The sample as it shows now, background included.
    QPixmap picture() const;

    // Paints n horizontal one-twip lines from x 50 to x 1400 twips at y 176 .. 175 + n.
    static void paintLines(QPainter& painter, int lines);

Q_SIGNALS:
    void hovered();
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    int lines_;
    QRgb background_ = 0xFFFFFF;
};

}  // namespace tabulon
