#pragma once
// Cells of the pages with one row height (the decade pages): value cells framed as the grid
// lines say, cells padded to two digits in their table first, runs of heading cells cut from
// width and label literals, and the row-heading pass these pages share.

#include <QString>
#include <QStringList>
#include <vector>

namespace tabulon {

class Canvas;
class RowRules;

// Value cells one row high, framed when ShowGridLines is on.
class RowCells {
public:
    RowCells(Canvas& cv, double rowHeight) : cv_(cv), rowHeight_(rowHeight) {}

    void value(double x, double y, double w, const QString& text) const;
    // The cell is padded to two digits in its table (FormatTwoDigits), then printed.
    void padded(double x, double y, double w, QString& cell) const;
    // `count` cells of width w side by side from x0, each holding `text` (a filler).
    void repeat(double x0, double y, double w, int count, const QString& text) const;
    // A heading cell (always framed) one row high.
    void heading(double x, double y, double w, const QString& text) const;

    double rowHeight() const { return rowHeight_; }

private:
    Canvas& cv_;
    double rowHeight_;
};

// Columns of one width side by side: column k (1-based) starts at x0 + width x (k - 1).
struct ColumnRun {
    double x0;
    double width;
    double x(int column) const { return x0 + width * (column - 1); }
};

// Cells side by side from x0, one per text, each as wide as the width at its index, h high.
void PrintCellRun(Canvas& cv, int border, double x0, double y, double h, const std::vector<int>& widths,
                  const QStringList& texts);

// The rules of the row-heading pass: the vertical at x 0 from the band top down to
// `outerRuleBottom` (0: `tableBottom`), the one at the corner width down to
// `tableBottom`, and the decade rules across the column.
void DrawDecadeRowRules(Canvas& cv, const RowRules& rules, double cornerWidth, double tableBottom,
                        double outerRuleBottom = 0);

}  // namespace tabulon
