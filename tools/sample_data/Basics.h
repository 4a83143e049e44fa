#pragma once
// Shared pieces of the sample-data generator: a deterministic random source, value
// formatting, hour items, and builders of the JSON table entries.
// Part of make-sample-data (included by tools/make-sample-data.cpp only).


#include <nlohmann/json.hpp>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <functional>
#include <map>
#include <numbers>
#include <string>
#include <vector>
#include <limits>

// Ordered, so that a file lists its tables in the order they are written.
using json = nlohmann::ordered_json;

namespace {

constexpr double Missing = std::numeric_limits<double>::quiet_NaN();
constexpr double Pi = std::numbers::pi;

// ---------------------------------------------------------------- small helpers

class Rng {
public:
    explicit Rng(std::uint32_t seed) : s_(seed ? seed : 1) {}
    double uniform()   // [0, 1)
    {
        s_ ^= s_ << 13;
        s_ ^= s_ >> 17;
        s_ ^= s_ << 5;
        return (s_ % 1000000) / 1000000.0;
    }
    double between(double lo, double hi) { return lo + (hi - lo) * uniform(); }
    double noise(double sigma) { return sigma * (uniform() + uniform() + uniform() - 1.5) * 2.0; }
    int integer(int lo, int hi) { return lo + static_cast<int>(uniform() * (hi - lo + 1)); }

private:
    std::uint32_t s_;
};

bool IsMissing(double v) { return std::isnan(v); }

std::string Int(double v) { return std::to_string(static_cast<long>(std::lround(v))); }
// A value in tenths of its unit: 2.3 -> "23", -0.4 -> "-4"; missing -> "-".
std::string Tenths(double v) { return IsMissing(v) ? "-" : Int(v * 10.0); }
std::string Fixed(double v, int places)
{
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.*f", places, v);
    return buf;
}
std::string Two(int v) { return (v < 10 ? "0" : "") + std::to_string(v); }

// Hour item m (1..24) is the observation-day hour 21, 22, 23, 24, 1, ..., 20.
int HourOfItem(int m) { return (m + 19) % 24 + 1; }
// The items of the four fixed hours 02, 08, 14 and 20.
constexpr std::array<int, 4> FixedItems{6, 12, 18, 24};

int DaysIn(int year, int month)
{
    static const int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return month == 2 && leap ? 29 : days[month - 1];
}

// 16 compass directions in whole degrees, calm as direction 17.
constexpr std::array<int, 16> DirectionDegrees{0, 22, 45, 67, 90, 112, 135, 157,
                                              180, 202, 225, 247, 270, 292, 315, 337};

json Bounds1(int lo, int hi) { return json::array({json::array({lo, hi})}); }

// A table entry {"bounds", "cells"} of a (day, item) table with 31 rows; rows past the
// month's end are empty texts, as a reader leaves them.
json DayTable(int items, int days, const std::function<std::string(int, int)>& cell)
{
    json rows = json::array();
    for (int d = 1; d <= 31; ++d) {
        json row = json::array();
        for (int i = 1; i <= items; ++i)
            row.push_back(d <= days ? cell(d, i) : std::string());
        rows.push_back(std::move(row));
    }
    return {{"bounds", json::array({json::array({1, 31}), json::array({1, items})})}, {"cells", rows}};
}

json Grid(int rows, int cols, const std::function<std::string(int, int)>& cell)
{
    json out = json::array();
    for (int r = 1; r <= rows; ++r) {
        json row = json::array();
        for (int c = 1; c <= cols; ++c)
            row.push_back(cell(r, c));
        out.push_back(std::move(row));
    }
    return {{"bounds", json::array({json::array({1, rows}), json::array({1, cols})})}, {"cells", out}};
}

json Cube(int n1, int n2, int n3, const std::function<std::string(int, int, int)>& cell)
{
    json out = json::array();
    for (int a = 1; a <= n1; ++a) {
        json plane = json::array();
        for (int b = 1; b <= n2; ++b) {
            json row = json::array();
            for (int c = 1; c <= n3; ++c)
                row.push_back(cell(a, b, c));
            plane.push_back(std::move(row));
        }
        out.push_back(std::move(plane));
    }
    return {{"bounds", json::array({json::array({1, n1}), json::array({1, n2}), json::array({1, n3})})},
            {"cells", out}};
}

// A one-dimensional table from lo; `values` may hold texts, numbers, null or booleans.
json List(int lo, const std::vector<json>& values)
{
    return {{"bounds", Bounds1(lo, lo + static_cast<int>(values.size()) - 1)}, {"cells", values}};
}

// A list from 1 built from a vector indexed by element (its element 0 is left out).
json ListFromElement1(const std::vector<json>& byElement)
{
    return List(1, std::vector<json>(byElement.begin() + 1, byElement.end()));
}

// A fixed-size list with some positions set and the rest empty texts.
json Positions(int lo, int hi, const std::map<int, std::string>& set)
{
    std::vector<json> v;
    for (int i = lo; i <= hi; ++i) {
        const auto it = set.find(i);
        v.push_back(it == set.end() ? std::string() : it->second);
    }
    return List(lo, v);
}

double Mean(const std::vector<double>& v)
{
    double s = 0;
    int n = 0;
    for (double x : v)
        if (!IsMissing(x)) {
            s += x;
            ++n;
        }
    return n ? s / n : Missing;
}

}  // namespace
