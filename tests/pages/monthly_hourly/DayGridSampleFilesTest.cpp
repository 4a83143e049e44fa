// The bundled files show what the day-grid pages read, and every day-grid page draws from
// them without an error box.
#include "platform/RecordingSurface.h"
#include "toolkit/DispatchTable.h"
#include "toolkit/Dispatcher.h"
#include "window/LoaderFixture.h"

#include <set>
#include <tuple>

namespace tabulon::testing {
namespace {

bool IsDayGridRenderer(RendererId r)
{
    return r == RendererId::PrintHourlyGrid || r == RendererId::PrintCloudForm || r == RendererId::PrintVisibility ||
           r == RendererId::PrintSelfRecordingPrecipitation;
}

TEST_F(LoaderTest, DayGridPagesDrawFromEverySampleFile)
{
    const QStringList files = QDir(SampleFolder()).entryList({QStringLiteral("A*.TXT")}, QDir::Files);
    std::set<std::tuple<int, int, int>> drawn;   // renderer and arguments
    bool arrowSeen = false, thirtyDayHourly = false;
    for (const QString& file : files) {
        SCOPED_TRACE(file.toStdString());
        ASSERT_TRUE(load(1, file));
        RecordingSurface surface;
        c().canvas.PrintMode = -1;
        c().canvas.OutputTarget = &surface;
        thirtyDayHourly |= c().tables.AfilePara(4).toInt() == 30 && c().state.StationKind >= 2;
        for (int page = 2; page <= c().state.PageCount; ++page) {
            const auto entry = LookupPage(1, c().state.StationKind, page);
            if (!entry || !IsDayGridRenderer(entry->renderer))
                continue;
            messages->shown.clear();
            c().state.CurrentPage = static_cast<std::int16_t>(page);
            PrintReportPage(c());
            EXPECT_TRUE(messages->shown.empty()) << DescribePageEntry(*entry).toStdString();
            drawn.insert({static_cast<int>(entry->renderer), entry->args[0], entry->args[1]});
        }
        arrowSeen |= surface.hasText(QStringLiteral("←---"));
        c().canvas.OutputTarget = nullptr;
    }
    EXPECT_EQ(drawn.size(), 3u + 4u + 1u + 3u);   // 3 elements, 4 cloud-form parts, visibility, 3 variants
    EXPECT_TRUE(arrowSeen);
    EXPECT_TRUE(thirtyDayHourly);
}

TEST_F(LoaderTest, SampleFilesHoldTheDayGridCases)
{
    // The reference station with manual ground observes cloud height, cloud forms and
    // visibility in modes whose pages show blank grids.
    ASSERT_TRUE(load(1, "A58362-200303.TXT"));
    EXPECT_EQ(c().state.StationKind, 4);
    EXPECT_NE(c().tables.AfileMode(7), "B");
    EXPECT_NE(c().tables.AfileMode(8), "A");
    EXPECT_NE(c().tables.AfileMode(9), "A");

    // Accumulation runs: one ending in an amount, one reaching the last interval, an "A" in
    // the last interval alone and a "-" outside any run.
    ASSERT_TRUE(load(1, "A50953-200303.TXT"));
    const TextTable& p = c().tables.AHourlyPrecipitation;
    int endingInAmount = 0, reachingLast = 0, lastAlone = 0, stray = 0;
    for (int d = 1; d <= 31; ++d) {
        bool inRun = false;
        for (int m = 1; m <= 24; ++m) {
            const QString& cell = p(d, m);
            if (cell == u"-" && !inRun)
                ++stray;
            if (inRun && cell != u"-" && !cell.isEmpty() && cell != u"A")
                ++endingInAmount;
            if (cell == u"A" && m == 24)
                ++lastAlone;
            inRun = cell == u"A" || (inRun && cell == u"-");
        }
        reachingLast += inRun && p(d, 24) == u"-";
    }
    EXPECT_GE(endingInAmount, 1);
    EXPECT_GE(reachingLast, 1);
    EXPECT_GE(lastAlone, 1);
    EXPECT_GE(stray, 1);

    // Cloud forms with the nine symbol codes, an upper-case abbreviation and a long record.
    QStringList codes;
    bool upperCase = false, longRecord = false;
    for (int d = 1; d <= 31; ++d)
        for (int m = 1; m <= 24; ++m) {
            const QStringList items = c().tables.ACloudForm(d, m).split(u' ', Qt::SkipEmptyParts);
            for (const QString& item : items)
                if (QStringList{"31", "42", "38", "39", "04", "05", "06", "07", "10"}.contains(item) && !codes.contains(item))
                    codes << item;
            upperCase |= items.contains(QStringLiteral("CI"));
            longRecord |= items.size() >= 10;
        }
    EXPECT_EQ(codes.size(), 9) << codes.join(u' ').toStdString();
    EXPECT_TRUE(upperCase);
    EXPECT_TRUE(longRecord);
}

}  // namespace
}  // namespace tabulon::testing
