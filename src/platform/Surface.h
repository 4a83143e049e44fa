#pragma once
// An output surface: the printer, a preview pane or an off-screen image.
// Every member works in device twips; the drawing state maps logical twips onto it.

#include <QString>

namespace tabulon {

class Surface {
public:
    virtual ~Surface() = default;

    // A straight black line between two absolute device points.
    virtual void Line(double x1, double y1, double x2, double y2) = 0;
    // Draws text with its top-left corner at (CurrentX, CurrentY) and leaves CurrentX
    // just past the text on the same line.
    virtual void Print(const QString& text) = 0;
    virtual double TextWidth(const QString& text) = 0;
    virtual double TextHeight(const QString& text) = 0;
    // Throws ReportError 380 when the family is not installed.
    virtual void SetFontName(const QString& family) = 0;
    virtual QString FontName() const = 0;
    // Takes a size in points; FontSize() reads back the size the surface actually took.
    virtual void SetFontSize(double points) = 0;
    virtual double FontSize() const = 0;
    // Ends the printed document (one print job per page). Off the printer: nothing.
    virtual void EndDoc() {}

    double CurrentX = 0;
    double CurrentY = 0;
};

}  // namespace tabulon
