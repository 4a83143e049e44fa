#pragma once
// The data-file reader "Marlox.ReadWriteFile": reads an A, R or Y data file and hands back
// every value and statistic through the tables it is given by reference. The argument
// lists below keep the reader's fixed argument order; the A lists are bundled in structs
// whose members stand in that order.

#include "platform/ObjectFactory.h"
#include "report/ReportTables.h"

#include <QString>
#include <array>

namespace tabulon {

// The 37 element tables (day, item), in argument order.
struct AElementTables {
    TextTable& AStationPressure;
    TextTable& AAirTemperature;
    TextTable& AWetBulb;
    TextTable& AVapourPressure;
    TextTable& ARelativeHumidity;
    TextTable& ADewPoint;
    TextTable& ATotalCloud;
    TextTable& ALowCloud;
    TextTable& ACloudForm;
    TextTable& ACloudHeight;
    TextTable& AVisibility;
    TextTable& APrecipitation;
    TextTable& AWeather;
    TextTable& AWind;
    TextTable& AGroundTemperature;
    TextTable& AGrassTemperature;
    TextTable& AGroundState;
    TextTable& ASoilTemp5cm;
    TextTable& ASoilTemp10cm;
    TextTable& ASoilTemp15cm;
    TextTable& ASoilTemp20cm;
    TextTable& ASoilTemp40cm;
    TextTable& ASoilTemp80cm;
    TextTable& ASoilTemp160cm;
    TextTable& ASoilTemp320cm;
    TextTable& AEvaporation;
    TextTable& AEvaporationE601B;
    TextTable& ASeaLevelPressure;
    TextTable& ASnow;
    TextTable& AMaxWind;
    TextTable& AFrozenSoil;
    TextTable& AWireIcing;
    TextTable& AHourlyPrecipitation;
    TextTable& AWind10Min;
    TextTable& ASunshine;
    TextTable& AExtraTable1;
    TextTable& AExtraTable2;

    static AElementTables of(ATables& t);
    // The 37 tables in argument order.
    std::array<TextTable*, 37> all() const;
};

// The A list: the 43 arguments of InitiativeAfilePara (and of ReadAfile after SystemPath).
struct AList {
    ParameterBlock& AfilePara;
    TextList& AfileMode;
    AElementTables elements;
    TextList& AStationInfo;
    TextList& ABackCoverNotes;
    TextList& AClimateSummary;
    TextList& AStationChanges;

    static AList of(ATables& t);
};

// The statistics list: the 10 arguments of InitiativeAfileStatistic.
struct AStatisticsList {
    TextTable& ADailyStat;
    TextTable& ADekadStat;
    TextList& AMonthStat;
    TextCube& ACloudClassStat;
    TextTable& AVisibilityClassStat;
    TextList& AWeatherDayCount;
    QString& AHourlyPrecipTotal;
    TextCube& AWindDirectionStat;
    TextList& AWind10MinMonthRow;
    TextList& ASunshineStat;

    static AStatisticsList of(ATables& t);
};

class DataReader : public OutsideObject {
public:
    // Clears and prepares every table of the A list.
    virtual void InitiativeAfilePara(AList a) = 0;
    // Reads the A file named in AfilePara(1); AfilePara(6) becomes True on success.
    virtual void ReadAfile(QString& SystemPath, AList a) = 0;
    // Clears the statistics tables.
    virtual void InitiativeAfileStatistic(AStatisticsList s) = 0;
    // Fills the statistics tables of the file read last.
    virtual void AFileMonthStatistic(ParameterBlock& AfilePara, TextList& AfileMode,
                                     AElementTables elements, AStatisticsList s,
                                     float& AStatResult) = 0;

    // Reads the R file named in RfilePara(1); RfilePara(6) becomes True on success and
    // RfilePara(11) the radiation class. The system passes RSiteDescription2 twice
    // (arguments 10 and 11).
    virtual void ReadRfile(QString& SystemPath, ParameterBlock& RfilePara,
                           TextTable& RTotalRadiation, TextTable& RNetRadiation,
                           TextTable& RDiffuseRadiation, TextTable& RDirectRadiation,
                           TextTable& RReflectedRadiation, TextTable& RInstruments,
                           TextList& RSiteDescription, TextList& RSiteDescription2,
                           TextList& RSiteDescription2Again, TextTable& RNotes,
                           TextList& RStationInfo) = 0;
    // Fills RMonthStat and RMonthExtremes of the R file read last.
    virtual void RFileMonthStatistic(ParameterBlock& RfilePara, TextTable& RTotalRadiation,
                                     TextTable& RNetRadiation, TextTable& RDiffuseRadiation,
                                     TextTable& RDirectRadiation, TextTable& RReflectedRadiation,
                                     TextTable& RInstruments, TextList& RSiteDescription,
                                     TextList& RSiteDescription2, TextList& RExtraTable,
                                     TextTable& RNotes, TextList& RStationInfo,
                                     TextTable& RMonthStat, TextList& RMonthExtremes) = 0;

    // Reads the Y file at FilePath; YfilePara(4) becomes False when the read failed.
    virtual void ReadYFile(QString& FilePath, ParameterBlock& YfilePara, TextTable& YMonthStat,
                           TextTable& YMaxPrecipitation, TextTable& YFirstLastDates,
                           TextCube& YWindStat, TextTable& YWindYearRow, TextList& YStationInfo,
                           TextList& YClimateSummary, TextList& YNotes,
                           TextList& YInstruments) = 0;
};

}  // namespace tabulon
