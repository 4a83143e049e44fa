#include "outside/DataReader.h"

namespace tabulon {

AElementTables AElementTables::of(ATables& t)
{
    return AElementTables{
        .AStationPressure = t.AStationPressure, .AAirTemperature = t.AAirTemperature,
        .AWetBulb = t.AWetBulb, .AVapourPressure = t.AVapourPressure,
        .ARelativeHumidity = t.ARelativeHumidity, .ADewPoint = t.ADewPoint,
        .ATotalCloud = t.ATotalCloud, .ALowCloud = t.ALowCloud, .ACloudForm = t.ACloudForm,
        .ACloudHeight = t.ACloudHeight, .AVisibility = t.AVisibility,
        .APrecipitation = t.APrecipitation, .AWeather = t.AWeather, .AWind = t.AWind,
        .AGroundTemperature = t.AGroundTemperature, .AGrassTemperature = t.AGrassTemperature,
        .AGroundState = t.AGroundState, .ASoilTemp5cm = t.ASoilTemp5cm,
        .ASoilTemp10cm = t.ASoilTemp10cm, .ASoilTemp15cm = t.ASoilTemp15cm,
        .ASoilTemp20cm = t.ASoilTemp20cm, .ASoilTemp40cm = t.ASoilTemp40cm,
        .ASoilTemp80cm = t.ASoilTemp80cm, .ASoilTemp160cm = t.ASoilTemp160cm,
        .ASoilTemp320cm = t.ASoilTemp320cm, .AEvaporation = t.AEvaporation,
        .AEvaporationE601B = t.AEvaporationE601B, .ASeaLevelPressure = t.ASeaLevelPressure,
        .ASnow = t.ASnow, .AMaxWind = t.AMaxWind, .AFrozenSoil = t.AFrozenSoil,
        .AWireIcing = t.AWireIcing, .AHourlyPrecipitation = t.AHourlyPrecipitation,
        .AWind10Min = t.AWind10Min, .ASunshine = t.ASunshine, .AExtraTable1 = t.AExtraTable1,
        .AExtraTable2 = t.AExtraTable2,
    };
}

std::array<TextTable*, 37> AElementTables::all() const
{
    return {&AStationPressure, &AAirTemperature, &AWetBulb, &AVapourPressure, &ARelativeHumidity,
            &ADewPoint, &ATotalCloud, &ALowCloud, &ACloudForm, &ACloudHeight, &AVisibility,
            &APrecipitation, &AWeather, &AWind, &AGroundTemperature, &AGrassTemperature,
            &AGroundState, &ASoilTemp5cm, &ASoilTemp10cm, &ASoilTemp15cm, &ASoilTemp20cm,
            &ASoilTemp40cm, &ASoilTemp80cm, &ASoilTemp160cm, &ASoilTemp320cm, &AEvaporation,
            &AEvaporationE601B, &ASeaLevelPressure, &ASnow, &AMaxWind, &AFrozenSoil, &AWireIcing,
            &AHourlyPrecipitation, &AWind10Min, &ASunshine, &AExtraTable1, &AExtraTable2};
}

AList AList::of(ATables& t)
{
    return AList{
        .AfilePara = t.AfilePara, .AfileMode = t.AfileMode, .elements = AElementTables::of(t),
        .AStationInfo = t.AStationInfo, .ABackCoverNotes = t.ABackCoverNotes,
        .AClimateSummary = t.AClimateSummary, .AStationChanges = t.AStationChanges,
    };
}

AStatisticsList AStatisticsList::of(ATables& t)
{
    return AStatisticsList{
        .ADailyStat = t.ADailyStat, .ADekadStat = t.ADekadStat, .AMonthStat = t.AMonthStat,
        .ACloudClassStat = t.ACloudClassStat, .AVisibilityClassStat = t.AVisibilityClassStat,
        .AWeatherDayCount = t.AWeatherDayCount, .AHourlyPrecipTotal = t.AHourlyPrecipTotal,
        .AWindDirectionStat = t.AWindDirectionStat, .AWind10MinMonthRow = t.AWind10MinMonthRow,
        .ASunshineStat = t.ASunshineStat,
    };
}

}  // namespace tabulon
