#pragma once
// The renderers of the hourly element pages drawn on the ten-day layout.

#include <cstdint>

namespace tabulon {

class Component;

// Station pressure, page "-1-". Errors are reported as "打印本站气压".
void PrintStationPressure(Component& c);

// element 1 air, 2 ground (0 cm), 3 grass (snow) surface temperature; pageVariant is the
// dispatcher's station-kind code (2..5) and picks only the printed page number.
// Table cells are zero-filled to two digits in place before they are printed.
void PrintTemperature(Component& c, std::int16_t element, std::int16_t pageVariant);

// Relative humidity, page "-5-". Errors are reported as "打印相对湿度".
void PrintRelativeHumidity(Component& c);

}  // namespace tabulon
