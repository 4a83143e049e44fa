#pragma once
// The renderers of the hourly wind, automatic evaporation and fixed-time pages. Each
// pageVariant is the dispatcher's argument and picks the heading or the printed number.

#include <cstdint>

namespace tabulon {

class Component;

// Hourly ten-minute mean wind on the day grid; pageVariant 1, 2 or 3 picks the heading and
// the number ("-5-", "-12-", "-19-"). No trap: errors go up to the dispatcher.
void PrintTenMinuteWind(Component& c, std::int16_t pageVariant);

// Direction statistics of the two-minute wind; 2 prints "-14-", anything else "-21-".
// Errors are reported as "打印风统计".
void PrintWindStatistics(Component& c, std::int16_t pageVariant);

// Hourly E601B evaporation in ten-day blocks; 2 prints "-10-", anything else "-17-".
// Errors are reported as "打印E601B自动观测蒸发量".
void PrintE601BEvaporation(Component& c, std::int16_t pageVariant);

// Fixed-time precipitation, evaporation, snow and wire icing; 3 prints "-16-", anything
// else "-9-". Errors are reported as "打印定时降水量、蒸发量、雪深、雪压、电线积冰".
void PrintPrecipitationEvaporationSnow(Component& c, std::int16_t pageVariant);

}  // namespace tabulon
