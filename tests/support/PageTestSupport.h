#pragma once
// The fixtures of the page tests: a component with a scripted message box, drawing while
// printing on a recording surface (or, after usePreview, on four recording panes), and
// helpers to find the cells a page drew. Two months come ready:
//   TenDayPageTest - an automatic station's February 2026 (31 days in AfilePara(4)),
//                    the hourly element tables dimensioned 31 x 27 (humidity 31 x 25);
//   DailyPageTest  - a manual station's March 2003 with plain numbers in every cell.
// For a whole-page check fill the tables with position codes and compare, e.g.
//   PositionCodedTables codes = positionCoded();  // then PageExpectation (support/PageExpectation.h)

#include "platform/MessageBox.h"
#include "platform/RecordingSurface.h"
#include "support/FakePanes.h"
#include "support/PageExpectation.h"
#include "support/PositionCodedTables.h"
#include "toolkit/CanvasObserver.h"
#include "report/Component.h"

#include <gtest/gtest.h>

#include <array>
#include <memory>
#include <vector>

namespace tabulon::test {

// The PrintCell calls made at a logical position, whatever their size and text.
inline std::vector<CanvasCall> CellsAt(const CanvasCallRecorder& rec, double x, double y)
{
    std::vector<CanvasCall> found;
    for (const CanvasCall& call : rec.ofKind(CanvasCall::Kind::PrintCell))
        if (call.numbers.size() >= 5 && call.numbers[3] == x && call.numbers[4] == y)
            found.push_back(call);
    return found;
}

class PageTest : public ::testing::Test {
protected:
    PageTest() : messages_(new ScriptedMessageBox), c(Services{std::unique_ptr<MessageBox>(messages_), nullptr}) {}

    void SetUp() override
    {
        Canvas& cv = c.canvas;
        cv.PrintMode = -1;
        cv.OutputTarget = &surface;
        cv.PageScale = Decimal4::fromInt(1);
        cv.LeftMargin = 0;
        cv.TopMargin = 0;
        cv.LineWeight = 4;
        cv.ShowGridLines = -1;
        c.state.ReportKind = MonthlySurfaceReport;
    }

    // Every table of the loaded report kind filled with position codes.
    PositionCodedTables positionCoded() { return PositionCodedTables(c.tables, c.state.ReportKind); }

    // Preview at the given scale on the recording panes.
    void usePreview(const char* scale)
    {
        c.canvas.PrintMode = 0;
        c.canvas.OutputTarget = nullptr;
        ASSERT_TRUE(Decimal4::parse(QString::fromLatin1(scale), c.canvas.PageScale));
        c.setPanes(&panes);
    }

    ScriptedMessageBox& messages() { return *messages_; }
    ScriptedMessageBox& boxes() { return *messages_; }

    // Every PrintCell call the page made at logical (x, y).
    static std::vector<CanvasCall> cellsAt(const CanvasCallRecorder& rec, double x, double y)
    {
        return CellsAt(rec, x, y);
    }
    // The text of the last PrintCell call at (x, y): what the cell shows; "<none>" when none.
    static QString cellText(const CanvasCallRecorder& rec, double x, double y)
    {
        const auto found = CellsAt(rec, x, y);
        return found.empty() ? QStringLiteral("<none>") : found.back().text;
    }
    // The texts of the PrintCell calls in the row at y from x `fromX` on (right of the
    // row-heading column by default).
    static QStringList rowTexts(const CanvasCallRecorder& rec, double y, double fromX = 1020)
    {
        QStringList texts;
        for (const CanvasCall& call : rec.ofKind(CanvasCall::Kind::PrintCell))
            if (call.numbers[4] == y && call.numbers[3] >= fromX)
                texts << call.text;
        return texts;
    }
    // Strokes of a full-width horizontal rule drawn at logical y (PageScale 1, margins 0).
    int fullWidthStrokesBelow(double y) const
    {
        int n = 0;
        for (const RecordedLine& l : surface.lines())
            if (l.isHorizontal() && l.x1 == 0 && l.x2 == 19500 && l.y1 > y && l.y1 <= y + 30)
                ++n;
        return n;
    }

