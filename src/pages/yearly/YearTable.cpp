#include "pages/yearly/YearTable.h"

#include "toolkit/Canvas.h"
#include "report/Component.h"
#include "platform/ReportError.h"

#include <numeric>

namespace tabulon {

namespace {
constexpr int YearRowOfMonthStat = 13;
}  // namespace

void RunStatement(const YearStatement& run, const std::function<void()>& statement)
{
    if (run)
        run(statement);
    else
        statement();
}

YearColumns YearColumns::uniform(double x0, double width, int count)
{
    YearColumns cols;
    for (int c = 0; c <= count; ++c)
        cols.edges_.push_back(x0 + width * c);
    return cols;
}

YearColumns YearColumns::fromWidths(double x0, const std::vector<int>& widths)
{
    YearColumns cols;
    cols.edges_.push_back(x0);
    for (int w : widths)
        cols.edges_.push_back(cols.edges_.back() + w);
    return cols;
}

double YearColumns::x(int column) const
{
    if (column < 1 || column > count())
        throw ReportError::subscriptOutOfRange();
    return edges_[static_cast<std::size_t>(column - 1)];
}

double YearColumns::width(int column) const
{
    const double left = x(column);   // checks the column first
    return edges_[static_cast<std::size_t>(column)] - left;
}

ColumnItems::ColumnItems(int columnCount, std::initializer_list<ItemRun> runs)
    : items_(static_cast<std::size_t>(columnCount), Filler)
{
    for (const ItemRun& r : runs)
        for (int col = r.firstColumn; col <= r.lastColumn; ++col)
            items_.at(static_cast<std::size_t>(col - 1)) = r.firstItem + (col - r.firstColumn);
}

ColumnItems ColumnItems::offset(int columnCount, int base)
{
    std::vector<int> items(static_cast<std::size_t>(columnCount));
    std::iota(items.begin(), items.end(), base + 1);
    return ColumnItems(std::move(items));
}

ColumnItems ColumnItems::without(std::initializer_list<int> columns) const
{
    ColumnItems out = *this;
    for (int col : columns)
        out.items_.at(static_cast<std::size_t>(col - 1)) = NoCell;
    return out;
}

YearTable::YearTable(YearColumns columns, double firstMonthY, double rowHeight)
    : columns_(std::move(columns)), firstMonthY_(firstMonthY), rowHeight_(rowHeight),
      printers_(static_cast<std::size_t>(columns_.count()))
{
}

YearTable& YearTable::printColumnWith(int column, CellPrinter printer)
{
    printers_.at(static_cast<std::size_t>(column - 1)) = std::move(printer);
    return *this;
}

YearTable& YearTable::runCellsThrough(YearStatement run)
{
    run_ = std::move(run);
    return *this;
}

void YearTable::printCell(Canvas& cv, const YearCell& cell) const
{
    // A filler is a filler in every column, whatever prints the column's values.
    const CellPrinter& own = printers_.at(static_cast<std::size_t>(cell.column - 1));
    if (own && cell.item > 0)
        own(cv, cell);
    else
        cv.PrintCell(cell.border, cell.text, cell.width, cell.height, cell.x, cell.y);
}

void YearTable::PrintMonths(Component& c, const ColumnItems& items, const MonthValue& value) const
{
    Canvas& cv = c.canvas;
    const int columns = std::min(items.count(), columns_.count());
    for (int m = 1; m <= 12; ++m)
        for (int col = 1; col <= columns; ++col) {
            const int item = items.itemOf(col);
            if (item <= 0)
                continue;
            RunStatement(run_, [&] {
                const QString text = value(m, item);
                printCell(cv, {col, item, text, cv.ShowGridLines, columns_.width(col), rowHeight_,
                               columns_.x(col), monthY(m)});
            });
        }
}

void YearTable::PrintMonths(Component& c, const ColumnItems& items) const
{
    TextTable& stat = c.tables.YMonthStat;
    PrintMonths(c, items, [&stat](int m, int item) { return stat(m, item); });
}

void YearTable::PrintYearRow(Component& c, const ColumnItems& items, double y, double height,
                             const YearValue& value) const
{
    Canvas& cv = c.canvas;
    const int columns = std::min(items.count(), columns_.count());
    for (int col = 1; col <= columns; ++col) {
        const int item = items.itemOf(col);
        if (item == ColumnItems::NoCell)
            continue;
        RunStatement(run_, [&] {
            const QString text = item == ColumnItems::Filler ? YearFiller : value(item);
            printCell(cv, {col, item, text, -1, columns_.width(col), height, columns_.x(col), y});
        });
    }
}

void YearTable::PrintYearRow(Component& c, const ColumnItems& items, double y, double height) const
{
    TextTable& stat = c.tables.YMonthStat;
    PrintYearRow(c, items, y, height, [&stat](int item) { return stat(YearRowOfMonthStat, item); });
}

}  // namespace tabulon
