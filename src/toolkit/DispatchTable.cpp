#include "toolkit/DispatchTable.h"

#include "report/ReportState.h"

#include <array>
#include <span>

namespace tabulon {

namespace {

using R = RendererId;

constexpr PageEntry P(R id) { return {id, {0, 0}, 0}; }
constexpr PageEntry P(R id, std::int16_t a) { return {id, {a, 0}, 1}; }
constexpr PageEntry P(R id, std::int16_t a, std::int16_t b) { return {id, {a, b}, 2}; }

// The three monthly brief tables close every station kind's report.
#define BRIEF_TABLES P(R::PrintMonthlyBrief1), P(R::PrintMonthlyBrief2), P(R::PrintMonthlyBrief3)

// Manual station.
const PageEntry kManual[] = {
    P(R::PrintCover, 1),
    P(R::PrintPressureTemperatureHumidity),
    P(R::PrintCloudAmountFormHeight, 1),
    P(R::PrintVisibilityPrecipitationWeather),
    P(R::PrintSelfRecordingPrecipitation, 1),
    P(R::PrintTenMinuteWind, 1),
    P(R::PrintEvaporationSnowIcingWind),
    P(R::PrintGroundTemperatures),
    P(R::PrintFrozenSoilSunshine, 1),
    P(R::PrintBackCover, 1),
    BRIEF_TABLES,
};

// Automatic station.
const PageEntry kAutomatic[] = {
    P(R::PrintCover, 2),
    P(R::PrintStationPressure),
    P(R::PrintTemperature, 1, 2),
    P(R::PrintHourlyGrid, 1),
    P(R::PrintHourlyWithMeans, 1, 2),
    P(R::PrintRelativeHumidity),
    P(R::PrintHourlyGrid, 2),
    P(R::PrintCloudAmountFormHeight, 2),
    P(R::PrintVisibilityAndWeather),
    P(R::PrintPrecipitationEvaporationSnow, 2),
    P(R::PrintE601BEvaporation, 2),
    P(R::PrintSelfRecordingPrecipitation, 2),
    P(R::PrintTenMinuteWind, 2),
    P(R::PrintTwoMinuteWind, 2),
    P(R::PrintWindStatistics, 2),
    P(R::PrintTemperature, 2, 2),
    P(R::PrintHourlyWithMeans, 2, 2),
    P(R::PrintHourlyWithMeans, 3, 2),
    P(R::PrintHourlyWithMeans, 4, 2),
    P(R::PrintHourlyWithMeans, 5, 2),
    P(R::PrintHourlyWithMeans, 6, 2),
    P(R::PrintHourlyWithMeans, 7, 2),
    P(R::PrintHourlyWithMeans, 8, 2),
    P(R::PrintHourlyWithMeans, 9, 2),
    P(R::PrintTemperature, 3, 2),
    P(R::PrintFrozenSoilSunshine, 2),
    P(R::PrintBackCover, 2),
    BRIEF_TABLES,
};

// Reference climate station.
const PageEntry kReference[] = {
    P(R::PrintCover, 3),
    P(R::PrintStationPressure),
    P(R::PrintTemperature, 1, 3),
    P(R::PrintHourlyGrid, 1),
    P(R::PrintHourlyWithMeans, 1, 3),
    P(R::PrintRelativeHumidity),
    P(R::PrintHourlyGrid, 2),
    P(R::PrintCloudAmount, -1),
    P(R::PrintCloudAmount, 0),
    P(R::PrintCloudForm, 8, 1),
    P(R::PrintCloudForm, 5, 2),
    P(R::PrintCloudForm, 5, 3),
    P(R::PrintCloudForm, 6, 4),
    P(R::PrintHourlyGrid, 3),
    P(R::PrintVisibility),
    P(R::PrintWeatherPhenomena),
    P(R::PrintPrecipitationEvaporationSnow, 3),
    P(R::PrintE601BEvaporation, 3),
    P(R::PrintSelfRecordingPrecipitation, 3),
    P(R::PrintTenMinuteWind, 3),
    P(R::PrintTwoMinuteWind, 3),
    P(R::PrintWindStatistics, 3),
    P(R::PrintTemperature, 2, 3),
    P(R::PrintHourlyWithMeans, 2, 3),
    P(R::PrintHourlyWithMeans, 3, 3),
    P(R::PrintHourlyWithMeans, 4, 3),
    P(R::PrintHourlyWithMeans, 5, 3),
    P(R::PrintHourlyWithMeans, 6, 3),
    P(R::PrintHourlyWithMeans, 7, 3),
    P(R::PrintHourlyWithMeans, 8, 3),
    P(R::PrintHourlyWithMeans, 9, 3),
    P(R::PrintTemperature, 3, 3),
    P(R::PrintFrozenSoilSunshine, 3),
    P(R::PrintBackCover, 3),
    BRIEF_TABLES,
};

// Reference station that prints the manual ground-temperature page: the reference
// station's first 22 pages, then its own tail; cover and back cover of the reference station.
const PageEntry kReferenceManualGround[] = {
    P(R::PrintCover, 3),
    P(R::PrintStationPressure),
    P(R::PrintTemperature, 1, 3),
    P(R::PrintHourlyGrid, 1),
    P(R::PrintHourlyWithMeans, 1, 3),
    P(R::PrintRelativeHumidity),
    P(R::PrintHourlyGrid, 2),
    P(R::PrintCloudAmount, -1),
    P(R::PrintCloudAmount, 0),
    P(R::PrintCloudForm, 8, 1),
    P(R::PrintCloudForm, 5, 2),
    P(R::PrintCloudForm, 5, 3),
    P(R::PrintCloudForm, 6, 4),
    P(R::PrintHourlyGrid, 3),
    P(R::PrintVisibility),
    P(R::PrintWeatherPhenomena),
    P(R::PrintPrecipitationEvaporationSnow, 3),
    P(R::PrintE601BEvaporation, 3),
    P(R::PrintSelfRecordingPrecipitation, 3),
    P(R::PrintTenMinuteWind, 3),
    P(R::PrintTwoMinuteWind, 3),
    P(R::PrintWindStatistics, 3),
    P(R::PrintGroundTemperatures),
    P(R::PrintTemperature, 3, 4),
    P(R::PrintFrozenSoilSunshine, 4),
    P(R::PrintBackCover, 3),
    BRIEF_TABLES,
};

// Automatic station that prints the manual ground-temperature page; cover and back cover
// of the automatic station.
const PageEntry kAutomaticManualGround[] = {
    P(R::PrintCover, 2),
    P(R::PrintStationPressure),
    P(R::PrintTemperature, 1, 2),
    P(R::PrintHourlyGrid, 1),
    P(R::PrintHourlyWithMeans, 1, 2),
    P(R::PrintRelativeHumidity),
    P(R::PrintHourlyGrid, 2),
    P(R::PrintCloudAmountFormHeight, 2),
    P(R::PrintVisibilityAndWeather),
    P(R::PrintPrecipitationEvaporationSnow, 2),
    P(R::PrintE601BEvaporation, 2),
    P(R::PrintSelfRecordingPrecipitation, 2),
    P(R::PrintTenMinuteWind, 2),
    P(R::PrintTwoMinuteWind, 2),
    P(R::PrintWindStatistics, 2),
    P(R::PrintGroundTemperatures),
    P(R::PrintTemperature, 3, 5),
    P(R::PrintFrozenSoilSunshine, 5),
    P(R::PrintBackCover, 2),
    BRIEF_TABLES,
};

#undef BRIEF_TABLES

const PageEntry kRadiation[] = {
    P(R::PrintCover, 5),
    P(R::PrintRadiationInstrumentsPage),
    P(R::PrintRadiationTotalPage),
    P(R::PrintRadiationNetPage),
    P(R::PrintRadiationDiffusePage),
    P(R::PrintRadiationDirectPage),
    P(R::PrintRadiationReflectedPage),
};

const PageEntry kYearly[] = {
    P(R::PrintCover, 4),
    P(R::PrintYearPage1),
    P(R::PrintYearPage2),
    P(R::PrintYearPage3),
    P(R::PrintYearPage4),
    P(R::PrintYearBackCover),
};

std::span<const PageEntry> PagesOf(int reportKind, int stationKind)
{
    switch (reportKind) {
    case MonthlySurfaceReport:
        switch (stationKind) {
        case ManualStation: return kManual;
        case AutomaticStation: return kAutomatic;
        case ReferenceStation: return kReference;
        case ReferenceManualGround: return kReferenceManualGround;
        case AutomaticManualGround: return kAutomaticManualGround;
        default: return {};
        }
    case MonthlyRadiationReport: return kRadiation;
    case YearlySurfaceReport: return kYearly;
    default: return {};
    }
}

}  // namespace

std::optional<PageEntry> LookupPage(int reportKind, int stationKind, int page)
{
    const std::span<const PageEntry> pages = PagesOf(reportKind, stationKind);
    if (page < 1 || page > static_cast<int>(pages.size()))
        return std::nullopt;
    return pages[static_cast<std::size_t>(page - 1)];
}

QString DescribePageEntry(const PageEntry& entry)
{
    QString text = RendererName(entry.renderer);
    if (entry.argCount == 0)
        return text;
    text += u'(';
    for (int i = 0; i < entry.argCount; ++i) {
        if (i > 0)
            text += QStringLiteral(", ");
        text += QString::number(entry.args[static_cast<std::size_t>(i)]);
    }
    return text + u')';
}

}  // namespace tabulon
