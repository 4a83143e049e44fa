#pragma once
// The report data of the three reports, one table per item under the name the pages use.
// Every value is a preformatted string; the loader fills whole tables through the reader,
// and a few pages rewrite single cells in place (the rewrites go through operator()).

#include "report/Table.h"

namespace tabulon {

// The monthly surface report (A file).
struct ATables {
    ParameterBlock AfilePara{{Bounds{0, 52}}};
    TextList AfileMode{{Bounds{0, 20}}};

    // Element tables (day, item), dimensioned by the reader, in reader-argument order.
    TextTable AStationPressure, AAirTemperature, AWetBulb, AVapourPressure, ARelativeHumidity,
        ADewPoint, ATotalCloud, ALowCloud, ACloudForm, ACloudHeight, AVisibility, APrecipitation,
        AWeather, AWind, AGroundTemperature, AGrassTemperature, AGroundState, ASoilTemp5cm,
        ASoilTemp10cm, ASoilTemp15cm, ASoilTemp20cm, ASoilTemp40cm, ASoilTemp80cm, ASoilTemp160cm,
        ASoilTemp320cm, AEvaporation, AEvaporationE601B, ASeaLevelPressure, ASnow, AMaxWind,
        AFrozenSoil, AWireIcing, AHourlyPrecipitation, AWind10Min, ASunshine, AExtraTable1,
        AExtraTable2;

    TextList AStationInfo{{Bounds{1, 12}}};
    TextList ABackCoverNotes, AClimateSummary, AStationChanges;

    // Statistics.
    TextTable ADailyStat{{Bounds{1, 31}, Bounds{1, 40}}};
    TextTable ADekadStat{{Bounds{1, 4}, Bounds{1, 463}}};
    TextList AMonthStat{{Bounds{1, 86}}};
    TextCube ACloudClassStat{{Bounds{1, 2}, Bounds{1, 5}, Bounds{1, 3}}};
    TextTable AVisibilityClassStat{{Bounds{1, 4}, Bounds{1, 5}}};
    TextList AWeatherDayCount{{Bounds{1, 25}}};
    QString AHourlyPrecipTotal;
    TextCube AWindDirectionStat{{Bounds{1, 28}, Bounds{1, 17}, Bounds{1, 3}}};
    TextList AWind10MinMonthRow{{Bounds{1, 26}}};
    TextList ASunshineStat{{Bounds{1, 3}}};
    float AStatResult = 0;
};

// The monthly radiation report (R file).
struct RTables {
    ParameterBlock RfilePara{{Bounds{1, 12}}};
    TextTable RTotalRadiation, RNetRadiation, RDiffuseRadiation, RDirectRadiation, RReflectedRadiation;
    TextTable RInstruments;                    // (field 1..8, instrument): name, model, number,
                                               // certificate K, t, R, last calibration, start of work
    TextList RSiteDescription, RSiteDescription2, RExtraTable;
    TextTable RNotes;                          // (day, field): 1 surface-layer code, 2 remark
    TextList RStationInfo{{Bounds{1, 17}}};
    TextTable RMonthStat{{Bounds{1, 2}, Bounds{1, 128}}};
    TextList RMonthExtremes{{Bounds{1, 24}}};
};

// The yearly surface report (Y file).
struct YTables {
    ParameterBlock YfilePara{{Bounds{1, 16}}};
    TextTable YMonthStat{{Bounds{1, 13}, Bounds{1, 150}}};
    TextTable YMaxPrecipitation{{Bounds{1, 15}, Bounds{1, 5}}};
    TextTable YFirstLastDates{{Bounds{1, 9}, Bounds{1, 4}}};
    TextCube YWindStat{{Bounds{1, 12}, Bounds{1, 17}, Bounds{1, 5}}};
    TextTable YWindYearRow{{Bounds{1, 17}, Bounds{1, 6}}};
    TextList YStationInfo{{Bounds{1, 11}}};
    TextList YClimateSummary, YNotes, YInstruments;
};

// All three sets. A load replaces only the set of its own report kind.
struct ReportTables : ATables, RTables, YTables {};

}  // namespace tabulon
