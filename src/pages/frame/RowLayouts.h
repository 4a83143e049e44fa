#pragma once
// The two row layouts of the pages with one row per day:
// - the decade layout: days 1-10, a ten-day statistic row, days 11-20, a second one,
//   days 21 to the month's end, a third one, the month row and sometimes more rows below;
// - the day grid: 31 day rows of one height from the body top.
// Both come with horizontal rules whose weight marks the pentads (after days 5, 15 and 25
// one weight lighter than the heavy rule) and the ten-day periods.

#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

namespace tabulon {

class Canvas;
class Component;

// Days in the month of the loaded monthly surface report (AfilePara element 4, read as a number).
int DaysInMonth(const Component& c);
// Days in the month of the loaded radiation report (RfilePara element 4, read as a number).
int DaysInRadiationMonth(const Component& c);

// A set of horizontal rules, each with its weight code relative to LineWeight
// (0 = LineWeight, -1 = one lighter).
class RowRules {
public:
    struct Rule {
        int y;
        int weightOffset;
    };

    // The decade layout's rule literal: fields of `width` characters (or a comma list when
    // width is 0); the 1st, 4th and 7th fields lie after days 5, 15 and 25 and are lighter.
    static RowRules decadeRules(const QString& literal, int width = 5);
    // The same from the rules' y values, top to bottom.
    static RowRules decadeRules(const std::vector<int>& ys);

    const std::vector<Rule>& rules() const { return rules_; }
    std::vector<int> ys() const;
    int weightOf(const Rule& rule, int lineWeight) const { return lineWeight + rule.weightOffset; }

    // Draws every rule from x1 to x2, or to rightEnd(y) where one is given.
    void draw(Canvas& cv, double x1, double x2,
              const std::function<double(int y)>& rightEnd = nullptr) const;

    void add(int y, int weightOffset) { rules_.push_back({y, weightOffset}); }

private:
    std::vector<Rule> rules_;
};

// The decade layout of one page: the y of the first row of each ten-day block, the y of the
// statistic rows (first, second, third ten days, month) and the row height.
struct DecadeLayout {
    std::vector<int> blockTops;
    std::vector<int> statRows;
    double rowHeight = 330;

    // From the page's two comma lists, e.g. "1110,4630,8150" and "4310,7830,11670,11990".
    static DecadeLayout fromLiterals(const QString& blockTops, const QString& statRows, double rowHeight);

    // Number of day rows of block b (0, 1, 2): 10, 10 and the rest of the month.
    static int daysInBlock(int block, int daysInMonth);
    // y of day d (1..31) of the month.
    double dayY(int day) const;
    // Calls draw(day, y) for every day of the month (at most 31), block by block.
    void forEachDay(int daysInMonth, const std::function<void(int day, double y)>& draw) const;
    // Calls draw(period, y) for the statistic rows, periods 1..4.
    void forEachStatRow(const std::function<void(int period, double y)>& draw) const;
};

// The plain grid of 31 day rows.
struct DayGrid {
    double top = 1110;
    double rowHeight = 350;
    // Rules after days 10 and 20 at LineWeight (true) or one lighter like the pentad rules.
    bool heavyTenDayRules = true;

    double dayY(int day) const { return top + rowHeight * (day - 1); }
    double bottom() const { return top + rowHeight * 31; }
    // The rules after days 5, 10, 15, 20 and 25.
    RowRules dayRules() const;
    // The 31 day labels "1".."31", border as given (ShowGridLines on most pages).
    void printDayLabels(Canvas& cv, double x, double width, int border) const;
    // Calls draw(day, y) for days 1..daysInMonth.
    void forEachDay(int daysInMonth, const std::function<void(int day, double y)>& draw) const;
};

// Row labels cut from one fixed-width literal, one piece per row from `top` down, as many as
// `count`; each in a cell width x rowHeight at x with the given border.
void PrintRowLabels(Canvas& cv, const QString& literal, int pieceWidth, int count, double x,
                    double width, double top, double rowHeight, int border);
// The same with the labels given one per row, as they stand.
void PrintRowLabels(Canvas& cv, const QStringList& labels, double x, double width, double top,
                    double rowHeight, int border);

}  // namespace tabulon
