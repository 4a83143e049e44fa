#include "window/LoaderFixture.h"

#include "platform/ObjectFactory.h"

using namespace tabulon;
using namespace tabulon::testing;
using nlohmann::json;

namespace {

const QString AFailure = QStringLiteral("A文件读取不成功,请检查A文件格式是否正确");
const QString RFailure = QStringLiteral("R文件读取不成功,请检查R文件格式是否正确");

std::optional<std::int16_t> KindFor(const QVariant& manual, const QVariant& observations,
                                    const QString& stationClass, const QString& shallow,
                                    const QString& deep = QString())
{
    ATables a;
    a.AfilePara(17) = manual;
    a.AfilePara(16) = observations;
    a.AfilePara(15) = stationClass;
    a.AfileMode(16) = shallow;
    a.AfileMode(17) = deep;
    return StationKindOf(a.AfilePara, a.AfileMode);
}

}  // namespace

TEST(StationKind, EveryTestThatHoldsSetsTheKindAndTheLastWins)
{
    const QString manual = QStringLiteral("人工");
    const QString automatic = QStringLiteral("自动");
    const QString reference = QStringLiteral("基准站");
    EXPECT_EQ(KindFor(manual, 4, "", ""), 1);
    EXPECT_EQ(KindFor(manual, 3, "", "B"), 1);
    EXPECT_EQ(KindFor(automatic, 4, "", "9", "9"), 5);
    EXPECT_EQ(KindFor(automatic, 4, "", "B"), 2);
    EXPECT_EQ(KindFor(automatic, 4, "", "9", "B"), 2);
    EXPECT_EQ(KindFor(automatic, 8, reference, "B"), 3);
    EXPECT_EQ(KindFor(automatic, 24, reference, "B"), 3);
    EXPECT_EQ(KindFor(automatic, 24, reference, "9"), 4);
    EXPECT_EQ(KindFor(manual, 24, reference, ""), 4);
    // A text that holds a number counts as that number.
    EXPECT_EQ(KindFor(manual, QStringLiteral("4"), "", ""), 1);

    // No test holds: a manual station with 24 observations that is not a reference station,
    // or an automatic one with 24 observations.
    EXPECT_EQ(KindFor(manual, 24, "", ""), std::nullopt);
    EXPECT_EQ(KindFor(automatic, 24, "", "B"), std::nullopt);
    EXPECT_EQ(KindFor(manual, 8, "", ""), std::nullopt);

    // The observation count is compared as a number.
    EXPECT_THROW(KindFor(manual, QStringLiteral("four"), "", ""), ReportError);

    EXPECT_EQ(SurfacePageCount(1), 13);
    EXPECT_EQ(SurfacePageCount(5), 22);
    EXPECT_EQ(SurfacePageCount(0), std::nullopt);
    EXPECT_EQ(RadiationPageCount(2), 4);
    EXPECT_EQ(RadiationPageCount(4), std::nullopt);
}

TEST_F(LoaderTest, EverySampleFileLoadsWithTheKindItWasMadeFor)
{
    struct Case {
        int reportKind;
        const char* file;
        int stationKind;
        int pages;
    };
    const Case cases[] = {
        {1, "A54511-200303.TXT", 1, 13}, {1, "A54511-200302.TXT", 1, 13},
        {1, "A57494-200303.TXT", 2, 30}, {1, "A50953-200303.TXT", 3, 37},
        {1, "A57494-200304.TXT", 2, 30}, {1, "A50953-200302.TXT", 3, 37},
        {1, "A58362-200303.TXT", 4, 29}, {1, "A56294-200303-0.TXT", 5, 22},
        {2, "R54511-200303.TXT", 1, 7},  {2, "R54511-200302.TXT", 1, 7},
        {2, "R57494-200303.TXT", 2, 4},
        {2, "R56294-200303.TXT", 3, 3},  {3, "Y54511-2003.TXT", 1, 6},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.file);
        c().state.CurrentPage = 9;
        c().state.StationKind = 1;   // the yearly report leaves the kind alone
        EXPECT_TRUE(load(k.reportKind, QString::fromLatin1(k.file)));
        EXPECT_TRUE(messages->shown.empty()) << messages->shown.front().text.toStdString();
        messages->shown.clear();
        EXPECT_EQ(c().state.StationKind, k.stationKind);
        EXPECT_EQ(c().state.PageCount, k.pages);
        EXPECT_EQ(c().state.CurrentPage, 1);
    }
    // The last A load is still there: its path, its statistics, its month.
    const ATables& a = c().tables;
    EXPECT_EQ(a.AfilePara(1).toString(), SampleFolder() + "A56294-200303-0.TXT");
    EXPECT_EQ(a.AfilePara(6), QVariant(true));
    EXPECT_EQ(a.AfilePara(7).toString(), "56294");
    EXPECT_FALSE(a.AMonthStat(1).isEmpty());
    EXPECT_FALSE(a.ADekadStat(4, 1).isEmpty());
    EXPECT_EQ(c().tables.YfilePara(4), QVariant(true));
    EXPECT_EQ(c().tables.RfilePara(11).toInt(), 3);
}

