#pragma once
// The page renderers the dispatcher can call, named as the pages are named, and the
// registry through which each page module makes its renderer known. A renderer that no
// module has registered raises "page not available", reported like any page error.

#include <QString>
#include <array>
#include <cstdint>
#include <functional>

namespace tabulon {

class Component;

enum class RendererId {
    PrintCover,
    PrintBackCover,
    // Monthly surface report, hourly element pages.
    PrintStationPressure,
    PrintTemperature,
    PrintRelativeHumidity,
    PrintCloudAmount,
    PrintTwoMinuteWind,
    PrintHourlyWithMeans,
    PrintHourlyGrid,
    PrintCloudForm,
    PrintVisibility,
    PrintSelfRecordingPrecipitation,
    PrintTenMinuteWind,
    PrintE601BEvaporation,
    PrintPrecipitationEvaporationSnow,
    PrintWindStatistics,
    // Monthly surface report, four-times-daily, weather and summary pages.
    PrintPressureTemperatureHumidity,
    PrintCloudAmountFormHeight,
    PrintVisibilityPrecipitationWeather,
    PrintEvaporationSnowIcingWind,
    PrintGroundTemperatures,
    PrintFrozenSoilSunshine,
    PrintWeatherPhenomena,
    PrintVisibilityAndWeather,
    PrintMonthlyBrief1,
    PrintMonthlyBrief2,
    PrintMonthlyBrief3,
    // Monthly radiation report.
    PrintRadiationInstrumentsPage,
    PrintRadiationTotalPage,
    PrintRadiationNetPage,
    PrintRadiationDiffusePage,
    PrintRadiationDirectPage,
    PrintRadiationReflectedPage,
    // Yearly surface report.
    PrintYearPage1,
    PrintYearPage2,
    PrintYearPage3,
    PrintYearPage4,
    PrintYearBackCover,
};

// Up to two small integer arguments, as the dispatch table gives them.
using RendererArgs = std::array<std::int16_t, 2>;
using RendererFn = std::function<void(Component&, const RendererArgs&)>;

QString RendererName(RendererId id);

// Called once per renderer by its page module (at library load):
//   const bool registered = RegisterRenderer(RendererId::PrintX, [](Component& c, const RendererArgs& a) { ... });
// An empty fn takes the renderer out again. Returns true.
bool RegisterRenderer(RendererId id, RendererFn fn);

// The renderer registered now (empty when none), so a caller can put it back later.
RendererFn RegisteredRenderer(RendererId id);

// Runs the registered renderer; raises ReportError(PageNotAvailable) when none is.
void CallRenderer(RendererId id, Component& c, const RendererArgs& args);
bool IsRendererAvailable(RendererId id);

}  // namespace tabulon
