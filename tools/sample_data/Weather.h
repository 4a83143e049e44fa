#pragma once
// The stations and the day-by-day weather simulation the sample files are written from.
// Part of make-sample-data (included by tools/make-sample-data.cpp only).

#include "Basics.h"

namespace {

struct Station {
    std::string fileName;
    std::string number;
    std::string name;
    std::string province;
    std::string address1, address2;
    std::string latitude, longitude;   // "39.48N": degrees, then minutes after the point
    std::string fieldHeight, pressureHeight, windHeight, platformHeight;
    std::string stationClass;          // "基准站" marks a reference station
    std::string manualMarker;          // "人工" for manual observation
    int observations = 24;             // AfilePara(16)
    std::map<int, std::string> modes;  // AfileMode letters
    int year = 2003, month = 3;
    double baseTemperature = 5;        // monthly mean, °C
    double basePressure = 1015;        // hPa
    std::uint32_t seed = 1;
    bool lightWinds = false;           // a few days of winds of 0.1 and 0.2 m/s
    // Cloud and visibility observed by hand at the four fixed hours (the automatic stations):
    // their tables hold 02, 08, 14 and 20 h at items 1..4.
    bool fixedHourCloudVisibility = false;
    bool fourTimesDaily() const { return observations == 3 || observations == 4; }
};

struct Day {
    std::array<double, 24> pressure{}, temperature{}, humidity{}, vapour{}, dewPoint{}, wetBulb{},
        totalCloud{}, lowCloud{}, visibility{}, windDir{}, windSpeed{}, precipitation{},
        ground{}, grass{}, seaLevel{};
    std::array<std::array<double, 24>, 8> soil{};   // 5, 10, 15, 20, 40, 80, 160, 320 cm
    std::array<double, 24> sunshine{};              // clock hours 0-1 .. 23-24
    double maxTemperature = 0, minTemperature = 0, maxPressure = 0, minPressure = 0;
    double minHumidity = 0, maxGround = 0, minGround = 0, maxGrass = 0, minGrass = 0;
    double maxWindSpeed = 0, extremeWindSpeed = 0;
    int maxWindDir = 0, extremeWindDir = 0, maxWindHour = 0, extremeWindHour = 0;
    double rainTotal = 0, rain20to8 = 0, rain8to20 = 0;
    double evaporation = 0, snowDepth = 0;
    double frozenTop = 0, frozenBottom = 0;
    bool rain = false, fog = false, snow = false;
    std::string weather;     // the day's phenomenon record
    std::string summary;     // the codes of the day
};

double SaturationVapour(double t) { return 6.112 * std::exp(17.67 * t / (t + 243.5)); }

std::vector<Day> Simulate(const Station& s, int days)
{
    Rng rng(s.seed);
    std::vector<Day> month(static_cast<std::size_t>(days));
    for (int d = 1; d <= days; ++d) {
        Day& day = month[static_cast<std::size_t>(d - 1)];
        const double dayMean = s.baseTemperature + 3 * std::sin(2 * Pi * d / 13.0 + s.seed % 7) + rng.noise(1.0);
        day.rain = rng.uniform() < 0.25;
        day.snow = day.rain && dayMean < 1;
        day.fog = !day.rain && rng.uniform() < 0.1;
        const double amplitude = (day.rain ? 2.5 : 5.5) + rng.between(0, 1.5);
        const double pressureMean = s.basePressure + 5 * std::sin(2 * Pi * d / 9.0) - 0.4 * (dayMean - s.baseTemperature);
        const int rainStart = rng.integer(1, 16), rainHours = rng.integer(2, 8);
        const int prevailing = rng.uniform() < 0.6 ? 14 : rng.integer(0, 15);
        const double cloudBase = day.rain ? 8 : rng.between(0, 7);
        for (int m = 1; m <= 24; ++m) {
            const int i = m - 1;
            const int h = HourOfItem(m);
            const double t = dayMean + amplitude * std::cos(2 * Pi * (h - 14) / 24.0) + rng.noise(0.3);
            day.temperature[i] = t;
            day.pressure[i] = pressureMean + 0.8 * std::cos(2 * Pi * (h - 10) / 12.0) + rng.noise(0.2);
            day.seaLevel[i] = day.pressure[i] + 3.8;
            const double rh = std::clamp((day.rain ? 85.0 : 55.0) - 3.0 * (t - dayMean) + rng.noise(3), 8.0, 100.0);
            day.humidity[i] = std::round(rh);
            day.vapour[i] = rh / 100 * SaturationVapour(t);
            const double g = std::log(day.vapour[i] / 6.112);
            day.dewPoint[i] = 243.5 * g / (17.67 - g);
            day.wetBulb[i] = t - 0.4 * (t - day.dewPoint[i]);
            day.totalCloud[i] = std::clamp(std::round(cloudBase + rng.noise(1.5)), 0.0, 10.0);
            day.lowCloud[i] = std::clamp(std::round(day.totalCloud[i] * rng.between(0, 0.8)), 0.0, day.totalCloud[i]);
            day.visibility[i] = day.fog && h >= 5 && h <= 9 ? rng.between(0.3, 0.9)
                                : day.rain                 ? rng.between(3, 9)
                                                           : rng.between(10, 28);
            const bool calm = rng.uniform() < 0.08;
            day.windDir[i] = calm ? 16 : (prevailing + rng.integer(-1, 1) + 16) % 16;
            day.windSpeed[i] = calm ? 0 : std::round(rng.between(1, 6.5) * 10) / 10;
            const bool raining = day.rain && m >= rainStart && m < rainStart + rainHours;
            day.precipitation[i] = raining ? std::round(rng.between(0.1, 3.0) * 10) / 10 : 0;
            day.ground[i] = dayMean + 1.6 * amplitude * std::cos(2 * Pi * (h - 13) / 24.0) + 1.0;
            day.grass[i] = day.ground[i] - (h < 7 || h > 18 ? 1.5 : -0.5);
            static constexpr std::array<double, 8> damping{0.6, 0.45, 0.35, 0.25, 0.08, 0, 0, 0};
            static constexpr std::array<double, 8> offset{0.8, 1.0, 1.2, 1.4, 2.0, 3.5, 6.0, 8.5};
            for (std::size_t k = 0; k < 8; ++k)
                day.soil[k][i] = (k < 5 ? dayMean : s.baseTemperature) + offset[k] +
                                 damping[k] * amplitude * std::cos(2 * Pi * (h - 15 - 2.0 * k) / 24.0);
        }
        for (int clock = 0; clock < 24; ++clock)
            day.sunshine[clock] = clock >= 6 && clock < 18 && cloudBase < 7 ? std::round(rng.between(0.3, 1.0) * 10) / 10 : 0;

        auto [tmin, tmax] = std::minmax_element(day.temperature.begin(), day.temperature.end());
        day.maxTemperature = *tmax + rng.between(0.1, 0.6);
        day.minTemperature = *tmin - rng.between(0.1, 0.6);
        auto [pmin, pmax] = std::minmax_element(day.pressure.begin(), day.pressure.end());
        day.maxPressure = *pmax + 0.2;
        day.minPressure = *pmin - 0.2;
        day.minHumidity = *std::min_element(day.humidity.begin(), day.humidity.end()) - 1;
        auto [gmin, gmax] = std::minmax_element(day.ground.begin(), day.ground.end());
        day.maxGround = *gmax + 0.5;
        day.minGround = *gmin - 0.5;
        auto [smin, smax] = std::minmax_element(day.grass.begin(), day.grass.end());
        day.maxGrass = *smax + 0.4;
        day.minGrass = *smin - 0.4;
        for (int m = 1; m <= 24; ++m) {
            const double p = day.precipitation[m - 1];
            day.rainTotal += p;
            (m <= 12 ? day.rain20to8 : day.rain8to20) += p;
            if (day.windSpeed[m - 1] > day.maxWindSpeed) {
                day.maxWindSpeed = day.windSpeed[m - 1];
                day.maxWindDir = static_cast<int>(day.windDir[m - 1]);
                day.maxWindHour = HourOfItem(m);
            }
        }
        day.extremeWindSpeed = day.maxWindSpeed + rng.between(1, 4);
        day.extremeWindDir = day.maxWindDir;
        day.extremeWindHour = day.maxWindHour;
        day.evaporation = day.rain ? rng.between(0.2, 1.0) : rng.between(1.5, 4.5);
        day.snowDepth = day.snow ? rng.integer(1, 6) : 0;
        if (s.baseTemperature < 0) {
            day.frozenTop = 0;
            day.frozenBottom = std::max(5.0, 60 - 2.0 * d);
        }
        // The phenomenon record: codes with time spans, "," between items.
        std::vector<std::string> items;
        std::vector<std::string> codes;
        if (day.rain) {
            const std::string code = day.snow ? "70" : "60";
            const int from = HourOfItem(rainStart), to = HourOfItem(std::min(24, rainStart + rainHours));
            items.push_back(code + " " + Two(from == 24 ? 0 : from) + "10-" + Two(to == 24 ? 0 : to) + "45");
            codes.push_back(code);
        }
        if (day.fog) {
            items.push_back("42 0500-0830");
            codes.push_back("42");
        }
        if (!day.rain && day.minTemperature < 0 && rng.uniform() < 0.5) {
            items.push_back("03");   // frost, no times
            codes.push_back("03");
        }
        if (day.maxWindSpeed > 6.2) {
            items.push_back("15 1320-1410");
            codes.push_back("15");
        }
        for (std::size_t k = 0; k < items.size(); ++k)
            day.weather += (k ? "," : "") + items[k];
        for (std::size_t k = 0; k < codes.size(); ++k)
            day.summary += (k ? " " : "") + codes[k];
    }
    // A few missing readings, as real files have them.
    if (days >= 20) {
        month[8].pressure[5] = Missing;     // 02 h
        month[14].windSpeed[11] = Missing;  // 08 h
    }
    return month;
}

// Days 2 to 4 turn light: every other hour that is not the day's maximum gets 0.1 or
// 0.2 m/s, so the day's maximum wind stays as simulated.
void MakeWindsLight(std::vector<Day>& month)
{
    for (std::size_t d = 1; d < 4 && d < month.size(); ++d) {
        Day& day = month[d];
        for (std::size_t i = 0; i < 24; i += 2)
            if (day.windDir[i] < 16 && day.windSpeed[i] < day.maxWindSpeed)
                day.windSpeed[i] = i % 4 == 0 ? 0.1 : 0.2;
    }
}

std::string WindText(const Day& day, int i)
{
    if (IsMissing(day.windSpeed[i]))
        return "-/-";
    if (day.windDir[i] >= 16)
        return "C/0";
    return std::to_string(DirectionDegrees[static_cast<std::size_t>(day.windDir[i])]) + "/" + Tenths(day.windSpeed[i]);
}

}  // namespace
