#pragma once
// Y file: header and the monthly and yearly tables of one simulated year.
// Part of make-sample-data (included by tools/make-sample-data.cpp only).

#include "Weather.h"

namespace {

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

// ---------------------------------------------------------------- the yearly tables

// Twelve months simulated with the day model, the temperature following the seasons.
using YearDays = std::array<std::vector<Day>, 12>;

YearDays SimulateYear(const Station& base)
{
    YearDays months;
    for (int m = 1; m <= 12; ++m) {
        Station s = base;
        s.month = m;
        s.baseTemperature = base.baseTemperature + 13 * std::sin(2 * Pi * (m - 4) / 12.0);
        s.seed = base.seed * 31 + static_cast<std::uint32_t>(m);
        months[static_cast<std::size_t>(m - 1)] = Simulate(s, DaysIn(s.year, m));
    }
    return months;
}

const std::array<const char*, 17> DirectionName{"N", "NNE", "NE", "ENE", "E", "ESE", "SE", "SSE", "S",
                                               "SSW", "SW", "WSW", "W", "WNW", "NW", "NNW", "C"};

// How the year row (YMonthStat month 13) of an item follows from the twelve months.
enum class YearRule {
    None,    // no year value ("" in the file; the page prints "---")
    Mean,    // mean of the months' values
    Sum,     // sum of the months' values
    Max,     // largest month value; the month it came from is remembered for Follow/DateOf
    Min,     // smallest month value, likewise
    Follow,  // the text of item `ref` in the month chosen by item `ref`'s extreme
    DateOf,  // "day/month" of item `ref`'s extreme (the month rows hold the day)
    Span,    // "d/m-d/m": the first and last day of item `ref`'s longest spell
};

// One month's value of an item: a number (formatted by the item), or a text, and the day
// of the month an extreme fell on.
struct ItemValue {
    double number = Missing;
    std::string text;      // used when not empty, or when the number is missing
    int day = 0;
    int lastDay = 0;       // the end of a spell
};

struct ItemRuleOf {
    YearRule rule;
    int ref;        // the item whose month an item follows
    bool tenths;    // formatted in tenths; else as a whole number
};

// The year rules of YMonthStat items 1..150 (docs/data-format.md lists the items).
ItemRuleOf YearRuleOf(int item)
{
    using R = YearRule;
    auto in = [item](int a, int b) { return item >= a && item <= b; };
    // Date items follow the extreme before them.
    switch (item) {
    case 5: case 7: case 22: case 24: case 27: case 29: case 32: case 52: case 69: case 71:
    case 122: case 124: case 138: case 140: case 143:
        return {R::DateOf, item - 1, false};
    case 114: case 117: return {R::DateOf, item - 2, false};
    case 113: case 116: return {R::Follow, item - 1, false};
    case 62: return {R::Follow, 61, true};
    case 63: return {R::Span, 61, false};
    case 65: return {R::Span, 64, false};
    case 72: case 73: case 74: case 76: case 77: case 78: case 79: case 80: case 81: case 82: case 83:
        return {R::Follow, 75, item == 81 || item == 83};   // the air temperature and wind speed in tenths
    default: break;
    }
    if (in(4, 4) || in(21, 21) || in(26, 26) || in(51, 51) || in(61, 61) || in(64, 64) || in(68, 68) ||
        in(70, 70) || in(75, 75) || in(112, 112) || in(115, 115) || in(121, 121) || in(137, 137) || in(142, 142))
        return {R::Max, 0, !(in(61, 61) || in(64, 64) || in(68, 68) || in(75, 75) || in(142, 142))};
    if (in(6, 6) || in(23, 23) || in(28, 28) || in(31, 31) || in(123, 123) || in(139, 139))
        return {R::Min, 0, item != 31};
    if (in(9, 17) || in(41, 49) || in(144, 146))
        return {R::None, 0, true};
    if (in(35, 40) || in(53, 60) || in(84, 108) || in(125, 125) || in(141, 141) || in(149, 150))
        return {R::Sum, 0, false};
    if (in(50, 50) || in(66, 67) || in(147, 147))
        return {R::Sum, 0, true};
    if (in(109, 110))
        return {R::None, 0, false};   // the year's own count over all months, below
    return {R::Mean, 0, item != 30 && item != 148};
}

double DayMean(const std::vector<Day>& days, const std::function<double(const Day&)>& f)
{
    std::vector<double> v;
    for (const Day& d : days)
        v.push_back(f(d));
    return Mean(v);
}

// The day whose value is largest (sign 1) or smallest (sign -1).
ItemValue Extreme(const std::vector<Day>& days, int sign, const std::function<double(const Day&)>& f)
{
    ItemValue best;
    for (std::size_t i = 0; i < days.size(); ++i) {
        const double v = f(days[i]);
        if (IsMissing(v))
            continue;
        if (IsMissing(best.number) || sign * v > sign * best.number)
            best = {v, "", static_cast<int>(i) + 1};
    }
    return best;
}

double Sum(const std::vector<Day>& days, std::size_t from, std::size_t to, const std::function<double(const Day&)>& f)
{
    double s = 0;
    for (std::size_t i = from; i < std::min(to, days.size()); ++i)
        s += f(days[i]);
    return s;
}

// Pentad p (1..6) is days 5(p-1)+1 .. 5p, the sixth running to the month's end; the
// ten-day period k (1..3) likewise.
std::pair<std::size_t, std::size_t> PentadDays(int p, std::size_t n)
{
    return {static_cast<std::size_t>(5 * (p - 1)), p == 6 ? n : static_cast<std::size_t>(5 * p)};
}
std::pair<std::size_t, std::size_t> DecadeDays(int k, std::size_t n)
{
    return {static_cast<std::size_t>(10 * (k - 1)), k == 3 ? n : static_cast<std::size_t>(10 * k)};
}

double MeanOver(const std::vector<Day>& days, std::pair<std::size_t, std::size_t> range,
                const std::function<double(const Day&)>& f)
{
    return Sum(days, range.first, range.second, f) / static_cast<double>(range.second - range.first);
}

// The longest run of days for which `in` holds: its length, first and last day.
ItemValue LongestSpell(const std::vector<Day>& days, const std::function<bool(const Day&)>& in)
{
    ItemValue best{0};
    int run = 0;
    for (std::size_t i = 0; i < days.size(); ++i) {
        run = in(days[i]) ? run + 1 : 0;
        if (run > best.number)
            best = {static_cast<double>(run), "", static_cast<int>(i) + 2 - run, static_cast<int>(i) + 1};
    }
    return best;
}

double SunshineHours(const Day& d)
{
    double s = 0;
    for (double h : d.sunshine)
        s += h;
    return s;
}
constexpr double PossibleSunshine = 12;   // hours a day in the simulation

double DailyMean(const std::array<double, 24>& hourly) { return HourlyMean(hourly); }

// Days with each of the 25 phenomena of the weather-day table, in its column order
// (rain, snow, hail, ice needles, fog, mist, dew, frost, glaze, rime, blowing snow, tornado,
// snow cover, ice, sandstorm, blowing sand, dust, smoke, haze, dust devil, thunderstorm,
// lightning, aurora, gale, squall).
int WeatherDays(const std::vector<Day>& days, int month, int column)
{
    const bool summer = month >= 5 && month <= 9, spring = month >= 3 && month <= 5;
    int n = 0;
    for (std::size_t i = 0; i < days.size(); ++i) {
        const Day& d = days[i];
        const int day = static_cast<int>(i) + 1;
        const double minVisibility = *std::min_element(d.visibility.begin(), d.visibility.end());
        bool has = false;
        switch (column) {
        case 1: has = d.rain && !d.snow; break;
        case 2: has = d.snow; break;
        case 3: has = summer && d.rain && day == 17; break;
        case 5: has = d.fog; break;
        case 6: has = !d.fog && minVisibility < 10; break;
        case 7: has = !d.rain && d.minTemperature > 2 && day % 4 == 0; break;
        case 8: has = d.weather.find("03") != std::string::npos; break;
        case 10: has = (month == 1 || month == 12) && d.minTemperature < -3 && day % 5 == 0; break;
        case 13: has = d.snowDepth > 0; break;
        case 14: has = d.minTemperature < 0; break;
        case 15: has = spring && day == 9; break;
        case 16: has = spring && !d.rain && day % 8 == 0; break;
        case 17: has = spring && !d.rain && day % 6 == 0; break;
        case 19: has = !d.rain && !spring && day % 9 == 0; break;
        case 21: has = summer && d.rain && day % 3 == 0; break;
        case 22: has = summer && d.rain && day % 6 == 0; break;
        case 24: has = d.extremeWindSpeed > 10; break;
        case 25: has = summer && d.rain && day == 21; break;
        default: break;
        }
        n += has;
    }
    return n;
}

// Wire icing, observed in the coldest months only: the phenomenon code and the record on
// both wires (diameter, thickness mm; weight g/m; date), with the air temperature (0.1 °C),
// wind direction and speed (0.1 m/s) of the icing.
void AddIcing(std::array<ItemValue, 151>& v, int month)
{
    struct Icing {
        int month;
        const char* code;
        int day;
        std::array<int, 4> ns, ew;   // diameter, thickness, weight, date
        double temperature;
        const char* direction;
        double speed;
    };
    static const std::array<Icing, 3> records{{
        {1, "56", 14, {8, 3, 24, 14}, {7, 2, 20, 14}, -5.2, "NNW", 3.1},
        {2, "5648", 3, {12, 5, 46, 3}, {10, 4, 38, 3}, -3.4, "N", 2.6},
        {12, "48", 22, {6, 2, 15, 22}, {5, 2, 12, 22}, -8.0, "NW", 4.0},
    }};
    for (const Icing& r : records) {
        if (r.month != month)
            continue;
        v[72].text = r.code;
        for (int k = 0; k < 4; ++k) {
            v[static_cast<std::size_t>(73 + k)].number = r.ns[static_cast<std::size_t>(k)];
            v[static_cast<std::size_t>(77 + k)].number = r.ew[static_cast<std::size_t>(k)];
        }
        v[81].number = r.temperature;
        v[82].text = r.direction;
        v[83].number = r.speed;
    }
}

// Hourly wind observations of a month by direction (1..16, 17 calm): count, sum, maximum.
struct WindCount {
    int count = 0;
    double sum = 0, max = 0;
};
using WindCounts = std::array<WindCount, 18>;

WindCounts CountWinds(const std::vector<Day>& days, int& total)
{
    WindCounts w{};
    for (const Day& d : days)
        for (std::size_t h = 0; h < 24; ++h) {
            if (IsMissing(d.windSpeed[h]))
                continue;
            ++total;
            WindCount& c = w[static_cast<std::size_t>(d.windDir[h]) + 1];
            ++c.count;
            c.sum += d.windSpeed[h];
            c.max = std::max(c.max, d.windSpeed[h]);
        }
    return w;
}

int MostFrequentDirection(const WindCounts& w)
{
    int best = 1;
    for (int dir = 2; dir <= 16; ++dir)
        if (w[static_cast<std::size_t>(dir)].count > w[static_cast<std::size_t>(best)].count)
            best = dir;
    return best;
}

// The month's value of every YMonthStat item.
std::array<ItemValue, 151> MonthItems(const std::vector<Day>& days, int month)
{
    std::array<ItemValue, 151> v{};
    auto put = [&v](int item, double number) { v[static_cast<std::size_t>(item)].number = number; };
    auto putExtreme = [&v](int item, ItemValue e) {
        v[static_cast<std::size_t>(item)] = e;
        v[static_cast<std::size_t>(item + 1)].number = e.day;
    };
    const std::size_t n = days.size();
    // Station pressure, sea-level pressure.
    put(1, DayMean(days, [](const Day& d) { return DailyMean(d.pressure); }));
    put(2, DayMean(days, [](const Day& d) { return d.maxPressure; }));
    put(3, DayMean(days, [](const Day& d) { return d.minPressure; }));
    putExtreme(4, Extreme(days, 1, [](const Day& d) { return d.maxPressure; }));
    putExtreme(6, Extreme(days, -1, [](const Day& d) { return d.minPressure; }));
    put(8, DayMean(days, [](const Day& d) { return DailyMean(d.seaLevel); }));
    // Air temperature.
    auto meanT = [](const Day& d) { return DailyMean(d.temperature); };
    for (int p = 1; p <= 6; ++p)
        put(8 + p, MeanOver(days, PentadDays(p, n), meanT));
    for (int k = 1; k <= 3; ++k)
        put(14 + k, MeanOver(days, DecadeDays(k, n), meanT));
    put(18, DayMean(days, meanT));
    put(19, DayMean(days, [](const Day& d) { return d.maxTemperature; }));
    put(20, DayMean(days, [](const Day& d) { return d.minTemperature; }));
    putExtreme(21, Extreme(days, 1, [](const Day& d) { return d.maxTemperature; }));
    putExtreme(23, Extreme(days, -1, [](const Day& d) { return d.minTemperature; }));
    // Vapour pressure and humidity.
    put(25, DayMean(days, [](const Day& d) { return DailyMean(d.vapour); }));
    putExtreme(26, Extreme(days, 1, [](const Day& d) { return *std::max_element(d.vapour.begin(), d.vapour.end()); }));
    putExtreme(28, Extreme(days, -1, [](const Day& d) { return *std::min_element(d.vapour.begin(), d.vapour.end()); }));
    put(30, DayMean(days, [](const Day& d) { return DailyMean(d.humidity); }));
    putExtreme(31, Extreme(days, -1, [](const Day& d) { return d.minHumidity; }));
    // Cloud: means in 0.1 of a tenth of sky, days by class of the daily mean.
    put(33, DayMean(days, [](const Day& d) { return DailyMean(d.totalCloud); }));
    put(34, DayMean(days, [](const Day& d) { return DailyMean(d.lowCloud); }));
    for (int layer = 0; layer < 2; ++layer)
        for (int cls = 0; cls < 3; ++cls) {
            int count = 0;
            for (const Day& d : days) {
                const double mean = std::round(10 * DailyMean(layer == 0 ? d.totalCloud : d.lowCloud)) / 10;
                count += cls == 0 ? mean <= 1.9 : cls == 1 ? mean >= 2.0 && mean <= 8.0 : mean >= 8.1;
            }
            put(35 + 3 * layer + cls, count);
        }
    // Precipitation.
    auto rain = [](const Day& d) { return d.rainTotal; };
    for (int p = 1; p <= 6; ++p)
        put(40 + p, Sum(days, PentadDays(p, n).first, PentadDays(p, n).second, rain));
    for (int k = 1; k <= 3; ++k)
        put(46 + k, Sum(days, DecadeDays(k, n).first, DecadeDays(k, n).second, rain));
    put(50, Sum(days, 0, n, rain));
    putExtreme(51, Extreme(days, 1, rain));
    static constexpr std::array<double, 8> classes{0.1, 1.0, 5.0, 10.0, 25.0, 50.0, 100.0, 150.0};
    for (std::size_t k = 0; k < classes.size(); ++k)
        put(53 + static_cast<int>(k), static_cast<double>(std::count_if(days.begin(), days.end(), [&](const Day& d) {
                return d.rainTotal >= classes[k] - 1e-9;
            })));
    // Spells with and without precipitation.
    v[61] = LongestSpell(days, [](const Day& d) { return d.rainTotal >= 0.1; });
    {
        double amount = 0;
        for (int d = v[61].day; d >= 1 && d <= v[61].lastDay; ++d)
            amount += days[static_cast<std::size_t>(d - 1)].rainTotal;
        put(62, v[61].number > 0 ? amount : Missing);
    }
    v[64] = LongestSpell(days, [](const Day& d) { return d.rainTotal < 0.1; });
    // Each spell's first and last day follow it (items 63 and 65).
    for (auto [spellItem, datesItem] : {std::pair{61, 63}, std::pair{64, 65}}) {
        const ItemValue& spell = v[static_cast<std::size_t>(spellItem)];
        v[static_cast<std::size_t>(datesItem)].text =
            spell.number > 0 ? std::to_string(spell.day) + "-" + std::to_string(spell.lastDay) : "";
    }
    // Evaporation: small pan and E601B.
    put(66, Sum(days, 0, n, [](const Day& d) { return d.evaporation; }));
    put(67, 0.8 * Sum(days, 0, n, [](const Day& d) { return d.evaporation; }));
    // Snow depth (cm) and snow pressure (g/cm2), only in months with snow cover.
    const ItemValue depth = Extreme(days, 1, [](const Day& d) { return d.snowDepth; });
    if (depth.number > 0) {
        putExtreme(68, depth);
        putExtreme(70, {0.15 * depth.number, "", depth.day});
    } else {
        for (int item = 68; item <= 71; ++item)
            v[static_cast<std::size_t>(item)].text = "";
    }
    AddIcing(v, month);
    for (int c = 1; c <= 25; ++c)
        put(83 + c, WeatherDays(days, month, c));
    // Wind.
    int total = 0;
    const WindCounts w = CountWinds(days, total);
    const int most = MostFrequentDirection(w);
    v[109].text = DirectionName[static_cast<std::size_t>(most - 1)];
    put(110, std::round(100.0 * w[static_cast<std::size_t>(most)].count / std::max(total, 1)));
    put(111, DayMean(days, [](const Day& d) { return DailyMean(d.windSpeed); }));
    const ItemValue maxWind = Extreme(days, 1, [](const Day& d) { return d.maxWindSpeed; });
    const ItemValue gust = Extreme(days, 1, [](const Day& d) { return d.extremeWindSpeed; });
    v[112] = maxWind;
    v[113].text = DirectionName[static_cast<std::size_t>(days[static_cast<std::size_t>(maxWind.day - 1)].maxWindDir)];
    put(114, maxWind.day);
    v[115] = gust;
    v[116].text = DirectionName[static_cast<std::size_t>(days[static_cast<std::size_t>(gust.day - 1)].extremeWindDir)];
    put(117, gust.day);
    // Ground (0 cm), soil and grass temperatures.
    auto surface = [&](int base, auto hourly, auto high, auto low) {
        put(base, DayMean(days, [&](const Day& d) { return DailyMean(hourly(d)); }));
        put(base + 1, DayMean(days, high));
        put(base + 2, DayMean(days, low));
        putExtreme(base + 3, Extreme(days, 1, high));
        putExtreme(base + 5, Extreme(days, -1, low));
        put(base + 7, static_cast<double>(std::count_if(days.begin(), days.end(), [&](const Day& d) { return low(d) <= 0.0; })));
    };
    surface(118, [](const Day& d) { return d.ground; }, [](const Day& d) { return d.maxGround; },
            [](const Day& d) { return d.minGround; });
    for (std::size_t k = 0; k < 8; ++k)
        put(126 + static_cast<int>(k), DayMean(days, [k](const Day& d) { return DailyMean(d.soil[k]); }));
    surface(134, [](const Day& d) { return d.grass; }, [](const Day& d) { return d.maxGrass; },
            [](const Day& d) { return d.minGrass; });
    // Frozen soil: the greatest depth reached (cm), only in months with frozen ground.
    const ItemValue frozen = Extreme(days, 1, [](const Day& d) { return d.frozenBottom; });
    if (frozen.number > 0)
        putExtreme(142, frozen);
    else
        v[142].text = v[143].text = "";
    // Sunshine: ten-day totals, the month's total and percentage, days by percentage class.
    for (int k = 1; k <= 3; ++k)
        put(143 + k, Sum(days, DecadeDays(k, n).first, DecadeDays(k, n).second, SunshineHours));
    put(147, Sum(days, 0, n, SunshineHours));
    put(148, std::round(100 * Sum(days, 0, n, SunshineHours) / (PossibleSunshine * static_cast<double>(n))));
    put(149, static_cast<double>(std::count_if(days.begin(), days.end(), [](const Day& d) {
            return SunshineHours(d) >= 0.6 * PossibleSunshine;
        })));
    put(150, static_cast<double>(std::count_if(days.begin(), days.end(), [](const Day& d) {
            return SunshineHours(d) <= 0.2 * PossibleSunshine;
        })));
    return v;
}

std::string FormatItem(const ItemValue& v, bool tenths)
{
    if (!v.text.empty() || IsMissing(v.number))
        return v.text;
    return tenths ? Tenths(v.number) : Int(v.number);
}

std::string DayMonth(int day, int month) { return std::to_string(day) + "/" + std::to_string(month); }

json MonthStatTable(const YearDays& year)
{
    std::array<std::array<ItemValue, 151>, 12> months;
    for (int m = 1; m <= 12; ++m)
        months[static_cast<std::size_t>(m - 1)] = MonthItems(year[static_cast<std::size_t>(m - 1)], m);
    auto at = [&](int m, int item) -> const ItemValue& {
        return months[static_cast<std::size_t>(m - 1)][static_cast<std::size_t>(item)];
    };
    // The month an extreme item's year value came from (0: none).
    auto extremeMonth = [&](int item) {
        const int sign = YearRuleOf(item).rule == YearRule::Min ? -1 : 1;
        int best = 0;
        for (int m = 1; m <= 12; ++m) {
            const double v = at(m, item).number;
            if (!IsMissing(v) && at(m, item).text.empty() &&
                (best == 0 || sign * v > sign * at(best, item).number))
                best = m;
        }
        return best;
    };
    // The year's wind: the most frequent direction over all hours.
    WindCounts yearWind{};
    int yearTotal = 0;
    for (const auto& days : year) {
        const WindCounts w = CountWinds(days, yearTotal);
        for (std::size_t d = 0; d < w.size(); ++d)
            yearWind[d].count += w[d].count;
    }
    const int mostFrequent = MostFrequentDirection(yearWind);

    auto yearCell = [&](int item) -> std::string {
        const ItemRuleOf r = YearRuleOf(item);
        std::vector<double> values;
        for (int m = 1; m <= 12; ++m)
            if (at(m, item).text.empty())
                values.push_back(at(m, item).number);
        switch (r.rule) {
        case YearRule::None:
            if (item == 109)
                return DirectionName[static_cast<std::size_t>(mostFrequent - 1)];
            if (item == 110)
                return Int(100.0 * yearWind[static_cast<std::size_t>(mostFrequent)].count / std::max(yearTotal, 1));
            return "";
        case YearRule::Mean: return FormatItem({Mean(values)}, r.tenths);
        case YearRule::Sum: {
            double s = 0;
            for (double x : values)
                s += IsMissing(x) ? 0 : x;
            return FormatItem({s}, r.tenths);
        }
        case YearRule::Max:
        case YearRule::Min: {
            const int m = extremeMonth(item);
            return m ? FormatItem(at(m, item), r.tenths) : "";
        }
        case YearRule::Follow: {
            const int m = extremeMonth(r.ref);
            return m ? FormatItem(at(m, item), r.tenths) : "";
        }
        case YearRule::DateOf: {
            const int m = extremeMonth(r.ref);
            return m ? DayMonth(at(m, r.ref).day, m) : "";
        }
        case YearRule::Span: {
            const int m = extremeMonth(r.ref);
            return m ? DayMonth(at(m, r.ref).day, m) + "-" + DayMonth(at(m, r.ref).lastDay, m) : "";
        }
        }
        return "";
    };
    return Grid(13, 150, [&](int month, int item) -> std::string {
        if (month == 13)
            return yearCell(item);
        return FormatItem(at(month, item), YearRuleOf(item).tenths);
    });
}

// The year's maximum precipitation for 15 durations: amount (0.1 mm) and the month, day,
// hour and minute it began; one maximum reached twice ("2次") and one dated by its month only.
json MaxPrecipitationTable()
{
    static constexpr std::array<int, 15> minutes{5, 10, 15, 20, 30, 45, 60, 90, 120, 180, 240, 360, 540, 720, 1440};
    return Grid(15, 5, [&](int duration, int part) -> std::string {
        const double amount = 4.0 * std::sqrt(minutes[static_cast<std::size_t>(duration - 1)] / 5.0);
        if (part == 1)
            return Tenths(amount);
        if (duration == 3)
            return part == 2 ? "2次" : "";
        if (duration == 15)
            return part == 2 ? "7月" : "";
        switch (part) {
        case 2: return duration < 9 ? "7" : "8";
        case 3: return std::to_string(duration < 9 ? 21 : 3);
        case 4: return Two(duration < 9 ? 14 : 2);
        default: return Two(5 * (duration % 12));
        }
    });
}

// First and last dates (day/month) of frost, snow, snow cover, ice, minimum temperatures at or
// below 0.0 °C (air, ground, grass) and thunder: the previous season's first, last and days
// from first to last, and this year's first; row 9 column 3 the frost-free days.
json FirstLastDatesTable(const YearDays& year)
{
    // This autumn's first day of each phenomenon, from the simulated months 8..12.
    auto firstAutumnDay = [&](const std::function<bool(const Day&)>& has) -> std::string {
        for (int m = 8; m <= 12; ++m) {
            const auto& days = year[static_cast<std::size_t>(m - 1)];
            for (std::size_t i = 0; i < days.size(); ++i)
                if (has(days[i]))
                    return DayMonth(static_cast<int>(i) + 1, m);
        }
        return "";
    };
    const std::array<std::string, 8> thisYear{
        firstAutumnDay([](const Day& d) { return d.weather.find("03") != std::string::npos; }),
        firstAutumnDay([](const Day& d) { return d.snow; }),
        firstAutumnDay([](const Day& d) { return d.snowDepth > 0; }),
        firstAutumnDay([](const Day& d) { return d.minTemperature < 0; }),
        firstAutumnDay([](const Day& d) { return d.minTemperature <= 0; }),
        firstAutumnDay([](const Day& d) { return d.minGround <= 0; }),
        firstAutumnDay([](const Day& d) { return d.minGrass <= 0; }),
        "12/5"};
    static const std::array<std::array<const char*, 3>, 8> previous{{
        {"25/10", "12/4", "170"}, {"20/11", "18/3", "119"}, {"2/12", "1/3", "90"}, {"5/11", "25/3", "141"},
        {"30/10", "2/4", "155"}, {"20/10", "15/4", "178"}, {"18/10", "20/4", "185"}, {"21/4", "14/9", "147"}}};
    return Grid(9, 4, [&](int row, int col) -> std::string {
        if (row == 9)
            return col == 3 ? "192" : "";
        if (col == 4)
            return thisYear[static_cast<std::size_t>(row - 1)];
        return previous[static_cast<std::size_t>(row - 1)][static_cast<std::size_t>(col - 1)];
    });
}

// Items 1..5 of a direction's wind: sum of speeds, occurrences, mean speed, frequency among
// `total` observations, maximum speed; calm (17) has only occurrences and frequency.
std::string WindItem(const WindCount& w, int total, int dir, int item)
{
    if (dir == 17 && item != 2 && item != 4)
        return "";
    switch (item) {
    case 1: return Tenths(w.sum);
    case 2: return std::to_string(w.count);
    case 3: return w.count ? Tenths(w.sum / w.count) : "0";
    case 4: return Int(100.0 * w.count / std::max(total, 1));
    default: return Tenths(w.max);
    }
}

// Wind by month and direction (1..16, 17 calm): 1 sum of speeds, 2 occurrences, 3 mean
// speed (0.1 m/s), 4 frequency (%), 5 maximum speed; calm only 2 and 4.
json WindStatTable(const YearDays& year)
{
    std::array<WindCounts, 12> counts;
    std::array<int, 12> totals{};
    for (std::size_t m = 0; m < 12; ++m)
        counts[m] = CountWinds(year[m], totals[m]);
    return Cube(12, 17, 5, [&](int month, int dir, int item) -> std::string {
        const WindCount& w = counts[static_cast<std::size_t>(month - 1)][static_cast<std::size_t>(dir)];
        const int total = totals[static_cast<std::size_t>(month - 1)];
        return WindItem(w, total, dir, item);
    });
}

// The year's wind by direction: 1 sum, 2 occurrences, 3 mean, 4 frequency, 5 maximum speed,
// 6 the month of that maximum (a bare number: the page adds "月"); calm only 2 and 4.
json WindYearRowTable(const YearDays& year)
{
    std::array<WindCount, 18> sums{};
    std::array<int, 18> maxMonth{};
    int total = 0;
    for (std::size_t m = 0; m < 12; ++m) {
        const WindCounts w = CountWinds(year[m], total);
        for (std::size_t d = 0; d < w.size(); ++d) {
            sums[d].count += w[d].count;
            sums[d].sum += w[d].sum;
            if (w[d].max > sums[d].max) {
                sums[d].max = w[d].max;
                maxMonth[d] = static_cast<int>(m) + 1;
            }
        }
    }
    return Grid(17, 6, [&](int dir, int item) -> std::string {
        if (item == 6)
            return dir < 17 && maxMonth[static_cast<std::size_t>(dir)] ? std::to_string(maxMonth[static_cast<std::size_t>(dir)]) : "";
        return WindItem(sums[static_cast<std::size_t>(dir)], total, dir, item);
    });
}

// ---------------------------------------------------------------- the back page's lists

// The summary as "code/text" lines (one with an empty text, which prints nothing), the notes
// (the schedule code "10/4" and dated changes) and the instruments in use by code: rain gauges
// 14 with and without "称重", a wire-icing frame 33 with "电缆", codes 34 to 37 (37 has no
// line), a second record for line 2 and a code 0, which the page passes over.
void AddYearBackPageLists(json& t)
{
    t["YClimateSummary"] = List(1, {"1/本年平均气温略高于常年,降水量接近常年。", "2/",
                                    "3/春季干旱少雨,夏季降水集中在7月下旬。"});
    t["YNotes"] = List(0, {"", "10/4", "08/0601/蒸发/E601B型蒸发器/3/0", "BB/0915/更换风速感应器。"});
    t["YInstruments"] = List(1, {"1/DYM3/1023/长江仪器厂/19990310", "2/DHC2/0417/长江仪器厂/20010605",
                                 "3/EL15/2211/东方气象仪器厂/20020112", "0/备用/0001/长江仪器厂/20000101",
                                 "14/SL3-1/0312/上海气象仪器厂/20020315", "14/DSC1/0108/华云称重仪器厂/20020420",
                                 "33/DJB2/0021/北方电缆积冰架厂/20010601", "34/DZZ1-2/0538/华云气象技术公司/20021105",
                                 "35/P4/CN0117/联想电脑公司/20020110", "36/SHJ1/0205/北郊钟表厂/20021201",
                                 "37/ZQZ-TF/0093/长春气象仪器厂/20020701", "3/EL15/2212/东方气象仪器厂/20020801"});
}

// Frozen ground deeper than 500 cm in January (printed ">20") and exactly 500 cm in February;
// the year's greatest depth is January's.
void MarkDeepFrozenSoil(json& t)
{
    json& cells = t["YMonthStat"]["cells"];
    constexpr std::size_t Depth = 141, Date = 142;   // items 142 and 143
    cells[0][Depth] = "520";
    cells[1][Depth] = "500";
    cells[12][Depth] = "520";
    cells[12][Date] = cells[0][Date].get<std::string>() + "/1";
}

// An automatic station's year: no "人工" in YfilePara(14), no notes, and a summary over 600
// characters (printed at 9 points).
void AddAutomaticYearBackPageLists(json& t)
{
    t["YClimateSummary"] = List(1, {
        "1/本年气候总体特点是:气温偏高,降水偏少,日照偏多,风速略小。年平均气温较常年偏高0.8℃,为近十年来第二高值;"
        "年降水量较常年偏少一成半,季节分配不均,春、秋两季降水明显偏少,夏季降水接近常年。",
        "2/冬季(上年12月至本年2月)气温偏高,降水偏少,出现了较长时间的干旱;1月下旬出现一次明显的降温过程,"
        "日最低气温降至-6.5℃,过程降温幅度达10℃以上,对越冬作物造成一定影响。",
        "3/春季气温回升较快,3月中旬出现了本年第一次强对流天气,伴有冰雹和雷雨大风;4月至5月降水持续偏少,"
        "春旱较为明显,5月下旬的一次区域性降水过程使旱情得到缓解。",
        "4/夏季高温日数偏多,7月中旬至8月上旬出现持续高温天气,日最高气温35℃以上的日数达18天,极端最高气温39.2℃;"
        "入梅偏晚、出梅偏早,梅雨量偏少,7月下旬受台风外围影响出现大到暴雨。",
        "5/秋季气温偏高,降水偏少,秋高气爽天气持续时间长;10月下旬出现一次较强冷空气过程,伴有4至5级偏北风。",
        "6/全年主要气象灾害有春旱、夏季高温和局地强对流天气,对农业生产和城市供水造成了一定影响。",
        "7/本年日照时数较常年偏多约一成,其中夏季日照充足,7月日照时数为全年最多;冬季多雾天气,12月日照时数为全年最少,"
        "仅为常年同期的六成左右。",
        "8/本年平均风速较常年略小,全年大风日数为6天,主要出现在春季;年主导风向为偏北风,夏季多偏南风,冬季多西北风。",
        "9/本年共出现雷暴日数32天,初雷日为3月14日,终雷日为10月2日;降雪日数8天,积雪日数3天,最大积雪深度4厘米,"
        "出现在1月24日。",
        "10/本年霜冻出现较常年偏晚,初霜日为11月9日,终霜日为3月21日,无霜期达232天,较常年偏长约半个月,"
        "对秋播作物出苗和生长较为有利。"});
    t["YNotes"] = List(0, {""});
    t["YInstruments"] = List(1, {"2/DYC1/3021/长江仪器厂/20020312", "12/EL15-1C/0877/东方气象仪器厂/20020110",
                                 "14/SL3-1/0530/上海气象仪器厂/20020405", "34/DZZ1-2/1107/华云气象技术公司/20020105",
                                 "35/P4/CN0233/联想电脑公司/20020105"});
}

void AddYearStatistics(json& t, const Station& base)
{
    const YearDays year = SimulateYear(base);
    t["YMonthStat"] = MonthStatTable(year);
    t["YMaxPrecipitation"] = MaxPrecipitationTable();
    t["YFirstLastDates"] = FirstLastDatesTable(year);
    t["YWindStat"] = WindStatTable(year);
    t["YWindYearRow"] = WindYearRowTable(year);
    AddYearBackPageLists(t);
}

json MakeYFile(const Station& s)
{
    json t = json::object();
    AddYearHeader(t, s);
    AddYearStatistics(t, s);
    return t;
}

// The manual station's year, with the frozen-soil depths of the yearly page four's two cases.
json MakeManualYFile(const Station& s)
{
    json t = MakeYFile(s);
    MarkDeepFrozenSoil(t);
    return t;
}

// An automatic station's year whose header leaves the observing-by-hand marker empty.
json MakeAutomaticYFile(Station s)
{
    s.manualMarker = "";
    json t = MakeYFile(s);
    AddAutomaticYearBackPageLists(t);
    return t;
}

}  // namespace
