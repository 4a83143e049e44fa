// The bundled files show what the day-grid pages read.
#include "toolkit/DispatchTable.h"
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

// The renderer contract test draws every page of every file; here: every variant of the
// day-grid pages has a file, one of them in a 30-day month.
TEST_F(LoaderTest, EveryDayGridVariantHasASampleFile)
{
    std::set<std::tuple<int, int, int>> variants;   // renderer and arguments
    bool thirtyDayMonth = false;
    for (const QString& file : QDir(SampleFolder()).entryList({QStringLiteral("A*.TXT")}, QDir::Files)) {
        ASSERT_TRUE(load(1, file)) << file.toStdString();
        for (int page = 2; page <= c().state.PageCount; ++page) {
            const auto entry = LookupPage(1, c().state.StationKind, page);
            if (!entry || !IsDayGridRenderer(entry->renderer))
                continue;
            variants.insert({static_cast<int>(entry->renderer), entry->args[0], entry->args[1]});
            thirtyDayMonth |= c().tables.AfilePara(4).toInt() == 30;
        }
    }
    EXPECT_EQ(variants.size(), 3u + 4u + 1u + 3u);   // 3 elements, 4 cloud-form parts, visibility, 3 titles
    EXPECT_TRUE(thirtyDayMonth);
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
