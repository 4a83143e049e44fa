#pragma once
// Cells that show what the daily decade pages read: snow cover late in the month, a second
// frozen-soil layer, icing records whose wind has no "/" or a speed that is no number, the
// missing 02 h winds of a station observing three times a day, and the month's icing
// statistics (AMonthStat 46..57) taken from the icing records.
// Part of make-sample-data (included by tools/make-sample-data.cpp only).

#include "Symbols.h"

namespace {

bool IsManualStationFile(const Station& s)
{
    return s.fileName == "A54511-200303.TXT" || s.fileName == "A54511-200302.TXT";
}

// Snow lying on days 24 and 25 of the manual station's months (before the tables are made,
// so the month's snow statistics count it).
void ShowcaseLateSnowCover(const Station& s, std::vector<Day>& month)
{
    if (!IsManualStationFile(s))
        return;
    for (int day : {24, 25})
        if (day <= static_cast<int>(month.size()))
            month[static_cast<std::size_t>(day - 1)].snowDepth = 28 - day;
}

// A frozen day with its lower limit at 12 cm or deeper shows a thin refrozen top layer
// (0..4 cm) above a second layer reaching the day's depth, on days 2..5.
void ShowcaseSecondFrozenLayer(json& t)
{
    json& cells = t["AFrozenSoil"]["cells"];
    for (std::size_t d = 1; d <= 4; ++d) {
        json& row = cells[d];
        const std::string bottom = row[1].get<std::string>();
        if (bottom.empty() || std::stoi(bottom) < 12)
            continue;
        row = json::array({"0", "4", "12", bottom});
    }
}

// The month's icing record: the day with the heaviest north-south icing.
void IcingMonthStatistics(json& t)
{
    const json& icing = t["AWireIcing"]["cells"];
    int best = 0;
    double heaviest = -1;
    for (std::size_t d = 0; d < icing.size(); ++d) {
        const std::string weight = icing[d][3].get<std::string>();
        if (icing[d][0].get<std::string>().empty() || weight.empty())
            continue;
        if (std::stod(weight) > heaviest) {
            heaviest = std::stod(weight);
            best = static_cast<int>(d) + 1;
        }
    }
    if (best == 0)
        return;
    const json& row = icing[static_cast<std::size_t>(best - 1)];
    json& m = t["AMonthStat"]["cells"];   // item k at index k - 1
    const auto set = [&](int item, const std::string& text) { m[static_cast<std::size_t>(item - 1)] = text; };
    set(46, row[0].get<std::string>());
    for (int k = 0; k < 3; ++k) {
        set(47 + k, row[static_cast<std::size_t>(1 + k)].get<std::string>());
        set(51 + k, row[static_cast<std::size_t>(4 + k)].get<std::string>());
    }
    set(50, std::to_string(best));
    set(54, std::to_string(best));
    set(55, row[7].get<std::string>());
    const std::string wind = row[8].get<std::string>();
    const auto slash = wind.find('/');
    set(56, slash == std::string::npos ? wind : wind.substr(0, slash));
    set(57, slash == std::string::npos ? "" : wind.substr(slash + 1));
}

void ShowcaseDecadePageCells(json& t, const AContext& a)
{
    ShowcaseSecondFrozenLayer(t);
    if (IsManualStationFile(a.s)) {
        // Icing on the snow-covered days: one wind without "/", one speed that is no number.
        SetCells(t["AWireIcing"], a, {{24, 1, "48"}, {24, 2, "10"}, {24, 3, "7"}, {24, 4, "6"}, {24, 5, "5"},
                                      {24, 6, "9"}, {24, 7, "8"}, {24, 8, "-41"}, {24, 9, "-"},
                                      {25, 1, "5648"}, {25, 2, "6"}, {25, 3, "4"}, {25, 4, "3"}, {25, 5, "4"},
                                      {25, 6, "3"}, {25, 7, "2"}, {25, 8, "-28"}, {25, 9, "315/x"}});
    }
    if (a.s.fileName == "A54511-200302.TXT") {
        // Observing three times a day, the station has no 02 h wind: "" and "-" as written.
        SetCells(t["AWind"], a, {{1, 1, ""}, {2, 1, "-"}});
    }
    IcingMonthStatistics(t);
}

}  // namespace
