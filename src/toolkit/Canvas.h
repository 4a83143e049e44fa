#pragma once
// The drawing primitives every page uses: rules, fonts, cells and text. They hold the
// drawing state and draw on OutputTarget; all positions they take are logical twips.

#include "toolkit/CanvasObserver.h"
#include "toolkit/DrawingState.h"

#include <QString>
#include <cstdint>

namespace tabulon {

namespace Face {
constexpr int Text = 1;     // "宋体"
constexpr int Symbol = 2;   // "Nimbrix" (any value other than 1)
}  // namespace Face

inline const QString TextFontName = QStringLiteral("宋体");
inline const QString SymbolFontName = QStringLiteral("Nimbrix");

class Canvas : public DrawingState {
public:
    Surface& target() const;   // OutputTarget; throws ReportError 91-like when empty

    // Rules. widthCode 1..5 -> 1, 10, 15, 20, 30 one-twip strokes (not scaled); other codes draw nothing.
    void DrawVerticalLine(double x, double y1, double y2, int widthCode);
    void DrawHorizontalLine(double x1, double y, double x2, int widthCode);

    // Fonts. A failing step sets face to 1 and goes on; nothing is reported.
    void SetFont(int size, int& face);
    void SetFont(int size, int&& face) { int f = face; SetFont(size, f); }
    void SetFont(int size, const int& face) { int f = face; SetFont(size, f); }   // e.g. Face::Text
    void SetFont(int size, std::int16_t& face) { int f = face; SetFont(size, f); face = std::int16_t(f); }
    void SetFontUnscaled(double size, int& face);
    void SetFontUnscaled(double size, int&& face) { int f = face; SetFontUnscaled(size, f); }
    void SetFontUnscaled(double size, const int& face) { int f = face; SetFontUnscaled(size, f); }
    void SetFontUnscaled(double size, std::int16_t& face)
    {
        int f = face;
        SetFontUnscaled(size, f);
        face = std::int16_t(f);
    }

    // Cells and text.
    void PrintCell(int border, const QString& text, double w, double h, double x, double y, int split = 0);
    void PrintWrappedText(int border, double w, double h, double x, double y, const QString& text,
                          double lineH, int perLine);
    void PlaceSymbolText(int border, const QString& text, double w, double h, double x, double y);
    void PrintCellTwoLines(int border, const QString& text, double w, double h, double x, double y);
    void PrintParagraph(int ruled, double charW, const QString& text, double w, double h, double x, double y);

    // Device mapping used by the primitives (no Int(): text positions stay fractional).
    double deviceX(double x) const { return PageScale.times(x) + LeftMargin; }
    double deviceY(double y) const { return PageScale.times(y) + TopMargin; }
    double scaled(double v) const { return PageScale.times(v); }

    // Sees the calls pages make (tests); nullptr reports nothing.
    CanvasObserver* Observer = nullptr;

private:
    class NestedCall;
    void notify(CanvasCall::Kind kind, std::vector<double> numbers, const QString& text = {},
                int textIndex = -1);
    bool observing() const { return Observer && callDepth_ == 0; }

    // The steps the cell and text printers share.
    void drawBox(double x, double y, double w, double h);
    std::int16_t entrySize();
    bool fits(const QString& text, double w);
    void shrinkUntilFits(const QString& text, double w, int& size, int& face);
    void shrinkOnce(int& size, int& face);
    std::int16_t centringSlack(const QString& text, double w);
    static double insetFor(std::int16_t slack);
    void placeByTextAlign(const QString& text, double x, double w);
    double centredCellY(double y, double h);

    int callDepth_ = 0;
};

// Marks the calls a primitive makes on its own, so that an observer sees only the page's.
class Canvas::NestedCall {
public:
    explicit NestedCall(Canvas& c) : c_(c) { ++c_.callDepth_; }
    ~NestedCall() { --c_.callDepth_; }
    NestedCall(const NestedCall&) = delete;
    NestedCall& operator=(const NestedCall&) = delete;

private:
    Canvas& c_;
};

}  // namespace tabulon
