#pragma once
// A file: header blocks, element tables (day, item) and text tables, one function per family.
// Part of make-sample-data (included by tools/make-sample-data.cpp only).

#include "Weather.h"

namespace {

struct AContext {
    const Station& s;
    int days;
    const std::vector<Day>& month;
    const Day& day(int d) const { return month[static_cast<std::size_t>(d - 1)]; }
};

void AddAHeader(json& t, const AContext& a)
{
    const Station& s = a.s;
    std::vector<json> p(53, json(""));
    p[0] = nullptr;
    p[1] = "";          // the reader stores the path here
    p[2] = s.year;
    p[3] = s.month;
    p[4] = a.days;
    p[6] = nullptr;     // the reader's status
    p[7] = s.number;
    p[8] = s.latitude;
    p[9] = s.longitude;
    p[10] = s.fieldHeight;
    p[11] = s.pressureHeight;
    p[12] = s.windHeight;
    p[14] = s.platformHeight;
    p[15] = s.stationClass;
    p[16] = s.observations;
    p[17] = s.manualMarker;
    p[52] = "1" + s.number + "01";
    t["AfilePara"] = List(0, p);
    t["AfileMode"] = Positions(0, 20, s.modes);
    t["AStationInfo"] = Positions(1, 12, {{1, s.province}, {2, s.name}, {3, s.address1}, {4, s.address2},
                                          {5, "陈立平"}, {6, "周小燕"}, {7, "吴建国"}, {8, "孙丽"},
                                          {9, "赵志强"}, {10, "周小燕"}, {11, ""}, {12, ""}});
}

// Deep soil is read once a day (item 1 = 14 h) unless its mode letter is "B".
bool DeepSoilReadOnce(const Station& s)
{
    const auto letter = s.modes.find(17);
    return letter != s.modes.end() && letter->second != "B";
}

bool HasModeLetter(const Station& s, int mode, std::initializer_list<const char*> letters)
{
    const auto letter = s.modes.find(mode);
    if (letter == s.modes.end())
        return false;
    for (const char* l : letters)
        if (letter->second == l)
            return true;
    return false;
}

// The 0 to 40 cm ground temperatures are read at the four fixed hours when their mode
// letter is a digit, also at stations whose other elements are hourly.
bool GroundReadFourTimes(const Station& s)
{
    return s.fourTimesDaily() || HasModeLetter(s, 16, {"9", "8", "7", "2", "1", "0"});
}

using DayText = std::function<std::string(const Day&)>;

// Texts of an hourly element: 24 hour items, or the four fixed hours for stations that
// observe four times a day (or when `fourReadings`), followed by `extras` (daily
// extremes). `text` gets the 0-based hour item.
json ElementTexts(const AContext& a, const std::function<std::string(const Day&, int)>& text,
                  const std::vector<DayText>& extras, bool fourReadings = false)
{
    const int readings = a.s.fourTimesDaily() || fourReadings ? 4 : 24;
    return DayTable(readings + static_cast<int>(extras.size()), a.days, [&](int d, int i) {
        const Day& day = a.day(d);
        if (i > readings)
            return extras[static_cast<std::size_t>(i - readings - 1)](day);
        const int item = readings == 4 ? FixedItems[static_cast<std::size_t>(i - 1)] : i;
        return text(day, item - 1);
    });
}

json ElementTable(const AContext& a, const std::function<double(const Day&, int)>& value,
                  const std::vector<DayText>& extras,
                  const std::function<std::string(double)>& format = Tenths, bool fourReadings = false)
{
    return ElementTexts(a, [&](const Day& d, int i) { return format(value(d, i)); }, extras, fourReadings);
}

// The daily extremes after the readings: maximum and minimum, or, when `timed` (and the
// element is read every hour), maximum, the hour of the maximum, minimum, the hour of the minimum.
std::vector<DayText> DailyExtremes(bool timed, const std::array<double, 24> Day::*hourly, double Day::*high,
                                   double Day::*low)
{
    auto hourOf = [hourly](const Day& d, bool highest) {
        const auto& v = d.*hourly;
        const auto it = highest ? std::max_element(v.begin(), v.end()) : std::min_element(v.begin(), v.end());
        return Two(HourOfItem(static_cast<int>(it - v.begin()) + 1) % 24) + "00";
    };
    std::vector<DayText> out{[high](const Day& d) { return Tenths(d.*high); }};
    if (timed)
        out.push_back([hourOf](const Day& d) { return hourOf(d, true); });
    out.push_back([low](const Day& d) { return Tenths(d.*low); });
    if (timed)
        out.push_back([hourOf](const Day& d) { return hourOf(d, false); });
    return out;
}

void AddPressureTemperatureHumidity(json& t, const AContext& a)
{
    // Pressure and air temperature time their extremes when their mode letter says so.
    auto extremes = [&](int mode, std::initializer_list<const char*> timedLetters,
                        const std::array<double, 24> Day::*hourly, double Day::*high, double Day::*low) {
        return DailyExtremes(HasModeLetter(a.s, mode, timedLetters) && !a.s.fourTimesDaily(), hourly, high, low);
    };
    t["AStationPressure"] = ElementTable(a, [](const Day& d, int i) { return d.pressure[i]; },
                                         extremes(1, {"C", "D"}, &Day::pressure, &Day::maxPressure, &Day::minPressure));
    t["AAirTemperature"] = ElementTable(a, [](const Day& d, int i) { return d.temperature[i]; },
                                        extremes(2, {"B"}, &Day::temperature, &Day::maxTemperature, &Day::minTemperature));
    json wetBulb = ElementTable(a, [](const Day& d, int i) { return d.wetBulb[i]; }, {});
    // Wet-bulb cells the observer could not read (ice bulb) are stored as ","; one cell
    // with blanks around the comma is a different text and stays as it is.
    if (a.days >= 20) {
        wetBulb["cells"][3][0] = ",";
        wetBulb["cells"][17][1] = ",";
        wetBulb["cells"][18][2] = " , ";
    }
    t["AWetBulb"] = wetBulb;
    t["AVapourPressure"] = ElementTable(a, [](const Day& d, int i) { return d.vapour[i]; }, {});
    t["ARelativeHumidity"] = ElementTable(a, [](const Day& d, int i) { return d.humidity[i]; },
                                          {[](const Day& d) { return Int(d.minHumidity); }}, Int);
    json dewPoint = ElementTable(a, [](const Day& d, int i) { return d.dewPoint[i]; }, {});
    // A station observing three times a day has no 02 h observation of the dew point.
    if (a.s.observations == 3)
        for (int d = 0; d < a.days; ++d)
            dewPoint["cells"][static_cast<std::size_t>(d)][0] = "-";
    t["ADewPoint"] = dewPoint;
}

void AddCloudVisibility(json& t, const AContext& a)
{
    auto whole = [](double v) { return Int(v); };
    const bool four = a.s.fixedHourCloudVisibility;
    t["ATotalCloud"] = ElementTable(a, [](const Day& d, int i) { return d.totalCloud[i]; }, {}, whole, four);
    t["ALowCloud"] = ElementTable(a, [](const Day& d, int i) { return d.lowCloud[i]; }, {}, whole, four);
    static const std::array<const char*, 5> lowForms{"Sc", "Cu", "St", "Ns", "Sc Cu"};
    static const std::array<const char*, 4> highForms{"Ci", "Ac", "As", "Ci Cs"};
    t["ACloudForm"] = ElementTexts(a, [](const Day& d, int i) -> std::string {
        const int total = static_cast<int>(d.totalCloud[i]), low = static_cast<int>(d.lowCloud[i]);
        if (total == 0)
            return "";
        std::string f = low > 0 ? lowForms[static_cast<std::size_t>(total % 5)] : "";
        if (total > low)
            f += std::string(f.empty() ? "" : " ") + highForms[static_cast<std::size_t>(total % 4)];
        return f;
    }, {}, four);
    t["ACloudHeight"] = ElementTable(a, [](const Day& d, int i) { return d.lowCloud[i] > 0 ? 600 + 90 * d.lowCloud[i] : Missing; }, {},
                                     [](double v) { return IsMissing(v) ? std::string() : Int(v); }, four);
    t["AVisibility"] = ElementTable(a, [](const Day& d, int i) { return d.visibility[i]; }, {}, Tenths, four);
}

// The 8-8 h amount of day d: its 8-20 h rain and the next day's 20-8 h rain.
double EightToEightRain(const AContext& a, int d)
{
    return a.day(d).rain8to20 + (d < a.days ? a.day(d + 1).rain20to8 : 0);
}

void AddPrecipitationWeather(json& t, const AContext& a)
{
    auto amount = [](double v) -> std::string { return v <= 0 ? "" : Tenths(v); };
    t["APrecipitation"] = DayTable(4, a.days, [&](int d, int i) -> std::string {
        const Day& day = a.day(d);
        const Day* next = d < a.days ? &a.day(d + 1) : nullptr;
        switch (i) {
        case 1: return amount(day.rain20to8);
        case 2: return amount(day.rain8to20);
        case 3: return amount(day.rainTotal);
        default: return amount(day.rain8to20 + (next ? next->rain20to8 : 0));
        }
    });
    t["AWeather"] = DayTable(1, a.days, [&](int d, int) { return a.day(d).weather; });
    t["AHourlyPrecipitation"] = DayTable(24, a.days, [&](int d, int m) { return amount(a.day(d).precipitation[m - 1]); });
}

void AddWind(json& t, const AContext& a)
{
    t["AWind"] = ElementTexts(a, WindText, {});
    t["AWind10Min"] = DayTable(24, a.days, [&](int d, int m) { return WindText(a.day(d), m - 1); });
    // Daily maximum and extreme wind: "speed/direction" and the time "HHMM" of each.
    t["AMaxWind"] = DayTable(4, a.days, [&](int d, int i) -> std::string {
        const Day& day = a.day(d);
        const auto wind = [](double speed, int dir) {
            return Tenths(speed) + "/" + std::to_string(DirectionDegrees[static_cast<std::size_t>(dir % 16)]);
        };
        switch (i) {
        case 1: return wind(day.maxWindSpeed, day.maxWindDir);
        case 2: return Two(day.maxWindHour % 24) + "00";
        case 3: return wind(day.extremeWindSpeed, day.extremeWindDir);
        default: return Two(day.extremeWindHour % 24) + "17";
        }
    });
}

void AddGroundSoil(json& t, const AContext& a)
{
    // Hourly ground and grass temperatures time their extremes (maximum 25, minimum 27);
    // ground read four times a day keeps items 1..4, then maximum 5 and minimum 6.
    const bool groundFour = GroundReadFourTimes(a.s);
    t["AGroundTemperature"] = ElementTable(a, [](const Day& d, int i) { return d.ground[i]; },
                                           DailyExtremes(!groundFour, &Day::ground, &Day::maxGround, &Day::minGround),
                                           Tenths, groundFour);
    t["AGrassTemperature"] = ElementTable(a, [](const Day& d, int i) { return d.grass[i]; },
                                          DailyExtremes(!a.s.fourTimesDaily(), &Day::grass, &Day::maxGrass, &Day::minGrass));
    t["AGroundState"] = DayTable(1, a.days, [&](int d, int) { return a.day(d).snow ? "9" : a.day(d).rain ? "1" : "0"; });
    static const std::array<const char*, 8> names{"ASoilTemp5cm", "ASoilTemp10cm", "ASoilTemp15cm", "ASoilTemp20cm",
                                                  "ASoilTemp40cm", "ASoilTemp80cm", "ASoilTemp160cm", "ASoilTemp320cm"};
    for (std::size_t k = 0; k < 8; ++k) {
        if (k >= 5 && DeepSoilReadOnce(a.s)) {
            // Deep soil read once a day: item 1 is the 14 h reading.
            t[names[k]] = DayTable(1, a.days, [&](int d, int) { return Tenths(a.day(d).soil[k][17]); });
            continue;
        }
        // The 0 to 40 cm layers follow the ground temperature's letter (four readings on a digit).
        t[names[k]] = ElementTable(a, [k](const Day& d, int i) { return d.soil[k][i]; }, {}, Tenths,
                                   k < 5 && GroundReadFourTimes(a.s));
    }
    t["AFrozenSoil"] = DayTable(4, a.days, [&](int d, int i) -> std::string {
        const Day& day = a.day(d);
        if (day.frozenBottom <= 0)
            return "";
        return i == 1 ? Int(day.frozenTop) : i == 2 ? Int(day.frozenBottom) : "";
    });
}

void AddEvaporationSnowIcing(json& t, const AContext& a)
{
    t["AEvaporation"] = DayTable(1, a.days, [&](int d, int) -> std::string {
        // A frozen pan cannot be read.
        return a.day(d).minTemperature < -8 ? "----" : Tenths(a.day(d).evaporation);
    });
    const bool hourly = a.s.modes.count(12) && (a.s.modes.at(12) == "A" || a.s.modes.at(12) == "B");
    t["AEvaporationE601B"] = DayTable(hourly ? 25 : 1, a.days, [&](int d, int i) -> std::string {
        const Day& day = a.day(d);
        const double total = day.evaporation * 0.8;
        if (!hourly || i == 25)
            return Tenths(total);
        const int h = HourOfItem(i);
        const double share = h >= 8 && h <= 18 ? total / 11 : 0;
        return Tenths(share);
    });
    t["ASnow"] = DayTable(2, a.days, [&](int d, int i) -> std::string {
        const Day& day = a.day(d);
        if (day.snowDepth <= 0)
            return "";
        return i == 1 ? Int(day.snowDepth) : Tenths(day.snowDepth * 0.12);
    });
    t["AWireIcing"] = DayTable(9, a.days, [&](int d, int i) -> std::string {
        const Day& day = a.day(d);
        if (!(day.snow && day.minTemperature < -2))
            return "";
        static const std::array<const char*, 9> cells{"56", "8", "6", "4", "3", "12", "9", "-35", "337/42"};
        return cells[static_cast<std::size_t>(i - 1)];
    });
}

void AddSunshineSeaLevel(json& t, const AContext& a)
{
    t["ASunshine"] = DayTable(27, a.days, [&](int d, int i) -> std::string {
        const Day& day = a.day(d);
        if (i <= 24)
            return day.sunshine[static_cast<std::size_t>(i - 1)] > 0 ? Tenths(day.sunshine[static_cast<std::size_t>(i - 1)]) : "";
        if (i == 27) {
            double s = 0;
            for (double h : day.sunshine)
                s += h;
            return Tenths(s);
        }
        return "";
    });
    t["ASeaLevelPressure"] = DayTable(4, a.days, [&](int d, int i) {
        return Tenths(a.day(d).seaLevel[static_cast<std::size_t>(FixedItems[static_cast<std::size_t>(i - 1)] - 1)]);
    });
}

void AddExtraTables(json& t, const AContext& a)
{
    t["AExtraTable1"] = DayTable(1, a.days, [](int, int) { return std::string(); });
    t["AExtraTable2"] = DayTable(1, a.days, [](int, int) { return std::string(); });
}

// The station's history, coded as the back cover reads it ("code/date/fields"). Between
// them the stations carry every change code, so every sentence appears on some back cover;
// 58362 has enough wide records for the two-block layout.
std::vector<json> StationHistory(const Station& s)
{
    std::vector<json> r{""};   // element 0 is not read
    auto add = [&](std::initializer_list<const char*> records) { r.insert(r.end(), records.begin(), records.end()); };
    if (s.number == "54511") {
        add({"10/4", "11/守班", "01/0301/北郊", "02/0305/54511", "03/0310/基本站", "04/0315/北京市气象局",
             "BB/0301/自动站与人工站并行观测。", "12/0320-0325/仪器检定期间部分要素以备份仪器观测。",
             "13/0301/未定义代码的记录不印出。"});
    } else if (s.number == "57494") {
        add({"10/24/24小时连续观测", "05/0301/3037N/11408E/231/江滨市东湖路18号/东湖/1200;NE",
             "05/0302/3037N/11408E/231/江滨市东湖路18号//800", "55/0310//////", "55/0311///233",
             "55/0312/3037N/11408E/233", "55/0313/3037N/11408E/233/江滨市东湖路20号/东湖",
             "55/0314///233/江滨市东湖路20号", "55/0315/3038N"});
    } else if (s.number == "50953") {
        add({"10/24", "11/守班", "00/454530/1264630", "06/0305/西北/楼房/12/30/150", "07/0301/电线积冰",
             "77/0301/冻土", "08/0315/蒸发/E601B型蒸发器", "08/0316/风向风速/EL型电接风向风速计/105/0",
             "08/0317/风向风速/EN型测风数据处理仪/105/125", "09/0101/北京时"});
    } else if (s.number == "58362") {
        add({"10/4", "11/守班"});
        for (int day = 1; day <= 18; ++day) {
            static const char* const wide = "/本站对观测场周边环境进行了例行检查，各项仪器设备运行正常，记录完整可靠。";
            r.push_back("BB/03" + std::string(day < 10 ? "0" : "") + std::to_string(day) + wide);
        }
    } else {
        add({"BB/0301/自动站与人工站并行观测。", "12/0301-0315/自动站单轨运行试验。", "ZZ/0320/未定义代码。"});
    }
    return r;
}

void AddBackCoverTexts(json& t, const AContext& a)
{
    const std::string m = std::to_string(a.s.month);
    // Notes are "k/date/text": the running number, the date cell's text, the note.
    t["ABackCoverNotes"] = List(0, {"", "1/7/" + m + "月7日大风,最大风速12.4米每秒。",
                                    "2/12-14/" + m + "月12日至14日连续出现轻雾,早晨能见度最低0.6km,"
                                        "对交通有一定影响,午后逐渐消散,其余时段天气平稳。",
                                    "3/21/" + m + "月21日出现轻雾,能见度0.6km。", "8888", "4/30/不印出的纪要。"});
    t["AClimateSummary"] = List(0, {"", "1/本月气温偏高,降水偏少。",
                                    "2/上旬多晴好天气,中旬有一次明显降温过程,下旬气温回升较快。", "3/"});
    t["AStationChanges"] = List(0, StationHistory(a.s));
}

}  // namespace
