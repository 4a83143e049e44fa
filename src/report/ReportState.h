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
    std::int16_t Orientation = 0;   // printer orientation chosen in the print dialog: 1 portrait, 2 landscape
    // The shown report's file was read only in part (a yearly file the reader refused, shown
    // from what it left): its pages are output, but never whole.
    bool ReadInPart = false;
};

// CurrentPage + 1, after the last page back to 1.
std::int16_t NextPageNumber(std::int16_t currentPage, std::int16_t pageCount);
// Steps CurrentPage on to the next page, after PageCount back to 1.
void StepToNextPage(ReportState& state);
// CurrentPage - 1, before page 1 the last page.
std::int16_t PrevPageNumber(std::int16_t currentPage, std::int16_t pageCount);

}  // namespace tabulon
