#include "toolkit/DispatchTable.h"

#include <gtest/gtest.h>

using namespace tabulon;

namespace {

// The page table as the report layouts list it, written out independently of the code.
// Page n is row n - 1; columns are station kinds 1 to 5.
const char* const MonthlyPages[37][5] = {
    {"PrintCover(1)", "PrintCover(2)", "PrintCover(3)", "PrintCover(3)", "PrintCover(2)"},
    {"PrintPressureTemperatureHumidity", "PrintStationPressure", "PrintStationPressure", "PrintStationPressure", "PrintStationPressure"},
    {"PrintCloudAmountFormHeight(1)", "PrintTemperature(1, 2)", "PrintTemperature(1, 3)", "PrintTemperature(1, 3)", "PrintTemperature(1, 2)"},
    {"PrintVisibilityPrecipitationWeather", "PrintHourlyGrid(1)", "PrintHourlyGrid(1)", "PrintHourlyGrid(1)", "PrintHourlyGrid(1)"},
    {"PrintSelfRecordingPrecipitation(1)", "PrintHourlyWithMeans(1, 2)", "PrintHourlyWithMeans(1, 3)", "PrintHourlyWithMeans(1, 3)", "PrintHourlyWithMeans(1, 2)"},
    {"PrintTenMinuteWind(1)", "PrintRelativeHumidity", "PrintRelativeHumidity", "PrintRelativeHumidity", "PrintRelativeHumidity"},
    {"PrintEvaporationSnowIcingWind", "PrintHourlyGrid(2)", "PrintHourlyGrid(2)", "PrintHourlyGrid(2)", "PrintHourlyGrid(2)"},
    {"PrintGroundTemperatures", "PrintCloudAmountFormHeight(2)", "PrintCloudAmount(-1)", "PrintCloudAmount(-1)", "PrintCloudAmountFormHeight(2)"},
    {"PrintFrozenSoilSunshine(1)", "PrintVisibilityAndWeather", "PrintCloudAmount(0)", "PrintCloudAmount(0)", "PrintVisibilityAndWeather"},
    {"PrintBackCover(1)", "PrintPrecipitationEvaporationSnow(2)", "PrintCloudForm(8, 1)", "PrintCloudForm(8, 1)", "PrintPrecipitationEvaporationSnow(2)"},
    {"PrintMonthlyBrief1", "PrintE601BEvaporation(2)", "PrintCloudForm(5, 2)", "PrintCloudForm(5, 2)", "PrintE601BEvaporation(2)"},
    {"PrintMonthlyBrief2", "PrintSelfRecordingPrecipitation(2)", "PrintCloudForm(5, 3)", "PrintCloudForm(5, 3)", "PrintSelfRecordingPrecipitation(2)"},
    {"PrintMonthlyBrief3", "PrintTenMinuteWind(2)", "PrintCloudForm(6, 4)", "PrintCloudForm(6, 4)", "PrintTenMinuteWind(2)"},
    {"", "PrintTwoMinuteWind(2)", "PrintHourlyGrid(3)", "PrintHourlyGrid(3)", "PrintTwoMinuteWind(2)"},
    {"", "PrintWindStatistics(2)", "PrintVisibility", "PrintVisibility", "PrintWindStatistics(2)"},
    {"", "PrintTemperature(2, 2)", "PrintWeatherPhenomena", "PrintWeatherPhenomena", "PrintGroundTemperatures"},
    {"", "PrintHourlyWithMeans(2, 2)", "PrintPrecipitationEvaporationSnow(3)", "PrintPrecipitationEvaporationSnow(3)", "PrintTemperature(3, 5)"},
    {"", "PrintHourlyWithMeans(3, 2)", "PrintE601BEvaporation(3)", "PrintE601BEvaporation(3)", "PrintFrozenSoilSunshine(5)"},
    {"", "PrintHourlyWithMeans(4, 2)", "PrintSelfRecordingPrecipitation(3)", "PrintSelfRecordingPrecipitation(3)", "PrintBackCover(2)"},
    {"", "PrintHourlyWithMeans(5, 2)", "PrintTenMinuteWind(3)", "PrintTenMinuteWind(3)", "PrintMonthlyBrief1"},
    {"", "PrintHourlyWithMeans(6, 2)", "PrintTwoMinuteWind(3)", "PrintTwoMinuteWind(3)", "PrintMonthlyBrief2"},
    {"", "PrintHourlyWithMeans(7, 2)", "PrintWindStatistics(3)", "PrintWindStatistics(3)", "PrintMonthlyBrief3"},
    {"", "PrintHourlyWithMeans(8, 2)", "PrintTemperature(2, 3)", "PrintGroundTemperatures", ""},
    {"", "PrintHourlyWithMeans(9, 2)", "PrintHourlyWithMeans(2, 3)", "PrintTemperature(3, 4)", ""},
    {"", "PrintTemperature(3, 2)", "PrintHourlyWithMeans(3, 3)", "PrintFrozenSoilSunshine(4)", ""},
    {"", "PrintFrozenSoilSunshine(2)", "PrintHourlyWithMeans(4, 3)", "PrintBackCover(3)", ""},
    {"", "PrintBackCover(2)", "PrintHourlyWithMeans(5, 3)", "PrintMonthlyBrief1", ""},
    {"", "PrintMonthlyBrief1", "PrintHourlyWithMeans(6, 3)", "PrintMonthlyBrief2", ""},
    {"", "PrintMonthlyBrief2", "PrintHourlyWithMeans(7, 3)", "PrintMonthlyBrief3", ""},
    {"", "PrintMonthlyBrief3", "PrintHourlyWithMeans(8, 3)", "", ""},
    {"", "", "PrintHourlyWithMeans(9, 3)", "", ""},
    {"", "", "PrintTemperature(3, 3)", "", ""},
    {"", "", "PrintFrozenSoilSunshine(3)", "", ""},
    {"", "", "PrintBackCover(3)", "", ""},
    {"", "", "PrintMonthlyBrief1", "", ""},
    {"", "", "PrintMonthlyBrief2", "", ""},
    {"", "", "PrintMonthlyBrief3", "", ""},
};
// Columns: the radiation report, the yearly report.
const char* const OtherPages[7][2] = {
    {"PrintCover(5)", "PrintCover(4)"},
    {"PrintRadiationInstrumentsPage", "PrintYearPage1"},
    {"PrintRadiationTotalPage", "PrintYearPage2"},
    {"PrintRadiationNetPage", "PrintYearPage3"},
    {"PrintRadiationDiffusePage", "PrintYearPage4"},
    {"PrintRadiationDirectPage", "PrintYearBackCover"},
    {"PrintRadiationReflectedPage", ""},
};

QString Lookup(int reportKind, int stationKind, int page)
{
    const auto entry = LookupPage(reportKind, stationKind, page);
    return entry ? DescribePageEntry(*entry) : QString();
}

}  // namespace

