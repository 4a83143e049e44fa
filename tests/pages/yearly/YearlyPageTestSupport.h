#pragma once
// The fixture of the yearly page tests: a yearly report drawn while printing on a recording
// surface (or, after usePreview, on four recording panes).

#include "support/PageTestSupport.h"

namespace tabulon::test {

class YearlyPageTest : public PageTest {
protected:
    void SetUp() override
    {
        PageTest::SetUp();
        c.state.ReportKind = YearlySurfaceReport;
    }
    TextTable& stat() { return c.tables.YMonthStat; }
};

}  // namespace tabulon::test
