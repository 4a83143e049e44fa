#pragma once
// Hand-written cells for the ten-minute wind, fixed-time and evaporation pages: months with
// a maximum date given in days ("3天") or left empty, a station without extreme wind, days
// whose maximum is missing ("-/-", "-"), a calm hour, icing codes with a wind of
// "direction/speed" or a direction alone; and the month's icing maxima (AMonthStat 46 to
// 57) taken from the icing days. Part of make-sample-data (included by it only).

#include "Symbols.h"

#include <string>

namespace {

std::string& CellOf(json& table, int day, int item)
{
    return table["cells"][static_cast<std::size_t>(day - 1)][static_cast<std::size_t>(item - 1)]
        .get_ref<std::string&>();
}

std::string& MonthItem(json& t, int item)
{
    return t["AMonthStat"]["cells"][static_cast<std::size_t>(item - 1)].get_ref<std::string&>();
}

int Number(const std::string& text)
{
    try {
        return std::stoi(text);
    } catch (...) {
        return 0;
    }
}

// The month's wire-icing record: the phenomenon and north-south values of the day with the
// thickest north-south icing, the east-west values of the day with the thickest east-west
// icing, and the temperature and wind of the first of them.
void AddIcingMonthStatistics(json& t, const AContext& a)
{
    json& icing = t["AWireIcing"];
    int northSouth = 0, eastWest = 0;
    for (int d = 1; d <= a.days; ++d) {
        if (CellOf(icing, d, 1).empty())
            continue;
        if (!northSouth || Number(CellOf(icing, d, 2)) > Number(CellOf(icing, northSouth, 2)))
            northSouth = d;
        if (!eastWest || Number(CellOf(icing, d, 5)) > Number(CellOf(icing, eastWest, 5)))
            eastWest = d;
    }
    if (!northSouth)
        return;
    const std::string wind = CellOf(icing, northSouth, 9);
    const std::size_t slash = wind.find('/');
    MonthItem(t, 46) = CellOf(icing, northSouth, 1);
    for (int k = 0; k < 3; ++k) {
        MonthItem(t, 47 + k) = CellOf(icing, northSouth, 2 + k);
        MonthItem(t, 51 + k) = CellOf(icing, eastWest, 5 + k);
    }
    MonthItem(t, 50) = std::to_string(northSouth);
    MonthItem(t, 54) = std::to_string(eastWest);
    MonthItem(t, 55) = CellOf(icing, northSouth, 8);
    MonthItem(t, 56) = slash == std::string::npos ? wind : wind.substr(0, slash);
    MonthItem(t, 57) = slash == std::string::npos ? "" : wind.substr(slash + 1);
}

void ShowcaseWindAndIcing(json& t, const AContext& a)
{
    const std::string& file = a.s.fileName;
    if (file == "A54511-200303.TXT") {
        // A manual station without an extreme-wind recorder.
        for (int d = 1; d <= a.days; ++d) {
            CellOf(t["AMaxWind"], d, 3) = d % 2 ? "-/-" : "";
            CellOf(t["AMaxWind"], d, 4) = d % 2 ? "-" : "";
        }
        for (int item = 70; item <= 74; ++item)
            MonthItem(t, item) = "";
    }
    if (file == "A57494-200303.TXT") {
        SetCells(t["AWind10Min"], a, {{2, 3, "90/2"}});
        SetCells(t["AMaxWind"], a, {{4, 1, "-/-"}, {4, 2, "-"}, {5, 3, "-/-"}, {5, 4, "-"}, {6, 1, "-"}, {6, 2, "-"}});
        MonthItem(t, 67) = "3天";
        for (const auto& [day, code, wind] : {std::tuple{5, "48", "270/5"}, {6, "5648", "45/12"}, {7, "4856", "270"}})
            SetCells(t["AWireIcing"], a, {{day, 1, code}, {day, 2, "5"}, {day, 3, "3"}, {day, 4, "21"}, {day, 5, "4"},
                                          {day, 6, "2"}, {day, 7, "16"}, {day, 8, "-12"}, {day, 9, wind}});
    }
    if (file == "A50953-200303.TXT") {
        SetCells(t["AMaxWind"], a, {{10, 1, "-/-"}, {10, 2, "-"}});
        SetCells(t["AWireIcing"], a, {{22, 9, "270/5"}, {23, 9, "270"}});
        MonthItem(t, 72) = "2天";
    }
    if (file == "A56294-200303-0.TXT") {
        for (int item = 72; item <= 74; ++item)
            MonthItem(t, item) = "";
    }
    AddIcingMonthStatistics(t, a);
}

}  // namespace
