#pragma once
// Our stand-in for the data-file reader: reads the JSON data files of docs/data-format.md.
// A read either fills every table of its list and sets the success flag, or sets the
// failure flag; it never raises for a damaged file. The statistics of a file are stored in
// the file itself and handed over by the statistics methods.

#include "outside/DataReader.h"
#include "outside/JsonDataFile.h"

#include <optional>

namespace tabulon {

class JsonDataReader : public DataReader {
public:
    void InitiativeAfilePara(AList a) override;
    void ReadAfile(QString& SystemPath, AList a) override;
    void InitiativeAfileStatistic(AStatisticsList s) override;
    void AFileMonthStatistic(ParameterBlock& AfilePara, TextList& AfileMode,
                             AElementTables elements, AStatisticsList s,
                             float& AStatResult) override;

    void ReadRfile(QString& SystemPath, ParameterBlock& RfilePara, TextTable& RTotalRadiation,
                   TextTable& RNetRadiation, TextTable& RDiffuseRadiation,
                   TextTable& RDirectRadiation, TextTable& RReflectedRadiation,
                   TextTable& RInstruments, TextList& RSiteDescription,
                   TextList& RSiteDescription2, TextList& RSiteDescription2Again,
                   TextTable& RNotes, TextList& RStationInfo) override;
    void RFileMonthStatistic(ParameterBlock& RfilePara, TextTable& RTotalRadiation,
                             TextTable& RNetRadiation, TextTable& RDiffuseRadiation,
                             TextTable& RDirectRadiation, TextTable& RReflectedRadiation,
                             TextTable& RInstruments, TextList& RSiteDescription,
                             TextList& RSiteDescription2, TextList& RExtraTable,
                             TextTable& RNotes, TextList& RStationInfo, TextTable& RMonthStat,
                             TextList& RMonthExtremes) override;

    void ReadYFile(QString& FilePath, ParameterBlock& YfilePara, TextTable& YMonthStat,
                   TextTable& YMaxPrecipitation, TextTable& YFirstLastDates, TextCube& YWindStat,
                   TextTable& YWindYearRow, TextList& YStationInfo, TextList& YClimateSummary,
                   TextList& YNotes, TextList& YInstruments) override;

    // Why the last read failed (diagnostics and tests).
    const QString& lastFailure() const { return lastFailure_; }

private:
    // The file read last, kept for the statistics call that follows its read.
    std::optional<JsonDataFile> aFile_;
    std::optional<JsonDataFile> rFile_;
    QString lastFailure_;
};

}  // namespace tabulon
