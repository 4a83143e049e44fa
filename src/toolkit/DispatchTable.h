#pragma once
// The fixed page table of every report: (report kind, station kind, page) -> the renderer
// that draws the page and the small integer arguments that select its variant.

#include "toolkit/Renderers.h"

#include <optional>

namespace tabulon {

struct PageEntry {
    RendererId renderer;
    RendererArgs args{};   // unused trailing arguments are 0
    int argCount = 0;
};

// The entry for one page, or nothing when the report kind, the station kind (monthly
// surface report only) or the page lies outside the table. The radiation report always
// has seven rows whatever the station's class; the page count bounds only the paging.
std::optional<PageEntry> LookupPage(int reportKind, int stationKind, int page);

// "PrintTemperature(3, 5)": the entry as the table writes it.
QString DescribePageEntry(const PageEntry& entry);

}  // namespace tabulon
