// The bundled sample files agree with themselves: the statistics stored in them are the
// ones their day values give, so pages show consistent numbers.

#include "platform/RecordingSurface.h"
#include "toolkit/BackCover.h"
#include "toolkit/ClimateSummary.h"
#include "toolkit/Numeric.h"
#include "window/DataFileNames.h"
#include "window/LoaderFixture.h"

#include <QDir>
#include <QRegularExpression>

#include <cmath>

using namespace tabulon;
using namespace tabulon::testing;

namespace {

double Number(const QString& text) { return Val(text); }

}  // namespace

TEST_F(LoaderTest, MonthStatisticsAgreeWithTheDayValues)
{
    for (const char* file : {"A54511-200303.TXT", "A54511-200302.TXT", "A50953-200303.TXT"}) {
        SCOPED_TRACE(file);
        ASSERT_TRUE(load(1, QString::fromLatin1(file)));
        const ATables& a = c().tables;
        const int days = a.AfilePara(4).toInt();
        const int maxItem = a.AAirTemperature.ubound(2) == 6 ? 5 : 25;   // four a day or hourly
        const int minItem = a.AAirTemperature.ubound(2) == 28 ? 27 : maxItem + 1;

        double highest = -1e9, lowest = 1e9, rain = 0;
        int highestDay = 0, rainDays = 0;
        for (int d = 1; d <= days; ++d) {
            const double high = Number(a.AAirTemperature(d, maxItem));
            if (high > highest) {
                highest = high;
                highestDay = d;
            }
            lowest = std::min(lowest, Number(a.AAirTemperature(d, minItem)));
            rain += Number(a.APrecipitation(d, 3));
            rainDays += Number(a.APrecipitation(d, 3)) >= 1;
            // The daily extremes enclose the readings of the day.
            for (int i = 1; i < maxItem; ++i) {
                EXPECT_LE(Number(a.AAirTemperature(d, i)), high) << d << "," << i;
                EXPECT_GE(Number(a.AAirTemperature(d, i)), Number(a.AAirTemperature(d, minItem)));
            }
        }
        EXPECT_EQ(Number(a.AMonthStat(5)), highest);
        EXPECT_EQ(Number(a.AMonthStat(6)), highestDay);
        EXPECT_EQ(Number(a.AMonthStat(7)), lowest);
        EXPECT_EQ(Number(a.AMonthStat(27)), rainDays);   // days with at least 0.1 mm
        double pentads = 0;
        for (int p = 21; p <= 26; ++p)
            pentads += Number(a.AMonthStat(p));
        EXPECT_NEAR(pentads, rain, 6);   // each pentad rounded to 0.1 mm
        EXPECT_TRUE(a.AStationPressure(days, 1).size() > 0);
        if (days < 31)
            EXPECT_TRUE(a.AStationPressure(days + 1, 1).isEmpty());
    }
}

TEST_F(LoaderTest, DailyMeansAreTheMeansOfTheFixedHours)
{
    ASSERT_TRUE(load(1, "A54511-200303.TXT"));
    const ATables& a = c().tables;
    for (int d = 1; d <= 31; ++d) {
        double sum = 0;
        int n = 0;
        for (int i = 1; i <= 4; ++i) {
            if (a.AAirTemperature(d, i) == u"-")
                continue;
            sum += Number(a.AAirTemperature(d, i));
            ++n;
        }
        // Both are rounded to 0.1 degree, so they may differ by one in the last place.
        EXPECT_NEAR(Number(a.ADailyStat(d, 3)), sum / n, 1.01) << d;
    }
    // The kind-1 file has its fill marks where the pages expect them.
    EXPECT_EQ(a.AStationPressure(9, 1), "-");
    EXPECT_EQ(a.AWind(15, 2), "-/-");
    EXPECT_EQ(a.AWetBulb(19, 3), " , ");
}

TEST(SampleFolder, TheChooserListsEverySampleFileUnderItsKind)
{
    const QString folder = SampleFolder();
    EXPECT_EQ(ListDataFiles(folder, "A"),
              QStringList({"A50953-200302.TXT", "A50953-200303.TXT", "A54511-200302.TXT", "A54511-200303.TXT",
                           "A56294-200303-0.TXT", "A57494-200303.TXT", "A57494-200304.TXT", "A58362-200303.TXT"}));
    EXPECT_EQ(ListDataFiles(folder, "R"),
              QStringList({"R54511-200302.TXT", "R54511-200303.TXT", "R56294-200303.TXT",
                           "R57494-200303.TXT"}));
    EXPECT_EQ(ListDataFiles(folder, "Y"), QStringList({"Y54511-2003.TXT", "Y57494-2003.TXT"}));
    EXPECT_TRUE(QFile::exists(QStringLiteral(TABULON_SOURCE_DIR "/data/sample/system/SysConfig/UserOpt.ini")));
}

