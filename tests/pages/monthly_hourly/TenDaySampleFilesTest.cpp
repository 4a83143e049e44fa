// Every page drawable so far draws from every bundled monthly file without an error box.
#include "platform/RecordingSurface.h"
#include "toolkit/DispatchTable.h"
#include "toolkit/Dispatcher.h"
#include "window/LoaderFixture.h"

#include <QDir>

namespace tabulon::testing {
namespace {

TEST_F(LoaderTest, SamplePagesDrawWithoutErrors)
{
    const QStringList files = QDir(SampleFolder()).entryList({QStringLiteral("A*.TXT")}, QDir::Files);
    ASSERT_FALSE(files.isEmpty());
    int tenDayPages = 0;
    for (const QString& file : files) {
        SCOPED_TRACE(file.toStdString());
        ASSERT_TRUE(load(1, file));
        messages->shown.clear();
        RecordingSurface surface;
        c().canvas.PrintMode = -1;
        c().canvas.OutputTarget = &surface;
        for (int page = 2; page <= c().state.PageCount; ++page) {
            const auto entry = LookupPage(1, c().state.StationKind, page);
            if (!entry || !IsRendererAvailable(entry->renderer))
                continue;
            const RendererId r = entry->renderer;
            tenDayPages += r == RendererId::PrintStationPressure || r == RendererId::PrintTemperature ||
                           r == RendererId::PrintRelativeHumidity || r == RendererId::PrintCloudAmount ||
                           r == RendererId::PrintTwoMinuteWind || r == RendererId::PrintHourlyWithMeans;
            c().state.CurrentPage = static_cast<std::int16_t>(page);
            PrintReportPage(c());
            EXPECT_TRUE(messages->shown.empty()) << "page " << page << ": " << DescribePageEntry(*entry).toStdString()
                                                 << " " << messages->titles().join(u',').toStdString();
            messages->shown.clear();
        }
        c().canvas.OutputTarget = nullptr;
    }
    EXPECT_GT(tenDayPages, 0);
}

}  // namespace
}  // namespace tabulon::testing
