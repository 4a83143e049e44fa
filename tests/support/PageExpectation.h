#pragma once
// A whole page's cells as a test expects them: which text stands in which cell, compared
// against the PrintCell calls a page made, with a readable list of every difference.
//
//   PositionCodedTables codes(c.tables, MonthlySurfaceReport);
//   CanvasCallRecorder rec(c.canvas);
//   PrintStationPressure(c);
//   PageExpectation page(codes);
//   for (int d = 1; d <= 31; ++d)
//       page.row(TenDayLayout().dayRowY(d), 1020, 660, {codes(t.AStationPressure, d, 1), ...});
//   page.cell(1020, 12660, QStringLiteral("最高")).only(1020, 1110, 19500, 12990);
//   EXPECT_TRUE(page.matches(rec));
//
// A cell is matched against the last PrintCell drawn at its top-left corner (logical x, y),
// since that is the text that shows. only() makes an area complete: a cell drawn inside it
// that the expectation does not name is a difference too.

#include "support/PositionCodedTables.h"
#include "toolkit/CanvasObserver.h"

#include <gtest/gtest.h>

#include <QString>
#include <QStringList>
#include <initializer_list>
#include <map>
#include <utility>
#include <vector>

namespace tabulon::test {

class PageExpectation {
public:
    // Without codes the differences show the texts as drawn.
    PageExpectation() = default;
    explicit PageExpectation(const PositionCodedTables& codes) : codes_(&codes) {}

    // The cell at (x, y) shows `text`.
    PageExpectation& cell(double x, double y, const QString& text);
    // Cells side by side on the row at y: texts[i] at x0 + i x width.
    PageExpectation& row(double y, double x0, double width, const QStringList& texts);
    // Cells at explicit x positions: texts[i] at xs[i].
    PageExpectation& row(double y, const std::vector<double>& xs, const QStringList& texts);
    // Every cell with its top-left corner in [x1, x2) x [y1, y2) must be named.
    PageExpectation& only(double x1, double y1, double x2, double y2);

    ::testing::AssertionResult matches(const CanvasCallRecorder& rec) const;

private:
    struct Area {
        double x1, y1, x2, y2;
    };
    QString describe(const QString& text) const;

    const PositionCodedTables* codes_ = nullptr;
    std::map<std::pair<double, double>, QString> cells_;   // keyed (y, x): the diff reads row by row
    std::vector<Area> areas_;
};

}  // namespace tabulon::test
