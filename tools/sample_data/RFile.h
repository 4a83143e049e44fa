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

}  // namespace
