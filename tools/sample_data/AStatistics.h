#pragma once
// A file: the statistics tables, computed from the day values.
// Part of make-sample-data (included by tools/make-sample-data.cpp only).

#include "AElements.h"

namespace {

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

// One element block of ADekadStat after `base`: the hour means (b+1..b+24, or b+1..b+4 for
// stations observing four times a day), the means over 4 and 24 observations, then the
// means of the daily extremes when the element has them.
using Hourly = std::function<const std::array<double, 24>&(const Day&)>;

template <const std::array<double, 24> Day::*Member>
const std::array<double, 24>& Of(const Day& d) { return d.*Member; }

struct DekadElement {
    int base;
    Hourly hourly;
    double Day::*high = nullptr;
    double Day::*low = nullptr;
    std::string (*format)(double) = Tenths;
    bool fourReadings = false;   // read at the four fixed hours even at an hourly station
};

void DekadBlock(std::map<int, std::string>& items, int period, const DekadElement& e, const AContext& a)
{
    const bool four = a.s.fourTimesDaily() || e.fourReadings;
    auto mean = [&](const std::function<double(const Day&)>& f) { return e.format(MeanOver(a, period, f)); };
    int k = e.base + 1;
    if (four) {
        for (int item : FixedItems)
            items[k++] = mean([&](const Day& d) { return e.hourly(d)[static_cast<std::size_t>(item - 1)]; });
    } else {
        for (std::size_t m = 0; m < 24; ++m)
            items[k++] = mean([&](const Day& d) { return e.hourly(d)[m]; });
    }
    items[k++] = mean([&](const Day& d) { return FixedMean(e.hourly(d)); });
    if (!four)
        items[k++] = mean([&](const Day& d) { return HourlyMean(e.hourly(d)); });
    if (e.high)
        items[k++] = mean([&](const Day& d) { return d.*e.high; });
    if (e.low)
        items[k++] = mean([&](const Day& d) { return d.*e.low; });
}

double SumOver(const AContext& a, int period, const std::function<double(const Day&)>& f)
{
    const auto [from, to] = PeriodDays(period, a.days);
    double s = 0;
    for (int d = from; d <= to; ++d)
        s += f(a.day(d));
    return s;
}

std::string CloudMean(double v) { return IsMissing(v) ? "-" : Fixed(v, 1); }

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
        case 9: return CloudMean(FixedMean(day.totalCloud));
        case 10: return CloudMean(HourlyMean(day.totalCloud));
        case 11: return CloudMean(FixedMean(day.lowCloud));
        case 12: return CloudMean(HourlyMean(day.lowCloud));
        case 13: return day.summary;
        case 14: return EightToEightRain(a, d) > 0 ? Tenths(EightToEightRain(a, d)) : "";
        case 15: return day.rainTotal > 0 ? Tenths(day.rainTotal) : "";
        case 16: case 18: return Tenths(FixedMean(day.windSpeed));
        case 17: case 19: return Tenths(HourlyMean(day.windSpeed));
        case 20: return Tenths(FixedMean(day.grass));
        case 21: return Tenths(HourlyMean(day.grass));
        case 22: return Tenths(FixedMean(day.ground));
        case 23: return Tenths(HourlyMean(day.ground));
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
        const std::array<DekadElement, 9> elements{{
            {0, Of<&Day::pressure>, &Day::maxPressure, &Day::minPressure},
            {28, Of<&Day::temperature>, &Day::maxTemperature, &Day::minTemperature},
            {56, Of<&Day::vapour>},
            {82, Of<&Day::humidity>, nullptr, nullptr, [](double v) { return Int(v); }},
            {109, Of<&Day::totalCloud>, nullptr, nullptr, CloudMean},
            {135, Of<&Day::lowCloud>, nullptr, nullptr, CloudMean},
            {167, Of<&Day::windSpeed>},
            {193, Of<&Day::grass>, &Day::maxGrass, &Day::minGrass},
            {221, Of<&Day::ground>, &Day::maxGround, &Day::minGround, Tenths, GroundReadFourTimes(a.s)},
        }};
        for (const DekadElement& e : elements)
            DekadBlock(items, p, e, a);
        // The daily mean wind speed stands at 192 for every station.
        if (a.s.fourTimesDaily())
            items[192] = items[172];
        // Soil: 5, 10, 15, 20, 40 cm and the deep layers, 26 items each from 250; a deep
        // layer read once a day has its 14 h mean at b+1.
        for (std::size_t k = 0; k < 8; ++k) {
            const int base = 249 + 26 * static_cast<int>(k);
            if (k >= 5 && DeepSoilReadOnce(a.s))
                items[base + 1] = Tenths(MeanOver(a, p, [k](const Day& d) { return d.soil[k][17]; }));
            else
                DekadBlock(items, p, {base, [k](const Day& d) -> const std::array<double, 24>& { return d.soil[k]; },
                                      nullptr, nullptr, Tenths, k < 5 && GroundReadFourTimes(a.s)}, a);
        }
        // Totals: precipitation 20-8, 8-20, 20-20 and the daily totals, small-pan and
        // E601B evaporation.
        auto total = [&](const std::function<double(const Day&)>& f) { return Tenths(SumOver(a, p, f)); };
        items[162] = total([](const Day& d) { return d.rain20to8; });
        items[163] = total([](const Day& d) { return d.rain8to20; });
        items[164] = total([](const Day& d) { return d.rainTotal; });
        items[165] = Tenths([&] {
            double sum = 0;
            for (int d = PeriodDays(p, a.days).first; d <= PeriodDays(p, a.days).second; ++d)
                sum += EightToEightRain(a, d);
            return sum;
        }());
        items[166] = total([](const Day& d) { return d.evaporation; });
        items[167] = total([](const Day& d) { return d.evaporation * 0.8; });
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
    // Grass (75..79) and ground (80..84) surface: month extremes with their dates, then the
    // days whose minimum was at or below 0.0.
    put(75, Max(a, [](const Day& d) { return d.maxGrass; }));
    put(77, Min(a, [](const Day& d) { return d.minGrass; }));
    put(80, Max(a, [](const Day& d) { return d.maxGround; }));
    put(82, Min(a, [](const Day& d) { return d.minGround; }));
    int grassFrostDays = 0, frostDays = 0;
    for (int d = 1; d <= a.days; ++d) {
        grassFrostDays += a.day(d).minGrass <= 0;
        frostDays += a.day(d).minGround <= 0;
    }
    m[79] = std::to_string(grassFrostDays);
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
    // Days with each phenomenon of the weather-days table, in its order (rain, snow, hail, ...).
    static const std::array<const char*, 25> codes{"60", "70", "89", "76", "42", "10", "01", "02", "56",
                                                   "48", "38", "19", "16", "03", "31", "07", "06", "04",
                                                   "05", "08", "17", "13", "14", "15", "18"};
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
    // Hourly stations: columns 1..24 the hours, 25/26 the four fixed observations (sums,
    // then mean speed and frequency), 27/28 all 24. Four-a-day stations: columns 1..4 the
    // fixed hours, 5/6 their sums and means; the other columns stay empty.
    const bool four = a.s.fourTimesDaily();
    t["AWindDirectionStat"] = Cube(28, 17, 3, [&](int col, int dir, int item) -> std::string {
        if ((dir == 17 && item != 2) || (four && col > 6))
            return "";
        const bool hourColumn = four ? col <= 4 : col <= 24;
        const bool sums = hourColumn || col == (four ? 5 : 25) || col == 27;
        const bool fixedOnly = four || col <= 26;
        const int hourItem = four && hourColumn ? FixedItems[static_cast<std::size_t>(col - 1)] : col;
        const Cell c = hourColumn ? byHour[static_cast<std::size_t>(hourItem - 1)][static_cast<std::size_t>(dir - 1)]
                                  : total(dir - 1, fixedOnly);
        if (sums)
            return item == 1 ? Tenths(c.sum) : item == 2 ? std::to_string(c.count) : Tenths(c.max);
        // Mean speed and frequency (%) of the direction.
        if (item == 1)
            return c.count ? Tenths(c.sum / c.count) : "0";
        if (item == 2)
            return Int(100.0 * c.count / observations(fixedOnly));
        return "";
    });
    std::vector<json> row;
    for (int m = 0; m < 24; ++m) {
        std::vector<double> v;
        for (int d = 1; d <= a.days; ++d)
            v.push_back(a.day(d).windSpeed[static_cast<std::size_t>(m)]);
        row.push_back(Tenths(Mean(v)));
    }
    // Under the two daily mean columns: the month's means of the 4- and 24-observation means.
    row.push_back(Tenths(MeanOver(a, 4, [](const Day& d) { return FixedMean(d.windSpeed); })));
    row.push_back(Tenths(MeanOver(a, 4, [](const Day& d) { return HourlyMean(d.windSpeed); })));
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

}  // namespace
