#pragma once
// Hand-written cells that show what the symbol printers read: weather records using the
// whole record grammar, cloud forms with symbol codes, and every wire-icing code.
// Part of make-sample-data (included by tools/make-sample-data.cpp only).

#include "AElements.h"

namespace {

struct WeatherShowcase {
    const char* fileName;
    int day;
    const char* record;    // AWeather item 1
    const char* summary;   // the day's codes (ADailyStat 13, the phenomenon day counts)
};

// March of the manual station keeps to records without a "(...)" group.
const std::array<WeatherShowcase, 5> WeatherShowcases{{
    {"A54511-200303.TXT", 4, "60 0930-1045'1500;2,80 2010,.", "60 80"},
    {"A54511-200303.TXT", 11, "42 xx30-0830,99 1400", "42 99"},
    {"A54511-200302.TXT", 6, "(60[1],80)70 0510-0745'1320,15 1400;2,.", "60 80 70 15"},
    {"A50953-200303.TXT", 9, "(70[2],77)70 xx40-0815'1105[1],85 1230;3,.,42 1800", "70 77 85"},
    {"A50953-200303.TXT", 17, "70 0300-0600'2100;a", "70"},
}};

void ShowcaseWeatherRecords(const Station& s, std::vector<Day>& month)
{
    for (const WeatherShowcase& w : WeatherShowcases) {
        if (s.fileName != w.fileName || w.day > static_cast<int>(month.size()))
            continue;
        Day& day = month[static_cast<std::size_t>(w.day - 1)];
        day.weather = w.record;
        day.summary = w.summary;
    }
}

struct CellShowcase {
    int day, item;
    const char* text;
};

void SetCells(json& table, const AContext& a, std::initializer_list<CellShowcase> cells)
{
    for (const CellShowcase& c : cells)
        if (c.day <= a.days)
            table["cells"][static_cast<std::size_t>(c.day - 1)][static_cast<std::size_t>(c.item - 1)] = c.text;
}

// Cloud forms with the symbol codes 42, 10 and 31, an upper-case "CI" and one record too long
// for its cell; wire icing with each code and one that is none of them.
void ShowcaseCloudFormsAndIcing(json& t, const AContext& a)
{
    if (a.s.fileName != "A54511-200303.TXT" && a.s.fileName != "A50953-200303.TXT")
        return;
    SetCells(t["ACloudForm"], a, {{2, 1, "Sc 42"}, {2, 2, "Ci 31"}, {3, 1, "CI Ac 10"},
                                  {7, 3, "Cu Sc Ac As Ci Cs Cc Ns St Fc 31 42"}});
    for (const auto& [day, code] : {std::pair{20, "48"}, {21, "56"}, {22, "5648"}, {23, "4856"}})
        SetCells(t["AWireIcing"], a, {{day, 1, code}, {day, 2, "8"}, {day, 3, "6"}, {day, 4, "4"}, {day, 5, "3"},
                                      {day, 6, "12"}, {day, 7, "9"}, {day, 8, "-35"}, {day, 9, "337/42"}});
}

}  // namespace
