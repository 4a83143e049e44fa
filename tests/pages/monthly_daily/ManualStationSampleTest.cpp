// The bundled manual-station month, loaded as the file chooser loads it, drawn on its page 2.

#include "platform/RecordingSurface.h"
#include "toolkit/Dispatcher.h"
#include "window/LoaderFixture.h"

using namespace tabulon;
using namespace tabulon::testing;

namespace {

class ManualStationSample : public LoaderTest {
protected:
    void loadAndDraw(const QString& fileName)
    {
        c().canvas.PrintMode = 0;
        ASSERT_TRUE(load(MonthlySurfaceReport, fileName));
        ASSERT_EQ(c().state.StationKind, ManualStation);
        messages->shown.clear();
        c().state.CurrentPage = 2;
        PrintReportPage(c());   // preview
        c().canvas.PrintMode = -1;
        c().canvas.OutputTarget = &printer;
        jobsBefore = printer.endDocCount();
        PrintReportPage(c());   // printing
    }

    RecordingSurface printer;
    int jobsBefore = 0;
};

TEST_F(ManualStationSample, PageTwoDrawsWithNoErrorReported)
{
    for (const char* name : {"A54511-200303.TXT", "A54511-200302.TXT"}) {
        SCOPED_TRACE(name);
        printer.clear();
        loadAndDraw(QString::fromLatin1(name));
        EXPECT_TRUE(messages->shown.empty()) << messages->titles().join(u',').toStdString();
        EXPECT_EQ(c().state.CurrentPage, 2);
        EXPECT_TRUE(printer.hasText(QStringLiteral("-1-")));
        EXPECT_TRUE(printer.hasText(QStringLiteral("候平均气温")));
        EXPECT_EQ(printer.endDocCount() - jobsBefore, 1);
    }
}

TEST_F(ManualStationSample, ThreeObservationMonthShowsNoDewPointAt02)
{
    loadAndDraw(QStringLiteral("A54511-200302.TXT"));
    ASSERT_EQ(c().tables.AfilePara(16).toInt(), 3);
    for (int d = 1; d <= 28; ++d) {
        EXPECT_TRUE(c().tables.ADewPoint(d, 1).isEmpty()) << d;
        EXPECT_FALSE(c().tables.ADewPoint(d, 2).isEmpty()) << d;
    }
    EXPECT_TRUE(messages->shown.empty());
}

}  // namespace
