#pragma once
// What report is shown and where its folders are.

#include <QString>
#include <cstdint>

namespace tabulon {

enum ReportKindCode : std::int16_t {
    MonthlySurfaceReport = 1,
    MonthlyRadiationReport = 2,
    YearlySurfaceReport = 3,
};

enum StationKindCode : std::int16_t {
    ManualStation = 1,
    AutomaticStation = 2,
    ReferenceStation = 3,
    ReferenceManualGround = 4,
    AutomaticManualGround = 5,
};

struct ReportState {
    std::int16_t ReportKind = 0;
    std::int16_t StationKind = 0;
    std::int16_t PageCount = 0;
    std::int16_t CurrentPage = 0;
    QString SystemPath;
    QString DataPath;
    QString HelpFile;   // SystemPath & "Help.chm"; there is no viewer here
};

}  // namespace tabulon
