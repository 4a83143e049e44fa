// Writes the bundled sample system folder and data files:
//   make-sample-data [OUTPUT_FOLDER]     (default: data/sample of the source tree)
// The values come from a small deterministic weather simulation, so every run writes the
// same files; the statistics tables are computed from the day values the files hold.
// One function per table family: a page that needs more data extends its family.

#include <QDir>
#include <QSaveFile>
#include <QString>

#include <nlohmann/json.hpp>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <functional>
#include <map>
#include <numbers>
#include <string>
#include <vector>

// Ordered, so that a file lists its tables in the order they are written.
using json = nlohmann::ordered_json;

namespace {

constexpr double Missing = std::numeric_limits<double>::quiet_NaN();
constexpr double Pi = std::numbers::pi;

// ---------------------------------------------------------------- small helpers

class Rng {
public:
    explicit Rng(std::uint32_t seed) : s_(seed ? seed : 1) {}
    double uniform()   // [0, 1)
    {
        s_ ^= s_ << 13;
        s_ ^= s_ >> 17;
        s_ ^= s_ << 5;
        return (s_ % 1000000) / 1000000.0;
    }
    double between(double lo, double hi) { return lo + (hi - lo) * uniform(); }
    double noise(double sigma) { return sigma * (uniform() + uniform() + uniform() - 1.5) * 2.0; }
    int integer(int lo, int hi) { return lo + static_cast<int>(uniform() * (hi - lo + 1)); }

private:
    std::uint32_t s_;
};

bool IsMissing(double v) { return std::isnan(v); }

std::string Int(double v) { return std::to_string(static_cast<long>(std::lround(v))); }
// A value in tenths of its unit: 2.3 -> "23", -0.4 -> "-4"; missing -> "-".
std::string Tenths(double v) { return IsMissing(v) ? "-" : Int(v * 10.0); }
std::string Fixed(double v, int places)
{
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.*f", places, v);
    return buf;
}
std::string Two(int v) { return (v < 10 ? "0" : "") + std::to_string(v); }

// Hour item m (1..24) is the observation-day hour 21, 22, 23, 24, 1, ..., 20.
int HourOfItem(int m) { return (m + 19) % 24 + 1; }
// The items of the four fixed hours 02, 08, 14 and 20.
constexpr std::array<int, 4> FixedItems{6, 12, 18, 24};

int DaysIn(int year, int month)
{
    static const int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return month == 2 && leap ? 29 : days[month - 1];
}

// 16 compass directions in whole degrees, calm as direction 17.
constexpr std::array<int, 16> DirectionDegrees{0, 22, 45, 67, 90, 112, 135, 157,
                                              180, 202, 225, 247, 270, 292, 315, 337};

json Bounds1(int lo, int hi) { return json::array({json::array({lo, hi})}); }

// A table entry {"bounds", "cells"} of a (day, item) table with 31 rows; rows past the
// month's end are empty texts, as a reader leaves them.
json DayTable(int items, int days, const std::function<std::string(int, int)>& cell)
{
    json rows = json::array();
    for (int d = 1; d <= 31; ++d) {
        json row = json::array();
        for (int i = 1; i <= items; ++i)
            row.push_back(d <= days ? cell(d, i) : std::string());
        rows.push_back(std::move(row));
    }
    return {{"bounds", json::array({json::array({1, 31}), json::array({1, items})})}, {"cells", rows}};
}

json Grid(int rows, int cols, const std::function<std::string(int, int)>& cell)
{
    json out = json::array();
    for (int r = 1; r <= rows; ++r) {
        json row = json::array();
        for (int c = 1; c <= cols; ++c)
            row.push_back(cell(r, c));
        out.push_back(std::move(row));
    }
    return {{"bounds", json::array({json::array({1, rows}), json::array({1, cols})})}, {"cells", out}};
}

json Cube(int n1, int n2, int n3, const std::function<std::string(int, int, int)>& cell)
{
    json out = json::array();
    for (int a = 1; a <= n1; ++a) {
        json plane = json::array();
        for (int b = 1; b <= n2; ++b) {
            json row = json::array();
            for (int c = 1; c <= n3; ++c)
                row.push_back(cell(a, b, c));
            plane.push_back(std::move(row));
        }
        out.push_back(std::move(plane));
    }
    return {{"bounds", json::array({json::array({1, n1}), json::array({1, n2}), json::array({1, n3})})},
            {"cells", out}};
}

// A one-dimensional table from lo; `values` may hold texts, numbers, null or booleans.
json List(int lo, const std::vector<json>& values)
{
    return {{"bounds", Bounds1(lo, lo + static_cast<int>(values.size()) - 1)}, {"cells", values}};
}

// A list from 1 built from a vector indexed by element (its element 0 is left out).
json ListFromElement1(const std::vector<json>& byElement)
{
    return List(1, std::vector<json>(byElement.begin() + 1, byElement.end()));
}

// A fixed-size list with some positions set and the rest empty texts.
json Positions(int lo, int hi, const std::map<int, std::string>& set)
{
    std::vector<json> v;
    for (int i = lo; i <= hi; ++i) {
        const auto it = set.find(i);
        v.push_back(it == set.end() ? std::string() : it->second);
    }
    return List(lo, v);
}

double Mean(const std::vector<double>& v)
{
    double s = 0;
    int n = 0;
    for (double x : v)
        if (!IsMissing(x)) {
            s += x;
            ++n;
        }
    return n ? s / n : Missing;
}

// ---------------------------------------------------------------- stations and simulation

struct Station {
    std::string fileName;
    std::string number;
    std::string name;
    std::string province;
    std::string address1, address2;
    std::string latitude, longitude;   // "39.48N": degrees, then minutes after the point
    std::string fieldHeight, pressureHeight, windHeight, platformHeight;
    std::string stationClass;          // "基准站" marks a reference station
    std::string manualMarker;          // "人工" for manual observation
    int observations = 24;             // AfilePara(16)
    std::map<int, std::string> modes;  // AfileMode letters
    int year = 2003, month = 3;
    double baseTemperature = 5;        // monthly mean, °C
    double basePressure = 1015;        // hPa
    std::uint32_t seed = 1;
    bool fourTimesDaily() const { return observations == 3 || observations == 4; }
};

struct Day {
    std::array<double, 24> pressure{}, temperature{}, humidity{}, vapour{}, dewPoint{}, wetBulb{},
        totalCloud{}, lowCloud{}, visibility{}, windDir{}, windSpeed{}, precipitation{},
        ground{}, grass{}, seaLevel{};
    std::array<std::array<double, 24>, 8> soil{};   // 5, 10, 15, 20, 40, 80, 160, 320 cm
    std::array<double, 24> sunshine{};              // clock hours 0-1 .. 23-24
    double maxTemperature = 0, minTemperature = 0, maxPressure = 0, minPressure = 0;
    double minHumidity = 0, maxGround = 0, minGround = 0;
    double maxWindSpeed = 0, extremeWindSpeed = 0;
    int maxWindDir = 0, extremeWindDir = 0, maxWindHour = 0, extremeWindHour = 0;
    double rainTotal = 0, rain20to8 = 0, rain8to20 = 0;
    double evaporation = 0, snowDepth = 0;
    double frozenTop = 0, frozenBottom = 0;
    bool rain = false, fog = false, snow = false;
    std::string weather;     // the day's phenomenon record
    std::string summary;     // the codes of the day
};

double SaturationVapour(double t) { return 6.112 * std::exp(17.67 * t / (t + 243.5)); }

std::vector<Day> Simulate(const Station& s, int days)
{
    Rng rng(s.seed);
    std::vector<Day> month(static_cast<std::size_t>(days));
    for (int d = 1; d <= days; ++d) {
        Day& day = month[static_cast<std::size_t>(d - 1)];
        const double dayMean = s.baseTemperature + 3 * std::sin(2 * Pi * d / 13.0 + s.seed % 7) + rng.noise(1.0);
        day.rain = rng.uniform() < 0.25;
        day.snow = day.rain && dayMean < 1;
        day.fog = !day.rain && rng.uniform() < 0.1;
        const double amplitude = (day.rain ? 2.5 : 5.5) + rng.between(0, 1.5);
        const double pressureMean = s.basePressure + 5 * std::sin(2 * Pi * d / 9.0) - 0.4 * (dayMean - s.baseTemperature);
        const int rainStart = rng.integer(1, 16), rainHours = rng.integer(2, 8);
        const int prevailing = rng.uniform() < 0.6 ? 14 : rng.integer(0, 15);
        const double cloudBase = day.rain ? 8 : rng.between(0, 7);
        for (int m = 1; m <= 24; ++m) {
            const int i = m - 1;
            const int h = HourOfItem(m);
            const double t = dayMean + amplitude * std::cos(2 * Pi * (h - 14) / 24.0) + rng.noise(0.3);
            day.temperature[i] = t;
            day.pressure[i] = pressureMean + 0.8 * std::cos(2 * Pi * (h - 10) / 12.0) + rng.noise(0.2);
            day.seaLevel[i] = day.pressure[i] + 3.8;
            const double rh = std::clamp((day.rain ? 85.0 : 55.0) - 3.0 * (t - dayMean) + rng.noise(3), 8.0, 100.0);
            day.humidity[i] = std::round(rh);
            day.vapour[i] = rh / 100 * SaturationVapour(t);
            const double g = std::log(day.vapour[i] / 6.112);
            day.dewPoint[i] = 243.5 * g / (17.67 - g);
            day.wetBulb[i] = t - 0.4 * (t - day.dewPoint[i]);
            day.totalCloud[i] = std::clamp(std::round(cloudBase + rng.noise(1.5)), 0.0, 10.0);
            day.lowCloud[i] = std::clamp(std::round(day.totalCloud[i] * rng.between(0, 0.8)), 0.0, day.totalCloud[i]);
            day.visibility[i] = day.fog && h >= 5 && h <= 9 ? rng.between(0.3, 0.9)
                                : day.rain                 ? rng.between(3, 9)
                                                           : rng.between(10, 28);
            const bool calm = rng.uniform() < 0.08;
            day.windDir[i] = calm ? 16 : (prevailing + rng.integer(-1, 1) + 16) % 16;
            day.windSpeed[i] = calm ? 0 : std::round(rng.between(1, 6.5) * 10) / 10;
            const bool raining = day.rain && m >= rainStart && m < rainStart + rainHours;
            day.precipitation[i] = raining ? std::round(rng.between(0.1, 3.0) * 10) / 10 : 0;
            day.ground[i] = dayMean + 1.6 * amplitude * std::cos(2 * Pi * (h - 13) / 24.0) + 1.0;
            day.grass[i] = day.ground[i] - (h < 7 || h > 18 ? 1.5 : -0.5);
            static constexpr std::array<double, 8> damping{0.6, 0.45, 0.35, 0.25, 0.08, 0, 0, 0};
            static constexpr std::array<double, 8> offset{0.8, 1.0, 1.2, 1.4, 2.0, 3.5, 6.0, 8.5};
            for (std::size_t k = 0; k < 8; ++k)
                day.soil[k][i] = (k < 5 ? dayMean : s.baseTemperature) + offset[k] +
                                 damping[k] * amplitude * std::cos(2 * Pi * (h - 15 - 2.0 * k) / 24.0);
        }
        for (int clock = 0; clock < 24; ++clock)
            day.sunshine[clock] = clock >= 6 && clock < 18 && cloudBase < 7 ? std::round(rng.between(0.3, 1.0) * 10) / 10 : 0;

        auto [tmin, tmax] = std::minmax_element(day.temperature.begin(), day.temperature.end());
        day.maxTemperature = *tmax + rng.between(0.1, 0.6);
        day.minTemperature = *tmin - rng.between(0.1, 0.6);
        auto [pmin, pmax] = std::minmax_element(day.pressure.begin(), day.pressure.end());
        day.maxPressure = *pmax + 0.2;
        day.minPressure = *pmin - 0.2;
        day.minHumidity = *std::min_element(day.humidity.begin(), day.humidity.end()) - 1;
        auto [gmin, gmax] = std::minmax_element(day.ground.begin(), day.ground.end());
        day.maxGround = *gmax + 0.5;
        day.minGround = *gmin - 0.5;
        for (int m = 1; m <= 24; ++m) {
            const double p = day.precipitation[m - 1];
            day.rainTotal += p;
            (m <= 12 ? day.rain20to8 : day.rain8to20) += p;
            if (day.windSpeed[m - 1] > day.maxWindSpeed) {
                day.maxWindSpeed = day.windSpeed[m - 1];
                day.maxWindDir = static_cast<int>(day.windDir[m - 1]);
                day.maxWindHour = HourOfItem(m);
            }
        }
        day.extremeWindSpeed = day.maxWindSpeed + rng.between(1, 4);
        day.extremeWindDir = day.maxWindDir;
        day.extremeWindHour = day.maxWindHour;
        day.evaporation = day.rain ? rng.between(0.2, 1.0) : rng.between(1.5, 4.5);
        day.snowDepth = day.snow ? rng.integer(1, 6) : 0;
        if (s.baseTemperature < 0) {
            day.frozenTop = 0;
            day.frozenBottom = std::max(5.0, 60 - 2.0 * d);
        }
        // The phenomenon record: codes with time spans, "," between items.
        std::vector<std::string> items;
        std::vector<std::string> codes;
        if (day.rain) {
            const std::string code = day.snow ? "70" : "60";
            const int from = HourOfItem(rainStart), to = HourOfItem(std::min(24, rainStart + rainHours));
            items.push_back(code + " " + Two(from == 24 ? 0 : from) + "10-" + Two(to == 24 ? 0 : to) + "45");
            codes.push_back(code);
        }
        if (day.fog) {
            items.push_back("42 0500-0830");
            codes.push_back("42");
        }
        if (!day.rain && day.minTemperature < 0 && rng.uniform() < 0.5) {
            items.push_back("03");   // frost, no times
            codes.push_back("03");
        }
        if (day.maxWindSpeed > 6.2) {
            items.push_back("15 1320-1410");
            codes.push_back("15");
        }
        for (std::size_t k = 0; k < items.size(); ++k)
            day.weather += (k ? "," : "") + items[k];
        for (std::size_t k = 0; k < codes.size(); ++k)
            day.summary += (k ? " " : "") + codes[k];
    }
    // A few missing readings, as real files have them.
    if (days >= 20) {
        month[8].pressure[5] = Missing;     // 02 h
        month[14].windSpeed[11] = Missing;  // 08 h
    }
    return month;
}

std::string WindText(const Day& day, int i)
{
    if (IsMissing(day.windSpeed[i]))
        return "-/-";
    if (day.windDir[i] >= 16)
        return "C/0";
    return std::to_string(DirectionDegrees[static_cast<std::size_t>(day.windDir[i])]) + "/" + Tenths(day.windSpeed[i]);
}

// ---------------------------------------------------------------- A file families

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

using DayText = std::function<std::string(const Day&)>;

// Texts of an hourly element: 24 hour items, or the four fixed hours for stations that
// observe four times a day, followed by `extras` (daily extremes). `text` gets the
// 0-based hour item.
json ElementTexts(const AContext& a, const std::function<std::string(const Day&, int)>& text,
                  const std::vector<DayText>& extras)
{
    const int readings = a.s.fourTimesDaily() ? 4 : 24;
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
                  const std::function<std::string(double)>& format = Tenths)
{
    return ElementTexts(a, [&](const Day& d, int i) { return format(value(d, i)); }, extras);
}

void AddPressureTemperatureHumidity(json& t, const AContext& a)
{
    // The daily extremes after the readings: maximum and minimum, or, when the element's
    // mode letter says so, maximum, the hour of the maximum, minimum, the hour of the minimum.
    auto extremes = [&](int mode, std::initializer_list<const char*> timedLetters,
                        const std::array<double, 24> Day::*hourly, double Day::*high, double Day::*low) {
        const auto letter = a.s.modes.find(mode);
        bool timed = false;
        for (const char* l : timedLetters)
            timed = timed || (letter != a.s.modes.end() && letter->second == l);
        auto hourOf = [hourly](const Day& d, bool highest) {
            const auto& v = d.*hourly;
            const auto it = highest ? std::max_element(v.begin(), v.end()) : std::min_element(v.begin(), v.end());
            return Two(HourOfItem(static_cast<int>(it - v.begin()) + 1) % 24) + "00";
        };
        std::vector<DayText> out{[high](const Day& d) { return Tenths(d.*high); }};
        if (timed && !a.s.fourTimesDaily())
            out.push_back([hourOf](const Day& d) { return hourOf(d, true); });
        out.push_back([low](const Day& d) { return Tenths(d.*low); });
        if (timed && !a.s.fourTimesDaily())
            out.push_back([hourOf](const Day& d) { return hourOf(d, false); });
        return out;
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
    t["ADewPoint"] = ElementTable(a, [](const Day& d, int i) { return d.dewPoint[i]; }, {});
}

void AddCloudVisibility(json& t, const AContext& a)
{
    auto whole = [](double v) { return Int(v); };
    t["ATotalCloud"] = ElementTable(a, [](const Day& d, int i) { return d.totalCloud[i]; }, {}, whole);
    t["ALowCloud"] = ElementTable(a, [](const Day& d, int i) { return d.lowCloud[i]; }, {}, whole);
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
    }, {});
    t["ACloudHeight"] = ElementTable(a, [](const Day& d, int i) { return d.lowCloud[i] > 0 ? 600 + 90 * d.lowCloud[i] : Missing; }, {},
                                     [](double v) { return IsMissing(v) ? std::string() : Int(v); });
    t["AVisibility"] = ElementTable(a, [](const Day& d, int i) { return d.visibility[i]; }, {});
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
    // Daily maximum (speed, direction, time) and extreme (speed, direction, time).
    t["AMaxWind"] = DayTable(6, a.days, [&](int d, int i) -> std::string {
        const Day& day = a.day(d);
        switch (i) {
        case 1: return Tenths(day.maxWindSpeed);
        case 2: return std::to_string(DirectionDegrees[static_cast<std::size_t>(day.maxWindDir % 16)]);
        case 3: return Tenths(day.extremeWindSpeed);
        case 4: return std::to_string(DirectionDegrees[static_cast<std::size_t>(day.extremeWindDir % 16)]);
        case 5: return Two(day.maxWindHour % 24) + "00";
        default: return Two(day.extremeWindHour % 24) + "17";
        }
    });
}

