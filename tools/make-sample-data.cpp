// Writes the bundled sample system folder and data files:
//   make-sample-data [OUTPUT_FOLDER]     (default: data/sample of the source tree)
// The values come from a small deterministic weather simulation, so every run writes the
// same files; the statistics tables are computed from the day values the files hold.
// One function per table family: a page that needs more data extends its family.

#include "sample_data/AStatistics.h"
#include "sample_data/BriefTables.h"
#include "sample_data/DecadePages.h"
#include "sample_data/RFile.h"
#include "sample_data/DayGrids.h"
#include "sample_data/Symbols.h"
#include "sample_data/WindIcingShowcase.h"
#include "sample_data/YFile.h"

#include <QDir>
#include <QSaveFile>
#include <QString>

namespace {

json MakeAFile(const Station& s)
{
    const int days = DaysIn(s.year, s.month);
    std::vector<Day> month = Simulate(s, days);
    ShowcaseWeatherRecords(s, month);
    ShowcaseLateSnowCover(s, month);
    if (s.lightWinds)
        MakeWindsLight(month);
    const AContext a{s, days, month};
    json t = json::object();
    AddAHeader(t, a);
    AddPressureTemperatureHumidity(t, a);
    AddCloudVisibility(t, a);
    AddPrecipitationWeather(t, a);
    AddWind(t, a);
    AddGroundSoil(t, a);
    AddEvaporationSnowIcing(t, a);
    ShowcaseCloudFormsAndIcing(t, a);
    ShowcaseCloudSymbolCodes(t, a);
    ShowcaseAccumulatedPrecipitation(t, a);
    AddSunshineSeaLevel(t, a);
    AddExtraTables(t, a);
    AddBackCoverTexts(t, a);
    ShowcaseBriefTables(t, a);
    AddDailyAndDekadStatistics(t, a);
    AddMonthStatistics(t, a);
    AddClassCounts(t, a);
    AddWindStatistics(t, a);
    ShowcaseDecadePageCells(t, a);
    ShowcaseWindAndIcing(t, a);
    return t;
}

// ---------------------------------------------------------------- writing

bool WriteFile(const QString& path, const QByteArray& bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

// One line per row of values, so that a file can be read and compared by eye.
void Layout(const json& j, std::string& out, int indent)
{
    const std::string compact = j.dump();
    const bool flat = j.is_array() && std::none_of(j.begin(), j.end(), [](const json& e) { return e.is_structured(); });
    if (!j.is_structured() || flat || compact.size() <= 80) {
        out += compact;
        return;
    }
    const std::string pad(static_cast<std::size_t>(indent + 1), ' ');
    out += j.is_object() ? "{\n" : "[\n";
    bool first = true;
    for (auto it = j.begin(); it != j.end(); ++it) {
        out += first ? "" : ",\n";
        first = false;
        out += pad;
        if (j.is_object())
            out += json(it.key()).dump() + ": ";
        Layout(it.value(), out, indent + 1);
    }
    out += "\n" + std::string(static_cast<std::size_t>(indent), ' ') + (j.is_object() ? "}" : "]");
}

bool WriteDataFile(const QString& folder, const std::string& fileName, const std::string& kind, json tables)
{
    json doc = {{"format", "Tabulon data file"}, {"version", 1}, {"kind", kind}, {"tables", std::move(tables)}};
    std::string text;
    Layout(doc, text, 0);
    text += "\n";
    return WriteFile(folder + "/" + QString::fromStdString(fileName), QByteArray::fromStdString(text));
}

Station BaseStation()
{
    Station s;
    s.modes = {{1, "A"}, {2, "A"}, {4, "A"}, {5, "A"}, {6, "A"}, {7, "B"}, {8, "A"}, {9, "A"},
               {12, "0"}, {15, "0"}, {16, "2"}, {17, "1"}};
    s.fieldHeight = "31.3";
    s.pressureHeight = "32.5";
    s.windHeight = "10.5";
    s.platformHeight = "0";
    return s;
}

std::vector<Station> MonthlyStations()
{
    std::vector<Station> out;

    Station manual = BaseStation();   // kind 1: manual, four observations a day
    manual.fileName = "A54511-200303.TXT";
    manual.number = "54511";
    manual.name = "北郊";
    manual.province = "北京市";
    manual.address1 = "北郊区观象台路1号";
    manual.address2 = "郊外";
    manual.latitude = "39.48N";
    manual.longitude = "116.28E";
    manual.stationClass = "基本站";
    manual.manualMarker = "人工";
    manual.observations = 4;
    // Pressure, temperature, vapour pressure, humidity and cloud read four times a day.
    for (int element : {1, 2, 4, 5, 6})
        manual.modes[element] = element == 5 ? "9" : "0";
    manual.baseTemperature = 6.5;
    manual.seed = 54511;
    out.push_back(manual);

    Station february = manual;        // the same station in a 28-day month, observing
    february.fileName = "A54511-200302.TXT";   // three times a day (no 02 h dew point)
    february.month = 2;
    february.observations = 3;
    february.baseTemperature = -0.5;
    february.seed = 54512;
    out.push_back(february);

    Station automatic = BaseStation();   // kind 2: automatic, shallow ground "B"
    automatic.fileName = "A57494-200303.TXT";
    automatic.number = "57494";
    automatic.name = "江滨";
    automatic.province = "湖北省";
    automatic.address1 = "江滨市东湖路18号";
    automatic.address2 = "";
    automatic.latitude = "30.37N";
    automatic.longitude = "114.08E";
    automatic.fieldHeight = "23.1";
    automatic.pressureHeight = "24.3";
    automatic.windHeight = "11.2";
    automatic.platformHeight = "12.5";
    automatic.stationClass = "基本站";
    automatic.manualMarker = "自动";
    automatic.observations = 8;
    automatic.modes = {{1, "C"}, {2, "B"}, {4, "A"}, {5, "A"}, {6, "A"}, {7, "B"}, {8, "A"}, {9, "A"},
                       {12, "A"}, {15, "N"}, {16, "B"}, {17, "B"}};
    automatic.baseTemperature = 10.5;
    automatic.fixedHourCloudVisibility = true;
    automatic.seed = 57494;
    out.push_back(automatic);

    Station reference = automatic;   // kind 3: reference station, 24 observations, "B"
    reference.fileName = "A50953-200303.TXT";
    reference.number = "50953";
    reference.name = "松原";
    reference.province = "黑龙江省";
    reference.address1 = "松原市气象路3号";
    reference.address2 = "城南";
    reference.latitude = "45.45N";
    reference.longitude = "126.46E";
    reference.fieldHeight = "142.3";
    reference.pressureHeight = "143.5";
    reference.platformHeight = "0";
    reference.stationClass = "基准站";
    reference.observations = 24;
    reference.fixedHourCloudVisibility = false;
    reference.baseTemperature = -4.5;
    reference.seed = 50953;
    out.push_back(reference);

    Station referenceManualGround = reference;   // kind 4: reference, manual ground temperatures
    referenceManualGround.fileName = "A58362-200303.TXT";
    referenceManualGround.number = "58362";
    referenceManualGround.name = "海港";
    referenceManualGround.province = "上海市";
    referenceManualGround.address1 = "海港区滨江路20号";
    referenceManualGround.address2 = "";
    referenceManualGround.latitude = "31.24N";
    referenceManualGround.longitude = "121.27E";
    referenceManualGround.fieldHeight = "5.5";
    referenceManualGround.pressureHeight = "6.9";
    referenceManualGround.manualMarker = "人工";
    referenceManualGround.modes[16] = "9";
    referenceManualGround.modes[17] = "9";
    referenceManualGround.modes[7] = "A";    // cloud height, cloud forms and visibility
    referenceManualGround.modes[8] = "B";    // not hourly: their pages print blank grids
    referenceManualGround.modes.erase(9);
    referenceManualGround.baseTemperature = 9.5;
    referenceManualGround.seed = 58362;
    out.push_back(referenceManualGround);

    Station automaticManualGround = automatic;   // kind 5: automatic, manual ground temperatures
    automaticManualGround.fileName = "A56294-200303-0.TXT";
    automaticManualGround.number = "56294";
    automaticManualGround.name = "锦城";
    automaticManualGround.province = "四川省";
    automaticManualGround.address1 = "锦城市西郊路6号";
    automaticManualGround.address2 = "西郊";
    automaticManualGround.latitude = "30.40N";
    automaticManualGround.longitude = "104.01E";
    automaticManualGround.fieldHeight = "506.1";
    automaticManualGround.pressureHeight = "507.3";
    automaticManualGround.platformHeight = "0";
    automaticManualGround.stationClass = "一般站";
    automaticManualGround.modes[16] = "9";
    automaticManualGround.modes[17] = "9";
    automaticManualGround.modes[12] = "0";   // E601B read once a day: a table of one item
    automaticManualGround.modes[1] = "A";   // daily minima of pressure and temperature in item 26
    automaticManualGround.modes[2] = "A";
    automaticManualGround.baseTemperature = 12.0;
    automaticManualGround.seed = 56294;
    out.push_back(automaticManualGround);

    Station automaticApril = automatic;   // kind 2 in a 30-day month: shallow soil read four
    automaticApril.fileName = "A57494-200304.TXT";   // times a day ("2"), light winds
    automaticApril.month = 4;
    automaticApril.modes[16] = "2";
    automaticApril.baseTemperature = 16.5;
    automaticApril.lightWinds = true;
    automaticApril.seed = 57495;
    out.push_back(automaticApril);

    Station referenceFebruary = reference;   // kind 3 in February: deep soil read once a day ("0")
    referenceFebruary.fileName = "A50953-200302.TXT";
    referenceFebruary.month = 2;
    referenceFebruary.modes[17] = "0";
    referenceFebruary.baseTemperature = -17.5;
    referenceFebruary.seed = 50952;
    out.push_back(referenceFebruary);
    return out;
}

std::vector<RadiationStation> RadiationStations(const std::vector<Station>& monthly)
{
    return {{"R54511-200303.TXT", monthly[0], 1}, {"R54511-200302.TXT", monthly[1], 1},
            {"R57494-200303.TXT", monthly[2], 2}, {"R56294-200303.TXT", monthly[5], 3}};
}

// The settings file of the system folder. The chooser records its folder per file letter
// in [Open_File]; the window records its status there when it closes.
const char* const UserOptIni =
    "[Open_File]\r\n"
    "ReportOutPutStatus=0\r\n"
    "AFileReportPath=\r\n"
    "RFileReportPath=\r\n"
    "YFileReportPath=\r\n"
    "\r\n"
    "[Station]\r\n"
    "StationNumber=54511\r\n"
    "StationName=北郊\r\n";

}  // namespace

int main(int argc, char** argv)
{
    const QString out = argc > 1 ? QString::fromLocal8Bit(argv[1])
                                 : QStringLiteral(TABULON_SOURCE_DIR "/data/sample");
    const QString system = out + "/system";
    const QString reportFiles = system + "/ReportFile";
    if (!QDir().mkpath(system + "/SysConfig") || !QDir().mkpath(reportFiles)) {
        std::fprintf(stderr, "cannot create %s\n", qPrintable(system));
        return 1;
    }
    bool ok = WriteFile(system + "/SysConfig/UserOpt.ini", QByteArray(UserOptIni));
    const std::vector<Station> monthly = MonthlyStations();
    for (const Station& s : monthly)
        ok = WriteDataFile(reportFiles, s.fileName, "A", MakeAFile(s)) && ok;
    for (const RadiationStation& r : RadiationStations(monthly))
        ok = WriteDataFile(reportFiles, r.fileName, "R", MakeRFile(r)) && ok;
    ok = WriteDataFile(reportFiles, "Y54511-2003.TXT", "Y", MakeManualYFile(monthly[0])) && ok;
    ok = WriteDataFile(reportFiles, "Y57494-2003.TXT", "Y", MakeAutomaticYFile(monthly[2])) && ok;
    return ok ? 0 : 1;
}
