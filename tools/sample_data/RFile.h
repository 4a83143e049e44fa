#pragma once
// R file: header, the five radiation day tables, instruments, notes and month statistics.
// Part of make-sample-data (included by tools/make-sample-data.cpp only).

#include "Weather.h"

namespace {

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

// The instruments in use, stored (field, instrument): 1 name, 2 model, 3 number, 4..6 the
// certificate's K, t and R, 7 the last calibration and 8 the start of work (yyyymmdd; one
// start date is kept as yyyymm only). A station has the radiometers of what it measures and
// a data logger: six instruments for class 1, three for class 2, two for class 3.
json Instruments(int radiationClass)
{
    struct Instrument {
        const char* name;
        const char* model;
    };
    static const std::array<Instrument, 5> radiometers{{{"总辐射表", "TBQ-2"}, {"净辐射表", "FNP-1"},
                                                        {"散射辐射表", "TBQ-2"}, {"直接辐射表", "TBS-2"},
                                                        {"反射辐射表", "TBQ-2"}}};
    std::vector<Instrument> in;
    const std::size_t radiometerCount = radiationClass == 1 ? 5 : radiationClass == 2 ? 2 : 1;
    for (std::size_t k = 0; k < radiometerCount; ++k)
        in.push_back(radiometers[k]);
    in.push_back({"数据采集器", "DRA-1"});
    const int count = static_cast<int>(in.size());
    return Grid(8, count, [&in, count](int field, int i) -> std::string {
        const Instrument& x = in[static_cast<std::size_t>(i - 1)];
        const bool logger = i == count;
        switch (field) {
        case 1: return x.name;
        case 2: return x.model;
        case 3: return "0" + std::to_string(1200 + 37 * i);
        case 4: return logger ? "" : Fixed(9.5 + 0.31 * i, 3);
        case 5: return logger ? "" : Fixed(20 + i, 0);
        case 6: return logger ? "" : Fixed(140 + 3.5 * i, 1);
        case 7: return "20020915";
        case 8: return logger ? "200210" : "20021001";
        default: return "";
        }
    });
}

// The notes, one row per day of the month: field 1 the surface-layer code, field 2 the
// remark (most days none; one too long for a single line).
json Notes(int days)
{
    return Grid(days, 2, [](int day, int field) -> std::string {
        if (field == 1)
            return day >= 18 && day <= 20 ? "3" : "1";
        switch (day) {
        case 7: return "总辐射表清洁后恢复正常。";
        case 15: return "14时至16时数据采集器停电,其间各时次曝辐量按前后时次内插,日总量由内插值订正,已报上级业务部门备案。";
        case 19: return "积雪覆盖,作用层为雪面。";
        case 21: return "沙尘天气,散射辐射偏大。";
        default: return "";
        }
    });
}

void AddRadiationTables(json& t, const RadiationStation& r, int days)
{
    Rng rng(r.station.seed + 100);
    std::vector<double> clearness(static_cast<std::size_t>(days));
    for (double& c : clearness)
        c = rng.between(0.25, 1.0);
    // What a station of each class measures is what its report prints: class 1 all five
    // elements, class 2 total and net radiation, class 3 total radiation only.
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
            // Exposures in 0.01 MJ/m², as the page titles state.
            if (i <= 24)
                return Int(100 * Exposure(i - 1, c) * k);
            if (i == 25)
                return Int(100 * total);
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
                return Int(100 * total * 0.7);
            if (kind == 5 && i >= 29 && i <= 31)
                return Int(700 * c + 40 * (i - 29));   // direct irradiance at 9, 12, 15 h, W/m²
            if (kind == 5 && i >= 32)
                return Fixed(2.5 + 2 * (1 - c) + 0.1 * (i - 32), 1);   // turbidity at 9, 12, 15 h
            return "";
        });
    };
    t["RTotalRadiation"] = table(1, 28, 1.0);
    t["RNetRadiation"] = table(2, 29, 0.55);
    t["RDiffuseRadiation"] = table(3, 27, 0.35);
    t["RDirectRadiation"] = table(4, 28, 0.75);
    t["RReflectedRadiation"] = table(5, 34, 0.21);

    // Month totals and means: per element block the hours and the daily total, and the three
    // extra items (sunshine 26, direct horizontal-plane total 102, reflectance 128).
    std::map<int, std::string> sums, means;
    auto accumulate = [&](const char* table, int column, int item, int places) {
        const json& cells = t[table]["cells"];
        double s = 0;
        int n = 0;
        for (int d = 0; d < days; ++d) {
            const std::string& v = cells[static_cast<std::size_t>(d)][static_cast<std::size_t>(column - 1)].get_ref<const std::string&>();
            if (!v.empty()) {
                s += std::stod(v);
                ++n;
            }
        }
        if (n) {
            sums[item] = Fixed(s, places);
            means[item] = Fixed(s / n, places);
        }
    };
    static const std::array<std::pair<const char*, int>, 5> blocks{
        std::pair{"RTotalRadiation", 1}, {"RNetRadiation", 27}, {"RDiffuseRadiation", 52},
        {"RDirectRadiation", 77}, {"RReflectedRadiation", 103}};
    for (const auto& [table, first] : blocks)
        for (int i = 1; i <= 25; ++i)
            accumulate(table, i, first + i - 1, 0);
    accumulate("RTotalRadiation", 28, 26, 0);
    accumulate("RDirectRadiation", 28, 102, 0);
    accumulate("RReflectedRadiation", 26, 128, 0);
    std::vector<json> extremes(24, json(""));
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
        // The net minimum is the night's outgoing radiation: below zero, like the daily minima.
        extremes[static_cast<std::size_t>(4 * g)] =
            g == 2 ? std::to_string(-rng.integer(40, 120)) : std::to_string(rng.integer(600, 980));
        extremes[static_cast<std::size_t>(4 * g + 1)] = g == 2 ? "3天" : std::to_string(rng.integer(1, days));
        extremes[static_cast<std::size_t>(4 * g + 2)] = Two(rng.integer(11, 13));
        // The net extremes' minutes are stored with one digit: the maximum's page prints it
        // zero-filled, the minimum's as stored.
        const bool net = g == 1 || g == 2;
        extremes[static_cast<std::size_t>(4 * g + 3)] = net ? std::to_string(rng.integer(1, 9)) : Two(rng.integer(0, 59));
    }
    t["RMonthExtremes"] = List(1, extremes);

    t["RInstruments"] = Instruments(r.radiationClass);
    t["RSiteDescription"] = List(1, {"观测场四周开阔,东侧50米处有二层楼房一座。", "仪器架设于观测场东北角。"});
    t["RSiteDescription2"] = List(1, {"地表为自然草皮,冬季偶有积雪。"});
    t["RExtraTable"] = List(1, {""});
    t["RNotes"] = Notes(days);
}

json MakeRFile(const RadiationStation& r)
{
    const int days = DaysIn(r.station.year, r.station.month);
    json t = json::object();
    AddRadiationHeader(t, r, days);
    AddRadiationTables(t, r, days);
    return t;
}

}  // namespace
