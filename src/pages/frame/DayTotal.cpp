#include "pages/frame/DayTotal.h"

#include "toolkit/TextHelpers.h"

namespace tabulon {

namespace {
constexpr int HourlyTotalItem = 25;
}  // namespace

QString* DayTotalCell(TextTable& table, int day)
{
    if (!table.allocated())
        return nullptr;
    const int items = table.bounds()[1].count();
    const int item = items >= HourlyTotalItem ? HourlyTotalItem : (items == 1 ? table.lbound(2) : 0);
    if (item == 0 || !table.contains(day, item))
        return nullptr;
    return &table(day, item);
}

QString FormattedDayTotal(TextTable& table, int day)
{
    QString* cell = DayTotalCell(table, day);
    return cell ? FormattedTwoDigits(*cell) : QString();
}

QString FormattedItem(TextTable& table, int day, int item)
{
    return table.contains(day, item) ? FormattedTwoDigits(table(day, item)) : QString();
}

}  // namespace tabulon