void AddGroundSoil(json& t, const AContext& a)
{
    t["AGroundTemperature"] = ElementTable(a, [](const Day& d, int i) { return d.ground[i]; },
                                           {[](const Day& d) { return Tenths(d.maxGround); },
                                            [](const Day& d) { return Tenths(d.minGround); }});
    t["AGrassTemperature"] = ElementTable(a, [](const Day& d, int i) { return d.grass[i]; }, {});
    t["AGroundState"] = DayTable(1, a.days, [&](int d, int) { return a.day(d).snow ? "9" : a.day(d).rain ? "1" : "0"; });
    static const std::array<const char*, 8> names{"ASoilTemp5cm", "ASoilTemp10cm", "ASoilTemp15cm", "ASoilTemp20cm",
                                                  "ASoilTemp40cm", "ASoilTemp80cm", "ASoilTemp160cm", "ASoilTemp320cm"};
    for (std::size_t k = 0; k < 8; ++k) {
        if (k >= 5 && a.s.modes.count(17) && a.s.modes.at(17) != "B") {
            // Deep soil read once a day: item 1 is the 14 h reading.
            t[names[k]] = DayTable(1, a.days, [&](int d, int) { return Tenths(a.day(d).soil[k][17]); });
            continue;
        }
        t[names[k]] = ElementTable(a, [k](const Day& d, int i) { return d.soil[k][i]; }, {});
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

void AddBackCoverTexts(json& t, const AContext& a)
{
    const std::string m = std::to_string(a.s.month);
    t["ABackCoverNotes"] = List(0, {"", "0" + m + "07/" + m + "月7日大风,最大风速12.4m/s。",
                                    "0" + m + "21/" + m + "月21日出现轻雾,能见度0.6km。", "8888"});
    t["AClimateSummary"] = List(0, {"", "1/本月气温偏高,降水偏少。",
                                    "2/上旬多晴好天气,中旬有一次明显降温过程,下旬气温回升较快。", "3/"});
    t["AStationChanges"] = List(0, {"", "10/4", "11/守班", "08/0315/蒸发/E601B型蒸发器/3/0",
                                    "55/0320//////", "BB/0301/自动站与人工站并行观测。"});
}

// ---------------------------------------------------------------- A statistics

struct Extreme {
    double value = Missing;
    int day = 0;
};

Extreme Max(const AContext& a, const std::function<double(const Day&)>& f)
{
    Extreme e;
    for (int d = 1; d <= a.days; ++d) {
        const double v = f(a.day(d));
        if (!IsMissing(v) && (IsMissing(e.value) || v > e.value))
            e = {v, d};
    }
    return e;
}

Extreme Min(const AContext& a, const std::function<double(const Day&)>& f)
{
    Extreme e = Max(a, [&](const Day& d) { return -f(d); });
    e.value = -e.value;
    return e;
}

// Ten-day periods: 1..10, 11..20, 21..end, then the month.
std::pair<int, int> PeriodDays(int p, int days)
{
    switch (p) {
    case 1: return {1, 10};
    case 2: return {11, 20};
    case 3: return {21, days};
    default: return {1, days};
    }
}

double MeanOver(const AContext& a, int p, const std::function<double(const Day&)>& f)
{
    const auto [from, to] = PeriodDays(p, a.days);
    std::vector<double> v;
    for (int d = from; d <= to; ++d)
        v.push_back(f(a.day(d)));
    return Mean(v);
}

double FixedMean(const std::array<double, 24>& hourly)
{
    return Mean({hourly[5], hourly[11], hourly[17], hourly[23]});
}
double HourlyMean(const std::array<double, 24>& hourly) { return Mean(std::vector<double>(hourly.begin(), hourly.end())); }

// One element block of ADekadStat from `first`: the hour means (four or 24), the means
// over 4 and 24 observations, then the means of the daily extremes when given.
void DekadBlock(std::map<int, std::string>& items, int period, int first, const AContext& a,
                const std::array<double, 24> Day::*element, double Day::*high, double Day::*low)
{
    const bool four = a.s.fourTimesDaily();
    int k = first;
    if (four) {
        for (int item : FixedItems)
            items[k++] = Tenths(MeanOver(a, period, [&](const Day& d) { return (d.*element)[static_cast<std::size_t>(item - 1)]; }));
    } else {
        for (int m = 0; m < 24; ++m)
            items[k++] = Tenths(MeanOver(a, period, [&](const Day& d) { return (d.*element)[static_cast<std::size_t>(m)]; }));
    }
    items[k++] = Tenths(MeanOver(a, period, [&](const Day& d) { return FixedMean(d.*element); }));
    if (!four)
        items[k++] = Tenths(MeanOver(a, period, [&](const Day& d) { return HourlyMean(d.*element); }));
    if (high)
        items[k++] = Tenths(MeanOver(a, period, [&](const Day& d) { return d.*high; }));
    if (low)
        items[k++] = Tenths(MeanOver(a, period, [&](const Day& d) { return d.*low; }));
}

void AddDailyAndDekadStatistics(json& t, const AContext& a)
{
    t["ADailyStat"] = Grid(31, 40, [&](int d, int i) -> std::string {
        if (d > a.days)
            return "";
        const Day& day = a.day(d);
        switch (i) {
        case 1: return Tenths(FixedMean(day.pressure));
        case 2: return Tenths(HourlyMean(day.pressure));
        case 3: return Tenths(FixedMean(day.temperature));
        case 4: return Tenths(HourlyMean(day.temperature));
        case 5: return Tenths(FixedMean(day.vapour));
        case 6: return Tenths(HourlyMean(day.vapour));
        case 7: return Int(FixedMean(day.humidity));
        case 8: return Int(HourlyMean(day.humidity));
        case 9: return Tenths(FixedMean(day.totalCloud));
        case 10: return Tenths(HourlyMean(day.totalCloud));
        case 11: return Tenths(FixedMean(day.lowCloud));
        case 12: return Tenths(HourlyMean(day.lowCloud));
        case 13: return day.summary;
        case 14: return day.rainTotal > 0 ? Tenths(day.rain20to8 + day.rain8to20) : "";
        case 15: return day.rainTotal > 0 ? Tenths(day.rainTotal) : "";
        case 16: case 18: return Tenths(FixedMean(day.windSpeed));
        case 17: case 19: return Tenths(HourlyMean(day.windSpeed));
        case 40: return Tenths(FixedMean(day.seaLevel));
        default:
            if (i >= 24 && i <= 39) {
                const auto& soil = day.soil[static_cast<std::size_t>((i - 24) / 2)];
                return Tenths(i % 2 == 0 ? FixedMean(soil) : HourlyMean(soil));
            }
            return "";
        }
    });
    json rows = json::array();
    for (int p = 1; p <= 4; ++p) {
        std::map<int, std::string> items;
        DekadBlock(items, p, 1, a, &Day::pressure, &Day::maxPressure, &Day::minPressure);
        DekadBlock(items, p, 29, a, &Day::temperature, &Day::maxTemperature, &Day::minTemperature);
        DekadBlock(items, p, 57, a, &Day::vapour, nullptr, nullptr);
        DekadBlock(items, p, 83, a, &Day::humidity, &Day::minHumidity, nullptr);
        items[167] = Tenths(MeanOver(a, p, [](const Day& d) { return d.evaporation * 0.8; }) *
                            (PeriodDays(p, a.days).second - PeriodDays(p, a.days).first + 1));
        double sun = 0;
        for (int d = PeriodDays(p, a.days).first; d <= PeriodDays(p, a.days).second; ++d)
            for (double h : a.day(d).sunshine)
                sun += h;
        items[458] = Tenths(sun);
        for (int k = 0; k < 4; ++k)
            items[459 + k] = Tenths(MeanOver(a, p, [&](const Day& d) { return d.seaLevel[static_cast<std::size_t>(FixedItems[static_cast<std::size_t>(k)] - 1)]; }));
        items[463] = Tenths(MeanOver(a, p, [](const Day& d) { return FixedMean(d.seaLevel); }));
        json row = json::array();
        for (int i = 1; i <= 463; ++i)
            row.push_back(items.count(i) ? items[i] : std::string());
        rows.push_back(std::move(row));
    }
    t["ADekadStat"] = {{"bounds", json::array({json::array({1, 4}), json::array({1, 463})})}, {"cells", rows}};
}

void AddMonthStatistics(json& t, const AContext& a)
{
    std::map<int, std::string> m;
    auto put = [&](int at, const Extreme& e, bool tenths = true) {
        m[at] = tenths ? Tenths(e.value) : Int(e.value);
        m[at + 1] = std::to_string(e.day);
    };
    put(1, Max(a, [](const Day& d) { return d.maxPressure; }));
    put(3, Min(a, [](const Day& d) { return d.minPressure; }));
    put(5, Max(a, [](const Day& d) { return d.maxTemperature; }));
    put(7, Min(a, [](const Day& d) { return d.minTemperature; }));
    for (int p = 0; p < 6; ++p) {
        std::vector<double> v;
        for (int d = 5 * p + 1; d <= (p == 5 ? a.days : 5 * p + 5); ++d)
            v.push_back(HourlyMean(a.day(d).temperature));
        m[9 + p] = Tenths(Mean(v));
    }
    put(15, Max(a, [](const Day& d) { return *std::max_element(d.vapour.begin(), d.vapour.end()); }));
    put(17, Min(a, [](const Day& d) { return *std::min_element(d.vapour.begin(), d.vapour.end()); }));
    put(19, Min(a, [](const Day& d) { return d.minHumidity; }), false);
    for (int p = 0; p < 6; ++p) {
        double s = 0;
        for (int d = 5 * p + 1; d <= (p == 5 ? a.days : 5 * p + 5); ++d)
            s += a.day(d).rainTotal;
        m[21 + p] = s > 0 ? Tenths(s) : "0";
    }
    static constexpr std::array<double, 8> classes{0.1, 1, 5, 10, 25, 50, 100, 150};
    for (std::size_t k = 0; k < classes.size(); ++k) {
        int n = 0;
        for (int d = 1; d <= a.days; ++d)
            n += a.day(d).rainTotal >= classes[k] - 1e-9;
        m[27 + static_cast<int>(k)] = std::to_string(n);
    }
    const Extreme wettest = Max(a, [](const Day& d) { return d.rainTotal; });
    m[35] = Tenths(wettest.value);
    m[36] = std::to_string(wettest.day);
    // Longest wet and dry spells with their first and last days.
    int wetLen = 0, wetEnd = 0, dryLen = 0, dryEnd = 0;
    double wetAmount = 0;
    for (int d = 1, run = 0, dry = 0; d <= a.days; ++d) {
        const bool wet = a.day(d).rainTotal > 0;
        run = wet ? run + 1 : 0;
        dry = wet ? 0 : dry + 1;
        if (run > wetLen) {
            wetLen = run;
            wetEnd = d;
        }
        if (dry > dryLen) {
            dryLen = dry;
            dryEnd = d;
        }
    }
    for (int d = wetEnd - wetLen + 1; d <= wetEnd && wetLen > 0; ++d)
        wetAmount += a.day(d).rainTotal;
    const std::string year = std::to_string(a.s.year);
    m[37] = std::to_string(wetLen);
    m[38] = Tenths(wetAmount);
    m[39] = wetLen ? std::to_string(wetEnd - wetLen + 1) + "/" + std::to_string(a.s.month) + "/" + year + "-" + std::to_string(wetEnd) : "";
    m[40] = std::to_string(dryLen);
    m[41] = std::to_string(dryEnd - dryLen + 1) + "/" + std::to_string(a.s.month) + "/" + year + "-" + std::to_string(dryEnd);
    const Extreme snow = Max(a, [](const Day& d) { return d.snowDepth; });
    m[42] = snow.value > 0 ? Int(snow.value) : "";
    m[43] = snow.value > 0 ? std::to_string(snow.day) : "";
    m[44] = snow.value > 0 ? Tenths(snow.value * 0.12) : "";
    m[45] = m[43];
    const Extreme wind = Max(a, [](const Day& d) { return d.maxWindSpeed; });
    m[58] = Tenths(wind.value);
    m[59] = std::to_string(DirectionDegrees[static_cast<std::size_t>(a.day(wind.day).maxWindDir % 16)]);
    m[60] = std::to_string(wind.day);
    m[65] = Tenths(wind.value);
    m[66] = m[59];
    m[67] = std::to_string(wind.day);
    m[68] = Two(a.day(wind.day).maxWindHour % 24);
    m[69] = "00";
    // The most frequent direction (calm excluded) and its frequency, over the four fixed
    // observations and over all 24.
    for (const bool fixedOnly : {true, false}) {
        std::array<int, 17> count{};
        int total = 0;
        for (int d = 1; d <= a.days; ++d)
            for (int item = 1; item <= 24; ++item) {
                if (fixedOnly && std::find(FixedItems.begin(), FixedItems.end(), item) == FixedItems.end())
                    continue;
                const auto i = static_cast<std::size_t>(item - 1);
                if (IsMissing(a.day(d).windSpeed[i]))
                    continue;
                ++count[static_cast<std::size_t>(a.day(d).windDir[i])];
                ++total;
            }
        const auto most = std::max_element(count.begin(), count.begin() + 16);
        const int at = fixedOnly ? 61 : 63;
        m[at] = std::to_string(DirectionDegrees[static_cast<std::size_t>(most - count.begin())]);
        m[at + 1] = Int(100.0 * *most / std::max(total, 1));
    }
    const Extreme gust = Max(a, [](const Day& d) { return d.extremeWindSpeed; });
    m[70] = Tenths(gust.value);
    m[71] = std::to_string(DirectionDegrees[static_cast<std::size_t>(a.day(gust.day).extremeWindDir % 16)]);
    m[72] = std::to_string(gust.day);
    m[73] = Two(a.day(gust.day).extremeWindHour % 24);
    m[74] = "17";
    put(80, Max(a, [](const Day& d) { return d.maxGround; }));
    put(82, Min(a, [](const Day& d) { return d.minGround; }));
    int frostDays = 0;
    for (int d = 1; d <= a.days; ++d)
        frostDays += a.day(d).minGround <= 0;
    m[84] = std::to_string(frostDays);
    const Extreme frozen = Max(a, [](const Day& d) { return d.frozenBottom; });
    m[85] = frozen.value > 0 ? Int(frozen.value) : "";
    m[86] = frozen.value > 0 ? std::to_string(frozen.day) : "";
    t["AMonthStat"] = Positions(1, 86, m);
}

void AddClassCounts(json& t, const AContext& a)
{
    auto cloudClass = [](double tenths) { return tenths <= 2 ? 1 : tenths <= 7 ? 2 : 3; };
    auto meanClass = [](double mean) { return mean < 2.0 ? 1 : mean <= 8.0 ? 2 : 3; };
    t["ACloudClassStat"] = Cube(2, 5, 3, [&](int kind, int hour, int cls) {
        int n = 0;
        for (int d = 1; d <= a.days; ++d) {
            const auto& cloud = kind == 1 ? a.day(d).totalCloud : a.day(d).lowCloud;
            const int c = hour <= 4 ? cloudClass(cloud[static_cast<std::size_t>(FixedItems[static_cast<std::size_t>(hour - 1)] - 1)])
                                    : meanClass(FixedMean(cloud));
            n += c == cls;
        }
        return std::to_string(n);
    });
    t["AVisibilityClassStat"] = Grid(4, 5, [&](int hour, int cls) {
        static constexpr std::array<double, 5> upper{1.0, 2.0, 4.0, 10.0, 1e9};
        int n = 0;
        for (int d = 1; d <= a.days; ++d) {
            const double v = a.day(d).visibility[static_cast<std::size_t>(FixedItems[static_cast<std::size_t>(hour - 1)] - 1)];
            const double lower = cls == 1 ? 0 : upper[static_cast<std::size_t>(cls - 2)];
            n += v >= lower && v < upper[static_cast<std::size_t>(cls - 1)];
        }
        return std::to_string(n);
    });
    // Days with each listed phenomenon, in the order of the weather-code list.
    static const std::array<const char*, 25> codes{"60", "80", "50", "70", "85", "87", "77", "79", "68",
                                                   "83", "89", "76", "42", "10", "01", "02", "56", "48",
                                                   "38", "39", "19", "16", "03", "31", "15"};
    std::vector<json> counts;
    for (const char* code : codes) {
        int n = 0;
        for (int d = 1; d <= a.days; ++d)
            n += (" " + a.day(d).summary + " ").find(std::string(" ") + code + " ") != std::string::npos;
        counts.push_back(n ? std::to_string(n) : std::string());
    }
    t["AWeatherDayCount"] = List(1, counts);
    double hourlyTotal = 0;
    for (int d = 1; d <= a.days; ++d)
        hourlyTotal += a.day(d).rainTotal;
    t["AHourlyPrecipTotal"] = Tenths(hourlyTotal);
}

void AddWindStatistics(json& t, const AContext& a)
{
    // Per column (24 hours, then the four fixed hours, then all hours): speed sum,
    // occurrences and maximum speed per direction (17 = calm).
    struct Cell {
        double sum = 0, max = 0;
        int count = 0;
    };
    std::array<std::array<Cell, 17>, 24> byHour{};
    for (int d = 1; d <= a.days; ++d)
        for (int m = 0; m < 24; ++m) {
            const Day& day = a.day(d);
            if (IsMissing(day.windSpeed[static_cast<std::size_t>(m)]))
                continue;
            Cell& c = byHour[static_cast<std::size_t>(m)][static_cast<std::size_t>(day.windDir[static_cast<std::size_t>(m)])];
            c.sum += day.windSpeed[static_cast<std::size_t>(m)];
            c.max = std::max(c.max, day.windSpeed[static_cast<std::size_t>(m)]);
            ++c.count;
        }
    auto total = [&](int dir, bool fixedOnly) {
        Cell c;
        for (int m = 0; m < 24; ++m) {
            if (fixedOnly && std::find(FixedItems.begin(), FixedItems.end(), m + 1) == FixedItems.end())
                continue;
            const Cell& h = byHour[static_cast<std::size_t>(m)][static_cast<std::size_t>(dir)];
            c.sum += h.sum;
            c.count += h.count;
            c.max = std::max(c.max, h.max);
        }
        return c;
    };
    auto observations = [&](bool fixedOnly) {
        int n = 0;
        for (int dir = 0; dir < 17; ++dir)
            n += total(dir, fixedOnly).count;
        return std::max(n, 1);
    };
    t["AWindDirectionStat"] = Cube(28, 17, 3, [&](int col, int dir, int item) -> std::string {
        const bool calm = dir == 17;
        if (calm && item != 2)
            return "";
        Cell c;
        if (col <= 24)
            c = byHour[static_cast<std::size_t>(col - 1)][static_cast<std::size_t>(dir - 1)];
        else
            c = total(dir - 1, col <= 26);
        if (col == 25 || col == 27 || col <= 24)
            return item == 1 ? Tenths(c.sum) : item == 2 ? std::to_string(c.count) : Tenths(c.max);
        // Mean speed and frequency (%) of the direction.
        if (item == 1)
            return c.count ? Tenths(c.sum / c.count) : "0";
        if (item == 2)
            return Int(100.0 * c.count / observations(col == 26));
        return "";
    });
    std::vector<json> row;
    for (int m = 0; m < 24; ++m) {
        std::vector<double> v;
        for (int d = 1; d <= a.days; ++d)
            v.push_back(a.day(d).windSpeed[static_cast<std::size_t>(m)]);
        row.push_back(Tenths(Mean(v)));
    }
    const Extreme wind = Max(a, [](const Day& d) { return d.maxWindSpeed; });
    row.push_back(Tenths(wind.value));
    row.push_back(std::to_string(DirectionDegrees[static_cast<std::size_t>(a.day(wind.day).maxWindDir % 16)]));
    t["AWind10MinMonthRow"] = List(1, row);

    int bright = 0, dull = 0;
    double sunshine = 0;
    for (int d = 1; d <= a.days; ++d) {
        double s = 0;
        for (double h : a.day(d).sunshine)
            s += h;
        sunshine += s;
        const double percent = 100 * s / 11.5;
        bright += percent >= 60;
        dull += percent <= 20;
    }
    t["ASunshineStat"] = List(1, {std::to_string(bright), std::to_string(dull), Int(100 * sunshine / (11.5 * a.days))});
}

json MakeAFile(const Station& s)
{
    const int days = DaysIn(s.year, s.month);
    const std::vector<Day> month = Simulate(s, days);
    const AContext a{s, days, month};
    json t = json::object();
    AddAHeader(t, a);
    AddPressureTemperatureHumidity(t, a);
    AddCloudVisibility(t, a);
    AddPrecipitationWeather(t, a);
    AddWind(t, a);
    AddGroundSoil(t, a);
    AddEvaporationSnowIcing(t, a);
    AddSunshineSeaLevel(t, a);
    AddExtraTables(t, a);
    AddBackCoverTexts(t, a);
    AddDailyAndDekadStatistics(t, a);
    AddMonthStatistics(t, a);
    AddClassCounts(t, a);
    AddWindStatistics(t, a);
    return t;
}

// ---------------------------------------------------------------- R file

struct RadiationStation {
    std::string fileName;
    Station station;
    int radiationClass = 1;
};

// Hourly exposure in MJ/m² for clock hour h (0-1 .. 23-24) of a day with the given clearness.
double Exposure(int clock, double clearness)
{
    const double x = (clock + 0.5 - 12.0) / 6.2;
    return std::max(0.0, 3.1 * clearness * std::cos(x * Pi / 2) * (std::abs(x) < 1 ? 1 : 0));
}

void AddRadiationHeader(json& t, const RadiationStation& r, int days)
{
    const Station& s = r.station;
    std::vector<json> p(13, json(""));
    p[1] = "";
    p[2] = s.year;
    p[3] = s.month;
    p[4] = days;
    p[5] = nullptr;
    p[6] = nullptr;
    p[7] = s.number;
    p[8] = s.latitude;
    p[9] = s.longitude;
    p[10] = s.fieldHeight;
    p[11] = r.radiationClass;
    t["RfilePara"] = ListFromElement1(p);
    t["RStationInfo"] = Positions(1, 17, {{1, "2" + s.number + "01"}, {2, s.province}, {3, s.name},
                                          {4, s.address1}, {5, s.address2}, {6, "1.5"}, {7, "1.5"},
                                          {8, "1.5"}, {9, "1.5"}, {10, "1.5"}, {11, "陈立平"},
                                          {12, "周小燕"}, {13, "吴建国"}, {14, "孙丽"}, {15, "赵志强"},
                                          {16, "周小燕"}, {17, ""}});
}

void AddRadiationTables(json& t, const RadiationStation& r, int days)
{
    Rng rng(r.station.seed + 100);
    std::vector<double> clearness(static_cast<std::size_t>(days));
    for (double& c : clearness)
        c = rng.between(0.25, 1.0);
    const bool measured[6] = {true, true, r.radiationClass <= 2, r.radiationClass == 1, r.radiationClass == 1,
                              r.radiationClass == 1};
    // kind: 1 total, 2 net, 3 diffuse, 4 direct, 5 reflected; share of the total exposure.
    auto table = [&](int kind, int items, double share) {
        return DayTable(items, days, [&, kind, share](int d, int i) -> std::string {
            if (!measured[kind])
                return "";
            const double c = clearness[static_cast<std::size_t>(d - 1)];
            const double k = kind == 3 ? share * (1.4 - c) : share;
            double total = 0;
            for (int h = 0; h < 24; ++h)
                total += Exposure(h, c) * k;
            if (i <= 24) {
                const double e = Exposure(i - 1, c) * k;
                return e > 0 ? Fixed(e, 2) : "0.00";
            }
            if (i == 25)
                return Fixed(total, 2);
            if (kind == 5 && i == 26)
                return Int(100 * share);   // reflectance, %
            if (i == 26 || (kind == 5 && i == 27))
                return Int(860 * c * k);    // maximum irradiance, W/m²
            if (i == 27 || (kind == 5 && i == 28))
                return Two(rng.integer(11, 13)) + Two(rng.integer(0, 59));
            if (kind == 1 && i == 28)
                return Int(c * 95);        // sunshine, 0.1 h
            if (kind == 2 && i == 28)
                return "-" + Int(60 * (1.2 - c));
            if (kind == 2 && i == 29)
                return "0" + std::to_string(rng.integer(1, 5)) + "30";
            if (kind == 4 && i == 28)
                return Fixed(total * 0.7, 2);
            if (kind == 5 && i >= 29)
                return i % 2 ? Fixed(c * 0.6, 2) : Fixed(0.2 + (1 - c) * 0.3, 2);
            return "";
        });
    };
    t["RTotalRadiation"] = table(1, 28, 1.0);
    t["RNetRadiation"] = table(2, 29, 0.55);
    t["RDiffuseRadiation"] = table(3, 27, 0.35);
    t["RDirectRadiation"] = table(4, 28, 0.75);
    t["RReflectedRadiation"] = table(5, 34, 0.21);

    // Month totals and means per element block, from the day totals above.
    std::map<int, std::string> sums, means;
    static const std::array<std::pair<const char*, int>, 5> blocks{
        std::pair{"RTotalRadiation", 1}, {"RNetRadiation", 27}, {"RDiffuseRadiation", 52},
        {"RDirectRadiation", 77}, {"RReflectedRadiation", 103}};
    std::vector<json> extremes(24, json(""));
    for (std::size_t b = 0; b < blocks.size(); ++b) {
        const json& cells = t[blocks[b].first]["cells"];
        for (int i = 1; i <= 25; ++i) {
            double s = 0;
            int n = 0;
            for (int d = 0; d < days; ++d) {
                const std::string& v = cells[static_cast<std::size_t>(d)][static_cast<std::size_t>(i - 1)].get_ref<const std::string&>();
                if (!v.empty()) {
                    s += std::stod(v);
                    ++n;
                }
            }
            if (n) {
                sums[blocks[b].second + i - 1] = Fixed(s, 2);
                means[blocks[b].second + i - 1] = Fixed(s / n, 2);
            }
        }
    }
    t["RMonthStat"] = Grid(2, 128, [&](int row, int item) {
        const auto& m = row == 1 ? sums : means;
        const auto it = m.find(item);
        return it == m.end() ? std::string() : it->second;
    });
    // Six groups of (value, day, hour, minute); an element not measured stays empty.
    for (int g = 0; g < 6; ++g) {
        static constexpr std::array<int, 6> elementOfGroup{1, 2, 2, 3, 4, 5};
        if (!measured[elementOfGroup[static_cast<std::size_t>(g)]])
            continue;
        extremes[static_cast<std::size_t>(4 * g)] = std::to_string(rng.integer(600, 980));
        extremes[static_cast<std::size_t>(4 * g + 1)] = g == 2 ? "3天" : std::to_string(rng.integer(1, days));
        extremes[static_cast<std::size_t>(4 * g + 2)] = Two(rng.integer(11, 13));
        extremes[static_cast<std::size_t>(4 * g + 3)] = Two(rng.integer(0, 59));
    }
    t["RMonthExtremes"] = List(1, extremes);

    t["RInstruments"] = Grid(5, 7, [](int row, int col) {
        static const std::array<const char*, 5> names{"总辐射表", "净辐射表", "散射辐射表", "直接辐射表", "反射辐射表"};
        switch (col) {
        case 1: return std::string(names[static_cast<std::size_t>(row - 1)]);
        case 2: return std::string(row == 4 ? "TBS-2" : "TBQ-2");
        case 3: return "0" + std::to_string(1200 + 37 * row);
        case 4: return Fixed(9.5 + 0.31 * row, 3);
        case 5: return std::string("20020915");
        case 6: return std::string("20021001");
        default: return std::string();
        }
    });
    t["RSiteDescription"] = List(1, {"观测场四周开阔,东侧50米处有二层楼房一座。", "仪器架设于观测场东北角。"});
    t["RSiteDescription2"] = List(1, {"地表为自然草皮,冬季偶有积雪。"});
    t["RExtraTable"] = List(1, {""});
    t["RNotes"] = Grid(2, 3, [](int row, int col) {
        static const std::array<std::array<const char*, 3>, 2> notes{{{"7", "1", "总辐射表清洁后恢复正常。"},
                                                                      {"21", "2", "沙尘天气,散射辐射偏大。"}}};
        return std::string(notes[static_cast<std::size_t>(row - 1)][static_cast<std::size_t>(col - 1)]);
    });
}

json MakeRFile(const RadiationStation& r)
{
    const int days = DaysIn(r.station.year, r.station.month);
    json t = json::object();
    AddRadiationHeader(t, r, days);
    AddRadiationTables(t, r, days);
    return t;
}

// ---------------------------------------------------------------- Y file

void AddYearHeader(json& t, const Station& s)
{
    std::vector<json> p(17, json(""));
    p[1] = "";
    p[2] = s.year;
    p[4] = nullptr;   // the reader's status
    p[5] = s.number;
    p[6] = s.latitude;
    p[7] = s.longitude;
    p[8] = s.fieldHeight;
    p[9] = s.pressureHeight;
    p[10] = s.windHeight;
    p[11] = s.platformHeight;
    p[14] = s.manualMarker;
    p[15] = "1" + s.number + "01";
    t["YfilePara"] = ListFromElement1(p);
    t["YStationInfo"] = Positions(1, 11, {{1, s.province}, {2, s.name}, {3, s.address1}, {4, s.address2},
                                          {5, "陈立平"}, {6, "周小燕"}, {7, "吴建国"}, {8, "孙丽"},
                                          {9, "赵志强"}, {10, "周小燕"}, {11, ""}});
}

// Monthly values of the year, each month simulated with the day model; row 13 is the year.
void AddYearStatistics(json& t, const Station& base)
{
    std::array<std::vector<Day>, 12> months;
    for (int m = 1; m <= 12; ++m) {
        Station s = base;
        s.month = m;
        s.baseTemperature = base.baseTemperature + 13 * std::sin(2 * Pi * (m - 4) / 12.0);
        s.seed = base.seed * 31 + static_cast<std::uint32_t>(m);
        months[static_cast<std::size_t>(m - 1)] = Simulate(s, DaysIn(s.year, m));
    }
    // Items: 1 mean pressure, 2 mean temperature, 3 mean maximum, 4 mean minimum,
    // 5 highest, 6 lowest, 7 mean vapour pressure, 8 mean humidity, 9 mean total cloud,
    // 10 mean low cloud, 11 precipitation total, 12 precipitation days, 13 evaporation,
    // 14 mean wind speed, 15 sunshine total; the rest stay empty until a page names them.
    auto monthValue = [&](const std::vector<Day>& days, int item) -> double {
        std::vector<double> v;
        double sum = 0, high = -1e9, low = 1e9;
        int count = 0;
        for (const Day& d : days) {
            switch (item) {
            case 1: v.push_back(HourlyMean(d.pressure)); break;
            case 2: v.push_back(HourlyMean(d.temperature)); break;
            case 3: v.push_back(d.maxTemperature); break;
            case 4: v.push_back(d.minTemperature); break;
            case 5: high = std::max(high, d.maxTemperature); break;
            case 6: low = std::min(low, d.minTemperature); break;
            case 7: v.push_back(HourlyMean(d.vapour)); break;
            case 8: v.push_back(HourlyMean(d.humidity)); break;
            case 9: v.push_back(HourlyMean(d.totalCloud)); break;
            case 10: v.push_back(HourlyMean(d.lowCloud)); break;
            case 11: sum += d.rainTotal; break;
            case 12: count += d.rainTotal >= 0.1; break;
            case 13: sum += d.evaporation; break;
            case 14: v.push_back(HourlyMean(d.windSpeed)); break;
            case 15: for (double h : d.sunshine) sum += h; break;
            }
        }
        switch (item) {
        case 5: return high;
        case 6: return low;
        case 11: case 13: case 15: return sum;
        case 12: return count;
        default: return Mean(v);
        }
    };
    t["YMonthStat"] = Grid(13, 150, [&](int month, int item) -> std::string {
        if (item > 15)
            return "";
        auto format = [&](double v) { return item == 8 || item == 12 ? Int(v) : Tenths(v); };
        if (month <= 12)
            return format(monthValue(months[static_cast<std::size_t>(month - 1)], item));
        std::vector<double> v;
        for (const auto& days : months)
            v.push_back(monthValue(days, item));
        switch (item) {
        case 5: return format(*std::max_element(v.begin(), v.end()));
        case 6: return format(*std::min_element(v.begin(), v.end()));
        case 11: case 12: case 13: case 15: {
            double s = 0;
            for (double x : v)
                s += x;
            return format(s);
        }
        default: return format(Mean(v));
        }
    });
    t["YMaxPrecipitation"] = Grid(15, 5, [&](int duration, int part) -> std::string {
        static constexpr std::array<int, 15> minutes{5, 10, 15, 20, 30, 45, 60, 90, 120, 180, 240, 360, 540, 720, 1440};
        const double amount = 4.0 * std::sqrt(minutes[static_cast<std::size_t>(duration - 1)] / 5.0);
        switch (part) {
        case 1: return Tenths(amount);
        case 2: return "7";
        case 3: return std::to_string(10 + duration % 18);
        case 4: return duration == 3 ? "次" : Two(14 + duration % 6);
        default: return "";
        }
    });
    t["YFirstLastDates"] = Grid(9, 4, [](int row, int col) -> std::string {
        static const std::array<std::array<const char*, 4>, 9> dates{{
            {"10/25", "4/12", "169", ""}, {"11/20", "3/18", "118", ""}, {"12/02", "3/01", "89", ""},
            {"11/05", "3/25", "140", ""}, {"10/30", "4/02", "154", ""}, {"10/20", "4/15", "177", ""},
            {"10/18", "4/20", "184", ""}, {"4/21", "9/14", "146", ""}, {"", "", "", ""}}};
        return dates[static_cast<std::size_t>(row - 1)][static_cast<std::size_t>(col - 1)];
    });
    t["YWindStat"] = Cube(12, 17, 5, [&](int month, int dir, int item) -> std::string {
        const auto& days = months[static_cast<std::size_t>(month - 1)];
        int count = 0, total = 0;
        double sum = 0, max = 0;
        for (const Day& d : days)
            for (int m = 0; m < 24; ++m) {
                if (IsMissing(d.windSpeed[static_cast<std::size_t>(m)]))
                    continue;
                ++total;
                if (static_cast<int>(d.windDir[static_cast<std::size_t>(m)]) == dir - 1) {
                    ++count;
                    sum += d.windSpeed[static_cast<std::size_t>(m)];
                    max = std::max(max, d.windSpeed[static_cast<std::size_t>(m)]);
                }
            }
        if (dir == 17 && item != 2)
            return "";
        switch (item) {
        case 1: return count ? Tenths(sum / count) : "0";   // mean speed
        case 2: return Int(100.0 * count / std::max(total, 1)); // frequency, %
        case 3: return Tenths(max);
        default: return "";
        }
    });
    t["YWindYearRow"] = Grid(17, 6, [](int dir, int col) -> std::string {
        if (dir == 17)
            return col == 2 ? "6" : "";
        switch (col) {
        case 1: return Tenths(1.5 + 0.1 * (dir % 7));
        case 2: return std::to_string(2 + dir % 9);
        case 3: return Tenths(8 + 0.5 * (dir % 5));
        case 4: return std::to_string(1 + dir % 12) + "月";
        default: return "";
        }
    });
    t["YClimateSummary"] = List(1, {"本年平均气温略高于常年,降水量接近常年。", "春季干旱少雨,夏季降水集中在7月下旬。"});
    t["YNotes"] = List(0, {"", "10/4", "08/0601/蒸发/E601B型蒸发器/3/0", "BB/0915/更换风速感应器。"});
    t["YInstruments"] = List(1, {"1/DYM3/1023/长江仪器厂/19990310", "2/DHC2/0417/长江仪器厂/20010605",
                                 "3/EL15/2211/东方气象仪器厂/20020112"});
}

json MakeYFile(const Station& s)
{
    json t = json::object();
    AddYearHeader(t, s);
    AddYearStatistics(t, s);
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
               {12, "0"}, {15, "K"}, {16, "2"}, {17, "1"}};
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
    manual.baseTemperature = 6.5;
    manual.seed = 54511;
    out.push_back(manual);

    Station february = manual;        // the same station in a 28-day month
    february.fileName = "A54511-200302.TXT";
    february.month = 2;
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
    automaticManualGround.baseTemperature = 12.0;
    automaticManualGround.seed = 56294;
    out.push_back(automaticManualGround);
    return out;
}

std::vector<RadiationStation> RadiationStations(const std::vector<Station>& monthly)
{
    return {{"R54511-200303.TXT", monthly[0], 1}, {"R57494-200303.TXT", monthly[2], 2},
            {"R56294-200303.TXT", monthly[5], 3}};
}

const char* const UserOptIni =
    "[Open_File]\r\n"
    "ReportOutPutStatus=0\r\n"
    "\r\n"
    "[File_Path]\r\n"
    "AFileReportPath=\r\n"
    "RFileReportPath=\r\n"
    "YFileReportPath=\r\n";

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
    ok = WriteDataFile(reportFiles, "Y54511-2003.TXT", "Y", MakeYFile(monthly[0])) && ok;
    return ok ? 0 : 1;
}
