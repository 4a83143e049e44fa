#pragma once
// Hand-written cells for the ten-minute wind, fixed-time and evaporation pages: months with
// a maximum date given in days ("3天") or left empty, a station without extreme wind, days
// whose maximum is missing ("-/-", "-"), a calm hour, icing codes with a wind of
// "direction/speed" or a direction alone. Part of make-sample-data (included by it only).

#include "DecadePages.h"

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
    // The month's icing statistics count the icing days added here.
    IcingMonthStatistics(t);
}

}  // namespace