TEST_F(LoaderTest, TheFebruaryFileHas28DaysAndBlankRowsAfterThem)
{
    ASSERT_TRUE(load(1, "A54511-200302.TXT"));
    const ATables& a = c().tables;
    EXPECT_EQ(a.AfilePara(4).toInt(), 28);
    EXPECT_EQ(a.AfilePara(3).toInt(), 2);
    EXPECT_FALSE(a.AStationPressure(28, 1).isEmpty());
    EXPECT_TRUE(a.AStationPressure(29, 1).isEmpty());
    EXPECT_EQ(a.AStationPressure.ubound(1), 31);
}

TEST_F(LoaderTest, LoneCommasOfTheWetBulbBecomeEmptyAndOtherTextsStay)
{
    ASSERT_TRUE(load(1, "A54511-200303.TXT"));
    const TextTable& wet = c().tables.AWetBulb;
    EXPECT_EQ(wet(4, 1), "");
    EXPECT_EQ(wet(18, 2), "");
    EXPECT_EQ(wet(19, 3), " , ");
    for (int d = 1; d <= wet.ubound(1); ++d)
        for (int i = 1; i <= wet.ubound(2); ++i)
            EXPECT_NE(wet(d, i), ",");
}

TEST_F(LoaderTest, AFailedAReadWarnsAndKeepsTheShownReport)
{
    ASSERT_TRUE(load(1, "A54511-200303.TXT"));
    const QString pressure = c().tables.AStationPressure(1, 1);
    c().state.CurrentPage = 5;

    EXPECT_FALSE(load(1, "A99999-200303.TXT"));   // no such file
    EXPECT_FALSE(loadBytes(1, "A54511-200304.TXT", "not json at all"));
    ASSERT_EQ(messages->shown.size(), 2u);
    for (const auto& box : messages->shown) {
        EXPECT_EQ(box.text, AFailure);
        EXPECT_EQ(box.title, "读取A文件");
        EXPECT_EQ(box.style, 49);
    }
    EXPECT_EQ(c().state.StationKind, 1);
    EXPECT_EQ(c().state.PageCount, 13);
    EXPECT_EQ(c().state.CurrentPage, 5);
    EXPECT_EQ(c().tables.AStationPressure(1, 1), pressure);
    EXPECT_EQ(c().tables.AfilePara(7).toString(), "54511");
    EXPECT_EQ(c().tables.AfilePara(6), QVariant(true));
}

TEST_F(LoaderTest, DaysInTheMonthOutside28To31OrBeyondTheDayRowsFailTheRead)
{
    json doc = SampleJson("A54511-200303.TXT");
    json& para = doc["tables"]["AfilePara"]["cells"];
    for (int days : {27, 32, 0}) {
        para[4] = days;
        EXPECT_FALSE(loadJson(1, "A54511-200303.TXT", doc)) << days;
    }
    // A month of 31 days whose station-pressure table has only 30 day rows.
    para[4] = 31;
    json& pressure = doc["tables"]["AStationPressure"];
    pressure["bounds"][0][1] = 30;
    pressure["cells"].erase(pressure["cells"].size() - 1);
    EXPECT_FALSE(loadJson(1, "A54511-200303.TXT", doc));
    ASSERT_EQ(messages->shown.size(), 4u);
    EXPECT_EQ(messages->titles(), QStringList(4, QStringLiteral("读取A文件")));
    EXPECT_EQ(c().state.StationKind, 0);
}

TEST_F(LoaderTest, AFileOfNoKnownLayoutShowsNothingFirstAndIsRefusedAfterAnEarlierLoad)
{
    json doc = SampleJson("A54511-200303.TXT");
    doc["tables"]["AfilePara"]["cells"][16] = 24;   // manual, 24 a day, not a reference station

    // First load: the tables are taken over, but there is no kind to draw.
    EXPECT_TRUE(loadJson(1, "A54511-200303.TXT", doc));
    EXPECT_TRUE(messages->shown.empty());
    EXPECT_EQ(c().state.StationKind, 0);
    EXPECT_EQ(c().state.PageCount, 0);

    // After a good load the file is refused and the earlier report stays.
    ASSERT_TRUE(load(1, "A57494-200303.TXT"));
    EXPECT_FALSE(loadJson(1, "A54511-200303.TXT", doc));
    ASSERT_EQ(messages->shown.size(), 1u);
    EXPECT_EQ(messages->shown[0].text, AFailure);
    EXPECT_EQ(c().state.StationKind, 2);
    EXPECT_EQ(c().state.PageCount, 30);
    EXPECT_EQ(c().tables.AfilePara(7).toString(), "57494");
}