    ScriptedMessageBox* messages_;
    Component c;
    RecordingSurface surface;
    RecordingSurface& printer = surface;
    RecordingPanes panes;
};

class TenDayPageTest : public PageTest {
protected:
    void SetUp() override
    {
        PageTest::SetUp();
        ATables& t = c.tables;
        t.AfilePara(2) = 2026;
        t.AfilePara(3) = 2;
        t.AfilePara(4) = 31;
        t.AfilePara(7) = QStringLiteral("54511");
        for (TextTable* table : {&t.AStationPressure, &t.AAirTemperature, &t.AGroundTemperature,
                                 &t.AGrassTemperature})
            table->dim({Bounds{1, 31}, Bounds{1, 27}});
        t.ARelativeHumidity.dim({Bounds{1, 31}, Bounds{1, 25}});
        for (TextTable* table : {&t.ATotalCloud, &t.ALowCloud, &t.AWind, &t.AVapourPressure, &t.ASoilTemp5cm,
                                 &t.ASoilTemp10cm, &t.ASoilTemp15cm, &t.ASoilTemp20cm, &t.ASoilTemp40cm,
                                 &t.ASoilTemp80cm, &t.ASoilTemp160cm, &t.ASoilTemp320cm})
            table->dim({Bounds{1, 31}, Bounds{1, 24}});
    }
};

// Rows of the ten-day pages: day 1..31 and the statistics rows of period 1..4.
inline double TenDayRowY(int day) { return 1110 + 330 * (day - 1 + (day > 10) + (day > 20)); }
inline double TenDayStatisticsY(int period) { return 1110 + 330 * std::array<int, 4>{10, 21, 33, 34}.at(period - 1); }
constexpr double TenDayExtremesY = 12660;

class DailyPageTest : public PageTest {
protected:
    void SetUp() override
    {
        PageTest::SetUp();
        c.state.StationKind = ManualStation;
        c.state.CurrentPage = 2;
        loadManualStationMonth(31, 4);
    }

    // Every day cell holds "<day><item>"-like numbers, every statistic a number of its own.
    void loadManualStationMonth(int days, int observationsPerDay)
    {
        ReportTables& t = c.tables;
        t.AfilePara(2) = QStringLiteral("2003");
        t.AfilePara(3) = QStringLiteral("3");
        t.AfilePara(4) = days;
        t.AfilePara(7) = QStringLiteral("54511");
        t.AfilePara(16) = observationsPerDay;
        t.AStationInfo(2) = QStringLiteral("北京");
        for (TextTable* table : {&t.AStationPressure, &t.AAirTemperature, &t.AWetBulb, &t.AVapourPressure,
                                 &t.ARelativeHumidity, &t.ADewPoint}) {
            table->dim({Bounds{1, 31}, Bounds{1, 6}});
            for (int d = 1; d <= 31; ++d)
                for (int k = 1; k <= 6; ++k)
                    (*table)(d, k) = QString::number(100 * d + k);
        }
        for (int d = 1; d <= 31; ++d)
            for (int k = 1; k <= 40; ++k)
                t.ADailyStat(d, k) = QString::number(1000 + 10 * d + k);
        for (int p = 1; p <= 4; ++p)
            for (int k = 1; k <= 463; ++k)
                t.ADekadStat(p, k) = QString::number(2000 + k);
        for (int k = 1; k <= 86; ++k)
            t.AMonthStat(k) = QString::number(300 + k);
    }
};

// The day-grid pages: a reference station's March with the hourly tables of these pages
// dimensioned 31 x 24 and their mode letters set so that every page prints values.
class DayGridPageTest : public PageTest {
protected:
    void SetUp() override
    {
        PageTest::SetUp();
        ATables& t = c.tables;
        t.AfilePara(2) = 2003;
        t.AfilePara(3) = 3;
        t.AfilePara(4) = 31;
        t.AfilePara(7) = QStringLiteral("50953");
        t.AfileMode(7) = QStringLiteral("B");
        t.AfileMode(8) = QStringLiteral("A");
        t.AfileMode(9) = QStringLiteral("A");
        for (TextTable* table : {&t.AWetBulb, &t.ADewPoint, &t.ACloudHeight, &t.AVisibility,
                                 &t.AHourlyPrecipitation, &t.ACloudForm})
            table->dim({Bounds{1, 31}, Bounds{1, 24}});
    }

    static int countCells(const CanvasCallRecorder& rec, const QString& text, double y)
    {
        int n = 0;
        for (const CanvasCall& call : rec.withText(text))
            n += call.kind == CanvasCall::Kind::PrintCell && call.numbers[4] == y;
        return n;
    }
    // The last cell drawn at (x, y): the one that shows.
    static CanvasCall lastCellAt(const CanvasCallRecorder& rec, double x, double y)
    {
        const std::vector<CanvasCall> cells = CellsAt(rec, x, y);
        return cells.empty() ? CanvasCall{CanvasCall::Kind::PrintCell, {}, QStringLiteral("(none)")} : cells.back();
    }
};

// The codes of a table's items first..first + count - 1 of one day.
inline QStringList DayCodes(const PositionCodedTables& codes, const TextTable& table, int day, int first, int count)
{
    QStringList texts;
    for (int item = first; item < first + count; ++item)
        texts << codes(table, day, item);
    return texts;
}

// Rows of the day grid.
inline double DayGridRowY(int day) { return 1110 + 350 * (day - 1); }

}  // namespace tabulon::test

namespace tabulon::testing {
using test::CellsAt;
using test::DailyPageTest;
using test::PageTest;
using test::TenDayPageTest;
}  // namespace tabulon::testing
