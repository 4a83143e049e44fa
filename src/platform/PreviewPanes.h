#pragma once
// The four preview panes Picqb(0)..Picqb(3) of the report window: corner, column
// headings, row headings and body. Renderers size them (device twips) and draw into them.

#include <array>

namespace tabulon {

class Surface;

class PreviewPanes {
public:
    virtual ~PreviewPanes() = default;
    virtual Surface& Picqb(int index) = 0;
    // Width and height in device twips (already scaled by the renderer).
    virtual void SizePane(int index, double width, double height) = 0;
    virtual double PaneWidth(int index) const = 0;
    virtual double PaneHeight(int index) const = 0;
    // Blanks what pane `index` shows, keeping its size.
    virtual void ClearPane(int index) = 0;
    // Empties every pane and gives it zero size at the window's origin.
    virtual void clearpicture() = 0;
};

}  // namespace tabulon
