#pragma once
// An output surface over QPainter: a preview pane's image, an off-screen image or a printer.
// Device twips are mapped to device pixels by the device's resolution (twips / 1440 x dpi);
// text is placed by its top-left corner at fractional positions.

#include "platform/Surface.h"

#include <QFont>
#include <QFontMetricsF>
#include <QHash>
#include <QLine>
#include <QPainter>
#include <memory>

class QPaintDevice;

namespace tabulon {

class PainterSurface : public Surface {
public:
    // Opens a painter on the device for the surface's lifetime (reopened by the next drawing
    // call after EndDoc, as a printer starts its next job). Starts in "宋体" 9 points.
    explicit PainterSurface(QPaintDevice& device);
    ~PainterSurface() override;
    PainterSurface(const PainterSurface&) = delete;
    PainterSurface& operator=(const PainterSurface&) = delete;

    void Line(double x1, double y1, double x2, double y2) override;
    void Print(const QString& text) override;
    double TextWidth(const QString& text) override;
    double TextHeight(const QString& text) override;
    void SetFontName(const QString& family) override;
    QString FontName() const override { return family_; }
    void SetFontSize(double points) override;
    double FontSize() const override;
    // Ends the painter; for a printer this finishes the print job.
    void EndDoc() override { end(); }

    // Ends the painter (the device can then be read, saved or resized).
    void end();
    bool isActive() const { return painter_.isActive(); }

    double dpiX() const { return dpiX_; }
    double dpiY() const { return dpiY_; }
    double toPixelsX(double twips) const { return twips * dpiX_ / 1440.0; }
    double toPixelsY(double twips) const { return twips * dpiY_ / 1440.0; }

private:
    struct FontEntry {
        QFont font;
        QFontMetricsF metrics;
        double ascentTwips;
        double heightTwips;
        // Pages measure the same short texts over and over (fit test, centring, placement).
        QHash<QString, double> widths;
    };

    QPainter& painter();
    FontEntry& currentFont();
    int snappedPixelSize(double points) const;
    double widthOf(const QString& text);

    QPaintDevice& device_;
    QPainter painter_;
    double dpiX_;
    double dpiY_;
    QString family_;
    int pixelSize_;
    // Fonts are expensive to resolve; each family and pixel size is built once.
    QHash<QString, std::shared_ptr<FontEntry>> fonts_;
    FontEntry* current_ = nullptr;
    bool fontApplied_ = false;
    // Heavy rules are many one-twip strokes that often land on the same device pixels.
    QLine lastLine_;
    bool hasLastLine_ = false;
};

}  // namespace tabulon
