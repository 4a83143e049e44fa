#pragma once
// The day's total of an element kept either hourly (items 1 to 24 and the total as item 25)
// or as the total alone (one item a day). The reader dimensions the table by what the
// station observed, so the width of the table says where the total stands.

#include "report/Table.h"

#include <QString>

namespace tabulon {

// The cell of day `day` that holds the total: item 25 when the table has at least 25 items,
// item 1 when it has exactly one, none (nullptr) otherwise or when the day is not in the table.
QString* DayTotalCell(TextTable& table, int day);

// That cell zero-filled in place (FormatTwoDigits) and returned; "" when there is none.
QString FormattedDayTotal(TextTable& table, int day);

// Item `item` of day `day` zero-filled in place and returned; "" when the table has no such cell.
QString FormattedItem(TextTable& table, int day, int item);

}  // namespace tabulon
