#include "outside/JsonDataReader.h"

#include "platform/Paths.h"

namespace tabulon {

namespace {

const bool registered = RegisterStandardObject(ProgId::DataReader, [] {
    return std::make_unique<JsonDataReader>();
});

// Applies f(name, table) to every table of a list, in argument order.
template <typename F>
void ForEachElement(AElementTables& e, F&& f)
{
#define TABULON_ELEMENT(name) f(#name, e.name)
    TABULON_ELEMENT(AStationPressure); TABULON_ELEMENT(AAirTemperature); TABULON_ELEMENT(AWetBulb);
    TABULON_ELEMENT(AVapourPressure); TABULON_ELEMENT(ARelativeHumidity); TABULON_ELEMENT(ADewPoint);
    TABULON_ELEMENT(ATotalCloud); TABULON_ELEMENT(ALowCloud); TABULON_ELEMENT(ACloudForm);
    TABULON_ELEMENT(ACloudHeight); TABULON_ELEMENT(AVisibility); TABULON_ELEMENT(APrecipitation);
    TABULON_ELEMENT(AWeather); TABULON_ELEMENT(AWind); TABULON_ELEMENT(AGroundTemperature);
    TABULON_ELEMENT(AGrassTemperature); TABULON_ELEMENT(AGroundState); TABULON_ELEMENT(ASoilTemp5cm);
    TABULON_ELEMENT(ASoilTemp10cm); TABULON_ELEMENT(ASoilTemp15cm); TABULON_ELEMENT(ASoilTemp20cm);
    TABULON_ELEMENT(ASoilTemp40cm); TABULON_ELEMENT(ASoilTemp80cm); TABULON_ELEMENT(ASoilTemp160cm);
    TABULON_ELEMENT(ASoilTemp320cm); TABULON_ELEMENT(AEvaporation); TABULON_ELEMENT(AEvaporationE601B);
    TABULON_ELEMENT(ASeaLevelPressure); TABULON_ELEMENT(ASnow); TABULON_ELEMENT(AMaxWind);
    TABULON_ELEMENT(AFrozenSoil); TABULON_ELEMENT(AWireIcing); TABULON_ELEMENT(AHourlyPrecipitation);
    TABULON_ELEMENT(AWind10Min); TABULON_ELEMENT(ASunshine); TABULON_ELEMENT(AExtraTable1);
    TABULON_ELEMENT(AExtraTable2);
#undef TABULON_ELEMENT
}

template <typename F>
void ForEachOfAList(AList& a, F&& f)
{
    f("AfilePara", a.AfilePara);
    f("AfileMode", a.AfileMode);
    ForEachElement(a.elements, f);
    f("AStationInfo", a.AStationInfo);
    f("ABackCoverNotes", a.ABackCoverNotes);
    f("AClimateSummary", a.AClimateSummary);
    f("AStationChanges", a.AStationChanges);
}

template <typename F>
void ForEachStatistic(AStatisticsList& s, F&& f)
{
    f("ADailyStat", s.ADailyStat);
    f("ADekadStat", s.ADekadStat);
    f("AMonthStat", s.AMonthStat);
    f("ACloudClassStat", s.ACloudClassStat);
    f("AVisibilityClassStat", s.AVisibilityClassStat);
    f("AWeatherDayCount", s.AWeatherDayCount);
    f("AHourlyPrecipTotal", s.AHourlyPrecipTotal);
    f("AWindDirectionStat", s.AWindDirectionStat);
    f("AWind10MinMonthRow", s.AWind10MinMonthRow);
    f("ASunshineStat", s.ASunshineStat);
}

// Copies tables while every copy succeeds.
struct CopyAll {
    const JsonDataFile& file;
    bool ok = true;
    template <typename T>
    void operator()(const char* name, T& table) { ok = ok && file.copy(name, table); }
};

struct ClearAll {
    template <typename T>
    void operator()(const char*, Table<T, 1>& t) { t.clear(); }
    template <typename T>
    void operator()(const char*, Table<T, 2>& t) { t.clear(); }
    template <typename T>
    void operator()(const char*, Table<T, 3>& t) { t.clear(); }
    void operator()(const char*, QString& text) { text.clear(); }
};

// The path the caller stored in element `index` of a parameter block ("" when absent).
QString PathIn(const ParameterBlock& para, int index)
{
    return para.contains(index) ? para(index).toString() : QString();
}

// The header elements that hold numbers (year, month, days, counts, class) must be numbers.
bool NumbersAt(const ParameterBlock& para, std::initializer_list<int> elements)
{
    for (int e : elements) {
        if (!para.contains(e))
            return false;
        const int type = para(e).typeId();
        if (type != QMetaType::Int && type != QMetaType::Double)
            return false;
    }
    return true;
}

}  // namespace

void JsonDataReader::InitiativeAfilePara(AList a)
{
    ForEachOfAList(a, ClearAll{});
}

void JsonDataReader::ReadAfile(QString&, AList a)
{
    const QString path = PathIn(a.AfilePara, 1);
    aFile_.reset();
    JsonDataFile file;
    bool ok = file.open(NativePath(path), QStringLiteral("A"));
    if (ok) {
        CopyAll copy{file};
        ForEachOfAList(a, copy);
        // The statistics are handed over later; a damaged one fails the read now.
        ATables scratch;
        AStatisticsList s = AStatisticsList::of(scratch);
        ForEachStatistic(s, copy);
        ok = copy.ok && NumbersAt(a.AfilePara, {2, 3, 4, 16});
    }
    a.AfilePara(1) = path;
    a.AfilePara(6) = ok;
    if (ok)
        aFile_ = std::move(file);
    else
        lastFailure_ = file.failure();
}

void JsonDataReader::InitiativeAfileStatistic(AStatisticsList s)
{
    ForEachStatistic(s, ClearAll{});
}

void JsonDataReader::AFileMonthStatistic(ParameterBlock&, TextList&, AElementTables,
                                         AStatisticsList s, float&)
{
    if (aFile_)
        ForEachStatistic(s, CopyAll{*aFile_});
}

void JsonDataReader::ReadRfile(QString&, ParameterBlock& RfilePara, TextTable& RTotalRadiation,
                               TextTable& RNetRadiation, TextTable& RDiffuseRadiation,
                               TextTable& RDirectRadiation, TextTable& RReflectedRadiation,
                               TextTable& RInstruments, TextList& RSiteDescription,
                               TextList& RSiteDescription2, TextList&, TextTable& RNotes,
                               TextList& RStationInfo)
{
    const QString path = PathIn(RfilePara, 1);
    rFile_.reset();
    JsonDataFile file;
    bool ok = file.open(NativePath(path), QStringLiteral("R"));
    if (ok) {
        CopyAll copy{file};
        copy("RfilePara", RfilePara);
        copy("RTotalRadiation", RTotalRadiation);
        copy("RNetRadiation", RNetRadiation);
        copy("RDiffuseRadiation", RDiffuseRadiation);
        copy("RDirectRadiation", RDirectRadiation);
        copy("RReflectedRadiation", RReflectedRadiation);
        copy("RInstruments", RInstruments);
        copy("RSiteDescription", RSiteDescription);
        copy("RSiteDescription2", RSiteDescription2);
        copy("RNotes", RNotes);
        copy("RStationInfo", RStationInfo);
        // Checked now, handed over by RFileMonthStatistic.
        RTables scratch;
        copy("RExtraTable", scratch.RExtraTable);
        copy("RMonthStat", scratch.RMonthStat);
        copy("RMonthExtremes", scratch.RMonthExtremes);
        ok = copy.ok && NumbersAt(RfilePara, {2, 3, 4, 11});
    }
    RfilePara(1) = path;
    RfilePara(6) = ok;
    if (ok)
        rFile_ = std::move(file);
    else
        lastFailure_ = file.failure();
}

void JsonDataReader::RFileMonthStatistic(ParameterBlock&, TextTable&, TextTable&, TextTable&,
                                         TextTable&, TextTable&, TextTable&, TextList&, TextList&,
                                         TextList& RExtraTable, TextTable&, TextList&,
                                         TextTable& RMonthStat, TextList& RMonthExtremes)
{
    if (!rFile_)
        return;
    CopyAll copy{*rFile_};
    copy("RExtraTable", RExtraTable);
    copy("RMonthStat", RMonthStat);
    copy("RMonthExtremes", RMonthExtremes);
}

void JsonDataReader::ReadYFile(QString& FilePath, ParameterBlock& YfilePara, TextTable& YMonthStat,
                               TextTable& YMaxPrecipitation, TextTable& YFirstLastDates,
                               TextCube& YWindStat, TextTable& YWindYearRow,
                               TextList& YStationInfo, TextList& YClimateSummary, TextList& YNotes,
                               TextList& YInstruments)
{
    JsonDataFile file;
    bool ok = file.open(NativePath(FilePath), QStringLiteral("Y"));
    if (ok) {
        CopyAll copy{file};
        copy("YfilePara", YfilePara);
        copy("YMonthStat", YMonthStat);
        copy("YMaxPrecipitation", YMaxPrecipitation);
        copy("YFirstLastDates", YFirstLastDates);
        copy("YWindStat", YWindStat);
        copy("YWindYearRow", YWindYearRow);
        copy("YStationInfo", YStationInfo);
        copy("YClimateSummary", YClimateSummary);
        copy("YNotes", YNotes);
        copy("YInstruments", YInstruments);
        ok = copy.ok && NumbersAt(YfilePara, {2});
    }
    YfilePara(1) = FilePath;
    YfilePara(4) = ok;
    if (!ok)
        lastFailure_ = file.failure();
}

}  // namespace tabulon
