#include "toolkit/Renderers.h"

#include "platform/ReportError.h"

#include <map>

namespace tabulon {

namespace {
std::map<RendererId, RendererFn>& registry()
{
    static std::map<RendererId, RendererFn> renderers;
    return renderers;
}
}  // namespace

QString RendererName(RendererId id)
{
    static const char* const names[] = {
        "PrintCover", "PrintBackCover", "PrintStationPressure", "PrintTemperature",
        "PrintRelativeHumidity", "PrintCloudAmount", "PrintTwoMinuteWind", "PrintHourlyWithMeans",
        "PrintHourlyGrid", "PrintCloudForm", "PrintVisibility", "PrintSelfRecordingPrecipitation",
        "PrintTenMinuteWind", "PrintE601BEvaporation", "PrintPrecipitationEvaporationSnow",
        "PrintWindStatistics", "PrintPressureTemperatureHumidity", "PrintCloudAmountFormHeight",
        "PrintVisibilityPrecipitationWeather", "PrintEvaporationSnowIcingWind",
        "PrintGroundTemperatures", "PrintFrozenSoilSunshine", "PrintWeatherPhenomena",
        "PrintVisibilityAndWeather", "PrintMonthlyBrief1", "PrintMonthlyBrief2",
        "PrintMonthlyBrief3", "PrintRadiationInstrumentsPage", "PrintRadiationTotalPage",
        "PrintRadiationNetPage", "PrintRadiationDiffusePage", "PrintRadiationDirectPage",
        "PrintRadiationReflectedPage", "PrintYearPage1", "PrintYearPage2", "PrintYearPage3",
        "PrintYearPage4", "PrintYearBackCover",
    };
    const auto i = static_cast<std::size_t>(id);
    return i < std::size(names) ? QString::fromLatin1(names[i]) : QString();
}

bool RegisterRenderer(RendererId id, RendererFn fn)
{
    if (fn)
        registry()[id] = std::move(fn);
    else
        registry().erase(id);
    return true;
}

RendererFn RegisteredRenderer(RendererId id)
{
    auto it = registry().find(id);
    return it == registry().end() ? RendererFn{} : it->second;
}

bool IsRendererAvailable(RendererId id)
{
    return registry().count(id) != 0;
}

void CallRenderer(RendererId id, Component& c, const RendererArgs& args)
{
    auto it = registry().find(id);
    if (it == registry().end())
        throw ReportError(ErrorNumber::PageNotAvailable,
                          QStringLiteral("本页尚未提供(") + RendererName(id) + QStringLiteral(")"));
    it->second(c, args);
}

}  // namespace tabulon
