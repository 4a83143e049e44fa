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

}  // namespace