TEST(DispatchTable, EveryMonthlyPageOfEveryStationKind)
{
    const int pageCounts[5] = {13, 30, 37, 29, 22};
    for (int kind = 1; kind <= 5; ++kind) {
        for (int page = 1; page <= 37; ++page) {
            const QString expected = QString::fromUtf8(MonthlyPages[page - 1][kind - 1]);
            EXPECT_EQ(Lookup(1, kind, page), expected) << "kind " << kind << " page " << page;
        }
        // The last page of each kind is filled, the one after it is not.
        EXPECT_FALSE(Lookup(1, kind, pageCounts[kind - 1]).isEmpty()) << "kind " << kind;
        EXPECT_TRUE(Lookup(1, kind, pageCounts[kind - 1] + 1).isEmpty()) << "kind " << kind;
        EXPECT_EQ(Lookup(1, kind, pageCounts[kind - 1]), "PrintMonthlyBrief3");
    }
}

TEST(DispatchTable, RadiationAndYearlyPages)
{
    for (int page = 1; page <= 7; ++page) {
        // The station kind is not read for these reports.
        for (int stationKind : {0, 1, 3, 9}) {
            EXPECT_EQ(Lookup(2, stationKind, page), QString::fromUtf8(OtherPages[page - 1][0])) << page;
            EXPECT_EQ(Lookup(3, stationKind, page), QString::fromUtf8(OtherPages[page - 1][1])) << page;
        }
    }
    EXPECT_TRUE(Lookup(2, 3, 8).isEmpty());
}

TEST(DispatchTable, NamedPagesWithTheirArguments)
{
    const auto cover = LookupPage(1, 4, 1);
    ASSERT_TRUE(cover);
    EXPECT_EQ(cover->renderer, RendererId::PrintCover);
    EXPECT_EQ(cover->args[0], 3);
    EXPECT_EQ(Lookup(1, 4, 23), "PrintGroundTemperatures");
    EXPECT_EQ(Lookup(1, 4, 26), "PrintBackCover(3)");
    EXPECT_EQ(Lookup(1, 5, 1), "PrintCover(2)");
    EXPECT_EQ(Lookup(1, 5, 19), "PrintBackCover(2)");
    const auto temperature = LookupPage(1, 5, 17);
    ASSERT_TRUE(temperature);
    EXPECT_EQ(temperature->renderer, RendererId::PrintTemperature);
    EXPECT_EQ(temperature->args, (RendererArgs{3, 5}));
    EXPECT_EQ(Lookup(1, 3, 10), "PrintCloudForm(8, 1)");
    EXPECT_EQ(LookupPage(1, 3, 8)->args[0], -1);   // isTotal true
}

TEST(DispatchTable, PagesOutsideTheTableHaveNoEntry)
{
    for (int page : {0, -1, -32768, 38, 32767})
        EXPECT_FALSE(LookupPage(1, 3, page)) << page;
    EXPECT_FALSE(LookupPage(3, 0, 7));
    for (int stationKind : {0, 6, -1})
        EXPECT_FALSE(LookupPage(1, stationKind, 1)) << stationKind;
    for (int reportKind : {0, 4, -1})
        EXPECT_FALSE(LookupPage(reportKind, 1, 1)) << reportKind;
}
