#pragma once
// The page renderers of the monthly radiation report.

#include <QString>

namespace tabulon {

class Component;

// A calibration date as the instruments page prints it: "20020915" -> "2002年09月15日";
// a date of any other length by its first four characters ("200209" -> "2002").
QString CalibrationDate(const QString& date);

// Page 2, "-1-": instruments in use, site description and notes; reports its own errors.
void PrintRadiationInstrumentsPage(Component& c);

// Pages 3 to 7, "-2-" to "-6-": one element each, by hour and day. No trap of their own.
void PrintRadiationTotalPage(Component& c);
void PrintRadiationNetPage(Component& c);
void PrintRadiationDiffusePage(Component& c);
void PrintRadiationDirectPage(Component& c);
void PrintRadiationReflectedPage(Component& c);

}  // namespace tabulon
