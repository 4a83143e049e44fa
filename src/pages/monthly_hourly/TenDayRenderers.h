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

// Total cloud (isTotal non-zero, page "-7-") or low cloud ("-8-"), with the class counts
// below the month row. No trap of its own: errors go to the dispatcher.
void PrintCloudAmount(Component& c, std::int16_t isTotal);

// Two-minute mean wind, direction over speed in each hour cell; pageVariant 2 is the
// automatic station's page "-13-", any other value "-20-". Each hourly cell of AWind is
// zero-filled in place before it is printed. Errors are reported as "打印二分钟风向风速".
void PrintTwoMinuteWind(Component& c, std::int16_t pageVariant);

// element 1 vapour pressure, 2..9 soil temperature at 5, 10, 15, 20, 40, 80, 160, 320 cm;
// pageVariant (2 or 3) picks only the printed page number. Hourly cells the page prints
// are zero-filled in place. Errors are reported with the element's name ("80cm地温").
void PrintHourlyWithMeans(Component& c, std::int16_t element, std::int16_t pageVariant);

}  // namespace tabulon
