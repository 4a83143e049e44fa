#pragma once
// Cells that show what the hourly day-grid pages read: accumulated precipitation runs and
// the cloud symbol codes the cloud-form pages print as symbols.
// Part of make-sample-data (included by tools/make-sample-data.cpp only).

#include "Symbols.h"

namespace {

// The first day (from `from`) that `fits`, or 0.
int FirstDay(const AContext& a, int from, const std::function<bool(const Day&)>& fits)
{
    for (int d = from; d <= a.days; ++d)
        if (fits(a.day(d)))
            return d;
    return 0;
}

// In AHourlyPrecipitation an amount that covers several hours stands in its last hour; the
// hours before it are "A" (the first) and "-". Every monthly file gets:
// - a run ending in its amount: the first rain of three hours or more folded into its last hour
//   (the day's total and the month's stay as they are);
// - on dry days: a run from 21-22 h reaching the last interval, an "A" in the last interval
//   alone, and a stray "-" that follows no "A".
void ShowcaseAccumulatedPrecipitation(json& t, const AContext& a)
{
    json& cells = t["AHourlyPrecipitation"]["cells"];
    auto cell = [&](int day, int item) -> json& {
        return cells[static_cast<std::size_t>(day - 1)][static_cast<std::size_t>(item - 1)];
    };
    const int wet = FirstDay(a, 1, [](const Day& d) {
        return std::count_if(d.precipitation.begin(), d.precipitation.end(), [](double p) { return p > 0; }) >= 3;
    });
    if (wet > 0) {
        const auto& p = a.day(wet).precipitation;
        const int first = static_cast<int>(std::find_if(p.begin(), p.end(), [](double v) { return v > 0; }) - p.begin()) + 1;
        int last = first;
        double amount = 0;
        while (last <= 24 && p[static_cast<std::size_t>(last - 1)] > 0)
            amount += p[static_cast<std::size_t>(last++ - 1)];
        --last;
        if (last > first) {
            cell(wet, first) = "A";
            for (int m = first + 1; m < last; ++m)
                cell(wet, m) = "-";
            cell(wet, last) = Tenths(amount);
        }
    }
    auto dry = [](const Day& d) { return d.rainTotal <= 0; };
    const int toEnd = FirstDay(a, 2, dry);
    const int lastHour = toEnd ? FirstDay(a, toEnd + 1, dry) : 0;
    const int stray = lastHour ? FirstDay(a, lastHour + 1, dry) : 0;
    if (toEnd) {
        cell(toEnd, 20) = "A";
        for (int m = 21; m <= 24; ++m)
            cell(toEnd, m) = "-";
    }
    if (lastHour)
        cell(lastHour, 24) = "A";
    if (stray)
        cell(stray, 5) = "-";
}

// The reference station's cloud forms, besides the codes 42, 10 and 31 shown for the symbol
// printers: the other six symbol codes, so that its four cloud-form pages show all nine.
void ShowcaseCloudSymbolCodes(json& t, const AContext& a)
{
    if (a.s.fileName.rfind("A50953-", 0) != 0)
        return;
    SetCells(t["ACloudForm"], a, {{4, 6, "Sc 38"}, {4, 12, "39 Ac"}, {5, 9, "Cb 04"}, {5, 14, "05"},
                                  {6, 19, "St 06"}, {6, 24, "07 Ci"}});
    if (a.s.month != 3)   // the March file has them from the symbol showcase
        SetCells(t["ACloudForm"], a, {{2, 1, "Sc 42"}, {2, 2, "CI 31"}, {3, 1, "Ac 10"},
                                      {7, 3, "Cu Sc Ac As Ci Cs Cc Ns St Fc 31 42 38 39"}});
}

}  // namespace