TEST_F(LoaderTest, RadiationLoadsLeaveTheATablesAlone)
{
    ASSERT_TRUE(load(1, "A54511-200303.TXT"));
    const QString pressure = c().tables.AStationPressure(3, 2);
    ASSERT_TRUE(load(2, "R57494-200303.TXT"));
    EXPECT_EQ(c().state.StationKind, 2);
    EXPECT_EQ(c().state.PageCount, 4);
    EXPECT_EQ(c().tables.AStationPressure(3, 2), pressure);
    EXPECT_EQ(c().tables.AfilePara(7).toString(), "54511");
    EXPECT_EQ(c().tables.RfilePara(1).toString(), SampleFolder() + "R57494-200303.TXT");
    EXPECT_FALSE(c().tables.RMonthStat(1, 25).isEmpty());
}

TEST_F(LoaderTest, RFailuresAndUnknownClasses)
{
    EXPECT_FALSE(loadBytes(2, "R54511-200303.TXT", "{\"format\": 1}"));
    ASSERT_EQ(messages->shown.size(), 1u);
    EXPECT_EQ(messages->shown[0].text, RFailure);
    EXPECT_EQ(messages->shown[0].title, "读取R文件");
    EXPECT_EQ(messages->shown[0].style, 49);
    messages->shown.clear();

    json doc = SampleJson("R54511-200303.TXT");
    doc["tables"]["RfilePara"]["cells"][10] = 4;   // element 11: no such class
    EXPECT_TRUE(loadJson(2, "R54511-200303.TXT", doc));   // first load: nothing to draw
    EXPECT_EQ(c().state.StationKind, 0);

    ASSERT_TRUE(load(2, "R56294-200303.TXT"));
    EXPECT_FALSE(loadJson(2, "R54511-200303.TXT", doc));
    ASSERT_EQ(messages->shown.size(), 1u);
    EXPECT_EQ(messages->shown[0].text, RFailure);
    EXPECT_EQ(c().state.StationKind, 3);
    EXPECT_EQ(c().state.PageCount, 3);
    EXPECT_EQ(c().tables.RfilePara(7).toString(), "56294");
}

TEST_F(LoaderTest, AFailedYReadOnlyWarnsAndTheReportGoesOn)
{
    for (const QByteArray& bytes : {QByteArray("[]"), ReadSample("A54511-200303.TXT")}) {
        c().state.PageCount = 0;
        c().state.CurrentPage = 3;
        EXPECT_TRUE(loadBytes(3, "Y54511-2003.TXT", bytes));
        ASSERT_EQ(messages->shown.size(), 1u);
        EXPECT_EQ(messages->shown[0].text, "Y文件不能正确读取,报表不能完整输出");
        EXPECT_EQ(messages->shown[0].title, "警告");
        EXPECT_EQ(messages->shown[0].style, 16);
        EXPECT_EQ(c().state.PageCount, 6);
        EXPECT_EQ(c().state.CurrentPage, 1);
        EXPECT_EQ(c().tables.YfilePara(4), QVariant(false));
        messages->shown.clear();
    }
}

TEST_F(LoaderTest, AReaderThatCannotBeCreatedIsReportedOnceAndTheChooserStays)
{
    c().objects().setFailing(ProgId::DataReader, true);
    for (int kind : {1, 2, 3}) {
        SCOPED_TRACE(kind);
        messages->shown.clear();
        EXPECT_FALSE(load(kind, kind == 1 ? "A54511-200303.TXT" : kind == 2 ? "R54511-200303.TXT" : "Y54511-2003.TXT"));
        ASSERT_EQ(messages->shown.size(), 1u);
        EXPECT_EQ(messages->shown[0].title, "读报表数据文件");
        EXPECT_EQ(messages->shown[0].style, 16);
        EXPECT_TRUE(messages->shown[0].text.startsWith(QStringLiteral("错误号：429")));
        EXPECT_EQ(c().state.PageCount, 0);
        EXPECT_EQ(c().state.CurrentPage, 0);
    }
}

TEST_F(LoaderTest, AnUnknownReportKindDoesNothing)
{
    EXPECT_FALSE(load(0, "A54511-200303.TXT"));
    EXPECT_FALSE(load(4, "A54511-200303.TXT"));
    EXPECT_TRUE(messages->shown.empty());
    EXPECT_EQ(c().state.CurrentPage, 0);
}
