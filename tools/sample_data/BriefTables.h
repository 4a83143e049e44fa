#pragma once
// What the monthly summary tables read beyond the other pages: a climate-summary line of
// three fields, whose text is its second field only.
// Part of make-sample-data (included by tools/make-sample-data.cpp only).

#include "AElements.h"

namespace {

void ShowcaseBriefTables(json& t, const AContext&)
{
    json& summary = t["AClimateSummary"];
    summary["cells"].push_back("4/月末出现一次明显降温过程。/附注不印出");
    summary["bounds"] = Bounds1(0, static_cast<int>(summary["cells"].size()) - 1);
}

}  // namespace
