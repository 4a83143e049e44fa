#pragma once
// The value cells of the monthly summary tables: each names the table it reads and, where an
// element's mode letter decides, the item a four-times station and an hourly station keep it
// in. A letter outside both sets leaves the cell undrawn (no text, no box).

#include "pages/frame/RowLayouts.h"

#include <QString>
#include <QStringList>

namespace tabulon {

class Canvas;
class Component;
struct ReportTables;

// The row labels of pages one and three: days 1-10, "上旬平均", days 11-20, "中旬平均",
// days 21-31, "下旬平均", "月计/平均" and, as the 36th, "月极值"; the first `count` of them.
QStringList BriefRowLabels(int count);

// The day table of pages two and three: 330-twip rows in the decade layout from y 1510,
// with its rules, down to the table bottom at y 13060.
namespace BriefDayTable {
constexpr double BodyTop = 1510;
constexpr double RowHeight = 330;
constexpr double Bottom = 13060;
DecadeLayout Layout();
RowRules Rules();
}  // namespace BriefDayTable

enum class BriefSource {
    DailyStat,          // ADailyStat(day, item)
    DekadStat,          // ADekadStat(period, item)
    StationPressure,
    AirTemperature,
    RelativeHumidity,
    GroundTemperature,
    Evaporation,
    E601BEvaporation,
    Precipitation,
    Sunshine,
    DeepSoil,           // depth `fourTimes` (0 0.8 m, 1 1.6 m, 2 3.2 m): see BriefCellReader
    None,               // the page draws something of its own there
};

// The hourly item is the element's daily-minimum item for its letter (HourlyMinimumItem).
constexpr int HourlyMinimum = -1;

struct BriefCell {
    BriefSource source = BriefSource::None;
    int element = 0;     // AfileMode element whose letter picks the item; 0: `fourTimes` always
    int fourTimes = 0;
    int hourly = 0;
};

// A column of a summary table: its day cell, its ten-day and month cell, and whether both
// print numbers in the pattern "00" (the sunshine totals; the table keeps its text).
struct BriefColumn {
    double x;
    BriefCell day;
    BriefCell period;
    bool wholeNumbers = false;
};

class BriefCellReader {
public:
    explicit BriefCellReader(Component& c) : c_(c) {}

    // The table cell shown in `row` (a day, or a period 1..4 for DekadStat), or nullptr when
    // the letter leaves it undrawn. Deep soil: stations of kinds 2 and 3 show the daily means
    // (ADailyStat 34, 36, 38); kinds 1, 4 and 5 the day's reading, padded to two digits in
    // its table first; any other kind nothing.
    QString* cell(const BriefCell& cell, int row) const;
    // The text to print for a column's cell, or nullptr when it is undrawn.
    bool text(const BriefColumn& column, const BriefCell& cell, int row, QString& out) const;

private:
    Component& c_;
};

// What a summary-table page holds while it draws: the report, its day layout and rules, and
// the number of days in the month.
class BriefPage {
protected:
    BriefPage(Component& c, DecadeLayout layout, RowRules rules);

    int lw() const;
    // A value cell of the row at y, framed as the grid lines say.
    void valueCell(double x, double y, double w, const QString& text);
    // The column's cell (its day or its period cell) for `row`, unless the letter leaves it undrawn.
    void columnCell(const BriefColumn& column, const BriefCell& cell, int row, double y, double w);

    Component& c_;
    Canvas& cv_;
    ReportTables& t_;
    BriefCellReader reader_;
    DecadeLayout layout_;
    RowRules rules_;
    int days_;

private:
    QString text_;
};

}  // namespace tabulon