TEST_F(LoaderTest, BackCoverListsCarryEveryStationChangeAndBothLayouts)
{
    QSet<QString> codes;
    for (const char* file : {"A54511-200303.TXT", "A57494-200303.TXT", "A50953-200303.TXT", "A58362-200303.TXT",
                             "A56294-200303-0.TXT"}) {
        SCOPED_TRACE(file);
        ASSERT_TRUE(load(1, QString::fromLatin1(file)));
        const ATables& a = c().tables;
        for (int k = 1; k <= a.AStationChanges.ubound(); ++k)
            codes.insert(a.AStationChanges(k).section(u'/', 0, 0));
        for (int k = 1; k <= a.ABackCoverNotes.ubound() && a.ABackCoverNotes(k) != u"8888"; ++k)
            EXPECT_EQ(a.ABackCoverNotes(k).count(u'/'), 2) << k;   // "k/date/text"
        RecordingSurface surface;
        c().canvas.OutputTarget = &surface;
        c().canvas.SetFont(11, 1);
        EXPECT_EQ(StationHistoryRows(c()) >= 35, QString::fromLatin1(file) == u"A58362-200303.TXT");
    }
    for (const char* code : {"00", "01", "02", "03", "04", "05", "55", "06", "07", "77", "08", "09", "10", "11",
                             "BB", "12", "13"})
        EXPECT_TRUE(codes.contains(QString::fromLatin1(code))) << code;
}

TEST_F(LoaderTest, WindAndEvaporationTablesHaveTheLayoutsTheirPagesRead)
{
    const QStringList files = QDir(SampleFolder()).entryList({QStringLiteral("A*.TXT")}, QDir::Files);
    for (const QString& file : files) {
        SCOPED_TRACE(file.toStdString());
        ASSERT_TRUE(load(1, file));
        const ATables& a = c().tables;
        const int days = a.AfilePara(4).toInt();
        // Maximum and extreme wind: "speed/direction" and a time, twice.
        EXPECT_EQ(a.AMaxWind.ubound(2), 4);
        EXPECT_TRUE(a.AMaxWind(1, 1).contains(u'/'));
        // The 8-8 h amount (the day's 8-20 h and the next day's 20-8 h) and its ten-day totals.
        double firstTenDays = 0;
        for (int d = 1; d <= 10; ++d) {
            firstTenDays += Number(a.ADailyStat(d, 14));
            EXPECT_NEAR(Number(a.ADailyStat(d, 14)), Number(a.APrecipitation(d, 2)) + Number(a.APrecipitation(d + 1, 1)), 1)
                << d;
        }
        EXPECT_NEAR(Number(a.ADekadStat(1, 165)), firstTenDays, 1);
        // The month row under the daily mean speeds holds their month means.
        double means = 0;
        for (int d = 1; d <= days; ++d)
            means += Number(a.ADailyStat(d, 19));
        EXPECT_NEAR(Number(a.AWind10MinMonthRow(26)), means / days, 1);
        // E601B: 25 items a day when read hourly, the total alone otherwise.
        const bool hourly = a.AfileMode(12) == u"A" || a.AfileMode(12) == u"B";
        EXPECT_EQ(a.AEvaporationE601B.ubound(2), hourly ? 25 : 1);
    }
}

// The two yearly files carry the back page's and page four's cases: a manual and an
// automatic station, a summary line with no text and one over 600 characters, no notes,
// instruments on the weighing-gauge and cable lines, codes without a line and a second
// record for one line, and frozen ground deeper than 500 cm.
TEST_F(LoaderTest, YearlyFilesCarryTheBackPageAndFrozenSoilCases)
{
    ASSERT_TRUE(load(3, QStringLiteral("Y54511-2003.TXT")));
    const ReportTables& t = c().tables;
    EXPECT_EQ(t.YfilePara(14).toString(), QStringLiteral("人工"));
    QStringList summary;
    for (int k = 1; k <= t.YClimateSummary.ubound(); ++k)
        summary << t.YClimateSummary(k);
    EXPECT_TRUE(summary.contains(QStringLiteral("2/")));
    QStringList instruments;
    for (int k = 1; k <= t.YInstruments.ubound(); ++k)
        instruments << t.YInstruments(k);
    for (const char* code : {"0/", "14/", "33/", "34/", "35/", "36/", "37/"})
        EXPECT_FALSE(instruments.filter(QRegularExpression(u'^' + QString::fromLatin1(code))).isEmpty()) << code;
    EXPECT_EQ(instruments.filter(QStringLiteral("称重")).size(), 1);
    EXPECT_EQ(instruments.filter(QRegularExpression(QStringLiteral("^33/.*电缆"))).size(), 1);
    EXPECT_EQ(instruments.filter(QRegularExpression(QStringLiteral("^3/"))).size(), 2);
    EXPECT_EQ(t.YMonthStat(1, 142), QStringLiteral("520"));
    EXPECT_EQ(t.YMonthStat(2, 142), QStringLiteral("500"));
    EXPECT_EQ(t.YMonthStat(13, 142), QStringLiteral("520"));

    ASSERT_TRUE(load(3, QStringLiteral("Y57494-2003.TXT")));
    EXPECT_EQ(t.YfilePara(14).toString(), QString());
    EXPECT_EQ(t.YNotes.ubound(), 0);
    EXPECT_GT(ClimateSummaryText(t.YClimateSummary).size(), 600);
}
