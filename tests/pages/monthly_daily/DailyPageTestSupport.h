#pragma once
// A component with a manual station's month loaded (plain synthetic values), drawing on a
// recording surface while printing or on four recording panes in preview.

#include "platform/MessageBox.h"
#include "platform/RecordingSurface.h"
#include "support/FakePanes.h"
#include "toolkit/CanvasObserver.h"
#include "report/Component.h"

#include <gtest/gtest.h>

#include <array>
#include <memory>

namespace tabulon::testing {

class DailyPageTest : public ::testing::Test {
protected:
    DailyPageTest()
        : messages_(new ScriptedMessageBox),
          c(Services{std::unique_ptr<MessageBox>(messages_), nullptr})
    {
    }

    void SetUp() override
    {
        c.canvas.PrintMode = -1;
        c.canvas.OutputTarget = &printer;
        c.canvas.PageScale = Decimal4::fromInt(1);
        c.canvas.LineWeight = 4;
        c.canvas.ShowGridLines = -1;
        c.state.ReportKind = MonthlySurfaceReport;
        c.state.StationKind = ManualStation;
        c.state.CurrentPage = 2;
        loadManualStationMonth(31, 4);
    }

    // Every day cell holds "<day>.<item>"-like numbers, every statistic a number of its own.
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

    void usePreview(const char* scale)
    {
        c.canvas.PrintMode = 0;
        c.canvas.OutputTarget = nullptr;
        ASSERT_TRUE(Decimal4::parse(QString::fromLatin1(scale), c.canvas.PageScale));
        c.setPanes(&panes);
    }

    ScriptedMessageBox& messages() { return *messages_; }

    ScriptedMessageBox* messages_;
    Component c;
    RecordingSurface printer;
    test::RecordingPanes panes;
};

// The PrintCell calls made at a logical position, whatever their size and text.
inline std::vector<CanvasCall> CellsAt(const CanvasCallRecorder& rec, double x, double y)
{
    std::vector<CanvasCall> out;
    for (const CanvasCall& call : rec.ofKind(CanvasCall::Kind::PrintCell))
        if (call.numbers.size() >= 5 && call.numbers[3] == x && call.numbers[4] == y)
            out.push_back(call);
    return out;
}

}  // namespace tabulon::testing
