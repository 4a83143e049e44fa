#pragma once
// The data loader behind the file chooser's OK: reads the chosen file through the data
// reader into a fresh set of tables, derives the station kind and page count, and hands
// over to the report window. The loaded report replaces the shown one only when the
// whole load succeeded; otherwise the previous report stays intact and drawable.

#include "report/Table.h"

#include <QString>
#include <cstdint>
#include <optional>

namespace tabulon {

class Component;

// Loads folder & fileName for the current ReportKind. Returns true when the chooser
// should close (the report was taken over), false when it stays open.
bool LoadReportFile(Component& c, const QString& folder, const QString& fileName);

// The station kind of an A file's header; empty when none of the tests holds.
// AfilePara(16) is compared as a number: a text that is not one raises a type mismatch.
std::optional<std::int16_t> StationKindOf(const ParameterBlock& AfilePara, const TextList& AfileMode);

// Pages of the monthly surface report by station kind; empty for any other kind.
std::optional<std::int16_t> SurfacePageCount(std::int16_t stationKind);
// Pages of the radiation report by radiation class; empty for any other class.
std::optional<std::int16_t> RadiationPageCount(std::int16_t radiationClass);

}  // namespace tabulon
