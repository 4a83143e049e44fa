#pragma once
// The tables of the yearly pages: one row per month (1 to 12) under a heading band, then a
// few year rows (年合计, 年极值, 年平均 ...) in which a column shows the year's value of its
// item or, when it has none, the filler "---".
//
// A block is described by its columns (left edges and widths), the y of month 1 and the row
// height; which item a column shows is a separate map, since the month rows and each year
// row of a block map the same columns differently. Month cells are boxed only with grid
// lines on; year-row cells are always boxed.

#include <QString>
#include <functional>
#include <initializer_list>
#include <vector>

namespace tabulon {

class Canvas;
class Component;

// Runs one statement of a page (a cell, a rule); a page with a trap of its own that goes
// on after an error passes the trap here, so that a failing statement is reported as the
// page reports it and drawing goes on with the next. Empty: the statement just runs.
using YearStatement = std::function<void(const std::function<void()>&)>;
void RunStatement(const YearStatement& run, const std::function<void()>& statement);

// Columns side by side, 1-based: column c spans x(c) .. x(c) + width(c).
class YearColumns {
public:
    // `count` columns of one width from x0.
    static YearColumns uniform(double x0, double width, int count);
    // Consecutive columns of the given widths from x0.
    static YearColumns fromWidths(double x0, const std::vector<int>& widths);

    int count() const { return static_cast<int>(edges_.size()) - 1; }
    double x(int column) const;   // raises error 9 outside 1..count
    double width(int column) const;   // raises error 9 outside 1..count
    double right() const { return edges_.back(); }

private:
    std::vector<double> edges_;   // left edges, then the right edge of the last column
};

// Consecutive columns showing consecutive items: columns first..last show items
// item, item + 1, ...
struct ItemRun {
    int firstColumn;
    int lastColumn;
    int firstItem;
};

// Which item each column of a row shows. A column without an item shows "---" in a year
// row; a column marked NoCell is left to something drawn over it (a heading spanning rows).
class ColumnItems {
public:
    static constexpr int Filler = 0;
    static constexpr int NoCell = -1;

    ColumnItems(int columnCount, std::initializer_list<ItemRun> runs);
    // Column c shows item base + c, for every column.
    static ColumnItems offset(int columnCount, int base);
    // The same map with some columns taken out (NoCell).
    ColumnItems without(std::initializer_list<int> columns) const;

    int count() const { return static_cast<int>(items_.size()); }
    int itemOf(int column) const { return items_.at(static_cast<std::size_t>(column - 1)); }

private:
    explicit ColumnItems(std::vector<int> items) : items_(std::move(items)) {}
    std::vector<int> items_;
};

// One cell as the table is about to print it.
struct YearCell {
    int column;
    int item;
    const QString& text;
    int border;
    double width, height, x, y;
};

// A block of month rows and its year rows.
class YearTable {
public:
    using MonthValue = std::function<QString(int month, int item)>;
    using YearValue = std::function<QString(int item)>;
    // Prints one cell; a page sets its own for a column printed as a glyph or rewritten.
    using CellPrinter = std::function<void(Canvas&, const YearCell&)>;

    YearTable(YearColumns columns, double firstMonthY, double rowHeight);

    YearTable& printColumnWith(int column, CellPrinter printer);
    // Each cell's lookup and printing runs as one statement through `run`.
    YearTable& runCellsThrough(YearStatement run);

    const YearColumns& columns() const { return columns_; }
    double monthY(int month) const { return firstMonthY_ + rowHeight_ * (month - 1); }

    // The twelve month rows: column c of month m shows value(m, item of c), border
    // ShowGridLines, rowHeight high. Columns without an item are skipped.
    void PrintMonths(Component& c, const ColumnItems& items, const MonthValue& value) const;
    // The same from YMonthStat(m, item).
    void PrintMonths(Component& c, const ColumnItems& items) const;

    // One year row at y, `height` high, every cell boxed: a column with an item shows
    // value(item), one without shows "---", a NoCell column nothing.
    void PrintYearRow(Component& c, const ColumnItems& items, double y, double height, const YearValue& value) const;
    // The same from YMonthStat(13, item).
    void PrintYearRow(Component& c, const ColumnItems& items, double y, double height) const;

    static inline const QString YearFiller = QStringLiteral("---");

private:
    void printCell(Canvas& cv, const YearCell& cell) const;

    YearColumns columns_;
    double firstMonthY_;
    double rowHeight_;
    std::vector<CellPrinter> printers_;   // by column - 1; empty: PrintCell
    YearStatement run_;
};

}  // namespace tabulon
