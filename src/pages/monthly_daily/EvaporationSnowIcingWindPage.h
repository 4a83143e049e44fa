#pragma once
// The fixed-hour evaporation, snow, wire-icing and wind page of a manual station: by day the
// two pans' evaporation, snow depth and pressure, the wire-icing record and the 2-minute wind
// at 02, 08, 14 and 20 h with its daily mean; ten-day and month rows; the month's wind
// statistics by direction on the right and the fixed-time maximum wind below.

#include "toolkit/TextHelpers.h"   // WindCells

#include <QString>

namespace tabulon {

class Component;

// Draws the page ("-6-") on the preview panes or on OutputTarget and ends it. The day,
// ten-day and month evaporation cells keep their two-digit form in their tables.
void PrintEvaporationSnowIcingWind(Component& c);

// A fixed-time "direction/speed" wind cut into what its two cells show: the speed is the
// part after the first "/" padded to two digits; a value without "/" shows as stored in the
// direction cell and leaves the speed cell empty.
WindCells SplitFixedTimeWind(const QString& value);

}  // namespace tabulon
