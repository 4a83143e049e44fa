#pragma once
// A component with a loaded-looking month and a recording surface, for the ten-day pages.

#include "platform/RecordingSurface.h"
#include "support/FakePanes.h"
#include "toolkit/CanvasObserver.h"
#include "report/Component.h"

#include <gtest/gtest.h>

namespace tabulon::test {

class TenDayPageTest : public ::testing::Test {
protected:
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
        c.state.ReportKind = 1;
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

    ScriptedMessageBox& boxes() { return static_cast<ScriptedMessageBox&>(c.messages()); }

    // Every PrintCell call the page made at logical (x, y).
    std::vector<CanvasCall> cellsAt(const CanvasCallRecorder& rec, double x, double y) const
    {
        std::vector<CanvasCall> found;
        for (const CanvasCall& call : rec.ofKind(CanvasCall::Kind::PrintCell))
            if (call.numbers[3] == x && call.numbers[4] == y)
                found.push_back(call);
        return found;
    }
    // The text of the last PrintCell call at (x, y): what the cell shows; "<none>" when none.
    QString cellText(const CanvasCallRecorder& rec, double x, double y) const
    {
        const auto found = cellsAt(rec, x, y);
        return found.empty() ? QStringLiteral("<none>") : found.back().text;
    }
    // The texts of the PrintCell calls in the row at y, right of the row-heading column.
    QStringList rowTexts(const CanvasCallRecorder& rec, double y) const
    {
        QStringList texts;
        for (const CanvasCall& call : rec.ofKind(CanvasCall::Kind::PrintCell))
            if (call.numbers[4] == y && call.numbers[3] >= 1020)
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

    Component c{Services{std::make_unique<ScriptedMessageBox>(), nullptr}};
    RecordingSurface surface;
};

}  // namespace tabulon::test
