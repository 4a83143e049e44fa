#pragma once
// The hour-by-day pages of the radiation report: one element a page, a row per day with the
// 24 hourly exposures, the daily total and the element's extra columns, then the month-total
// and month-mean rows and a row with the month's extreme irradiance and when it occurred.
//
//   heading line   y 0..310
//   heading band   y 310..1510: the title over the hour and daily-total columns (310..1110),
//                  the extra columns' group (310..710) and sub-headings (710..1110), and one
//                  label per data column (1110..1510)
//   day rows       31 rows of 330 from 1510 to 11740, every day label printed
//   month rows     "月计" at 11740, "月平均" at 12070
//   extremes row   12400..12730
//   page number    13300
//
// The five pages differ only in the constants of a RadiationTablePage; one renderer draws
// them all. The unit sign after "MJ·" and "W" is a glyph of the symbol font.

#include "pages/frame/TenDayLayout.h"   // VerticalRule, HorizontalRule
#include "report/ReportTables.h"

#include <QString>
#include <QStringList>
#include <vector>

namespace tabulon {

class Component;

// A heading cell of the extra columns: a one-line cell, or a caption wrapped into lines of
// `perLine` characters (400 high each); a unit glyph may follow its last line.
struct RadiationHeading {
    QString text;
    double x = 0;
    double y = 310;
    double width = 0;
    double height = 400;
    int perLine = 0;            // > 0: wrapped
    bool glyphAfter = false;
};

// One month extreme in the extremes row: its caption, the value, "出现时间" and the time,
// side by side from x. The time reads day "日" hour "时" minute "分" from the three items after
// the value; a day ending in "天" stands alone; an empty day leaves the time cell undrawn.
struct RadiationExtreme {
    QString caption;
    int valueItem = 1;          // RMonthExtremes item of the value; day, hour, minute follow
    double x = 0;
    double captionWidth = 0;
    double valueWidth = 0;      // also the width of "出现时间"
    double timeWidth = 0;
    bool twoDigitMinute = false;   // the minute as a number with at least two digits
};

// A month-statistic item printed right-aligned in one of the columns after the hourly ones.
struct RadiationExtraStat {
    int column = 0;             // 0: none
    int item = 0;
    bool inMeanRow = false;     // also in the month-mean row (else that row shows "---")
};

struct RadiationTablePage {
    QString cornerText{};
    double rowHeadingWidth = 0;          // W: the row-heading column
    double columnWidth = 0;              // C
    int columnCount = 0;                 // N
    double lastColumnWidth = 0;          // 0: C like the others
    TextTable RTables::* dayTable = nullptr;

    QString title{};                     // followed by the unit glyph and ")"
    double titleWidth = 0;               // the title cell starts at W
    QString extraLabels{};               // the column labels after "23-24", comma-separated
    std::vector<int> glyphAfterLabel{};   // 0-based label indexes followed by the unit glyph
    int smallLabel = -1;                 // a label drawn in 10 instead of 11 (-1: none)
    std::vector<RadiationHeading> headings{};
    QString rowLabels{};                 // 31 day labels, "月计" and "月平均", comma-separated

    int firstStatItem = 1;               // RMonthStat item of data column 1
    int statColumns = 25;                // columns filled from RMonthStat, the rest "---"
    RadiationExtraStat extraStat{};
    std::vector<RadiationExtreme> extremes{};
    std::vector<double> extremesDashX{};   // "---" cells C wide after the extremes

    std::vector<VerticalRule> headingRules{};   // verticals of the heading band
    bool closingRuleInRowHeadings = false;   // the rule at 12730 across the row-heading column
    std::vector<HorizontalRule> bodyRules{};   // after those at 11740 and 12400
    std::vector<VerticalRule> bodyVerticals{};
    QString pageNumber{};

    // Left edge and width of data column k (1..N).
    double columnX(int k) const { return rowHeadingWidth + columnWidth * (k - 1); }
    double widthOf(int k) const
    {
        return k == columnCount && lastColumnWidth > 0 ? lastColumnWidth : columnWidth;
    }
};

// The five pages.
extern const RadiationTablePage TotalRadiationPage;
extern const RadiationTablePage NetRadiationPage;
extern const RadiationTablePage DiffuseRadiationPage;
extern const RadiationTablePage DirectRadiationPage;
extern const RadiationTablePage ReflectedRadiationPage;

// Draws the page in the four passes and ends it. No trap: an error (a day table with fewer
// columns than the page reads, say) ends the page and goes to the dispatcher.
void DrawRadiationTablePage(Component& c, const RadiationTablePage& page);

// The time cell's text of an extreme ("" when the cell is not drawn).
QString ExtremeTimeText(const QString& day, const QString& hour, const QString& minute,
                        bool twoDigitMinute);

}  // namespace tabulon
